#include "matwin/matrix_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <array>

#include "engine/result_codes.h"
#include "matwin/matrix_view.h"
#include "toolkit/colour_window.h"
#include "toolkit/command_actions.h"
#include "toolkit/commands.h"
#include "toolkit/note_window.h"
#include "toolkit/qt_text.h"
#include "toolkit/text_window.h"
#include "workspace/prompter.h"
#include "workspace/text_numbers.h"

namespace lorvex {
namespace {

// Background colours of the letters 0 ... 26.
constexpr std::array<QRgb, 27> kLetterColors = {
    0x7EDEFF, 0xDE7EFF, 0xFF7EDE, 0xFFDE7E, 0xDEFF7E, 0x7EFFDE, 0xFFFFBF, 0xFFBFFF, 0xBFFFFF,
    0xFFFFDE, 0xFFDEFF, 0xDEFFFF, 0xB1DED4, 0xB1D4DE, 0xD4B1DE, 0xD4DEB1, 0xDEB1D4, 0xDED4B1,
    0xBFF1DE, 0xBFDEF1, 0xDEF1BF, 0xDEBFF1, 0xF1DEBF, 0xF1BFDE, 0xFF96EA, 0x96EAFF, 0xFFFFFF,
};

std::string number(std::int32_t value) {
    return std::to_string(value);
}

}  // namespace

TMatWin::TMatWin(MatrixDocument& document, Prompter& prompter, QWidget* parent, Options options)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowMinMaxButtonsHint),
      document_(document),
      prompter_(prompter),
      options_(std::move(options)),
      view_(new MatrixView(document, prompter, this)) {
    readSettingsFile();
    setCentralWidget(view_);
    settingsChanged();
    buildMenus();
    placeByDefault();
    connect(view_, &MatrixView::editingChanged, this, [this] { refreshTitle(); });
    connect(view_, &MatrixView::edited, this, [this] { updateCommands(); });
    refreshTitle();
    updateCommands();
}

TTextWin* TMatWin::textWindow() {
    if (!textWindow_) textWindow_ = std::make_unique<TTextWin>(prompter_);
    return textWindow_.get();
}

TTextWin* TMatWin::helpWindow() {
    if (!helpWindow_) helpWindow_ = std::make_unique<TTextWin>(prompter_);
    return helpWindow_.get();
}

TNoteWin* TMatWin::notesWindow() {
    if (!notesWindow_) notesWindow_ = std::make_unique<TNoteWin>(document_, prompter_);
    return notesWindow_.get();
}

QColor TMatWin::backgroundFor(std::int32_t letterNo, bool whiteBackground) {
    if (whiteBackground || letterNo < 0 || letterNo > 26) return QColor(0xFFFFFF);
    return QColor(kLetterColors[static_cast<std::size_t>(letterNo)]);
}

QString TMatWin::caption() const {
    if (!document_.title().empty()) return toQString(document_.title());
    return QString(QChar(static_cast<char16_t>(64 + document_.LetterNo())));
}

void TMatWin::refreshTitle() {
    setWindowTitle(view_->Editing() ? uiString(611) : caption());
}

void TMatWin::contentsReplaced() {
    view_->resetView();
    if (notesWindow_) {
        notesWindow_->reloadNotes();
        notesWindow_->refreshTitle();
    }
    updateCommands();
}

void TMatWin::hideMatrix() {
    document_.setHidden(true);
    hide();
    emit matrixHidden(this);
}

void TMatWin::closeEvent(QCloseEvent* event) {
    // The window only ever hides; the matrix stays in its place.
    event->ignore();
    hideMatrix();
}

