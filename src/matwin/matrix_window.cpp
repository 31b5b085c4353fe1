#include "matwin/matrix_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <array>

#include "engine/result_codes.h"
#include "matwin/matrix_view.h"
#include "matwin/picture_window.h"
#include "toolkit/colour_window.h"
#include "toolkit/command_actions.h"
#include "toolkit/commands.h"
#include "toolkit/fonts.h"
#include "toolkit/language_choice.h"
#include "toolkit/note_window.h"
#include "toolkit/program_settings.h"
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

// A text of the string table, for the dialogs' requests.
std::string text(int id) {
    return std::string(strings::byId(id));
}

}  // namespace

TMatWin::TMatWin(MatrixDocument& document, Prompter& prompter, QWidget* parent, Options options)
    : TMatWin(document, prompter, parent, std::move(options), MenuSet::Matrix) {}

TMatWin::TMatWin(MatrixDocument& document, Prompter& prompter, QWidget* parent, Options options,
                 MenuSet menus)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowMinMaxButtonsHint),
      document_(document),
      prompter_(prompter),
      options_(std::move(options)),
      view_(new MatrixView(document, prompter, this)) {
    readSettingsFile();
    openLastDocument();
    setCentralWidget(view_);
    view_->setFocus();
    settingsChanged();
    if (menus == MenuSet::Matrix) buildMenus();
    placeByDefault();
    connect(view_, &MatrixView::editingChanged, this, [this] { refreshTitle(); });
    connect(view_, &MatrixView::edited, this, [this] { updateCommands(); });
    refreshTitle();
    updateCommands();
}

