#include "frame/mat_frame.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "engine/result_codes.h"
#include "frame/calc_dialog.h"
#include "frame/copy_column_dialog.h"
#include "frame/echelon_dialog.h"
#include "frame/formula_dialog.h"
#include "frame/integer_rotation_3d_dialog.h"
#include "frame/linear_program_dialog.h"
#include "frame/new_matrix_dialog.h"
#include "frame/projection_dialog.h"
#include "frame/rotation_2d_dialog.h"
#include "frame/rotation_3d_dialog.h"
#include "frame/row_operations_dialog.h"
#include "frame/solve_dialog.h"
#include "frame/unitary_dialog.h"
#include "matwin/display_window.h"
#include "matwin/matrix_window.h"
#include "toolkit/commands.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/language_choice.h"
#include "toolkit/qt_text.h"
#include "toolkit/save_questions.h"
#include "toolkit/text_window.h"
#include "toolkit/window_cascade.h"
#include "workspace/prompter.h"

namespace lorvex {
namespace {

QString letterItemText(std::int32_t letter) {
    return QString(QChar(static_cast<char16_t>(64 + letter))) + QStringLiteral(" ...");
}

}  // namespace

TMatFrame::TMatFrame(FrameOperations& operations, std::filesystem::path settingsFolder)
    : operations_(operations),
      workspace_(operations.workspace()),
      prompter_(operations.workspace().prompter()),
      settingsFolder_(std::move(settingsFolder)),
      helpWindow_(std::make_unique<TTextWin>(prompter_)) {
    setAcceptDrops(true);
    createActions();
}

TMatFrame::~TMatFrame() {
    workspace_.setListener(nullptr);
}

void TMatFrame::setUp() {
    readFrameSettings(settingsFolder_, settings_);
    const QScreen* screen = QApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->availableSize() : QSize(1024, 768);
    const WindowRect rect =
        frameStartRect(settings_, screenSize.width(), screenSize.height(), operations_.random());
    setGeometry(rect.x, rect.y, rect.width, rect.height);
    if (settings_.zoomed) setWindowState(windowState() | Qt::WindowMaximized);
    static constexpr std::array<const char*, 3> kStepHelp = {"LPHELP", "ECHHELP", "OPERHELP"};
    for (std::size_t i = 0; i < stepWindows_.size(); ++i) {
        stepWindows_[i] = std::make_unique<TDispWin>(
            workspace_.stepDocument(static_cast<StepDocument>(i)), prompter_, kStepHelp[i], this,
            TMatWin::Options{settingsFolder_, settings_.useDefaults, &operations_.random()});
        stepWindows_[i]->followSteps(operations_.steps(), static_cast<StepDocument>(i));
    }
    workspace_.setListener(this);
    if (workspace_.Mode() == WorkspaceMode::Real) {
        modeChanged();
        lettersChanged();
    } else {
        operations_.setMode(WorkspaceMode::Real);
    }
    // First in the cascade beside the frame, once its menus have given it
    // its width, so that the matrix windows do not hide under them.
    for (const auto& window : stepWindows_) {
        cascade(*window, lastCascaded_);
        lastCascaded_ = window.get();
    }
}

QAction* TMatFrame::makeAction(int command, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(QStringLiteral("command%1").arg(command));
    action->setData(command);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The accelerator reaches its command whether the menu shows it or not.
        addAction(action);
    }
    actions_[command] = action;
    return action;
}

