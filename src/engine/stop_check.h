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

    void poll() const {
        if (stopRequested_ && stopRequested_()) throw UserStopRequested{};
    }

  private:
    std::function<bool()> stopRequested_;
};

}  // namespace lorvex
