#include "toolkit/gui_prompter.h"

#include <QApplication>
#include <QFileDialog>

#include "toolkit/field_dialog.h"
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

QWidget* GuiPrompter::parent() const {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : fallbackParent_;
}

Prompter::Answer GuiPrompter::messageBox(std::string_view caption, std::string_view text,
                                         Buttons buttons) {
    TMsgDlg box(parent(), toQString(caption), toQString(text), buttons);
    return box.ask();
}

}  // namespace lorvex

namespace lorvex {

std::optional<Prompter::FieldsAnswer> GuiPrompter::askFields(const FieldsRequest& request) {
    TGenDlg dialog(parent(), request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.answer();
}

std::optional<std::string> GuiPrompter::askOpenFile(std::string_view filter,
                                                    std::string_view initialName) {
    const QString path =
        QFileDialog::getOpenFileName(parent(), QString(), toQString(initialName), qtFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return toStdString(path);
}

std::optional<std::string> GuiPrompter::askSaveFile(std::string_view filter,
                                                    std::string_view defaultExtension,
                                                    std::string_view proposedName) {
    QFileDialog dialog(parent(), QString(), QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The callers ask the overwrite question themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(toQString(defaultExtension));
    dialog.selectFile(toQString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toStdString(dialog.selectedFiles().front());
}

}  // namespace lorvex