QAction* TMatFrame::action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void TMatFrame::createActions() {
    using namespace command;
    makeAction(NewMatrix, uiString(strings::id::NewMatrixItem), QKeySequence(Qt::CTRL | Qt::Key_N));
    makeAction(Open, uiString(strings::id::OpenItem), QKeySequence(Qt::CTRL | Qt::Key_O));
    makeAction(Paste, uiString(strings::id::FramePasteItem), QKeySequence(Qt::CTRL | Qt::Key_V));
    makeAction(ModeReal, uiString(strings::id::RealItem))->setCheckable(true);
    makeAction(ModeComplex, uiString(strings::id::ComplexItem))->setCheckable(true);
    makeAction(ModeInteger, uiString(strings::id::IntegerItem))->setCheckable(true);
    makeAction(Rotate2D, uiString(strings::id::Rotate2DItem));
    makeAction(Rotate3D, uiString(strings::id::Rotate3DItem));
    makeAction(IntegerRotate3D, uiString(strings::id::Rotate3DItem));
    makeAction(ProjectReflect, uiString(strings::id::ProjectReflectItem));
    makeAction(Formula, uiString(strings::id::FormulaItem));
    makeAction(Unitary, uiString(strings::id::UnitaryItem));
    makeAction(CopyColumn, uiString(strings::id::CopyColumnItem));
    makeAction(WhiteBackground, uiString(strings::id::WhiteBackgroundItem))->setCheckable(true);
    makeAction(HelpFirstMenu, uiString(strings::id::MatrixHelpItem));
    makeAction(Exit, uiString(strings::id::ExitItem));
    makeAction(Calculate, uiString(strings::id::CalculateItem), QKeySequence(Qt::CTRL | Qt::Key_C));
    makeAction(Solve, uiString(strings::id::SolveItem), QKeySequence(Qt::CTRL | Qt::Key_S));
    makeAction(LinearProgramming, uiString(strings::id::LinearProgrammingItem),
               QKeySequence(Qt::CTRL | Qt::Key_L));
    makeAction(Echelon, uiString(strings::id::EchelonItem), QKeySequence(Qt::CTRL | Qt::Key_E));
    makeAction(RowOperations, uiString(strings::id::RowOperationsItem));
    makeAction(HelpSecondMenu, uiString(strings::id::HelpItem));
    makeAction(HelpThirdMenu, uiString(strings::id::ViewHelpItem));
    makeAction(ProgramHelp, uiString(strings::id::HelpItem));
    makeAction(About, uiString(strings::id::AboutItem));

    connect(action(ModeReal), &QAction::triggered, this, [this] { setMode(WorkspaceMode::Real); });
    connect(action(ModeComplex), &QAction::triggered, this,
            [this] { setMode(WorkspaceMode::Complex); });
    connect(action(ModeInteger), &QAction::triggered, this,
            [this] { setMode(WorkspaceMode::Integer); });
    connect(action(WhiteBackground), &QAction::triggered, this,
            [this] { workspace_.toggleWhiteBackground(); });
    connect(action(Exit), &QAction::triggered, this, &QWidget::close);
    connect(action(Open), &QAction::triggered, this, [this] {
        const Outcome<std::string> opened = operations_.files().open();
        showError(prompter_, opened.code, opened.value);
    });
    connect(action(HelpFirstMenu), &QAction::triggered, this, [this] { showHelp("LVFILEH"); });
    connect(action(HelpSecondMenu), &QAction::triggered, this, [this] { showHelp("LVCALCH"); });
    connect(action(HelpThirdMenu), &QAction::triggered, this, [this] { showHelp("LVVIEWH"); });
    connect(action(ProgramHelp), &QAction::triggered, this, [this] { showHelp("PROGHELP"); });
    connect(action(About), &QAction::triggered, this, &TMatFrame::showAbout);
    connect(action(NewMatrix), &QAction::triggered, this,
            [this] { present(newMatrixDialog_, operations_.generators()); });
    connect(action(Calculate), &QAction::triggered, this,
            [this] { present(calcDialog_, operations_.calculations()); });
    connect(action(Solve), &QAction::triggered, this,
            [this] { present(solveDialog_, operations_.calculations()); });
    connect(action(LinearProgramming), &QAction::triggered, this,
            [this] { showSteps(StepDocument::LinearProgramming, lpDialog_); });
    connect(action(Echelon), &QAction::triggered, this,
            [this] { showSteps(StepDocument::Echelon, echDialog_); });
    connect(action(RowOperations), &QAction::triggered, this,
            [this] { showSteps(StepDocument::Operations, operDialog_); });
    connect(action(Formula), &QAction::triggered, this,
            [this] { present(formulaDialog_, operations_.generators()); });
    connect(action(CopyColumn), &QAction::triggered, this,
            [this] { present(copyColumnDialog_, operations_.generators()); });
    connect(action(Unitary), &QAction::triggered, this,
            [this] { present(unitaryDialog_, operations_.generators()); });
    connect(action(Rotate2D), &QAction::triggered, this,
            [this] { present(rotation2DDialog_, operations_.geometry()); });
    connect(action(Rotate3D), &QAction::triggered, this,
            [this] { present(rotation3DDialog_, operations_.geometry()); });
    connect(action(IntegerRotate3D), &QAction::triggered, this,
            [this] { present(integerRotation3DDialog_, operations_.geometry()); });
    connect(action(ProjectReflect), &QAction::triggered, this,
            [this] { present(projectionDialog_, operations_.geometry()); });
    connect(action(Paste), &QAction::triggered, this, &TMatFrame::paste);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMatFrame::updateCommands);
}

