#include "cli/command_stop.h"

#include <signal.h>

#include <atomic>
#include <csignal>

namespace lorvex::cli {
namespace {

std::atomic<bool> interruptRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    interruptRequested.store(true, std::memory_order_relaxed);
}

}  // namespace

// Once caught, Ctrl+C is left to its default again, so that a second one
// ends a command that never polls. Where the system allows, waiting for a
// line of standard input is interrupted too, instead of resumed.
void CommandStop::catchInterrupt() {
#ifdef SA_RESETHAND
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
#else
    std::signal(SIGINT, onInterrupt);
#endif
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
