#include "toolkit/gui_prompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "toolkit/choice_dialog.h"
#include "toolkit/dialog_placement.h"
#include "toolkit/field_dialog.h"
#include "toolkit/font_dialog.h"
#include "toolkit/message_box.h"
#include "toolkit/qt_text.h"

namespace lorvex {
namespace {

// "Arquivos Matriz (*.FMA)|*.fma" becomes Qt's "Arquivos Matriz (*.FMA) (*.fma)".
QString qtFilter(std::string_view filter) {
    const QStringList parts = toQString(filter).split('|', Qt::SkipEmptyParts);
    if (parts.size() < 2) return toQString(filter);
    return parts[0] + " (" + parts[1] + ")";
}

}  // namespace

// A popup that has just closed (a letter list) or no active window at all
// would leave the dialog nothing to stand beside.
QWidget* GuiPrompter::parent() const {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible() && active->windowType() != Qt::Popup)
        return active;
    return fallbackParent_;
}

void GuiPrompter::place(QDialog& dialog, QPoint remembered) {
    dialog.adjustSize();
    if (remembered.x() >= 0 && remembered.y() >= 0) {
        dialog.move(remembered);
        return;
    }
    placeBesideOwner(dialog, random_);
}

bool GuiPrompter::runInput(QDialog& dialog, const std::string& title) {
    const auto remembered = positions_.find(title);
    place(dialog, remembered != positions_.end() ? remembered->second : kNoPosition);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    positions_[title] = dialog.pos();
    return accepted;
}

Prompter::Answer GuiPrompter::messageBox(std::string_view caption, std::string_view text,
                                         Buttons buttons) {
    TMsgDlg box(parent(), toQString(caption), toQString(text), buttons);
    place(box, kNoPosition);
    return box.ask();
}

std::optional<std::size_t> GuiPrompter::askButtons(std::string_view caption, std::string_view text,
                                                   const std::vector<std::string>& labels) {
    TMsgDlg box(parent(), toQString(caption), toQString(text), labels);
    place(box, kNoPosition);
    return box.askLabelled();
}

std::optional<Prompter::FieldsAnswer> GuiPrompter::askFields(const FieldsRequest& request) {
    TGenDlg dialog(parent(), request);
    if (!runInput(dialog, request.title)) return std::nullopt;
    return dialog.answer();
}

std::optional<std::vector<int>> GuiPrompter::askChoices(const ChoicesRequest& request) {
    TChoiceDlg dialog(parent(), request);
    if (!runInput(dialog, request.title)) return std::nullopt;
    return dialog.chosen();
}

// A file dialog starts in the folder last used, at first the user's
// documents (or home, when there is no documents folder).
QString GuiPrompter::startFolder() const {
    if (!lastFolder_.isEmpty()) return lastFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

std::optional<std::string> GuiPrompter::runFileDialog(QFileDialog& dialog) {
    place(dialog, kNoPosition);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().front();
    lastFolder_ = QFileInfo(path).absolutePath();
    return toStdString(path);
}

std::optional<std::string> GuiPrompter::askOpenFile(std::string_view filter,
                                                    std::string_view initialName) {
    QFileDialog dialog(parent(), QString(), startFolder(), qtFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(toQString(initialName));
    return runFileDialog(dialog);
}

std::optional<std::string> GuiPrompter::askSaveFile(std::string_view filter,
                                                    std::string_view defaultExtension,
                                                    std::string_view proposedName) {
    QFileDialog dialog(parent(), QString(), startFolder(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The callers ask the overwrite question themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(toQString(defaultExtension));
    dialog.selectFile(toQString(proposedName));
    return runFileDialog(dialog);
}

std::optional<FontSetting> GuiPrompter::askFont(const FontRequest& request) {
    TFontDlg dialog(parent(), toQString(request.title), request.current);
    if (!runInput(dialog, request.title)) return std::nullopt;
    return dialog.chosen();
}

}  // namespace lorvex
