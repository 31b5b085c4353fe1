#pragma once

#include <QColor>
#include <QMainWindow>

#include "workspace/matrix_document.h"

class QAction;

namespace lorvex {

class MatrixView;
class Prompter;

// The window of one lettered matrix: its grid, its own menu, and the commands
// that save, format, edit and export the matrix. The window has no close
// button; "Fec&har" only hides it, and the frame shows it again.
class TMatWin : public QMainWindow {
    Q_OBJECT
  public:
    TMatWin(MatrixDocument& document, Prompter& prompter, QWidget* parent = nullptr);

    MatrixDocument& document() { return document_; }
    MatrixView* view() { return view_; }

    // The background colour of a letter (white for Z and under "Fundo branco").
    static QColor backgroundFor(std::int32_t letterNo, bool whiteBackground);

    // The document was changed from outside (a result stored into its place):
    // back to the first row and column and redrawn.
    void contentsReplaced();

    // Hides the window and sets the document's Hidden flag ("Fec&har").
    void hideMatrix();

  signals:
    void matrixHidden(TMatWin* window);

  protected:
    void closeEvent(QCloseEvent* event) override;

    // The caption when no continuous editing runs: the letter.
    virtual QString caption() const;
    void refreshTitle();

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
    void askLongMinus();
    void chooseFont();

    MatrixDocument& document_;
    Prompter& prompter_;
    MatrixView* view_;
    QAction* undoAction_ = nullptr;
    QAction* removeRowsAction_ = nullptr;
    QAction* removeColumnsAction_ = nullptr;
    QAction* swapRowsAction_ = nullptr;
    QAction* swapColumnsAction_ = nullptr;
    QAction* autoAdvanceAction_ = nullptr;
    QAction* longMinusAction_ = nullptr;
};

}  // namespace lorvex