void TMatFrame::report(int code) {
    showError(prompter_, code);
}

void TMatFrame::showHelp(const char* name) {
    // A missing help text is reported by the help window itself.
    static_cast<void>(helpWindow_->showHelpText(QString::fromLatin1(name)));
}

void TMatFrame::showAbout() {
    prompter_.messageBox(
        "lorvex",
        "lorvex " LORVEX_VERSION "\n" + std::string(strings::byId(strings::id::AboutText)),
        Prompter::Buttons::Ok);
}

void TMatFrame::paste() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    report(operations_.files().paste(toStdString(text)));
}

void TMatFrame::openMatrixFile(const QString& path) {
    const std::string name = toStdString(path);
    showError(prompter_, operations_.files().OpenMatrixFile(name), name);
}

void TMatFrame::receiveHandOver(const QString& path) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (path.size() <= 1) return;
    if (auto* computation = findChild<ComputationStopper*>()) {
        handedOverFiles_.push_back(path);
        openHandedOverFilesAfter(*computation);
        return;
    }
    openMatrixFile(path);
}

// Queued, so that the files open once the computation's caller has finished
// with its result.
void TMatFrame::openHandedOverFilesAfter(QObject& computation) {
    connect(&computation, &QObject::destroyed, this, &TMatFrame::openHandedOverFiles,
            Qt::QueuedConnection);
}

void TMatFrame::openHandedOverFiles() {
    if (auto* computation = findChild<ComputationStopper*>()) {
        openHandedOverFilesAfter(*computation);
        return;
    }
    const QStringList paths = std::exchange(handedOverFiles_, {});
    for (const QString& path : paths)
        openMatrixFile(path);
}

void TMatFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

// Every dropped file is opened, in the order the platform lists them.
void TMatFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) openMatrixFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}

void TMatFrame::setMode(WorkspaceMode mode) {
    operations_.setMode(mode);
}

template <class Dialog, class Family>
void TMatFrame::present(std::unique_ptr<Dialog>& dialog, Family& family) {
    if (dialog == nullptr) dialog = std::make_unique<Dialog>(family, this);
    dialog->present(operations_.random());
}

template <class Dialog>
void TMatFrame::showSteps(StepDocument which, std::unique_ptr<Dialog>& dialog) {
    TDispWin* window = stepWindow(which);
    if (window == nullptr) return;
    window->showNormal();
    window->raise();
    if (dialog == nullptr) {
        dialog = std::make_unique<Dialog>(operations_.steps(), prompter_, this);
        connect(dialog.get(), &QDialog::rejected, window, &QWidget::hide);
    }
    // Beside its window, which the dialog drives.
    dialog->present(operations_.random(), window);
}