void TMatWin::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    connect(addCommand(file, command::Save, QStringLiteral("&Salvar"),
                       QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TMatWin::save);
    connect(addCommand(file, command::SaveAs, QStringLiteral("Salvar &Como ..."),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &TMatWin::saveAs);
    connect(addCommand(file, command::TextExport, QStringLiteral("&Texto externo ...")),
            &QAction::triggered, this, &TMatWin::exportPlainText);
    connect(addCommand(file, command::TexExport, QStringLiteral("Te&Xto matriz ...")),
            &QAction::triggered, this, &TMatWin::exportTex);
    connect(addCommand(file, command::HelpFirstMenu, QStringLiteral("&Ajuda ...")),
            &QAction::triggered, this, [this] { showHelp("LVMFILEH"); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Editar"));
    undoAction_ = addCommand(edit, command::Undo, QStringLiteral("&Desfazer ..."),
                             QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undoAction_, &QAction::triggered, this, &TMatWin::undo);
    connect(addCommand(edit, command::Dimensions, QStringLiteral("Di&mensões ...")),
            &QAction::triggered, this, &TMatWin::askDimensions);
    QMenu* remove = edit->addMenu(QStringLiteral("&Remover"));
    removeRowsAction_ = addCommand(remove, command::RemoveRows, QStringLiteral("&Linhas ..."));
    connect(removeRowsAction_, &QAction::triggered, this, [this] { askRemove(false); });
    removeColumnsAction_ =
        addCommand(remove, command::RemoveColumns, QStringLiteral("&Colunas ..."));
    connect(removeColumnsAction_, &QAction::triggered, this, [this] { askRemove(true); });
    QMenu* insert = edit->addMenu(QStringLiteral("&Inserir"));
    connect(addCommand(insert, command::InsertRow, QStringLiteral("&Linha ...")),
            &QAction::triggered, this, [this] { askInsert(false); });
    connect(addCommand(insert, command::InsertColumn, QStringLiteral("&Coluna ...")),
            &QAction::triggered, this, [this] { askInsert(true); });
    QMenu* swap = edit->addMenu(QStringLiteral("&Trocar"));
    swapRowsAction_ = addCommand(swap, command::SwapRows, QStringLiteral("&Linhas ..."));
    connect(swapRowsAction_, &QAction::triggered, this, [this] { askSwap(false); });
    swapColumnsAction_ = addCommand(swap, command::SwapColumns, QStringLiteral("&Colunas ..."));
    connect(swapColumnsAction_, &QAction::triggered, this, [this] { askSwap(true); });
    autoAdvanceAction_ =
        addCommand(edit, command::AutoAdvance, QStringLiteral("&Col por col autoavanço"));
    autoAdvanceAction_->setCheckable(true);
    connect(autoAdvanceAction_, &QAction::toggled, this,
            [this](bool on) { document_.setAutoAdvance(on); });
    connect(addCommand(edit, command::HelpSecondMenu, QStringLiteral("&Ajuda ...")),
            &QAction::triggered, this, [this] { showHelp("LVMEDITH"); });
    connect(edit, &QMenu::aboutToShow, this, &TMatWin::updateCommands);

    QMenu* misc = menuBar()->addMenu(QStringLiteral("&Misc"));
    connect(addCommand(misc, command::Format, QStringLiteral("&Formato ...")), &QAction::triggered,
            this, &TMatWin::askFormat);
    connect(addCommand(misc, command::Font, QStringLiteral("&Fonte ...")), &QAction::triggered,
            this, &TMatWin::chooseFont);
    longMinusAction_ = addCommand(misc, command::MinusSign, QStringLiteral("Hifen do &menos ..."));
    longMinusAction_->setCheckable(true);
    connect(longMinusAction_, &QAction::triggered, this, &TMatWin::askLongMinus);
    connect(addCommand(misc, command::BorderColor, QStringLiteral("&Cor bordo ...")),
            &QAction::triggered, this, &TMatWin::chooseBorderColour);
    connect(addCommand(misc, command::Notes, QStringLiteral("&Notas ..."),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
            &QAction::triggered, this, &TMatWin::showNotes);
    connect(addCommand(misc, command::HelpThirdMenu, QStringLiteral("&Ajuda ...")),
            &QAction::triggered, this, [this] { showHelp("LVMMISCH"); });

    QAction* close = menuBar()->addAction(QStringLiteral("Fec&har"));
    close->setObjectName(QStringLiteral("command%1").arg(command::Hide));
    connect(close, &QAction::triggered, this, &TMatWin::hideMatrix);
}

void TMatWin::updateCommands() {
    undoAction_->setEnabled(document_.canUndo());
    removeRowsAction_->setEnabled(document_.Rows() > 1);
    swapRowsAction_->setEnabled(document_.Rows() > 1);
    removeColumnsAction_->setEnabled(document_.Cols() > 1);
    swapColumnsAction_->setEnabled(document_.Cols() > 1);
    const QSignalBlocker quiet(autoAdvanceAction_);
    autoAdvanceAction_->setChecked(document_.AutoAdvance());
    longMinusAction_->setChecked(document_.LongMinus());
}

// Every structural edit ends here: its message on failure, otherwise the view
// back at the first row and column.
void TMatWin::afterEdit(int rc) {
    if (rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    view_->resetView();
    updateCommands();
}

void TMatWin::undo() {
    if (document_.undo()) afterEdit(code::Ok);
}

void TMatWin::askDimensions() {
    const auto answer = prompter_.askFields(
        {"dimensoes",
         {{"linhas", number(document_.Rows())}, {"colunas", number(document_.Cols())}}});
    if (!answer) return;
    afterEdit(document_.setDimensions(leadingInteger(answer->texts[0]),
                                      leadingInteger(answer->texts[1])));
}

void TMatWin::askRemove(bool columns) {
    const Prompter::FieldsRequest request =
        columns ? Prompter::FieldsRequest{"deletar",
                                          {{"coluna", number(document_.Cols())},
                                           {"até coluna", number(document_.Cols())}}}
                : Prompter::FieldsRequest{"deletar", {{"linha", "1"}, {"até linha", "2"}}};
    const auto answer = prompter_.askFields(request);
    if (!answer) return;
    const std::int32_t from = leadingInteger(answer->texts[0]);
    const std::int32_t to = leadingInteger(answer->texts[1]);
    afterEdit(columns ? document_.removeColumns(from, to) : document_.removeRows(from, to));
}

void TMatWin::askInsert(bool column) {
    const auto answer = prompter_.askFields(
        {std::string(strings::byId(5)), {{std::string(strings::byId(column ? 102 : 103)), "2"}}});
    if (!answer) return;
    const std::int32_t position = leadingInteger(answer->texts[0]);
    afterEdit(column ? document_.insertColumn(position) : document_.insertRow(position));
}

void TMatWin::askSwap(bool columns) {
    const auto answer = prompter_.askFields(
        columns ? Prompter::FieldsRequest{"trocar colunas", {{"coluna 1", "1"}, {"coluna 2", "2"}}}
                : Prompter::FieldsRequest{"trocar linhas", {{"linha 1", "1"}, {"linha 2", "2"}}});
    if (!answer) return;
    const std::int32_t a = leadingInteger(answer->texts[0]);
    const std::int32_t b = leadingInteger(answer->texts[1]);
    afterEdit(columns ? document_.swapColumns(a, b) : document_.swapRows(a, b));
}

void TMatWin::askFormat() {
    if (document_.isInteger()) return;
    const auto answer =
        prompter_.askFields({"formato",
                             {{"num decimais", number(document_.Decimals())},
                              {"espessura do campo", number(document_.FieldWidth())}},
                             "notação científica",
                             document_.SciNotation()});
    if (!answer) return;
    const int rc = document_.setFormat(leadingInteger(answer->texts[0]),
                                       leadingInteger(answer->texts[1]), answer->checked);
    if (rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    view_->relayout();
}

void TMatWin::askLongMinus() {
    const auto answer =
        prompter_.askFields({std::string(strings::byId(3)),
                             {{std::string(strings::byId(4)), number(document_.MinusCode())}}});
    if (!answer) {
        document_.clearLongMinus();
    } else if (const int rc = document_.setLongMinus(leadingInteger(answer->texts[0]));
               rc != code::Ok) {
        showError(prompter_, rc);
    }
    updateCommands();
    view_->relayout();
}

}  // namespace lorvex
