#include "engine/bigint_operations.h"

#include "engine/guarded.h"

namespace lorvex::bigint {

int add(const BigInt& a, const BigInt& b, BigInt& sum) {
    return runGuarded([&] {
        sum = a + b;
        return code::Ok;
    });
}

int subtract(const BigInt& a, const BigInt& b, BigInt& difference) {
    return runGuarded([&] {
        difference = a - b;
        return code::Ok;
    });
}

int multiply(const BigInt& a, const BigInt& b, BigInt& product, const StopCheck& stop) {
    return runGuarded([&] {
        product = BigInt::multiply(a, b, stop);
        return code::Ok;
    });
}

Outcome<BigInt::Division> divide(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    Outcome<BigInt::Division> division;
    division.code = runGuarded([&] {
        division.value = BigInt::divide(a, b, stop);
        return code::Ok;
    });
    return division;
}

int gcd(const BigInt& a, const BigInt& b, BigInt& result, const StopCheck& stop) {
    return runGuarded([&] {
        result = BigInt::gcd(a, b, stop);
        return code::Ok;
    });
}

int lcm(const BigInt& a, const BigInt& b, BigInt& result, const StopCheck& stop) {
    return runGuarded([&] {
        result = BigInt::lcm(a, b, stop);
        return code::Ok;
    });
}

int power(const BigInt& a, std::int64_t k, BigInt& result, const StopCheck& stop) {
    return runGuarded([&] {
        result = BigInt::power(a, k, stop);
        return code::Ok;
    });
}

}  // namespace lorvex::bigint