// The report goes to the matrix window's own text window: rank, trace and
// determinant at once, then the characteristic polynomial, whose progress
// box sits on the matrix window.
void TMatFrame::showReport(std::int32_t letter) {
    MatrixDocument* document = workspace_.slot(letter);
    TMatWin* window = document != nullptr ? windowOf(*document) : nullptr;
    if (window == nullptr) return;
    Outcome<OneMatrixReport> result = [&] {
        ComputationStopper stopper(window);
        return operations_.calculations().oneMatrixSummary(letter, stopper.stopCheck());
    }();
    if (result.code != code::Ok) {
        report(result.code);
        return;
    }
    TTextWin* text = window->textWindow();
    text->setText(toQString(result.value.text));
    text->setWindowTitle(uiString(strings::id::MatrixDataTitle) +
                         QChar(static_cast<char16_t>(64 + letter)));
    text->setDocumentName("matdat.txt", false);
    text->showWindow();
    if (!result.value.polynomialSeconds) return;
    ComputationStopper stopper(window);
    const int rc =
        operations_.calculations().appendPolynomial(letter, result.value, stopper.stopCheck());
    if (rc != code::Ok) {
        report(rc);
        return;
    }
    text->setText(toQString(result.value.text));
}

void TMatFrame::modeChanged() {
    if (newMatrixDialog_ != nullptr) newMatrixDialog_->setMode(workspace_.Mode());
    // Unitary matrices are made in integer mode only.
    if (unitaryDialog_ != nullptr && workspace_.Mode() != WorkspaceMode::Integer) {
        unitaryDialog_->hide();
    }
    buildMenus();
    setWindowTitle(QStringLiteral("lorvex [") +
                   uiString(strings::id::FirstModeName + static_cast<int>(workspace_.Mode())) +
                   "]");
}

// Each mode has its menu set; the actions stay the same objects, so their
// accelerators and enabling survive the switch. The old set's menus (with
// their letter items) are deleted later, since the switch may come from one of
// them. The letter items follow with the workspace's next letter change.
void TMatFrame::buildMenus() {
    using namespace command;
    for (QAction* item : menuBar()->actions()) {
        if (QMenu* menu = item->menu()) menu->deleteLater();
    }
    menuBar()->clear();
    forgetAccessibleItems();
    const WorkspaceMode mode = workspace_.Mode();
    const auto add = [this](QMenu* menu, int command) { menu->addAction(action(command)); };

    QMenu* matrix = menuBar()->addMenu(uiString(strings::id::MatrixMenu));
    add(matrix, NewMatrix);
    add(matrix, Open);
    add(matrix, Paste);
    QMenu* modes = matrix->addMenu(uiString(strings::id::ModeMenu));
    add(modes, ModeReal);
    add(modes, ModeComplex);
    add(modes, ModeInteger);
    switch (mode) {
        case WorkspaceMode::Real:
            for (int command : {Rotate2D, Rotate3D, ProjectReflect, Formula, CopyColumn}) {
                add(matrix, command);
            }
            break;
        case WorkspaceMode::Complex:
            add(matrix, CopyColumn);
            break;
        case WorkspaceMode::Integer:
            for (int command : {IntegerRotate3D, ProjectReflect, Unitary, CopyColumn}) {
                add(matrix, command);
            }
            break;
    }
    action(CopyColumn)
        ->setText(mode == WorkspaceMode::Complex ? uiString(strings::id::ComplexCopyColumnItem)
                                                 : uiString(strings::id::CopyColumnItem));
    action(WhiteBackground)
        ->setText(mode == WorkspaceMode::Real ? uiString(strings::id::WhiteBackgroundItem)
                                              : uiString(strings::id::OtherWhiteBackgroundItem));
    add(matrix, WhiteBackground);
    add(matrix, HelpFirstMenu);
    add(matrix, Exit);

    QMenu* calc = menuBar()->addMenu(uiString(strings::id::CalcMenu));
    reportMenu_ = calc->addMenu(uiString(strings::id::OneMatrixMenu));
    if (mode == WorkspaceMode::Real) {
        for (int command : {Calculate, Solve, LinearProgramming, Echelon, RowOperations}) {
            add(calc, command);
        }
    } else if (mode == WorkspaceMode::Complex) {
        add(calc, Calculate);
        add(calc, Solve);
        action(Echelon)->setText(uiString(strings::id::ComplexEchelonItem));
        add(calc, Echelon);
    } else {
        // The step procedures run exactly on integer matrices ("exato"), so
        // the integer mode reaches them from its menu too.
        for (int command : {Calculate, Solve, Echelon, RowOperations}) {
            add(calc, command);
        }
    }
    if (mode != WorkspaceMode::Complex)
        action(Echelon)->setText(uiString(strings::id::EchelonItem));
    add(calc, HelpSecondMenu);

    if (mode == WorkspaceMode::Real) {
        letterMenu_ = menuBar()->addMenu(uiString(strings::id::ViewMenu));
        firstKeptLetterItem_ = letterMenu_->addSeparator();
        add(letterMenu_, HelpThirdMenu);
        QMenu* help = menuBar()->addMenu(uiString(strings::id::HelpMenu));
        add(help, ProgramHelp);
        add(help, About);
        addLanguageMenu(help, prompter_);
    } else {
        letterMenu_ = menuBar()->addMenu(uiString(strings::id::HelpMenu));
        firstKeptLetterItem_ = action(ProgramHelp);
        add(letterMenu_, ProgramHelp);
        add(letterMenu_, About);
        addLanguageMenu(letterMenu_, prompter_);
    }
    connect(matrix, &QMenu::aboutToShow, this, &TMatFrame::updateCommands);
    connect(calc, &QMenu::aboutToShow, this, &TMatFrame::updateCommands);
}

