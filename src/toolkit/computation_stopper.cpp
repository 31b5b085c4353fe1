#include "toolkit/computation_stopper.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProgressDialog>

#include "toolkit/qt_text.h"
#include "workspace/duration_text.h"

namespace lorvex {
namespace {

constexpr qint64 kProgressDelayMs = 500;
constexpr qint64 kEventIntervalMs = 50;

}  // namespace

ComputationStopper::ComputationStopper(QWidget* parent)
    : QObject(parent),
      parent_(parent),
      check_([this] { return stopRequested(); },
             [this](const ProgressReport& progress) { progressed(progress); }) {
    clock_.start();
}

ComputationStopper::~ComputationStopper() {
    delete progress_;
}

bool ComputationStopper::stopRequested() {
    if (stop_) return true;
    const qint64 now = clock_.elapsed();
    if (now < kProgressDelayMs || now - lastEventsAt_ < kEventIntervalMs) return false;
    lastEventsAt_ = now;
    if (progress_ == nullptr) showProgress();
    showLatestProgress();
    QApplication::processEvents();
    return stop_;
}

void ComputationStopper::showProgress() {
    progress_ = new QProgressDialog(uiString(strings::id::CalculatingPressS),
                                    uiString(strings::id::Cancel), 0, 0, parent_);
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setMinimumDuration(0);
    progress_->installEventFilter(this);
    connect(progress_, &QProgressDialog::canceled, this, [this] { stop_ = true; });
    progress_->adjustSize();
    if (parent_ != nullptr) {
        QRect box = progress_->frameGeometry();
        box.moveCenter(parent_->window()->frameGeometry().center());
        progress_->move(box.topLeft());
    }
    progress_->show();
}

void ComputationStopper::progressed(const ProgressReport& progress) {
    latest_ = progress;
}

void ComputationStopper::showLatestProgress() {
    if (!latest_ || progress_ == nullptr) return;
    constexpr int kSteps = 1000;
    progress_->setMaximum(kSteps);
    progress_->setValue(static_cast<int>(latest_->workDone * kSteps));
    const double elapsed = static_cast<double>(clock_.elapsed()) / 1000;
    const double expected = latest_->workDone > 0 ? elapsed / latest_->workDone : 0;
    progress_->setLabelText(
        uiString(strings::id::CalculatingPressS) + "\n" +
        uiString(strings::id::MinorProgress)
            .arg(QString::number(latest_->done), QString::number(latest_->total)) +
        "\n" +
        uiString(strings::id::ElapsedTime)
            .arg(toQString(durationText(elapsed)), toQString(durationText(expected))));
}

bool ComputationStopper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_S) {
            stop_ = true;
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lorvex
