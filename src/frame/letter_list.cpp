#include "frame/letter_list.h"

namespace lorvex {

LetterList::LetterList(std::int32_t initial, QWidget* parent) : QComboBox(parent) {
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        addItem(QString(QChar(letter)));
    setLetter(initial);
}

}  // namespace lorvex
