#include "frame/row_operations_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "engine/result_codes.h"
#include "frame/dialog_lines.h"
#include "frame/exact_steps_box.h"
#include "frame/letter_list.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/qt_text.h"
#include "workspace/check_answer.h"
#include "workspace/prompter.h"
#include "workspace/step_operations.h"

namespace lorvex {
namespace {

QLineEdit* field(const char* text, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(name);
    return edit;
}

QPushButton* button(int text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(uiString(text), parent);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

// A label standing before or after its field, which it names.
QLabel* labelFor(QLineEdit* field, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setBuddy(field);
    return label;
}

}  // namespace

// It reads, for rows:
//   [1.5] X linha [1] multiplicar
//   adicionar à linha [2]
//   trocar linhas [1] e [2]
//   [conferir] [S]
TOperDlg::TOperDlg(StepOperations& steps, Prompter& prompter, QWidget* parent)
    : CommandDialog(uiString(strings::id::OperationsTitle), uiString(strings::id::MultiplyButton),
                    parent),
      steps_(steps),
      prompter_(prompter),
      rows_(new QRadioButton(uiString(strings::id::Rows), this)),
      matrix_(new LetterList(13, this)),
      factor_(field("1.5", "211", this)),
      index_(field("1", "212", this)),
      indexLabel_(labelFor(index_, this)),
      target_(field("2", "213", this)),
      targetLabel_(labelFor(target_, this)),
      first_(field("1", "214", this)),
      swapLabel_(labelFor(first_, this)),
      second_(field("2", "215", this)),
      undo_(button(strings::id::UndoButton, "undo", this)),
      checked_(new LetterList(19, this)) {
    auto* byColumns = new QRadioButton(uiString(strings::id::Columns), this);
    rows_->setObjectName("251");
    byColumns->setObjectName("252");
    rows_->setChecked(true);
    matrix_->setObjectName("291");
    QPushButton* load = button(strings::id::LoadAsButton, "load", this);
    QPushButton* multiply = buttons()->findChild<QPushButton*>("run");
    buttons()->removeButton(multiply);
    multiply->setObjectName("multiply");
    QPushButton* add = button(strings::id::AddButton, "add", this);
    QPushButton* swap = button(strings::id::SwapButton, "swap", this);
    QLabel* andLabel = labelFor(second_, this);
    andLabel->setText(uiString(strings::id::And));
    QPushButton* check = button(strings::id::CheckButton, "check", this);
    checked_->setObjectName("checked");
    checked_->setAccessibleName(check->text());
    matrix_->setAccessibleName(load->text());
    factor_->setAccessibleName(uiString(strings::id::Factor));
    for (QLineEdit* edit : {index_, target_, first_, second_})
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    factor_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000000000")));

    auto* layout = new QVBoxLayout(this);
    addLine(*layout, {rows_, byColumns});
    auto* exact = new ExactStepsBox(steps_, this);
    addLine(*layout, {load, matrix_, exact});
    addLine(*layout, {factor_, indexLabel_, index_, multiply});
    addLine(*layout, {add, targetLabel_, target_});
    addLine(*layout, {swap, swapLabel_, first_, andLabel, second_});
    addLine(*layout, {check, checked_});
    addLine(*layout, {undo_})->addWidget(buttons());
    linesChanged();
    undo_->setEnabled(steps_.OperCanUndo());

    connect(rows_, &QRadioButton::toggled, this, &TOperDlg::linesChanged);
    connect(load, &QPushButton::clicked, this,
            [this] { report(steps_.OperLoad(matrix_->letter())); });
    connect(add, &QPushButton::clicked, this, [this] {
        report(steps_.OperAdd(toStdString(index_->text()), toStdString(factor_->text()),
                              toStdString(target_->text()), columns()));
    });
    connect(swap, &QPushButton::clicked, this, [this] {
        report(
            steps_.OperSwap(toStdString(first_->text()), toStdString(second_->text()), columns()));
    });
    connect(check, &QPushButton::clicked, this, &TOperDlg::checkStep);
    // An integer calculation has no decimal point: with exact steps the
    // default factor is written as the fraction it is, which reads the same
    // in real mode.
    const auto suitDefaultFactor = [this](bool exactSteps) {
        const auto [from, to] = exactSteps ? std::pair("1.5", "3/2") : std::pair("3/2", "1.5");
        if (factor_->text() == QLatin1String(from)) factor_->setText(QLatin1String(to));
    };
    suitDefaultFactor(exact->isChecked());
    connect(exact, &QCheckBox::toggled, this, suitDefaultFactor);
    connect(undo_, &QPushButton::clicked, this, [this] {
        // Only memory running out keeps an enabled "desfazer" from undoing.
        report(steps_.OperUndo() ? code::Ok : code::OutOfMemory);
    });
}

void TOperDlg::run() {
    report(
        steps_.OperMultiply(toStdString(index_->text()), toStdString(factor_->text()), columns()));
}

bool TOperDlg::columns() const {
    return !rows_->isChecked();
}

void TOperDlg::linesChanged() {
    const bool byColumns = columns();
    indexLabel_->setText(uiString(strings::id::TimesPrefix) +
                         uiString(byColumns ? strings::id::Column : strings::id::Row));
    targetLabel_->setText(uiString(byColumns ? strings::id::ToColumn : strings::id::ToRow));
    swapLabel_->setText(uiString(byColumns ? strings::id::Columns : strings::id::Rows));
}

void TOperDlg::checkStep() {
    ElementaryStep step;
    int rc = code::Ok;
    {
        ComputationStopper stopper(this);
        rc = steps_.OperCheck(checked_->letter(), step, stopper.stopCheck());
    }
    if (rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    const std::string caption(strings::byId(strings::id::CheckButton));
    if (!step.elementary) {
        prompter_.messageBox(caption, checkAnswerText(step), Prompter::Buttons::Ok);
        return;
    }
    const std::string question =
        checkAnswerText(step) + "\n\n" + std::string(strings::byId(strings::id::TakeAsNextStep));
    if (prompter_.messageBox(caption, question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        report(steps_.OperTake(step.operation));
}

void TOperDlg::report(int code) {
    undo_->setEnabled(steps_.OperCanUndo());
    showError(prompter_, code);
}

}  // namespace lorvex