// The text window shows tables (the report, the plain text), which line up
// only in the entries' fixed-pitch font.
TTextWin* TMatWin::textWindow() {
    if (!textWindow_) {
        textWindow_ = std::make_unique<TTextWin>(prompter_);
        textWindow_->setTextFont(document_.settings().fonts[kEntryFont]);
    }
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
    setWindowTitle(view_->Editing() ? uiString(strings::id::EscCancelsAutoAdvance) : caption());
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

void TMatWin::addSaveCommands(QMenu* file) {
    connect(addCommand(file, command::Save, uiString(strings::id::SaveItem),
                       QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TMatWin::save);
    connect(addCommand(file, command::SaveAs, uiString(strings::id::SaveAsItem),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &TMatWin::saveAs);
}

void TMatWin::addLanguageChoice(QMenu* menu) {
    addLanguageMenu(menu, prompter_);
}

void TMatWin::buildMenus() {
    QMenu* file = menuBar()->addMenu(uiString(strings::id::FileMenu));
    addSaveCommands(file);
    connect(addCommand(file, command::TextExport, uiString(strings::id::TextExportItem)),
            &QAction::triggered, this, &TMatWin::exportPlainText);
    connect(addCommand(file, command::TexExport, uiString(strings::id::TexExportItem)),
            &QAction::triggered, this, &TMatWin::exportTex);
    connect(addCommand(file, command::HelpFirstMenu, uiString(strings::id::HelpItem)),
            &QAction::triggered, this, [this] { showHelp("LVMFILEH"); });

    QMenu* edit = menuBar()->addMenu(uiString(strings::id::EditMenu));
    undoAction_ = addCommand(edit, command::Undo, uiString(strings::id::UndoItem),
                             QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undoAction_, &QAction::triggered, this, &TMatWin::undo);
    connect(addCommand(edit, command::Dimensions, uiString(strings::id::DimensionsItem)),
            &QAction::triggered, this, &TMatWin::askDimensions);
    QMenu* remove = edit->addMenu(uiString(strings::id::RemoveMenu));
    removeRowsAction_ = addCommand(remove, command::RemoveRows, uiString(strings::id::RowsItem));
    connect(removeRowsAction_, &QAction::triggered, this, [this] { askRemove(false); });
    removeColumnsAction_ =
        addCommand(remove, command::RemoveColumns, uiString(strings::id::ColumnsItem));
    connect(removeColumnsAction_, &QAction::triggered, this, [this] { askRemove(true); });
    QMenu* insert = edit->addMenu(uiString(strings::id::InsertMenu));
    connect(addCommand(insert, command::InsertRow, uiString(strings::id::RowItem)),
            &QAction::triggered, this, [this] { askInsert(false); });
    connect(addCommand(insert, command::InsertColumn, uiString(strings::id::ColumnItem)),
            &QAction::triggered, this, [this] { askInsert(true); });
    QMenu* swap = edit->addMenu(uiString(strings::id::SwapMenu));
    swapRowsAction_ = addCommand(swap, command::SwapRows, uiString(strings::id::RowsItem));
    connect(swapRowsAction_, &QAction::triggered, this, [this] { askSwap(false); });
    swapColumnsAction_ = addCommand(swap, command::SwapColumns, uiString(strings::id::ColumnsItem));
    connect(swapColumnsAction_, &QAction::triggered, this, [this] { askSwap(true); });
    autoAdvanceAction_ =
        addCommand(edit, command::AutoAdvance, uiString(strings::id::AutoAdvanceItem));
    autoAdvanceAction_->setCheckable(true);
    connect(autoAdvanceAction_, &QAction::toggled, this,
            [this](bool on) { document_.setAutoAdvance(on); });
    connect(addCommand(edit, command::HelpSecondMenu, uiString(strings::id::HelpItem)),
            &QAction::triggered, this, [this] { showHelp("LVMEDITH"); });
    connect(edit, &QMenu::aboutToShow, this, &TMatWin::updateCommands);

    QMenu* misc = menuBar()->addMenu(uiString(strings::id::MiscMenu));
    connect(addCommand(misc, command::Format, uiString(strings::id::FormatItem)),
            &QAction::triggered, this, &TMatWin::askFormat);
    connect(addCommand(misc, command::Font, uiString(strings::id::FontItem)), &QAction::triggered,
            this, &TMatWin::chooseFont);
    longMinusAction_ = addCommand(misc, command::MinusSign, uiString(strings::id::LongMinusItem));
    longMinusAction_->setCheckable(true);
    connect(longMinusAction_, &QAction::triggered, this, &TMatWin::askLongMinus);
    connect(addCommand(misc, command::BorderColor, uiString(strings::id::BorderColorItem)),
            &QAction::triggered, this, &TMatWin::chooseBorderColour);
    connect(addCommand(misc, command::Notes, uiString(strings::id::NotesItem),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
            &QAction::triggered, this, &TMatWin::showNotes);
    pictureAction_ = addCommand(misc, command::Picture, uiString(strings::id::PictureItem));
    connect(pictureAction_, &QAction::triggered, this, &TMatWin::showPicture);
    addFractionsCommand(misc, QStringLiteral("matrixWindow/fractions"));
    addLanguageChoice(misc);
    connect(addCommand(misc, command::HelpThirdMenu, uiString(strings::id::HelpItem)),
            &QAction::triggered, this, [this] { showHelp("LVMMISCH"); });

    QAction* close = menuBar()->addAction(uiString(strings::id::HideItem));
    close->setObjectName(QStringLiteral("command%1").arg(command::Hide));
    connect(close, &QAction::triggered, this, &TMatWin::hideMatrix);
}

void TMatWin::addFractionsCommand(QMenu* misc, const QString& settingsKey) {
    fractionsKey_ = settingsKey;
    document_.setShowsFractions(programSettings()->value(fractionsKey_, false).toBool());
    fractionsAction_ = addCommand(misc, command::Fractions, uiString(strings::id::FractionsItem));
    fractionsAction_->setCheckable(true);
    connect(fractionsAction_, &QAction::triggered, this, &TMatWin::setFractions);
    view_->relayout();
}

void TMatWin::setFractions(bool on) {
    document_.setShowsFractions(on);
    programSettings()->setValue(fractionsKey_, on);
    view_->resetView();
}

void TMatWin::updateCommands() {
    if (longMinusAction_ != nullptr) longMinusAction_->setChecked(document_.LongMinus());
    // Only an integer document has fractions to show; a step window's
    // document changes kind with the mode.
    if (fractionsAction_ != nullptr) {
        fractionsAction_->setVisible(document_.isInteger());
        fractionsAction_->setChecked(document_.showsFractions());
    }
    // The picture follows the matrix, and goes when the matrix can no longer
    // be drawn.
    if (pictureWindow_ && pictureWindow_->isVisible() && !pictureWindow_->refresh(caption()))
        pictureWindow_->hide();
    // A window without the matrix menus has nothing else to follow.
    if (undoAction_ == nullptr) return;
    undoAction_->setEnabled(document_.canUndo());
    removeRowsAction_->setEnabled(document_.Rows() > 1);
    swapRowsAction_->setEnabled(document_.Rows() > 1);
    removeColumnsAction_->setEnabled(document_.Cols() > 1);
    swapColumnsAction_->setEnabled(document_.Cols() > 1);
    pictureAction_->setEnabled(pictureEntries(document_.matrixData()).has_value());
    const QSignalBlocker quiet(autoAdvanceAction_);
    autoAdvanceAction_->setChecked(document_.AutoAdvance());
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

void TMatWin::showPicture() {
    if (!pictureWindow_) pictureWindow_ = std::make_unique<PictureWindow>(document_, prompter_);
    if (!pictureWindow_->refresh(caption())) return;
    pictureWindow_->show();
    pictureWindow_->raise();
}

void TMatWin::undo() {
    if (document_.undo()) afterEdit(code::Ok);
}

void TMatWin::askDimensions() {
    const auto answer =
        prompter_.askFields({text(strings::id::DimensionsTitle),
                             {{text(strings::id::Rows), number(document_.Rows())},
                              {text(strings::id::Columns), number(document_.Cols())}}});
    if (!answer) return;
    afterEdit(document_.setDimensions(leadingInteger(answer->texts[0]),
                                      leadingInteger(answer->texts[1])));
}

void TMatWin::askRemove(bool columns) {
    // "linha" [1] "até" "linha" [2]; columns start at the last one.
    const std::string label = text(columns ? strings::id::Column : strings::id::Row);
    const std::string first = columns ? number(document_.Cols()) : "1";
    const std::string last = columns ? number(document_.Cols()) : "2";
    const auto answer = prompter_.askFields(
        {text(strings::id::DeleteTitle), {{label, first}, {label, last, text(strings::id::UpTo)}}});
    if (!answer) return;
    const std::int32_t from = leadingInteger(answer->texts[0]);
    const std::int32_t to = leadingInteger(answer->texts[1]);
    afterEdit(columns ? document_.removeColumns(from, to) : document_.removeRows(from, to));
}

void TMatWin::askInsert(bool column) {
    const auto answer = prompter_.askFields(
        {text(strings::id::Input),
         {{text(column ? strings::id::NewColumnNumber : strings::id::NewRowNumber), "2"}}});
    if (!answer) return;
    const std::int32_t position = leadingInteger(answer->texts[0]);
    afterEdit(column ? document_.insertColumn(position) : document_.insertRow(position));
}

void TMatWin::askSwap(bool columns) {
    const auto answer = prompter_.askFields(
        columns ? Prompter::FieldsRequest{text(strings::id::SwapColumnsTitle),
                                          {{text(strings::id::FirstColumn), "1"},
                                           {text(strings::id::SecondColumn), "2"}}}
                : Prompter::FieldsRequest{
                      text(strings::id::SwapRowsTitle),
                      {{text(strings::id::FirstRow), "1"}, {text(strings::id::SecondRow), "2"}}});
    if (!answer) return;
    const std::int32_t a = leadingInteger(answer->texts[0]);
    const std::int32_t b = leadingInteger(answer->texts[1]);
    afterEdit(columns ? document_.swapColumns(a, b) : document_.swapRows(a, b));
}

// The integer kind has no decimals: its dialog offers the field width alone.
void TMatWin::askFormat() {
    Prompter::FieldsRequest request{
        text(strings::id::FormatTitle),
        {{text(strings::id::FieldWidth), number(document_.FieldWidth())}}};
    if (!document_.isInteger()) {
        request.fields.insert(request.fields.begin(),
                              {text(strings::id::DecimalCount), number(document_.Decimals())});
        request.checkLabel = text(strings::id::ScientificNotation);
        request.checked = document_.SciNotation();
    }
    const auto answer = prompter_.askFields(request);
    if (!answer) return;
    const int rc =
        document_.isInteger()
            ? document_.setFormat(document_.Decimals(), leadingInteger(answer->texts[0]), false)
            : document_.setFormat(leadingInteger(answer->texts[0]),
                                  leadingInteger(answer->texts[1]), answer->checked);
    if (rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    view_->relayout();
}

void TMatWin::askLongMinus() {
    const auto answer = prompter_.askFields(
        {text(strings::id::LongHyphen),
         {{text(strings::id::MinusCharacterCode), number(document_.MinusCode())}}});
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
