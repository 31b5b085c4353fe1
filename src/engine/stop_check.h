#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace lorvex {

// Thrown inside the engine when the user asks a long computation to stop; it
// never leaves an engine operation, which turns it into code::UserStop.
struct UserStopRequested {};

// How far a long computation has come: step `done` of `total`, and the share
// of its work done so far (its steps may differ in cost).
struct ProgressReport {
    std::uint64_t done = 0;
    std::uint64_t total = 0;
    double workDone = 0;
};

// The stop callback of long computations. It is polled where the work can be
// abandoned; a request ends the operation with code::UserStop and nothing of
// its result is kept.
class StopCheck {
  public:
    StopCheck() = default;
    explicit StopCheck(std::function<bool()> stopRequested,
                       std::function<void(const ProgressReport&)> progress = {})
        : stopRequested_(std::move(stopRequested)), progress_(std::move(progress)) {}

    // A check that never asks to stop.
    static const StopCheck& never() {
        static const StopCheck none;
        return none;
    }

    // Whether the user asks to stop now, for the few searches that end early
    // and keep what they found instead of failing.
    bool requested() const { return stopRequested_ && stopRequested_(); }

    void poll() const {
        if (requested()) throw UserStopRequested{};
    }

    // Computations that can tell how far they are call this before they poll.
    bool wantsProgress() const { return static_cast<bool>(progress_); }
    void report(const ProgressReport& progress) const {
        if (progress_) progress_(progress);
    }

  private:
    std::function<bool()> stopRequested_;
    std::function<void(const ProgressReport&)> progress_;
};

}  // namespace lorvex
