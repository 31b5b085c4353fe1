#include "toolkit/text_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>

#include "engine/result_codes.h"
#include "toolkit/command_actions.h"
#include "toolkit/commands.h"
#include "toolkit/fonts.h"
#include "toolkit/margins_dialog.h"
#include "toolkit/program_resources.h"
#include "toolkit/qt_text.h"
#include "toolkit/save_questions.h"
#include "toolkit/text_printing.h"
#include "workspace/prompter.h"
#include "workspace/text_file.h"
#include "workspace/text_numbers.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

constexpr auto kLimit = static_cast<qsizetype>(kTextWindowLimit);
constexpr qsizetype kSearchTextLimit = 255;
constexpr int kHelpScrollLines = 10;
// The minus-sign replacement takes control codes from 2 on as well, unlike a
// matrix window's long minus (32 ... 255), and refuses others as not
// understood rather than out of range.
constexpr int kFirstMinusCode = 2;
constexpr int kLastMinusCode = 255;
constexpr int kProposedMinusCode = 150;
constexpr int kTopRange = 50;
constexpr int kLeastHeightPercent = 75;
constexpr int kHeightPercentRange = 20;
// The pause with which saving shows itself in the title: 500 x 2000 steps
// of a floating-point computation.
constexpr int kPauseSteps = 500 * 2000;

void savingPause() {
    volatile double sink = 1.0;
    for (int step = 0; step < kPauseSteps; ++step)
        sink = sink * 1.0000001 + 1e-9;
}

// The Unicode character of a Windows-1252 code.
QString windows1252Character(int code) {
    return toQString(windows1252ToUtf8(std::string(1, static_cast<char>(code))));
}

}  // namespace

QString firstCharacters(const QString& text, qsizetype count) {
    qsizetype units = 0;
    for (qsizetype characters = 0; characters < count && units < text.size(); ++characters) {
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    }
    return text.left(units);
}

QString shownHelpText(const QString& raw) {
    QString text = firstCharacters(raw, kLimit);
    const qsizetype marker = text.indexOf(QStringLiteral("???"));
    if (marker >= 0) text.truncate(marker);
    return text;
}