// Qt keeps one accessible item per action, tied to the menu that first
// showed it; once that menu is gone the item is invalid and reads as empty.
// Forgotten here, each action gets a new one in the menu that shows it now.
void TMatFrame::forgetAccessibleItems() {
    for (const auto& [command, shared] : actions_) {
        if (QAccessibleInterface* item = QAccessible::queryAccessibleInterface(shared)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        }
    }
}

void TMatFrame::lettersChanged() {
    rebuildLetterMenus();
}

// One item per occupied letter of the current mode, A first: "A ..." in the
// letter menu (501 ...) and in "&Uma matriz" (531 ...).
void TMatFrame::rebuildLetterMenus() {
    if (letterMenu_ == nullptr) return;
    for (QAction* item : letterMenu_->actions()) {
        if (item == firstKeptLetterItem_) break;
        letterMenu_->removeAction(item);
        item->deleteLater();
    }
    if (reportMenu_ != nullptr) reportMenu_->clear();
    for (const std::int32_t letter : workspace_.occupiedLetters()) {
        auto* view = new QAction(letterItemText(letter), letterMenu_);
        view->setObjectName(QStringLiteral("command%1").arg(command::ViewFirstLetter + letter - 1));
        connect(view, &QAction::triggered, this,
                [this, letter] { showError(prompter_, workspace_.ViewLetter(letter)); });
        letterMenu_->insertAction(firstKeptLetterItem_, view);
        if (reportMenu_ != nullptr) {
            QAction* item = reportMenu_->addAction(letterItemText(letter));
            item->setObjectName(
                QStringLiteral("command%1").arg(command::ReportFirstLetter + letter - 1));
            connect(item, &QAction::triggered, this, [this, letter] { showReport(letter); });
        }
    }
    const int mode = static_cast<int>(workspace_.Mode());
    for (int command = command::ModeReal; command <= command::ModeInteger; ++command) {
        action(command)->setChecked(command - command::ModeReal == mode);
    }
    action(command::WhiteBackground)->setChecked(workspace_.WhiteBackground());
    setMinimumWidth(menuBar()->sizeHint().width());
    updateCommands();
}

