#include "frame/echelon_dialog.h"

#include <QFormLayout>
#include <QPushButton>

#include "engine/echelon.h"
#include "engine/result_codes.h"
#include "frame/exact_steps_box.h"
#include "frame/letter_list.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/qt_text.h"
#include "workspace/prompter.h"
#include "workspace/step_operations.h"

namespace lorvex {

TEchDlg::TEchDlg(StepOperations& steps, Prompter& prompter, QWidget* parent)
    : CommandDialog(uiString(strings::id::EchelonTitle), uiString(strings::id::FinalButton),
                    parent),
      steps_(steps),
      prompter_(prompter),
      matrix_(new LetterList(13, this)),
      saveLetter_(new LetterList(5, this)) {
    matrix_->setObjectName("295");
    saveLetter_->setObjectName("296");
    QPushButton* stepsButton =
        buttons()->addButton(uiString(strings::id::StepsButton), QDialogButtonBox::ActionRole);
    stepsButton->setObjectName("steps");
    stepsButton->setAutoDefault(false);
    QPushButton* rename =
        buttons()->addButton(uiString(strings::id::RenameButton), QDialogButtonBox::ActionRole);
    rename->setObjectName("rename");
    rename->setAutoDefault(false);
    auto* save = new QPushButton(uiString(strings::id::SaveAsButton), this);
    save->setObjectName("saveAs");
    save->setAutoDefault(false);
    saveLetter_->setAccessibleName(save->text());

    auto* layout = new QFormLayout(this);
    layout->addRow(uiString(strings::id::ForMatrix), matrix_);
    layout->addRow(new ExactStepsBox(steps_, this));
    layout->addRow(save, saveLetter_);
    layout->addRow(buttons());

    // Another matrix starts the steps afresh.
    connect(matrix_, &QComboBox::currentIndexChanged, this, [this] { counter_ = 0; });
    connect(stepsButton, &QPushButton::clicked, this, [this] { showSteps(++counter_); });
    connect(rename, &QPushButton::clicked, this, [this] {
        counter_ = 0;
        showSteps(0);
    });
    connect(save, &QPushButton::clicked, this, &TEchDlg::saveAs);
}

void TEchDlg::run() {
    showSteps(kAllEchelonActions);
}

void TEchDlg::showSteps(std::int32_t steps) {
    int rc = code::Ok;
    {
        ComputationStopper stopper(this);
        rc = steps_.echelon(matrix_->letter(), steps, stopper.stopCheck()).code;
    }
    showError(prompter_, rc);
}

void TEchDlg::saveAs() {
    showError(prompter_, steps_.EchSaveAs(saveLetter_->letter()));
}

}  // namespace lorvex
