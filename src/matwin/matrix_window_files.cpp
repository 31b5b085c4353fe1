// The matrix window's files and texts: Save and Save As of the matrix file,
// the TeX and plain-text exports, the help texts and the notes.

#include <span>

#include "engine/result_codes.h"
#include "matwin/matrix_window.h"
#include "matwin/tex_mat_dialog.h"
#include "toolkit/note_window.h"
#include "toolkit/qt_text.h"
#include "toolkit/save_questions.h"
#include "toolkit/text_window.h"
#include "workspace/file_bytes.h"
#include "workspace/matrix_export.h"
#include "workspace/matrix_file.h"
#include "workspace/prompter.h"
#include "workspace/workspace.h"

namespace lorvex {
namespace {

constexpr std::string_view kTexFilter = "TeX Files (*.TEX)|*.tex|";

}  // namespace

// Until the matrix is named, the save dialog offers its default name
// (mat<letter number>.<extension>); the matrix window keeps its own title
// while it saves.
bool TMatWin::save() {
    std::string path = document_.documentName();
    if (!document_.named()) {
        const std::optional<std::string> chosen =
            askSavePath(prompter_, strings::byId(matrixFileFilterString(document_.Kind())),
                        matrixFileExtension(document_.Kind()), document_.documentName());
        if (!chosen) return false;
        path = *chosen;
    }
    recordPlacement();
    if (const int rc = document_.writeFile(path); rc != code::Ok) {
        showError(prompter_, rc);
        return false;
    }
    if (notesWindow_) notesWindow_->refreshTitle();
    return true;
}

bool TMatWin::saveAs() {
    document_.setDocumentName(document_.documentName(), false);
    return save();
}

bool TMatWin::mayClose() {
    if (document_.modified()) {
        switch (askSaveChanges(prompter_, document_.documentName())) {
            case Prompter::Answer::Yes:
                if (!save()) return false;
                break;
            case Prompter::Answer::No:
                document_.setModified(false);
                break;
            default:
                return false;
        }
    }
    return (!textWindow_ || textWindow_->mayClose()) && (!helpWindow_ || helpWindow_->mayClose());
}

// The file is chosen first, then the delimiter and alignment; the text is
// written as UTF-8 with CR LF line ends and replaces an earlier file only
// when it was written whole.
void TMatWin::exportTex() {
    const std::optional<std::string> path = askSavePath(
        prompter_, kTexFilter, "TEX", std::string(strings::byId(strings::id::NoName)) + ".tex");
    if (!path) return;
    const std::optional<TTeXMatDlg::Choice> choice = TTeXMatDlg(prompter_).ask();
    if (!choice) return;
    const std::string text = texMatrix(document_, choice->delimiter, choice->alignment);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (!replaceFileContents(*path, bytes)) {
        showError(prompter_, code::CannotSaveFile);
        return;
    }
    prompter_.messageBox(strings::byId(strings::id::Success),
                         strings::byId(strings::id::TexFileSaved), Prompter::Buttons::Ok);
}

void TMatWin::exportPlainText() {
    std::string table;
    if (const int rc = plainTextTable(document_, table); rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    TTextWin* text = textWindow();
    text->setText(toQString(table));
    text->setWindowTitle(uiString(strings::id::Matrix) + " " + caption());
    text->setDocumentName(std::string(strings::byId(strings::id::Matrix)) + ".txt", false);
    text->showWindow();
}

void TMatWin::showHelp(const char* name) {
    // A missing help text is reported by the help window itself.
    static_cast<void>(helpWindow()->showHelpText(QString::fromLatin1(name)));
}

void TMatWin::showNotes() {
    notesWindow()->showNotes();
}

}  // namespace lorvex
