#pragma once

#include <cstdint>

#include "engine/bigint.h"
#include "engine/result_codes.h"
#include "engine/stop_check.h"

// The big-integer operations with result codes, for callers outside the
// engine's own computations. Each returns code::Ok, code::UserStop when the
// stop check asked for it, code::OutOfMemory when memory runs out, or the
// code named below; an output is written only on success.
namespace lorvex::bigint {

int add(const BigInt& a, const BigInt& b, BigInt& sum);
int subtract(const BigInt& a, const BigInt& b, BigInt& difference);
int multiply(const BigInt& a, const BigInt& b, BigInt& product,
             const StopCheck& stop = StopCheck::never());
// code::Singular for a zero divisor.
int divide(const BigInt& a, const BigInt& b, BigInt& quotient, BigInt& remainder,
           const StopCheck& stop = StopCheck::never());
// code::InconsistentData when both are zero.
int gcd(const BigInt& a, const BigInt& b, BigInt& result,
        const StopCheck& stop = StopCheck::never());
// code::InconsistentData when either is zero.
int lcm(const BigInt& a, const BigInt& b, BigInt& result,
        const StopCheck& stop = StopCheck::never());
// code::OutOfMemory for a negative exponent.
int power(const BigInt& a, std::int64_t k, BigInt& result,
          const StopCheck& stop = StopCheck::never());

}  // namespace lorvex::bigint
