#pragma once

#include <QCheckBox>

namespace lorvex {

class StepOperations;

// The "exato" check box of the step dialogs: exact steps in integer mode.
// The choice is remembered in the program's settings and shared by the
// dialogs; the box is enabled in integer mode only. It follows the mode and
// the other dialog's choice whenever its dialog is shown or activated.
class ExactStepsBox : public QCheckBox {
    Q_OBJECT
  public:
    ExactStepsBox(StepOperations& steps, QWidget* dialog);

    // Reads the remembered choice and the mode, and gives the choice to the
    // step operations.
    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    StepOperations& steps_;
};

}  // namespace lorvex
