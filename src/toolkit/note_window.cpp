#include "toolkit/note_window.h"

#include "toolkit/qt_text.h"
#include "toolkit/save_questions.h"

namespace lorvex {

TNoteWin::TNoteWin(MatrixDocument& document, Prompter& prompter, QWidget* owner)
    : TTextWin(prompter, owner), document_(document) {
    setDocumentName(".txt", false);
    reloadNotes();
    refreshTitle();
}

void TNoteWin::showNotes() {
    reloadNotes();
    showWindow();
    document_.setModified(true);
}

void TNoteWin::reloadNotes() {
    if (toStdString(text()) != document_.notes()) setText(toQString(document_.notes()));
}

void TNoteWin::refreshTitle() {
    setWindowTitle(" [" + toQString(baseName(document_.documentName())) + "]");
}

void TNoteWin::hideWindow() {
    TTextWin::hideWindow();
    document_.setModified(true);
}

void TNoteWin::textEdited() {
    document_.setNotes(toStdString(text()));
}

}  // namespace lorvex
