#include "frame/linear_program_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "frame/dialog_lines.h"
#include "frame/letter_list.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/qt_text.h"
#include "workspace/prompter.h"
#include "workspace/step_operations.h"

namespace lorvex {
namespace {

QPushButton* addStepButton(QDialogButtonBox& box, int text, const char* name) {
    QPushButton* button = box.addButton(uiString(text), QDialogButtonBox::ActionRole);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TLPDlg::TLPDlg(StepOperations& steps, Prompter& prompter, QWidget* parent)
    : CommandDialog(uiString(strings::id::LinearProgrammingTitle),
                    uiString(strings::id::FindXButton), parent),
      steps_(steps),
      prompter_(prompter),
      maximise_(new QRadioButton(uiString(strings::id::Maximise), this)),
      minimise_(new QRadioButton(uiString(strings::id::Minimise), this)),
      objective_(new LetterList(6, this)),
      constraints_(new LetterList(13, this)),
      constraintsLabel_(new QLabel(uiString(strings::id::TimesXAtMost), this)),
      rightSide_(new LetterList(2, this)),
      saveLetter_(new LetterList(24, this)) {
    maximise_->setObjectName("251");
    minimise_->setObjectName("252");
    objective_->setObjectName("295");
    constraints_->setObjectName("297");
    rightSide_->setObjectName("296");
    saveLetter_->setObjectName("298");
    maximise_->setChecked(true);
    QPushButton* stepsButton = addStepButton(*buttons(), strings::id::StepsButton, "steps");
    QPushButton* rename = addStepButton(*buttons(), strings::id::RenameButton, "rename");
    auto* save = new QPushButton(uiString(strings::id::SaveAsButton), this);
    save->setObjectName("saveAs");
    save->setAutoDefault(false);

    auto* objectiveLabel = new QLabel(uiString(strings::id::TimesX), this);
    objectiveLabel->setBuddy(objective_);
    constraintsLabel_->setObjectName("constraintsLabel");
    constraintsLabel_->setBuddy(constraints_);
    rightSide_->setAccessibleName(uiString(strings::id::RightSide));
    saveLetter_->setAccessibleName(save->text());

    // [F] * X
    // [M] * X   <   [B]
    auto* layout = new QVBoxLayout(this);
    addLine(*layout, {maximise_, minimise_});
    addLine(*layout, {objective_, objectiveLabel});
    addLine(*layout, {constraints_, constraintsLabel_, rightSide_});
    addLine(*layout, {save, saveLetter_});
    layout->addWidget(buttons());

    connect(maximise_, &QRadioButton::toggled, this, &TLPDlg::goalChanged);
    for (LetterList* list : {objective_, constraints_, rightSide_, saveLetter_})
        connect(list, &QComboBox::currentIndexChanged, this, &TLPDlg::restart);
    connect(stepsButton, &QPushButton::clicked, this, &TLPDlg::nextStep);
    connect(rename, &QPushButton::clicked, this, &TLPDlg::restart);
    connect(save, &QPushButton::clicked, this,
            [this] { showError(prompter_, steps_.LPSaveAs(saveLetter_->letter())); });
}

void TLPDlg::goalChanged() {
    constraintsLabel_->setText(
        uiString(maximise_->isChecked() ? strings::id::TimesXAtMost : strings::id::TimesXAtLeast));
    restart();
}

void TLPDlg::run() {
    solve(kAllSimplexSteps);
    restart();
}

// Each press replays the procedure from the start, one step further.
void TLPDlg::nextStep() {
    counter_ = solve(counter_ + 1) ? -1 : counter_ + 1;
}

bool TLPDlg::solve(std::int32_t stepLimit) {
    StepProgress progress;
    {
        ComputationStopper stopper(this);
        progress =
            steps_.linearProgram(objective_->letter(), constraints_->letter(), rightSide_->letter(),
                                 maximise_->isChecked() ? Goal::Maximise : Goal::Minimise,
                                 stepLimit, stopper.stopCheck());
    }
    showError(prompter_, progress.code);
    return progress.finished || progress.code != code::Ok;
}

}  // namespace lorvex
