#pragma once

#include <QPoint>
#include <QString>
#include <map>
#include <string>

#include "engine/random_generator.h"
#include "workspace/prompter.h"

class QDialog;
class QFileDialog;
class QWidget;

namespace lorvex {

// The program's answers to the operations' questions: real dialogs over the
// window that is active, placed beside it. An input dialog reopens where the
// user last left the dialog of the same title; a file dialog opens in the
// folder of the file last chosen.
class GuiPrompter : public Prompter {
  public:
    explicit GuiPrompter(RandomGenerator& random, QWidget* fallbackParent = nullptr)
        : random_(random), fallbackParent_(fallbackParent) {}

    // The window that dialogs stand beside when no other window is active.
    void setFallbackParent(QWidget* window) { fallbackParent_ = window; }

    Answer messageBox(std::string_view caption, std::string_view text, Buttons buttons) override;
    std::optional<FieldsAnswer> askFields(const FieldsRequest& request) override;
    std::optional<std::vector<int>> askChoices(const ChoicesRequest& request) override;
    std::optional<std::string> askOpenFile(std::string_view filter,
                                           std::string_view initialName) override;
    std::optional<std::string> askSaveFile(std::string_view filter,
                                           std::string_view defaultExtension,
                                           std::string_view proposedName) override;
    std::optional<FontSetting> askFont(const FontRequest& request) override;
    std::optional<std::size_t> askButtons(std::string_view caption, std::string_view text,
                                          const std::vector<std::string>& labels) override;

  private:
    QWidget* parent() const;
    // Moves the dialog to its opening place: the remembered position when
    // there is one, otherwise beside its parent.
    void place(QDialog& dialog, QPoint remembered);
    // Runs an input dialog and remembers where it was left.
    bool runInput(QDialog& dialog, const std::string& title);
    QString startFolder() const;
    // Runs a file dialog and remembers the folder of the file chosen.
    std::optional<std::string> runFileDialog(QFileDialog& dialog);

    RandomGenerator& random_;
    QWidget* fallbackParent_;
    std::map<std::string, QPoint> positions_;
    QString lastFolder_;
};

}  // namespace lorvex
