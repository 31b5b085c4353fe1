#pragma once

#include "workspace/prompter.h"

class QWidget;

namespace lorvex {

// The program's answers to the operations' questions: real dialogs over the
// window that is active.
class GuiPrompter : public Prompter {
  public:
    explicit GuiPrompter(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

    Answer messageBox(std::string_view caption, std::string_view text, Buttons buttons) override;
    std::optional<FieldsAnswer> askFields(const FieldsRequest& request) override;
    std::optional<std::string> askOpenFile(std::string_view filter,
                                           std::string_view initialName) override;
    std::optional<std::string> askSaveFile(std::string_view filter,
                                           std::string_view defaultExtension,
                                           std::string_view proposedName) override;

  private:
    QWidget* parent() const;

    QWidget* fallbackParent_;
};

}  // namespace lorvex
