#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <optional>

#include "engine/stop_check.h"

class QProgressDialog;
class QWidget;

namespace lorvex {

// The stop callback of a long computation started from a window. Half a second
// into the work a modal progress box appears, centred on that window; its
// "cancelar" button or the key S asks the computation to stop, which then
// keeps nothing. A computation that tells how far it is gets a determinate
// bar with its step count, the time elapsed and the time expected in all. While it lives it
// is a child of that window, so that the window and its ancestors can tell
// that a computation is running (events are let through while it runs).
class ComputationStopper : public QObject {
    Q_OBJECT
  public:
    explicit ComputationStopper(QWidget* parent);
    ~ComputationStopper() override;

    // The check to hand to the computation; valid while this object lives.
    const StopCheck& stopCheck() const { return check_; }

    // Asked by the computation between its steps.
    bool stopRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showProgress();
    void progressed(const ProgressReport& progress);
    void showLatestProgress();

    QWidget* parent_;
    QElapsedTimer clock_;
    qint64 lastEventsAt_ = 0;
    bool stop_ = false;
    QPointer<QProgressDialog> progress_;
    std::optional<ProgressReport> latest_;
    StopCheck check_;
};

}  // namespace lorvex
