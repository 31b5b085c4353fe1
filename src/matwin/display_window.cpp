#include "matwin/display_window.h"

#include <QMenuBar>
#include <utility>

#include "toolkit/command_actions.h"
#include "toolkit/commands.h"
#include "toolkit/qt_text.h"

namespace lorvex {

TDispWin::TDispWin(MatrixDocument& document, Prompter& prompter, const char* helpName,
                   QWidget* parent, Options options)
    : TMatWin(document, prompter, parent, std::move(options), MenuSet::None), helpName_(helpName) {
    buildMenus();
}

void TDispWin::stepShown() {
    settingsChanged();
    contentsReplaced();
    refreshTitle();
}

// The menus' own help texts are named but not part of the program; the help
// window reports them missing.
void TDispWin::buildMenus() {
    QMenu* file = menuBar()->addMenu(uiString(strings::id::FileMenu));
    addSaveCommands(file);
    connect(addCommand(file, command::StepTextExport, uiString(strings::id::TextExportItem)),
            &QAction::triggered, this, &TDispWin::exportPlainText);
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
    addLanguageChoice(misc);
    connect(addCommand(misc, command::HelpFourthMenu, uiString(strings::id::HelpItem)),
            &QAction::triggered, this, [this] { showHelp("MATHELP"); });

    QAction* help = menuBar()->addAction(uiString(strings::id::SearchHelpItem));
    help->setObjectName(QStringLiteral("command%1").arg(command::ProgramHelp));
    connect(help, &QAction::triggered, this, [this] { showHelp(helpName_); });
}

}  // namespace lorvex
