#include "toolkit/computation_stopper.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProgressDialog>

#include "toolkit/qt_text.h"

namespace lorvex {
namespace {

constexpr qint64 kProgressDelayMs = 500;
constexpr qint64 kEventIntervalMs = 50;

}  // namespace

ComputationStopper::ComputationStopper(QWidget* parent)
    : QObject(parent), parent_(parent), check_([this] { return stopRequested(); }) {
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
    progress_->show();
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
