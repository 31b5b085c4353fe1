#pragma once

#include <QMainWindow>
#include <QPageLayout>
#include <QString>
#include <string>

#include "workspace/window_settings.h"

class QAction;
class QPrinter;
class QPlainTextEdit;

namespace lorvex {

class Prompter;

// A window that shows a text and lets the user open, save, search and edit
// it: the exported text of a matrix, a help text, a report. "&Fechar" and
// the window's close button only hide it; its owner reuses it for the next
// text.
class TTextWin : public QMainWindow {
    Q_OBJECT
  public:
    explicit TTextWin(Prompter& prompter, QWidget* owner = nullptr);

    // Replaces the text, keeping its first 64 000 characters, and shows its
    // start; the text then counts as not modified.
    void setText(const QString& text);
    // The text, its lines ended by CR LF.
    QString text() const;

    // The file Save writes to; `named` once the user chose it or it was read
    // (Save then asks for no name).
    const std::string& documentName() const { return documentName_; }
    bool named() const { return named_; }
    void setDocumentName(std::string name, bool named);

    // The text was changed since it was set, opened or saved.
    bool modified() const;
    void setModified(bool modified);

    // Shows the window and clears its hidden flag.
    void showWindow();
    bool Hidden() const { return hidden_; }

    // Shows the program's help text of that name up to its first "???".
    // With a search word, its first occurrence is selected and the view
    // scrolls down 10 lines. Returns code::Ok, or code::CannotOpenFile (and
    // shows its message) when the program has no such help text.
    [[nodiscard]] int showHelpText(const QString& name, const QString& searchWord = {});

    // Asked before the program ends: a window with unsaved changes asks
    // whether to save them. True when it may go (saved, or the changes
    // discarded with "&não"); false after "&cancelar" or a failed save.
    bool mayClose();

    QPlainTextEdit* editor() const { return editor_; }

    // The top-left printing margins, inches.
    long double leftMargin() const { return leftMargin_; }
    long double topMargin() const { return topMargin_; }
    // The font and colour of the text; a window showing a table takes the
    // entry font of its matrix, so that the columns line up.
    const FontSetting& textFont() const { return font_; }
    void setTextFont(const FontSetting& font);

  protected:
    // "&Fechar": the window is hidden.
    virtual void hideWindow();
    // The user changed the text.
    virtual void textEdited() {}
    void closeEvent(QCloseEvent* event) override;
    Prompter& prompter() { return prompter_; }

  private:
    void placeByDefault();
    void buildMenus();
    void updateCommands();
    void keepWithinLimit();
    bool save();
    bool saveAs();
    void open();
    void find();
    void findNext();
    void goToStart();
    void chooseFont();
    void replaceMinusSign();
    void explainSearching();
    void print();
    void chooseMargins();
    void setUpPrinter();
    // The printer and paper chosen in the printer set-up, if any.
    void applyPrinterChoice(QPrinter& printer) const;

    Prompter& prompter_;
    QPlainTextEdit* editor_;
    std::string documentName_;
    bool named_ = false;
    bool hidden_ = true;
    bool loading_ = false;
    QString searchText_;
    FontSetting font_;
    long double leftMargin_;
    long double topMargin_;
    bool colourPrinter_;
    // The printer and paper chosen in the printer set-up; the default
    // printer until then.
    QString printerName_;
    QPageLayout pageLayout_;
    QAction* saveAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* cutAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* findNextAction_ = nullptr;
};

// A help text as a window shows it: at most 64 000 characters, and nothing
// from the first "???" on (what follows is meant for the program's
// maintainers).
QString shownHelpText(const QString& raw);

// The first `count` characters of a text (a character outside the basic
// plane is not split).
QString firstCharacters(const QString& text, qsizetype count);

}  // namespace lorvex
