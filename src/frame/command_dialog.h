#pragma once

#include <QDialog>
#include <QDialogButtonBox>

#include "engine/random_generator.h"

namespace lorvex {

// A modeless dialog of the frame: its default button ("criar", "resolver")
// runs the command and the dialog stays open; "fechar" and Esc hide it.
class CommandDialog : public QDialog {
    Q_OBJECT
  public:
    CommandDialog(const QString& title, const QString& runLabel, QWidget* parent);

    // Shows the dialog and brings it to the top; the first time beside the
    // given window (the frame by default), later where the user left it.
    void present(RandomGenerator& random, const QWidget* beside = nullptr);

  protected:
    // Runs the command with the dialog's fields.
    virtual void run() = 0;
    // The buttons, for the dialog's layout.
    QDialogButtonBox* buttons() const { return buttons_; }

  private:
    QDialogButtonBox* buttons_;
    bool placed_ = false;
};

}  // namespace lorvex
