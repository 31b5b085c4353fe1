#include "toolkit/message_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/qt_text.h"

namespace lorvex {

TMsgDlg::TMsgDlg(QWidget* parent, const QString& caption, const QString& text,
                 Prompter::Buttons buttons)
    : QDialog(parent),
      escapeAnswer_(buttons == Prompter::Buttons::YesNo ? Prompter::Answer::No
                                                        : Prompter::Answer::Cancel) {
    QDialogButtonBox* box = addTextAndButtons(caption, text);
    const auto addButton = [this, box](const QString& label, Prompter::Answer answer) {
        QPushButton* button = box->addButton(label, QDialogButtonBox::ActionRole);
        button->setObjectName(label);
        connect(button, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            accept();
        });
        return button;
    };
    switch (buttons) {
        case Prompter::Buttons::Ok:
            addButton(uiString(strings::id::OkButton), Prompter::Answer::Ok)->setDefault(true);
            break;
        case Prompter::Buttons::YesNo:
            addButton(uiString(strings::id::YesButton), Prompter::Answer::Yes)->setDefault(true);
            addButton(uiString(strings::id::NoButton), Prompter::Answer::No);
            break;
        case Prompter::Buttons::YesNoCancel:
            addButton(uiString(strings::id::YesButton), Prompter::Answer::Yes)->setDefault(true);
            addButton(uiString(strings::id::NoButton), Prompter::Answer::No);
            addButton(uiString(strings::id::CancelButton), Prompter::Answer::Cancel);
            break;
    }
}

TMsgDlg::TMsgDlg(QWidget* parent, const QString& caption, const QString& text,
                 const std::vector<std::string>& labels)
    : QDialog(parent), escapeAnswer_(Prompter::Answer::Cancel) {
    QDialogButtonBox* box = addTextAndButtons(caption, text);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QPushButton* button = box->addButton(toQString(labels[i]), QDialogButtonBox::ActionRole);
        button->setObjectName(toQString(labels[i]));
        button->setDefault(i == 0);
        connect(button, &QPushButton::clicked, this, [this, i] {
            pressed_ = i;
            accept();
        });
    }
}

QDialogButtonBox* TMsgDlg::addTextAndButtons(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* textLabel = new QLabel(text, this);
    textLabel->setObjectName("text");
    layout->addWidget(textLabel);
    auto* box = new QDialogButtonBox(this);
    layout->addWidget(box);
    return box;
}

std::optional<std::size_t> TMsgDlg::askLabelled() {
    pressed_.reset();
    exec();
    return pressed_;
}

Prompter::Answer TMsgDlg::ask() {
    answer_ = escapeAnswer_;
    exec();
    return answer_;
}

}  // namespace lorvex
