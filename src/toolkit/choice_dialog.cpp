#include "toolkit/choice_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/qt_text.h"

namespace lorvex {

TChoiceDlg::TChoiceDlg(QWidget* parent, const Prompter::ChoicesRequest& request) : QDialog(parent) {
    setWindowTitle(toQString(request.title));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t g = 0; g < request.groups.size(); ++g) {
        auto* box = new QGroupBox(this);
        auto* boxLayout = new QVBoxLayout;
        box->setLayout(boxLayout);
        auto* group = new QButtonGroup(box);
        const int initial = g < request.initial.size() ? request.initial[g] : 0;
        int id = 0;
        for (const std::string& label : request.groups[g]) {
            auto* button = new QRadioButton(toQString(label), box);
            button->setObjectName(QStringLiteral("choice%1_%2").arg(g).arg(id));
            button->setChecked(id == initial);
            group->addButton(button, id++);
            boxLayout->addWidget(button);
        }
        layout->addWidget(box);
        groups_.push_back(group);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(uiString(strings::id::OkButton), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(toQString(request.closeLabel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<int> TChoiceDlg::chosen() const {
    std::vector<int> result;
    for (const QButtonGroup* group : groups_)
        result.push_back(std::max(group->checkedId(), 0));
    return result;
}

}  // namespace lorvex
