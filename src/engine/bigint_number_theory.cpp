#include <utility>

#include "engine/bigint.h"
#include "engine/bigint_magnitude.h"
#include "engine/guarded.h"

namespace lorvex {

BigInt BigInt::gcd(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    if (a.isZero() && b.isZero()) throw EngineFailure{code::InconsistentData};
    return fromDigits(magnitude::gcd(a.digits(), b.digits(), stop), false);
}

BigInt BigInt::lcm(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    if (a.isZero() || b.isZero()) throw EngineFailure{code::InconsistentData};
    const BigInt common = gcd(a, b, stop);
    return multiply(divideExactly(a.magnitude(), common, stop), b.magnitude(), stop);
}

BigInt BigInt::power(const BigInt& a, std::int64_t k, const StopCheck& stop) {
    if (k < 0) throw EngineFailure{code::OutOfMemory};
    BigInt result(1);
    BigInt base = a;
    while (k > 0) {
        if (k % 2 == 1) result = multiply(result, base, stop);
        k /= 2;
        if (k > 0) base = multiply(base, base, stop);
    }
    return result;
}

}  // namespace lorvex