TTextWin::TTextWin(Prompter& prompter, QWidget* owner)
    : QMainWindow(owner, Qt::Window),
      prompter_(prompter),
      editor_(new QPlainTextEdit(this)),
      font_(defaultWindowSettings().fonts.at(kTextWindowFont)),
      leftMargin_(defaultWindowSettings().printingMeasures[kLeftMargin]),
      topMargin_(defaultWindowSettings().printingMeasures[kTopMargin]),
      colourPrinter_(defaultWindowSettings().colourPrinter) {
    editor_->setObjectName(QStringLiteral("textEditor"));
    setTextFont(font_);
    setCentralWidget(editor_);
    setFocusProxy(editor_);
    buildMenus();
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        if (loading_) return;
        keepWithinLimit();
        textEdited();
    });
    connect(editor_, &QPlainTextEdit::modificationChanged, this, [this] { updateCommands(); });
    connect(editor_, &QPlainTextEdit::copyAvailable, this, [this] { updateCommands(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { updateCommands(); });

    placeByDefault();
    updateCommands();
}

// A quarter of the screen width from the left, half of it wide and 75 to 94
// percent of that high, a little below a caption and a menu bar.
void TTextWin::placeByDefault() {
    const QScreen* screen = QApplication::primaryScreen();
    if (screen == nullptr) return;
    const int half = screen->geometry().width() / 2;
    QRandomGenerator& random = *QRandomGenerator::global();
    const int top = random.bounded(kTopRange) + style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                    menuBar()->sizeHint().height();
    const int percent = kLeastHeightPercent + random.bounded(kHeightPercentRange);
    setGeometry(half / 2, top, half, half * percent / 100);
}

void TTextWin::buildMenus() {
    using namespace command;
    QMenu* file = menuBar()->addMenu(uiString(strings::id::FileMenu));
    connect(
        addCommand(file, Open, uiString(strings::id::OpenItem), QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, this, &TTextWin::open);
    saveAction_ =
        addCommand(file, Save, uiString(strings::id::SaveItem), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction_, &QAction::triggered, this, &TTextWin::save);
    connect(addCommand(file, SaveAs, uiString(strings::id::SaveAsItem),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &TTextWin::saveAs);
    file->addSeparator();
    connect(addCommand(file, Print, uiString(strings::id::PrintItem),
                       QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &TTextWin::print);
    connect(addCommand(file, Margins, uiString(strings::id::MarginsItem)), &QAction::triggered,
            this, &TTextWin::chooseMargins);
    connect(addCommand(file, PrinterSetup, uiString(strings::id::PrinterSetupItem)),
            &QAction::triggered, this, &TTextWin::setUpPrinter);

    QMenu* edit = menuBar()->addMenu(uiString(strings::id::EditMenu));
    copyAction_ =
        addCommand(edit, Copy, uiString(strings::id::CopyItem), QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copyAction_, &QAction::triggered, editor_, &QPlainTextEdit::copy);
    cutAction_ =
        addCommand(edit, Cut, uiString(strings::id::CutItem), QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(cutAction_, &QAction::triggered, editor_, &QPlainTextEdit::cut);
    pasteAction_ = addCommand(edit, Paste, uiString(strings::id::PasteItem),
                              QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(pasteAction_, &QAction::triggered, editor_, &QPlainTextEdit::paste);
    connect(addCommand(edit, SelectAll, uiString(strings::id::SelectAllItem),
                       QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, editor_, &QPlainTextEdit::selectAll);

    QMenu* search = menuBar()->addMenu(uiString(strings::id::SearchMenu));
    connect(addCommand(search, Find, uiString(strings::id::FindItem), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &TTextWin::find);
    findNextAction_ =
        addCommand(search, FindNext, uiString(strings::id::FindNextItem), QKeySequence(Qt::Key_F3));
    connect(findNextAction_, &QAction::triggered, this, &TTextWin::findNext);
    connect(addCommand(search, Home, uiString(strings::id::HomeItem), QKeySequence(Qt::Key_F2)),
            &QAction::triggered, this, &TTextWin::goToStart);
    connect(addCommand(search, SearchHelp, uiString(strings::id::SearchHelpItem)),
            &QAction::triggered, this, &TTextWin::explainSearching);

    QMenu* misc = menuBar()->addMenu(uiString(strings::id::MiscMenu));
    connect(addCommand(misc, TextFont, uiString(strings::id::TextFontItem)), &QAction::triggered,
            this, &TTextWin::chooseFont);
    connect(addCommand(misc, MinusSign, uiString(strings::id::MinusSignItem)), &QAction::triggered,
            this, &TTextWin::replaceMinusSign);

    QAction* close = menuBar()->addAction(uiString(strings::id::CloseItem));
    close->setObjectName(QStringLiteral("command%1").arg(Hide));
    connect(close, &QAction::triggered, this, &TTextWin::hideWindow);

    for (QMenu* menu : {file, edit, search, misc})
        connect(menu, &QMenu::aboutToShow, this, &TTextWin::updateCommands);
}

// Save while the text is modified; copy and cut while something is selected;
// paste while the clipboard holds text; find next once there is a search text.
void TTextWin::updateCommands() {
    saveAction_->setEnabled(modified());
    const bool selection = editor_->textCursor().hasSelection();
    copyAction_->setEnabled(selection);
    cutAction_->setEnabled(selection);
    // Asking for the text itself would convert the whole clipboard each time.
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    pasteAction_->setEnabled(clipboard != nullptr && clipboard->hasText());
    findNextAction_->setEnabled(!searchText_.isEmpty());
}

void TTextWin::setText(const QString& text) {
    loading_ = true;
    editor_->setPlainText(firstCharacters(text, kLimit));
    loading_ = false;
    editor_->moveCursor(QTextCursor::Start);
    editor_->verticalScrollBar()->setValue(0);
    setModified(false);
}

QString TTextWin::text() const {
    QString text = editor_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

// The control holds at most 64 000 characters: what is typed or pasted
// beyond that is dropped where it went in.
void TTextWin::keepWithinLimit() {
    const qsizetype excess = editor_->document()->characterCount() - 1 - kLimit;
    if (excess <= 0) return;
    loading_ = true;
    QTextCursor cursor = editor_->textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor,
                        static_cast<int>(excess));
    cursor.removeSelectedText();
    loading_ = false;
}

void TTextWin::setDocumentName(std::string name, bool named) {
    documentName_ = std::move(name);
    named_ = named;
}

bool TTextWin::modified() const {
    return editor_->document()->isModified();
}

void TTextWin::setModified(bool modified) {
    editor_->document()->setModified(modified);
    updateCommands();
}

void TTextWin::showWindow() {
    hidden_ = false;
    showNormal();
    raise();
    activateWindow();
}

void TTextWin::hideWindow() {
    hidden_ = true;
    hide();
}

void TTextWin::closeEvent(QCloseEvent* event) {
    event->ignore();
    hideWindow();
}

int TTextWin::showHelpText(const QString& name, const QString& searchWord) {
    const std::optional<QString> raw = helpText(name);
    if (!raw) {
        showError(prompter_, code::CannotOpenFile);
        return code::CannotOpenFile;
    }
    setWindowTitle(uiString(strings::id::ProgramHelpTitle));
    setDocumentName(std::string(strings::byId(strings::id::HelpFileName)), false);
    setText(shownHelpText(*raw));
    showWindow();
    if (!searchWord.isEmpty() && editor_->find(searchWord)) {
        QScrollBar* bar = editor_->verticalScrollBar();
        bar->setValue(bar->value() + kHelpScrollLines);
    }
    return code::Ok;
}

// Unless the window is named, a save dialog asks for the file first; the
// window is named and unmodified once the text is written.
bool TTextWin::save() {
    std::string path = documentName_;
    if (!named_) {
        const std::optional<std::string> chosen = askSavePath(
            prompter_, strings::byId(strings::id::TextFileFilter), "TXT", documentName_);
        if (!chosen) return false;
        path = *chosen;
    }
    const QString title = windowTitle();
    setWindowTitle(uiString(strings::id::SaveChangesTo) + " " +
                   QFileInfo(toQString(path)).fileName());
    savingPause();
    const int rc = writeTextFile(path, toStdString(text()));
    if (rc != code::Ok) showError(prompter_, rc);
    setWindowTitle(title);
    if (rc != code::Ok) return false;
    setDocumentName(path, true);
    setModified(false);
    return true;
}

bool TTextWin::saveAs() {
    named_ = false;
    return save();
}

bool TTextWin::mayClose() {
    if (!modified()) return true;
    switch (askSaveChanges(prompter_, documentName_)) {
        case Prompter::Answer::Yes:
            return save();
        case Prompter::Answer::No:
            setModified(false);
            return true;
        default:
            return false;
    }
}

void TTextWin::open() {
    if (!mayClose()) return;
    const std::optional<std::string> path =
        prompter_.askOpenFile(strings::byId(strings::id::TextFileFilter), documentName_);
    if (!path) return;
    std::string contents;
    if (const int rc = readTextFile(*path, contents); rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    setText(toQString(contents));
    setDocumentName(*path, true);
    textEdited();
}

// The search goes forward from the caret and ignores case; a first search
// that finds nothing says nothing.
void TTextWin::find() {
    const auto answer = prompter_.askFields(
        {std::string(strings::byId(strings::id::Input)),
         {{std::string(strings::byId(strings::id::SearchFor)), toStdString(searchText_)}}});
    if (!answer) return;
    searchText_ = firstCharacters(toQString(answer->texts.front()), kSearchTextLimit);
    updateCommands();
    if (!searchText_.isEmpty()) editor_->find(searchText_);
}

void TTextWin::findNext() {
    if (searchText_.isEmpty()) return;
    if (!editor_->find(searchText_)) {
        prompter_.messageBox(strings::message(code::NotFound), toStdString(searchText_),
                             Prompter::Buttons::Ok);
    }
}

void TTextWin::goToStart() {
    editor_->moveCursor(QTextCursor::Start);
    editor_->verticalScrollBar()->setValue(0);
}

void TTextWin::chooseFont() {
    const std::optional<FontSetting> chosen =
        prompter_.askFont({std::string(strings::byId(strings::id::TextWindow)), font_});
    if (chosen) setTextFont(*chosen);
}

void TTextWin::setTextFont(const FontSetting& font) {
    font_ = font;
    editor_->setFont(toQFont(font_.font));
    QPalette colours = editor_->palette();
    colours.setColor(QPalette::Text, colourFromRecord(font_.colour));
    editor_->setPalette(colours);
}

// Every "-" of the text becomes the character of a Windows-1252 code; the
// change is one step of the control's undo.
void TTextWin::replaceMinusSign() {
    const auto answer =
        prompter_.askFields({std::string(strings::byId(strings::id::LongHyphen)),
                             {{std::string(strings::byId(strings::id::MinusCharacterCode)),
                               std::to_string(kProposedMinusCode)}}});
    if (!answer) return;
    const int minusCode = leadingInteger(answer->texts.front());
    if (minusCode < kFirstMinusCode || minusCode > kLastMinusCode) {
        showError(prompter_, code::NotUnderstood);
        return;
    }
    const QString replacement = windows1252Character(minusCode);
    QTextCursor cursor(editor_->document());
    cursor.beginEditBlock();
    for (QTextCursor found = editor_->document()->find(QStringLiteral("-")); !found.isNull();
         found = editor_->document()->find(QStringLiteral("-"), found)) {
        found.insertText(replacement);
    }
    cursor.endEditBlock();
}

// The text goes to the default printer, or to the one chosen in the printer
// set-up; a machine without printers offers to write the pages into a PDF
// file instead.
void TTextWin::print() {
    const QString shown = text();
    if (shown.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    applyPrinterChoice(printer);
    if (QPrinterInfo::availablePrinters().isEmpty()) printer.setOutputFormat(QPrinter::PdfFormat);
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString proposed =
            QFileInfo(toQString(baseName(documentName_))).completeBaseName() + ".pdf";
        const std::optional<std::string> path = askSavePath(
            prompter_, strings::byId(strings::id::PdfFileFilter), "PDF", toStdString(proposed));
        if (!path) return;
        printer.setOutputFileName(toQString(*path));
    }
    const TextPrintout printout{
        toQString(baseName(documentName_)), shown, font_, leftMargin_, topMargin_, colourPrinter_};
    showError(prompter_, printText(printer, printout, this));
}

void TTextWin::chooseMargins() {
    TMarginsDlg dialog(this, prompter_, leftMargin_, topMargin_);
    if (dialog.exec() != QDialog::Accepted) return;
    leftMargin_ = dialog.leftMargin();
    topMargin_ = dialog.topMargin();
}

void TTextWin::applyPrinterChoice(QPrinter& printer) const {
    if (!printerName_.isEmpty()) printer.setPrinterName(printerName_);
    if (pageLayout_.isValid()) printer.setPageLayout(pageLayout_);
}

// The printer chosen here prints the window's later printouts.
void TTextWin::setUpPrinter() {
    QPrinter printer(QPrinter::HighResolution);
    applyPrinterChoice(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printerName_ = printer.printerName();
    pageLayout_ = printer.pageLayout();
}

void TTextWin::explainSearching() {
    std::string text;
    for (int id = strings::id::FirstSearchHint; id <= strings::id::LastSearchHint; ++id) {
        if (!text.empty()) text += "\r\n";
        text += strings::byId(id);
    }
    prompter_.messageBox(strings::byId(strings::id::Searching), text, Prompter::Buttons::Ok);
}

}  // namespace lorvex
