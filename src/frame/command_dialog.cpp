#include "frame/command_dialog.h"

#include <QPushButton>

#include "toolkit/dialog_placement.h"
#include "toolkit/qt_text.h"

namespace lorvex {

CommandDialog::CommandDialog(const QString& title, const QString& runLabel, QWidget* parent)
    : QDialog(parent), buttons_(new QDialogButtonBox(this)) {
    setWindowTitle(title);
    setModal(false);
    QPushButton* runButton = buttons_->addButton(runLabel, QDialogButtonBox::ActionRole);
    runButton->setObjectName("run");
    runButton->setDefault(true);
    runButton->setAutoDefault(true);
    QPushButton* close =
        buttons_->addButton(uiString(strings::id::Close), QDialogButtonBox::RejectRole);
    close->setObjectName("close");
    close->setAutoDefault(false);
    connect(runButton, &QPushButton::clicked, this, [this] { run(); });
    // "fechar" and Esc reject, which only hides a dialog.
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CommandDialog::present(RandomGenerator& random, const QWidget* beside) {
    if (!placed_) {
        placeBesideOwner(*this, random, beside);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

}  // namespace lorvex
