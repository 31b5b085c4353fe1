#pragma once

#include "toolkit/text_window.h"
#include "workspace/matrix_document.h"

namespace lorvex {

// The notes of one matrix: how it was made, and whatever the user writes
// about it. Every edit goes straight into the matrix's notes, which its file
// stores. Showing or closing the window counts as a change of the matrix.
class TNoteWin : public TTextWin {
    Q_OBJECT
  public:
    TNoteWin(MatrixDocument& document, Prompter& prompter, QWidget* owner = nullptr);

    // Loads the matrix's notes, shows the window and marks the matrix
    // modified.
    void showNotes();
    // Loads the matrix's notes again after they changed from outside.
    void reloadNotes();
    // The title " [" + base name of the matrix file + "]", refreshed after
    // the matrix was opened or saved.
    void refreshTitle();

  protected:
    void hideWindow() override;
    void textEdited() override;

  private:
    MatrixDocument& document_;
};

}  // namespace lorvex
