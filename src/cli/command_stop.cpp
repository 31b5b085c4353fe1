#include "cli/command_stop.h"

#include <atomic>
#include <csignal>

namespace lorvex::cli {
namespace {

std::atomic<bool> interruptRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    interruptRequested.store(true, std::memory_order_relaxed);
    // The next Ctrl+C is not caught: a command that never polls can still
    // be ended.
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

void CommandStop::catchInterrupt() {
    std::signal(SIGINT, onInterrupt);
}

bool CommandStop::interrupted() {
    return interruptRequested.load(std::memory_order_relaxed);
}

void CommandStop::startCommand() {
    if (timeLimit_) deadline_ = std::chrono::steady_clock::now() + *timeLimit_;
}

StopCheck CommandStop::check() const {
    return StopCheck([this] { return stopRequested(); });
}

bool CommandStop::stopRequested() const {
    return interrupted() || (deadline_ && std::chrono::steady_clock::now() >= *deadline_);
}

}  // namespace lorvex::cli
