#include "frame/exact_steps_box.h"

#include <QEvent>

#include "toolkit/program_settings.h"
#include "toolkit/qt_text.h"
#include "workspace/step_operations.h"

namespace lorvex {
namespace {

const QString kExactKey = QStringLiteral("steps/exact");

}  // namespace

ExactStepsBox::ExactStepsBox(StepOperations& steps, QWidget* dialog)
    : QCheckBox(uiString(strings::id::ExactSteps), dialog), steps_(steps) {
    setObjectName("exact");
    dialog->installEventFilter(this);
    connect(this, &QCheckBox::toggled, this, [this](bool on) {
        programSettings()->setValue(kExactKey, on);
        steps_.setExact(on);
    });
    refresh();
}

void ExactStepsBox::refresh() {
    const QSignalBlocker blocker(this);
    setChecked(programSettings()->value(kExactKey, false).toBool());
    setEnabled(steps_.exactAvailable());
    steps_.setExact(isChecked());
}

bool ExactStepsBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) refresh();
    return QCheckBox::eventFilter(watched, event);
}

}  // namespace lorvex
