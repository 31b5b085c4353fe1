#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <filesystem>
#include <map>
#include <memory>

#include "workspace/frame_operations.h"
#include "workspace/settings_files.h"
#include "workspace/workspace.h"
#include "workspace/workspace_listener.h"

class QAction;
class QMenu;

namespace lorvex {

class Prompter;
class TCalcDlg;
class TCopyDlg;
class TDispWin;
class TEchDlg;
class TFmlaDlg;
class TIRot3Dlg;
class TLPDlg;
class TMatWin;
class TNewMatDlg;
class TOperDlg;
class TProRefDlg;
class TRot2Dlg;
class TRot3Dlg;
class TSolveDlg;
class TTextWin;
class TUniDlg;

// The main frame: the menu set of the current mode, the letter menus, and the
// matrix windows of every document of the workspace. Its commands call the
// workspace's operations; it adds no arithmetic and no validation of its own.
class TMatFrame : public QMainWindow, private WorkspaceListener {
    Q_OBJECT
  public:
    // `settingsFolder` holds "lv.ini" and "lorv.ini".
    TMatFrame(FrameOperations& operations, std::filesystem::path settingsFolder);
    ~TMatFrame() override;

    // The caption, menus and letter items follow the workspace from here on;
    // the frame takes its place from "lv.ini" and starts in real mode.
    void setUp();

    // Opens a matrix file by name (command line, drops, later starts).
    void openMatrixFile(const QString& path);
    // A later start handed over a file name: the frame comes forward and
    // opens the file, if one was named. During a computation (which lets
    // events through) the file waits until the computation has ended.
    void receiveHandOver(const QString& path);

    // The window of a document, if it has one.
    TMatWin* windowOf(const MatrixDocument& document) const;
    // The window of a step document, made hidden at set-up.
    TDispWin* stepWindow(StepDocument which) const {
        return stepWindows_[static_cast<std::size_t>(which)].get();
    }

    // Switches the mode (commands 400, 401, 402).
    void setMode(WorkspaceMode mode);

    // The action of a command, whichever menu set shows it.
    QAction* action(int command) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // WorkspaceListener
    void documentCreated(MatrixDocument& document) override;
    void documentChanged(MatrixDocument& document) override;
    void documentShown(MatrixDocument& document) override;
    void lettersChanged() override;
    void modeChanged() override;

    void cascade(TMatWin& window, const TMatWin* after);
    void createActions();
    QAction* makeAction(int command, const QString& text, const QKeySequence& shortcut = {});
    void buildMenus();
    void forgetAccessibleItems();
    void rebuildLetterMenus();
    void updateCommands();
    bool mayClose();
    // The question about unsaved matrices as the program ends; false on
    // "cancelar" or when a save failed or was cancelled.
    bool settleUnsaved();
    void writeSettingsFile();
    void writeMatrixWindowSettingsFile();
    void report(int code);
    void paste();
    void openHandedOverFilesAfter(QObject& computation);
    void openHandedOverFiles();
    void showHelp(const char* name);
    void showAbout();
    void showReport(std::int32_t letter);
    // Shows a step window, then its dialog, made on first use; closing the
    // dialog hides the window too.
    template <class Dialog>
    void showSteps(StepDocument which, std::unique_ptr<Dialog>& dialog);
    // Shows a command dialog, made on first use with the operations it calls.
    template <class Dialog, class Family>
    void present(std::unique_ptr<Dialog>& dialog, Family& family);

    FrameOperations& operations_;
    Workspace& workspace_;
    Prompter& prompter_;
    std::filesystem::path settingsFolder_;
    FrameSettings settings_;
    std::map<int, QAction*> actions_;
    std::map<const MatrixDocument*, std::unique_ptr<TMatWin>> windows_;
    std::unique_ptr<TTextWin> helpWindow_;
    QStringList handedOverFiles_;
    // "lorv.ini" is left by the matrix window closed last or, when none was
    // closed, by the one shown or made last.
    TMatWin* lastClosedWindow_ = nullptr;
    TMatWin* lastShownWindow_ = nullptr;
    // The matrix or step window placed last beside the frame.
    TMatWin* lastCascaded_ = nullptr;
    // The command dialogs, made on first use and then only hidden.
    std::unique_ptr<TNewMatDlg> newMatrixDialog_;
    std::unique_ptr<TCalcDlg> calcDialog_;
    std::unique_ptr<TSolveDlg> solveDialog_;
    std::unique_ptr<TLPDlg> lpDialog_;
    std::unique_ptr<TEchDlg> echDialog_;
    std::unique_ptr<TFmlaDlg> formulaDialog_;
    std::unique_ptr<TCopyDlg> copyColumnDialog_;
    std::unique_ptr<TUniDlg> unitaryDialog_;
    std::unique_ptr<TRot2Dlg> rotation2DDialog_;
    std::unique_ptr<TRot3Dlg> rotation3DDialog_;
    std::unique_ptr<TIRot3Dlg> integerRotation3DDialog_;
    std::unique_ptr<TProRefDlg> projectionDialog_;
    std::unique_ptr<TOperDlg> operDialog_;
    std::array<std::unique_ptr<TDispWin>, 3> stepWindows_;
    QMenu* letterMenu_ = nullptr;  // "&Ver" in real mode, "&Ajuda" in the others
    QMenu* reportMenu_ = nullptr;  // "&Uma matriz"
    QAction* firstKeptLetterItem_ = nullptr;
};

}  // namespace lorvex
