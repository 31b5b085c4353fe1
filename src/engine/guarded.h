#pragma once

#include <new>
#include <stdexcept>
#include <utility>

#include "engine/result_codes.h"
#include "engine/stop_check.h"

namespace lorvex {

// A failure with a result code raised deep inside a computation (a zero
// divisor, a gcd of two zeros). Like UserStopRequested it never leaves the
// engine operation that started the computation.
struct EngineFailure {
    int code;
};

// Runs one operation and turns what may escape it into a result code: a user
// stop into code::UserStop, memory exhaustion into code::OutOfMemory and an
// EngineFailure into its code. The operation returns its own code on success
// paths. This is the boundary that keeps exceptions inside a layer.
template <class Operation>
[[nodiscard]] int runGuarded(Operation&& operation) noexcept {
    try {
        return std::forward<Operation>(operation)();
    } catch (const UserStopRequested&) {
        return code::UserStop;
    } catch (const EngineFailure& failure) {
        return failure.code;
    } catch (const std::bad_alloc&) {
        return code::OutOfMemory;
    } catch (const std::length_error&) {
        return code::OutOfMemory;
    }
}

}  // namespace lorvex
