#pragma once

#include <functional>
#include <utility>

namespace lorvex {

// Thrown inside the engine when the user asks a long computation to stop; it
// never leaves an engine operation, which turns it into code::UserStop.
struct UserStopRequested {};

// The stop callback of long computations. It is polled where the work can be
// abandoned; a request ends the operation with code::UserStop and nothing of
// its result is kept.
class StopCheck {
  public:
    StopCheck() = default;
    explicit StopCheck(std::function<bool()> stopRequested)
        : stopRequested_(std::move(stopRequested)) {}

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

  private:
    std::function<bool()> stopRequested_;
};

}  // namespace lorvex
