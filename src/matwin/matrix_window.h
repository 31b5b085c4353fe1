#pragma once

#include <QColor>
#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "engine/random_generator.h"
#include "workspace/matrix_document.h"
#include "workspace/settings_files.h"

class QAction;
class QMenu;

namespace lorvex {

class MatrixView;
class PictureWindow;
class Prompter;
class TColWin;
class TNoteWin;
class TTextWin;

// Where a matrix window keeps its settings between runs ("lorv.ini"): a new
// window takes the settings of the last one closed, unless the frame's
// UseDefaults flag is set or its matrix came from a file (which holds its
// own). The frame has the window closed last write the file as the program
// ends. With no folder the file is neither read nor written.
struct MatrixWindowOptions {
    std::filesystem::path settingsFolder;
    bool useDefaults = false;
    // Draws the random offsets of a default rectangle; without it the window
    // opens at the top left corner of the screen.
    RandomGenerator* random = nullptr;
    // The frame's OpenLastDoc flag: a new matrix window reads the matrix file
    // that "lorv.ini" names last, in place of the matrix it was made with.
    bool openLastDoc = false;
};

// The window of one lettered matrix: its grid, its own menu, and the commands
// that save, format, edit and export the matrix. The window has no close
// button; "Fec&har" only hides it, and the frame shows it again. It owns a
// text window for exported text and reports, a help window, the notes
// window of its matrix and a colour window.
class TMatWin : public QMainWindow {
    Q_OBJECT
  public:
    using Options = MatrixWindowOptions;

    TMatWin(MatrixDocument& document, Prompter& prompter, QWidget* parent = nullptr,
            Options options = {});
    ~TMatWin() override;

    MatrixDocument& document() { return document_; }
    MatrixView* view() { return view_; }
    // The text, help and notes windows, each made on first use.
    TTextWin* textWindow();
    TTextWin* helpWindow();
    TNoteWin* notesWindow();
    // The picture of the matrix as a linear map, once it was asked for.
    PictureWindow* pictureWindow() { return pictureWindow_.get(); }
    // The colour window, once a colour was asked for.
    TColWin* colourWindow() { return colourWindow_.get(); }

    // The fonts and colour roles of the document's settings record changed
    // (read from a file, chosen by the user): the grid takes them and is laid
    // out again.
    void settingsChanged();

    // Save (57) and Save As (58) of the matrix file; true when it was written.
    bool save();
    bool saveAs();

    // Writes "lorv.ini" afresh with this window's placement and settings; a
    // file that cannot be written is skipped without a message.
    void writeSettingsFile();

    // Asked before the program ends: an unsaved matrix, then the text and
    // notes windows, ask whether to save their changes. False when the user
    // cancelled or a save failed.
    bool mayClose();

    // The background colour of a letter (white for Z and under "Fundo branco").
    static QColor backgroundFor(std::int32_t letterNo, bool whiteBackground);

    // The document was changed from outside (a result stored into its place):
    // back to the first row and column and redrawn.
    void contentsReplaced();

    // Hides the window, sets the document's Hidden flag and tells of it
    // ("Fec&har").
    void hideMatrix();

    // The first time the window shows, it takes the rectangle of its
    // settings record when that lies on the screen.
    void setVisible(bool visible) override;

    // The window shows at the rectangle its matrix file gave it; any other
    // is placed by whoever shows it.
    bool hasOwnPlace() const;

  signals:
    void matrixHidden(TMatWin* window);

  protected:
    // The menus a window is built with: the matrix window's own, or none
    // for a window that builds a menu of its own from the handlers below.
    enum class MenuSet { Matrix, None };
    TMatWin(MatrixDocument& document, Prompter& prompter, QWidget* parent, Options options,
            MenuSet menus);

    void closeEvent(QCloseEvent* event) override;

    // The caption when no continuous editing runs: the document's title
    // (a step document's), or else its letter.
    QString caption() const;
    void refreshTitle();
    Prompter& prompter() { return prompter_; }

    // "&Salvar" (Ctrl+S) and "Salvar &Como ..." (Ctrl+Shift+S) in a file menu.
    void addSaveCommands(QMenu* file);
    void exportPlainText();
    void askLongMinus();
    void chooseFont();
    void chooseBorderColour();
    void chooseHighlightColour();
    void showHelp(const char* name);
    // "Frações" in a Misc menu, for integer documents; the choice is kept
    // under `settingsKey` in the program's settings, and a new window
    // starts with it.
    void addFractionsCommand(QMenu* misc, const QString& settingsKey);
    // "Idioma / Language" at the end of a menu.
    void addLanguageChoice(QMenu* menu);
    // Checked while the document draws its minus signs long.
    QAction* longMinusAction_ = nullptr;

  private:
    void buildMenus();
    void updateCommands();
    void afterEdit(int rc);

    void undo();
    void askDimensions();
    void askRemove(bool columns);
    void askInsert(bool column);
    void askSwap(bool columns);
    void askFormat();
    // The colour window for one colour role, `labelId` naming it.
    void chooseColour(std::size_t role, int labelId);

    void readSettingsFile();
    void openLastDocument();
    void recordPlacement();
    void placeFromSettings();
    void placeByDefault();
    bool rectFitsScreen() const;
    QPoint defaultCorner();
    void exportTex();
    void setFractions(bool on);
    void showNotes();
    void showPicture();

    MatrixDocument& document_;
    Prompter& prompter_;
    Options options_;
    // The part of "lorv.ini" that is not the document's settings record.
    MatrixWindowSettings settingsFile_;
    bool placed_ = false;
    MatrixView* view_;
    // Windows of their own on the screen, going away with this one. A
    // workspace holds many matrix windows, so each is made when first needed.
    std::unique_ptr<TTextWin> textWindow_;
    std::unique_ptr<TTextWin> helpWindow_;
    std::unique_ptr<TNoteWin> notesWindow_;
    std::unique_ptr<TColWin> colourWindow_;
    std::unique_ptr<PictureWindow> pictureWindow_;
    QAction* undoAction_ = nullptr;
    QAction* removeRowsAction_ = nullptr;
    QAction* removeColumnsAction_ = nullptr;
    QAction* swapRowsAction_ = nullptr;
    QAction* swapColumnsAction_ = nullptr;
    QAction* autoAdvanceAction_ = nullptr;
    QAction* pictureAction_ = nullptr;
    QAction* fractionsAction_ = nullptr;
    QString fractionsKey_;
};

}  // namespace lorvex
