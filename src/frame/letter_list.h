#pragma once

#include <QComboBox>

namespace lorvex {

// The drop-down list of the 26 letters "A" ... "Z" of the command dialogs.
class LetterList : public QComboBox {
    Q_OBJECT
  public:
    // `initial` is a letter number, 1 = A.
    LetterList(std::int32_t initial, QWidget* parent);

    // The chosen letter number, 1 = A ... 26 = Z.
    std::int32_t letter() const { return currentIndex() + 1; }
    void setLetter(std::int32_t letter) { setCurrentIndex(letter - 1); }
};

}  // namespace lorvex
