#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "workspace/prompter.h"

class QDialogButtonBox;
class QWidget;

namespace lorvex {

// The toolkit's message box: a caption, one line of text and the buttons of
// its kind ("ok"; "&sim" "&não"; "&sim" "&não" "&cancelar").
class TMsgDlg : public QDialog {
    Q_OBJECT
  public:
    TMsgDlg(QWidget* parent, const QString& caption, const QString& text,
            Prompter::Buttons buttons);

    // Shows the box modally; the button pressed as the platform's code
    // (1 ok, 2 cancel, 6 yes, 7 no). Esc counts as cancel, or as "não" when
    // the box has no cancel button.
    Prompter::Answer ask();

    // A box with buttons of its own labels, the first the default.
    TMsgDlg(QWidget* parent, const QString& caption, const QString& text,
            const std::vector<std::string>& labels);
    // The index of the labelled button pressed; nothing on Esc.
    std::optional<std::size_t> askLabelled();

  private:
    QDialogButtonBox* addTextAndButtons(const QString& caption, const QString& text);
    std::optional<std::size_t> pressed_;
    Prompter::Answer answer_ = Prompter::Answer::Cancel;
    Prompter::Answer escapeAnswer_;
};

}  // namespace lorvex
