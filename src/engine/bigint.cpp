#include "engine/bigint.h"

#include <cassert>
#include <cmath>

#include "engine/bigint_magnitude.h"
#include "engine/guarded.h"

namespace lorvex {

namespace magnitude {

void trim(Digits& digits) {
    std::size_t length = digits.size();
    while (length > 1 && digits[length - 1] == 0)
        --length;
    digits.resize(length == 0 ? 1 : length);
}

int compare(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

void addInPlace(Digits& a, const Digits& b) {
    if (a.size() < b.size()) a.resize(b.size(), 0);
    unsigned carry = 0;
    for (std::size_t i = 0; i < a.size() && (i < b.size() || carry != 0); ++i) {
        const unsigned digit = a[i] + carry + (i < b.size() ? b[i] : 0U);
        carry = digit >= 10000 ? 1 : 0;
        a[i] = static_cast<std::uint16_t>(digit - carry * 10000);
    }
    if (carry != 0) a.push_back(1);
}

void subtractInPlace(Digits& a, const Digits& b) {
    int borrow = 0;
    for (std::size_t i = 0; i < a.size() && (i < b.size() || borrow != 0); ++i) {
        const int digit = a[i] - borrow - (i < b.size() ? b[i] : 0);
        borrow = digit < 0 ? 1 : 0;
        a[i] = static_cast<std::uint16_t>(digit + borrow * 10000);
    }
    assert(borrow == 0);
    trim(a);
}

void subtractFromInPlace(Digits& a, const Digits& b) {
    a.resize(b.size(), 0);
    int borrow = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const int digit = b[i] - borrow - a[i];
        borrow = digit < 0 ? 1 : 0;
        a[i] = static_cast<std::uint16_t>(digit + borrow * 10000);
    }
    assert(borrow == 0);
    trim(a);
}

void trimLimbs(Limbs& limbs) {
    while (limbs.size() > 1 && limbs.back() == 0)
        limbs.pop_back();
}

Limbs toLimbs(const Digits& digits) {
    Limbs limbs((digits.size() + 1) / 2);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        limbs[i / 2] += (i % 2 == 0) ? digits[i] : digits[i] * 10000U;
    }
    return limbs;
}

Digits fromLimbs(const Limbs& limbs) {
    Digits digits(limbs.size() * 2);
    for (std::size_t i = 0; i < limbs.size(); ++i) {
        digits[2 * i] = static_cast<std::uint16_t>(limbs[i] % 10000);
        digits[2 * i + 1] = static_cast<std::uint16_t>(limbs[i] / 10000);
    }
    trim(digits);
    return digits;
}

}  // namespace magnitude

BigInt::BigInt(std::int64_t value) : negative_(value < 0 ? 1 : 0) {
    // Work on the unsigned magnitude so that the most negative value is safe.
    std::uint64_t rest =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    digits_.clear();
    do {
        digits_.push_back(static_cast<Digit>(rest % kBase));
        rest /= kBase;
    } while (rest != 0);
}

BigInt BigInt::fromDigits(std::vector<Digit> digits, bool negative) {
    BigInt value;
    value.digits_ = std::move(digits);
    magnitude::trim(value.digits_);
    value.negative_ = negative && !value.isZero() ? 1 : 0;
    return value;
}

int BigInt::compareMagnitudes(const BigInt& a, const BigInt& b) {
    return magnitude::compare(a.digits_, b.digits_);
}

BigInt BigInt::operator-() const {
    BigInt negated = *this;
    negated.negative_ = (negative_ == 0 && !isZero()) ? 1 : 0;
    return negated;
}

BigInt BigInt::magnitude() const {
    BigInt absolute = *this;
    absolute.negative_ = 0;
    return absolute;
}

BigInt& BigInt::addSigned(const std::vector<Digit>& other, bool otherNegative) {
    const bool negative = isNegative();
    if (negative == otherNegative) {
        magnitude::addInPlace(digits_, other);
        return *this;
    }
    const int order = magnitude::compare(digits_, other);
    if (order >= 0) {
        magnitude::subtractInPlace(digits_, other);
    } else {
        magnitude::subtractFromInPlace(digits_, other);
        negative_ = otherNegative ? 1 : 0;
    }
    if (isZero()) negative_ = 0;
    return *this;
}

BigInt& BigInt::subtractProduct(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    if (a.isZero() || b.isZero()) return *this;
    // The term added is -a*b.
    const bool termNegative = a.isNegative() == b.isNegative();
    const BigInt& single = a.top() == 0 ? a : b;
    const BigInt& other = a.top() == 0 ? b : a;
    if (single.top() != 0) return addSigned(multiply(a, b, stop).digits_, termNegative);

    if (isZero() || isNegative() == termNegative) {
        magnitude::addMultipleInPlace(digits_, other.digits_, single.digits_[0]);
        negative_ = termNegative ? 1 : 0;
    } else if (magnitude::subtractMultipleInPlace(digits_, other.digits_, single.digits_[0])) {
        negative_ = termNegative ? 1 : 0;
    }
    if (isZero()) negative_ = 0;
    return *this;
}

std::strong_ordering operator<=>(const BigInt& a, const BigInt& b) {
    if (a.sign() != b.sign()) return a.sign() <=> b.sign();
    const int order = magnitude::compare(a.digits_, b.digits_);
    return a.isNegative() ? 0 <=> order : order <=> 0;
}

BigInt BigInt::multiply(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    if (a.isZero() || b.isZero()) return BigInt();
    return fromDigits(magnitude::multiply(a.digits_, b.digits_, stop),
                      a.isNegative() != b.isNegative());
}

BigInt::Division BigInt::divide(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    if (b.isZero()) throw EngineFailure{code::Singular};
    if (a.isZero()) return {BigInt(), BigInt()};
    const bool negativeQuotient = a.isNegative() != b.isNegative();
    if (b.isOne()) return {fromDigits(a.digits_, negativeQuotient), BigInt()};
    const int order = magnitude::compare(a.digits_, b.digits_);
    if (order == 0) return {BigInt(negativeQuotient ? -1 : 1), BigInt()};
    if (order < 0) return {BigInt(), a};
    magnitude::Digits quotient;
    magnitude::Digits remainder;
    magnitude::divide(a.digits_, b.digits_, quotient, remainder, stop);
    return {fromDigits(std::move(quotient), negativeQuotient),
            fromDigits(std::move(remainder), a.isNegative())};
}

BigInt BigInt::divideExactly(const BigInt& a, const BigInt& b, const StopCheck& stop) {
    Division division = divide(a, b, stop);
    assert(division.remainder.isZero());
    return std::move(division.quotient);
}

std::optional<std::int32_t> BigInt::toMachineInteger() const {
    if (top() > 1) return std::nullopt;
    std::int32_t value = digits_[0] + (top() == 1 ? digits_[1] * 10000 : 0);
    return isNegative() ? -value : value;
}

long double BigInt::toLongDouble() const {
    long double value = 0.0L;
    for (std::size_t i = digits_.size(); i-- > 0;)
        value = value * kBase + digits_[i];
    return isNegative() ? -value : value;
}

}  // namespace lorvex
