#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/stop_check.h"

namespace lorvex {

// Signed arbitrary-precision integer in base 10000, the element of exact
// integer-mode matrices.
//
// The magnitude is kept as base-10000 digits of 16 bits, least significant
// first, in normal form: no leading zero digit unless the value is zero, and
// zero is the single digit 0. The sign is a byte of its own; a zero whose sign
// byte is set is still zero, and every test looks at the digits only.
//
// The value-returning operations may throw std::bad_alloc, UserStopRequested
// (when the stop check asks for it) and EngineFailure (a zero divisor, the gcd
// of two zeros). Engine operations catch them with runGuarded; other layers
// use the code-returning functions of bigint_operations.h.
class BigInt {
  public:
    using Digit = std::uint16_t;
    static constexpr Digit kBase = 10000;

    BigInt() : digits_(1, 0) {}
    // 1 digit below 10^4, 2 below 10^8, more for larger magnitudes.
    explicit BigInt(std::int64_t value);

    // Builds a value from digits, least significant first; leading zeros are
    // dropped. Every digit must be below kBase.
    static BigInt fromDigits(std::vector<Digit> digits, bool negative);

    // Index of the most significant digit: the number of digits minus one.
    std::int32_t top() const { return static_cast<std::int32_t>(digits_.size()) - 1; }
    const std::vector<Digit>& digits() const { return digits_; }

    bool isZero() const { return digits_.size() == 1 && digits_[0] == 0; }
    // True for a magnitude of one, whatever the sign.
    bool isOne() const { return digits_.size() == 1 && digits_[0] == 1; }
    bool isNegative() const { return negative_ != 0 && !isZero(); }
    int sign() const { return isZero() ? 0 : (negative_ != 0 ? -1 : 1); }

    // -1, 0 or +1 comparing |a| and |b|.
    static int compareMagnitudes(const BigInt& a, const BigInt& b);

    BigInt operator-() const;
    BigInt magnitude() const;

    // Sums work in place on the left operand's digits.
    BigInt& operator+=(const BigInt& b) { return addSigned(b.digits_, b.isNegative()); }
    BigInt& operator-=(const BigInt& b) { return addSigned(b.digits_, !b.isNegative()); }
    friend BigInt operator+(BigInt a, const BigInt& b) { return a += b; }
    friend BigInt operator-(BigInt a, const BigInt& b) { return a -= b; }
    friend BigInt operator*(const BigInt& a, const BigInt& b) {
        return multiply(a, b, StopCheck::never());
    }
    BigInt& operator*=(const BigInt& b) { return *this = *this * b; }

    // *this -= a * b without a temporary product when a is a single digit,
    // the common case of the integer row reductions.
    BigInt& subtractProduct(const BigInt& a, const BigInt& b, const StopCheck& stop);

    friend bool operator==(const BigInt& a, const BigInt& b) {
        return a.sign() == b.sign() && a.digits_ == b.digits_;
    }
    friend std::strong_ordering operator<=>(const BigInt& a, const BigInt& b);

    // Product; long products poll the stop check once per row of the outer loop.
    static BigInt multiply(const BigInt& a, const BigInt& b, const StopCheck& stop);

    struct Division;
    // Truncating division: the quotient's sign is the exclusive-or of the
    // signs, the remainder has the sign of the dividend. A zero divisor throws
    // EngineFailure{code::Singular}. Long divisions poll the stop check once
    // per quotient digit.
    static Division divide(const BigInt& a, const BigInt& b, const StopCheck& stop);
    // The quotient of a division known to leave no remainder.
    static BigInt divideExactly(const BigInt& a, const BigInt& b, const StopCheck& stop);

    // Non-negative greatest common divisor; gcd(a, 0) = |a|. Two zeros throw
    // EngineFailure{code::InconsistentData}.
    static BigInt gcd(const BigInt& a, const BigInt& b, const StopCheck& stop);
    // |a*b| / gcd(a, b); a zero argument throws EngineFailure{code::InconsistentData}.
    static BigInt lcm(const BigInt& a, const BigInt& b, const StopCheck& stop);
    // a^k by successive squaring; a negative k throws EngineFailure{code::OutOfMemory}.
    static BigInt power(const BigInt& a, std::int64_t k, const StopCheck& stop);

    // The value as a machine integer when |a| < 10^8 (at most two digits).
    std::optional<std::int32_t> toMachineInteger() const;
    // The value as a long double, rounded.
    long double toLongDouble() const;

    // Reads decimal text: blanks are ignored, each leading "-" flips the sign,
    // leading zeros are skipped. Returns code::Ok, code::NotFound for an empty
    // text or code::InconsistentData for any other character than a digit;
    // `out` is changed only on success.
    [[nodiscard]] static int fromText(std::string_view text, BigInt& out);

    struct TextFormat {
        int indent = 0;     // blanks written first
        int maxLength = 0;  // 0: unlimited; otherwise whole groups that fit, then "..."
        int lineWidth = 0;  // 0: one line; otherwise lines of this many characters, CR LF
    };
    std::string toText() const { return toText(TextFormat{}); }
    std::string toText(const TextFormat& format) const;

  private:
    // *this += (negative ? -1 : 1) * magnitude: equal signs add magnitudes,
    // different signs subtract the smaller magnitude from the larger and take
    // the sign of the larger.
    BigInt& addSigned(const std::vector<Digit>& magnitude, bool negative);

    std::vector<Digit> digits_;
    std::uint8_t negative_ = 0;
};

struct BigInt::Division {
    BigInt quotient;
    BigInt remainder;
};

}  // namespace lorvex
