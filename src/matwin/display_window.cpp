#include "matwin/display_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/result_codes.h"
#include "matwin/matrix_view.h"
#include "toolkit/command_actions.h"
#include "toolkit/commands.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/program_settings.h"
#include "toolkit/qt_text.h"
#include "toolkit/save_questions.h"
#include "workspace/worked_solution.h"

namespace lorvex {
namespace {

// The dialog offers the formats in the order of SolutionFormat.
const QString kSolutionFormatKey = QStringLiteral("stepWindow/solutionFormat");

}  // namespace

TDispWin::TDispWin(MatrixDocument& document, Prompter& prompter, const char* helpName,
                   QWidget* parent, Options options)
    : TMatWin(document, prompter, parent, std::move(options), MenuSet::None), helpName_(helpName) {
    buildMenus();
    buildStepStrip();
}

void TDispWin::followSteps(const StepOperations& steps, StepDocument which) {
    steps_ = &steps;
    shownIn_ = which;
    refreshSteps();
}

void TDispWin::stepShown() {
    settingsChanged();
    contentsReplaced();
    refreshTitle();
    QTimer::singleShot(0, this, &TDispWin::refreshSteps);
}

// The menus' own help texts are named but not part of the program; the help
// window reports them missing.
void TDispWin::buildMenus() {
    QMenu* file = menuBar()->addMenu(uiString(strings::id::FileMenu));
    addSaveCommands(file);
    connect(addCommand(file, command::StepTextExport, uiString(strings::id::TextExportItem)),
            &QAction::triggered, this, &TDispWin::exportPlainText);
    connect(addCommand(file, command::ExportSolution, uiString(strings::id::ExportSolutionItem)),
            &QAction::triggered, this, &TDispWin::exportSolution);
    connect(addCommand(file, command::HelpFirstMenu, uiString(strings::id::HelpItem)),
            &QAction::triggered, this, [this] { showHelp("MATFILEHELP"); });

    QMenu* misc = menuBar()->addMenu(uiString(strings::id::MiscMenu));
    connect(addCommand(misc, command::Font, uiString(strings::id::FontItem)), &QAction::triggered,
            this, &TDispWin::chooseFont);
    longMinusAction_ = addCommand(misc, command::MinusSign, uiString(strings::id::LongMinusItem));
    longMinusAction_->setCheckable(true);
    connect(longMinusAction_, &QAction::triggered, this, &TDispWin::askLongMinus);
    connect(addCommand(misc, command::BorderColor, uiString(strings::id::StepBorderColorItem)),
            &QAction::triggered, this, &TDispWin::chooseBorderColour);
    connect(addCommand(misc, command::HighlightColor, uiString(strings::id::HighlightColorItem)),
            &QAction::triggered, this, &TDispWin::chooseHighlightColour);
    addFractionsCommand(misc, QStringLiteral("stepWindow/%1/fractions").arg(helpName_));
    addLanguageChoice(misc);
    connect(addCommand(misc, command::HelpFourthMenu, uiString(strings::id::HelpItem)),
            &QAction::triggered, this, [this] { showHelp("MATHELP"); });

    QAction* help = menuBar()->addAction(uiString(strings::id::SearchHelpItem));
    help->setObjectName(QStringLiteral("command%1").arg(command::ProgramHelp));
    connect(help, &QAction::triggered, this, [this] { showHelp(helpName_); });
}

// The grid above, the strip below it, and the list under the strip while
// "Todos os passos" is down.
void TDispWin::buildStepStrip() {
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(takeCentralWidget(), 1);

    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(4, 2, 4, 2);
    stepStrip_ = new QLabel(content);
    stepStrip_->setObjectName(QStringLiteral("stepStrip"));
    stepStrip_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    allStepsButton_ = new QToolButton(content);
    allStepsButton_->setObjectName(QStringLiteral("allSteps"));
    allStepsButton_->setText(uiString(strings::id::AllSteps));
    allStepsButton_->setCheckable(true);
    strip->addWidget(stepStrip_, 1);
    strip->addWidget(allStepsButton_);
    layout->addLayout(strip);

    stepList_ = new QListWidget(content);
    stepList_->setObjectName(QStringLiteral("stepList"));
    stepList_->setAccessibleName(uiString(strings::id::AllSteps));
    stepList_->setSelectionMode(QAbstractItemView::NoSelection);
    stepList_->setFocusPolicy(Qt::NoFocus);
    stepList_->setMaximumHeight(stepList_->fontMetrics().height() * 7);
    stepList_->hide();
    layout->addWidget(stepList_);
    connect(allStepsButton_, &QToolButton::toggled, stepList_, &QWidget::setVisible);

    setCentralWidget(content);
    view()->setFocus();
    refreshSteps();
}

bool TDispWin::showsLastRun() const {
    return steps_ != nullptr && shownIn_ && steps_->lastRunDocument() == shownIn_;
}

// The window names the steps of the last run only when that run showed here;
// another procedure's steps belong to its own window.
void TDispWin::refreshSteps() {
    std::vector<std::string> descriptions;
    if (showsLastRun()) descriptions = steps_->stepDescriptions();
    stepList_->clear();
    for (std::size_t i = 0; i < descriptions.size(); ++i)
        stepList_->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(toQString(descriptions[i])));
    stepStrip_->setText(descriptions.empty() ? uiString(strings::id::NoStepYet)
                                             : uiString(strings::id::StepNamed)
                                                   .arg(descriptions.size())
                                                   .arg(toQString(descriptions.back())));
    if (descriptions.empty()) allStepsButton_->setChecked(false);
    allStepsButton_->setEnabled(!descriptions.empty());
}

QString TDispWin::stepStripText() const {
    return stepStrip_->text();
}

QStringList TDispWin::stepListTexts() const {
    QStringList texts;
    for (int i = 0; i < stepList_->count(); ++i)
        texts << stepList_->item(i)->text();
    return texts;
}

void TDispWin::exportSolution() {
    if (!showsLastRun()) {
        showError(prompter(), code::NothingToDo);
        return;
    }
    const auto remembered = programSettings()->value(kSolutionFormatKey, 0).toInt();
    const std::optional<std::vector<int>> chosen =
        prompter().askChoices({std::string(strings::byId(strings::id::ExportSolutionTitle)),
                               {{std::string(strings::byId(strings::id::TexFragment)),
                                 std::string(strings::byId(strings::id::TexDocument)),
                                 std::string(strings::byId(strings::id::PlainText))}},
                               {std::clamp(remembered, 0, 2)}});
    if (!chosen || chosen->size() != 1) return;
    const auto format = static_cast<SolutionFormat>(std::clamp((*chosen)[0], 0, 2));
    programSettings()->setValue(kSolutionFormatKey, static_cast<int>(format));
    const bool text = format == SolutionFormat::PlainText;
    const std::optional<std::string> path = askSavePath(
        prompter(), strings::byId(text ? strings::id::TextFileFilter : strings::id::TexFileFilter),
        text ? "txt" : "tex", text ? "solucao.txt" : "solucao.tex");
    if (!path) return;
    WorkedSolution solution;
    int rc = code::Ok;
    {
        ComputationStopper stopper(this);
        rc = steps_->workedSolution(solution, stopper.stopCheck());
    }
    if (rc != code::Ok) {
        showError(prompter(), rc);
        return;
    }
    if (const int written = writeSolution(*path, solution, format); written != code::Ok)
        showError(prompter(), written, *path);
}

}  // namespace lorvex
