// Arbitrary text read as a big integer: every input is either refused with a
// code or gives a value that survives writing and reading back and the basic
// identities of the arithmetic.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/bigint.h"
#include "engine/bigint_operations.h"
#include "engine/result_codes.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using lorvex::BigInt;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    BigInt value(12345);
    const int rc = BigInt::fromText(text, value);
    if (rc != lorvex::code::Ok) {
        check(rc == lorvex::code::NotFound || rc == lorvex::code::InconsistentData);
        check(value == BigInt(12345));
        return 0;
    }

    BigInt back;
    check(BigInt::fromText(value.toText(), back) == lorvex::code::Ok);
    check(back == value);
    check(!value.toText({.indent = 2, .maxLength = 9, .lineWidth = 4}).empty());

    const BigInt divisor = value + BigInt(7919);
    if (!divisor.isZero()) {
        const BigInt square = value * value;
        const lorvex::Outcome<BigInt::Division> division = lorvex::bigint::divide(square, divisor);
        check(division.code == lorvex::code::Ok);
        check(division.value.quotient * divisor + division.value.remainder == square);
        check(BigInt::compareMagnitudes(division.value.remainder, divisor) < 0);
    }
    return 0;
}