// Calcular, Resolver and the step procedures need a matrix of the current
// mode; linear programming, which works on real matrices, a real one.
void TMatFrame::updateCommands() {
    using namespace command;
    const bool used = workspace_.ModeUsed(workspace_.Mode());
    for (int command : {Calculate, Solve, Echelon, RowOperations})
        action(command)->setEnabled(used);
    action(LinearProgramming)->setEnabled(workspace_.ModeUsed(WorkspaceMode::Real));
    action(Paste)->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

TMatWin* TMatFrame::windowOf(const MatrixDocument& document) const {
    const auto found = windows_.find(&document);
    return found == windows_.end() ? nullptr : found->second.get();
}

void TMatFrame::documentCreated(MatrixDocument& document) {
    auto window =
        std::make_unique<TMatWin>(document, prompter_, this,
                                  TMatWin::Options{settingsFolder_, settings_.useDefaults,
                                                   &operations_.random(), settings_.openLastDoc});
    connect(window.get(), &TMatWin::matrixHidden, this,
            [this](TMatWin* hidden) { lastClosedWindow_ = hidden; });
    lastShownWindow_ = window.get();
    if (!window->hasOwnPlace()) {
        cascade(*window, lastCascaded_);
        lastCascaded_ = window.get();
    }
    windows_[&document] = std::move(window);
    updateCommands();
}

// A window goes beside the frame, a step from `after` when there is one.
void TMatFrame::cascade(TMatWin& window, const TMatWin* after) {
    const QScreen* screen = this->screen();
    if (screen == nullptr) return;
    const QSize decoration = frameGeometry().size() - geometry().size();
    std::optional<QRect> last;
    if (after != nullptr) last = after->frameGeometry();
    window.move(cascadePosition(frameGeometry(), last, window.size() + decoration,
                                screen->availableGeometry()));
}

void TMatFrame::documentChanged(MatrixDocument& document) {
    for (const auto& window : stepWindows_) {
        if (window != nullptr && &document == &window->document()) {
            window->stepShown();
            return;
        }
    }
    if (TMatWin* window = windowOf(document)) {
        window->settingsChanged();
        window->contentsReplaced();
    }
}

void TMatFrame::documentShown(MatrixDocument& document) {
    TMatWin* window = windowOf(document);
    if (window == nullptr) return;
    lastShownWindow_ = window;
    window->showNormal();
    window->raise();
}

// One question for all unsaved matrices: save them all, discard them, or
// let each window ask for itself; a "cancelar" anywhere keeps the program.
bool TMatFrame::mayClose() {
    if (workspace_.AnyUnsaved() && !settleUnsaved()) return false;
    for (auto& [document, window] : windows_) {
        if (!window->mayClose()) return false;
    }
    for (const auto& window : stepWindows_) {
        if (window != nullptr && !window->mayClose()) return false;
    }
    return helpWindow_->mayClose();
}

bool TMatFrame::settleUnsaved() {
    switch (askAboutUnsaved(prompter_, workspace_)) {
        case UnsavedChoice::Cancel:
            return false;
        case UnsavedChoice::Discard:
            workspace_.MarkAllSaved();
            return true;
        case UnsavedChoice::OneByOne:
            return true;
        case UnsavedChoice::SaveAll:
            break;
    }
    // In the order of the list: by mode, then by letter, then the step windows.
    std::vector<TMatWin*> windows;
    for (const WorkspaceMode mode :
         {WorkspaceMode::Real, WorkspaceMode::Complex, WorkspaceMode::Integer}) {
        for (std::int32_t letter = 1; letter <= 26; ++letter) {
            if (const MatrixDocument* document = workspace_.slot(mode, letter))
                windows.push_back(windowOf(*document));
        }
    }
    for (const auto& window : stepWindows_)
        windows.push_back(window.get());
    return std::ranges::all_of(windows, [](TMatWin* window) {
        return window == nullptr || !window->document().modified() || window->save();
    });
}

// The frame's place is remembered for the next start.
void TMatFrame::writeSettingsFile() {
    const QRect rect = isMaximized() ? normalGeometry() : geometry();
    settings_.rect = {rect.x(), rect.y(), rect.width(), rect.height()};
    settings_.zoomed = isMaximized();
    showError(prompter_, writeFrameSettings(settingsFolder_, settings_));
}

// Written once, as the program ends, rather than by every matrix window.
void TMatFrame::writeMatrixWindowSettingsFile() {
    TMatWin* last = lastClosedWindow_ != nullptr ? lastClosedWindow_ : lastShownWindow_;
    if (last != nullptr) last->writeSettingsFile();
}

// Every other top-level window goes too (matrix, text, help, notes and colour
// windows only hide when closed), so that the program ends with the frame.
void TMatFrame::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    writeSettingsFile();
    writeMatrixWindowSettingsFile();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this) window->hide();
    }
    event->accept();
}

}  // namespace lorvex
