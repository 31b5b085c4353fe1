#pragma once

#include "matwin/matrix_window.h"

namespace lorvex {

// The window of a step document: the matrix a step procedure reached, the
// document's title as its caption and the entry of the last step
// highlighted. Its short menu only saves, exports and formats the matrix.
class TDispWin : public TMatWin {
    Q_OBJECT
  public:
    // `helpName` is the help text of the procedure ("ECHHELP").
    TDispWin(MatrixDocument& document, Prompter& prompter, const char* helpName,
             QWidget* parent = nullptr, Options options = {});

    // The document shows a new step: its caption may have changed too.
    void stepShown();

  private:
    void buildMenus();

    const char* helpName_;
};

}  // namespace lorvex
