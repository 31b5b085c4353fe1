#pragma once

#include <chrono>
#include <optional>

#include "engine/stop_check.h"

namespace lorvex::cli {

// What stops a command of lorvex-cli where the program's long computations
// poll for the user's stop: Ctrl+C (SIGINT), which also ends the script, or
// the command's running longer than its time limit. A second Ctrl+C ends
// the program at once.
class CommandStop {
  public:
    explicit CommandStop(std::optional<std::chrono::milliseconds> timeLimit = std::nullopt)
        : timeLimit_(timeLimit) {}
    CommandStop(const CommandStop&) = delete;
    CommandStop& operator=(const CommandStop&) = delete;

    // Lets Ctrl+C ask for the stop instead of ending the program.
    static void catchInterrupt();
    // Whether Ctrl+C was pressed since the program started.
    static bool interrupted();

    // The time limit of the next command starts now.
    void startCommand();
    // The check that the commands poll; it refers to this object.
    StopCheck check() const;

  private:
    bool stopRequested() const;

    std::optional<std::chrono::milliseconds> timeLimit_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
};

}  // namespace lorvex::cli
