// Products of magnitudes. The digits are regrouped into base-10^8 limbs so
// that one machine multiplication does the work of four digit products; long
// operands use Karatsuba's three half-size products instead of four. Every
// algorithm here gives the exact product, so the choice is only one of speed.

#include <algorithm>
#include <cassert>
#include <span>

#include "engine/bigint_magnitude.h"

namespace lorvex::magnitude {
namespace {

// Below this many limbs the schoolbook product is faster than splitting.
constexpr std::size_t kKaratsubaThreshold = 80;

// Each column of the schoolbook product collects at most this many products
// below 10^16 before its carries are taken out, so it never passes 2^64.
[[maybe_unused]] constexpr std::size_t kMaxColumnTerms = 1800;

Limbs normalizeColumns(const std::vector<std::uint64_t>& columns) {
    Limbs limbs(columns.size() + 1);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::uint64_t value = columns[i] + carry;
        limbs[i] = static_cast<std::uint32_t>(value % kLimbBase);
        carry = value / kLimbBase;
    }
    assert(carry < kLimbBase);
    limbs[columns.size()] = static_cast<std::uint32_t>(carry);
    return limbs;
}

// Two rows of the outer loop at a time, limbs j and j + 1 of b, so that each
// column is loaded and stored once for two products.
Limbs schoolbook(LimbSpan a, LimbSpan b, const StopCheck& stop) {
    assert(std::min(a.size(), b.size()) <= kMaxColumnTerms);
    std::vector<std::uint64_t> columns(a.size() + b.size(), 0);
    const bool longRows = a.size() >= kPollingLength;
    std::size_t j = 0;
    for (; j + 1 < b.size(); j += 2) {
        if (longRows) stop.poll();
        const std::uint32_t first = b[j];
        const std::uint32_t second = b[j + 1];
        std::uint64_t* row = columns.data() + j;
        row[0] += std::uint64_t{a[0]} * first;
        for (std::size_t i = 1; i < a.size(); ++i)
            row[i] += std::uint64_t{a[i]} * first + std::uint64_t{a[i - 1]} * second;
        row[a.size()] += std::uint64_t{a[a.size() - 1]} * second;
    }
    if (j < b.size()) {
        const std::uint64_t factor = b[j];
        std::uint64_t* row = columns.data() + j;
        for (std::size_t i = 0; i < a.size(); ++i)
            row[i] += a[i] * factor;
    }
    return normalizeColumns(columns);
}

Limbs addLimbs(LimbSpan a, LimbSpan b) {
    Limbs sum(std::max(a.size(), b.size()) + 1, 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i + 1 < sum.size(); ++i) {
        std::uint32_t value = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        carry = value >= kLimbBase ? 1 : 0;
        sum[i] = value - carry * kLimbBase;
    }
    sum.back() = carry;
    return sum;
}

// target[shift...] += middle - low - high in one pass. The middle product
// less the outer two is non-negative, but its limbs taken one by one are not,
// so the carry runs from -2 to +2; a bias of four bases keeps its division
// unsigned.
void addMiddleInPlace(Limbs& target, const Limbs& middle, const Limbs& low, const Limbs& high,
                      std::size_t shift) {
    constexpr std::int64_t kBias = 4 * std::int64_t{kLimbBase};
    const auto limb = [](const Limbs& limbs, std::size_t i) -> std::int64_t {
        return i < limbs.size() ? limbs[i] : 0;
    };
    std::int64_t carry = 0;
    std::size_t position = shift;
    for (std::size_t i = 0; i < middle.size(); ++i, ++position) {
        const auto value = static_cast<std::uint64_t>(target[position] + middle[i] - limb(low, i) -
                                                      limb(high, i) + carry + kBias);
        const std::uint64_t quotient = value / kLimbBase;
        target[position] = static_cast<std::uint32_t>(value - quotient * kLimbBase);
        carry = static_cast<std::int64_t>(quotient) - 4;
    }
    for (; carry != 0; ++position) {
        const std::int64_t value = target[position] + carry;
        carry = value < 0 ? -1 : (value >= kLimbBase ? 1 : 0);
        target[position] = static_cast<std::uint32_t>(value - carry * kLimbBase);
    }
}

// target += value * base^shift; target is long enough for the sum.
void addShiftedInPlace(Limbs& target, LimbSpan value, std::size_t shift) {
    std::uint32_t carry = 0;
    std::size_t position = shift;
    for (const std::uint32_t limb : value) {
        const std::uint32_t sum = target[position] + limb + carry;
        carry = sum >= kLimbBase ? 1 : 0;
        target[position++] = sum - carry * kLimbBase;
    }
    for (; carry != 0; ++position) {
        const std::uint32_t sum = target[position] + carry;
        carry = sum >= kLimbBase ? 1 : 0;
        target[position] = sum - carry * kLimbBase;
    }
}

LimbSpan withoutLeadingZeros(LimbSpan limbs) {
    std::size_t length = limbs.size();
    while (length > 1 && limbs[length - 1] == 0)
        --length;
    return limbs.first(length);
}

// Product of two operands of equal length n; the result has 2n + 1 or 2n + 2
// limbs.
Limbs karatsuba(LimbSpan a, LimbSpan b, const StopCheck& stop) {
    assert(a.size() == b.size());
    const std::size_t n = a.size();
    if (n < kKaratsubaThreshold) {
        // One poll per small product keeps the polling cheap and frequent.
        stop.poll();
        return schoolbook(a, b, stop);
    }

    const std::size_t half = n / 2;
    const Limbs low = karatsuba(a.first(half), b.first(half), stop);
    const Limbs high = karatsuba(a.subspan(half), b.subspan(half), stop);
    const Limbs aSum = addLimbs(a.first(half), a.subspan(half));
    const Limbs bSum = addLimbs(b.first(half), b.subspan(half));
    const Limbs middle = karatsuba(aSum, bSum, stop);

    // The outer products do not overlap: a0 b0 has at most 2 half limbs, and
    // a1 b1 at most 2 (n - half).
    Limbs product(2 * n + 2, 0);
    std::copy_n(low.begin(), 2 * half, product.begin());
    std::copy_n(high.begin(), 2 * (n - half),
                product.begin() + static_cast<std::ptrdiff_t>(2 * half));
    addMiddleInPlace(product, middle, low, high, half);
    return product;
}

// a is the longer operand. It is cut into pieces as long as b, each multiplied
// by Karatsuba, and the shifted partial products are summed.
Limbs multiplyLong(LimbSpan a, LimbSpan b, const StopCheck& stop) {
    const std::size_t pieceLength = b.size();
    Limbs product(a.size() + b.size() + 2, 0);
    Limbs piece(pieceLength);
    for (std::size_t start = 0; start < a.size(); start += pieceLength) {
        const std::size_t length = std::min(pieceLength, a.size() - start);
        std::fill(piece.begin(), piece.end(), 0);
        std::copy_n(a.begin() + static_cast<std::ptrdiff_t>(start), length, piece.begin());
        const Limbs partial = karatsuba(piece, b, stop);
        addShiftedInPlace(product, withoutLeadingZeros(partial), start);
    }
    return product;
}

// Products with a short factor are formed digit by digit straight into the
// result, which spares the regrouping into limbs.
constexpr std::size_t kShortFactorDigits = 8;

Digits multiplyByShort(const Digits& longer, const Digits& shorter) {
    Digits product(longer.size() + shorter.size(), 0);
    for (std::size_t j = 0; j < shorter.size(); ++j) {
        const std::uint32_t factor = shorter[j];
        if (factor == 0) continue;
        std::uint32_t carry = 0;
        for (std::size_t i = 0; i < longer.size(); ++i) {
            const std::uint32_t value = product[i + j] + longer[i] * factor + carry;
            carry = value / 10000;
            product[i + j] = static_cast<std::uint16_t>(value - carry * 10000);
        }
        product[j + longer.size()] = static_cast<std::uint16_t>(carry);
    }
    trim(product);
    return product;
}

}  // namespace

// The two loops below split each digit product into its low and high digit
// independently of the previous digit, so the only chain from digit to digit
// is a carry or borrow of at most 2, found by comparisons.

void addMultipleInPlace(Digits& a, const Digits& b, std::uint32_t factor) {
    if (a.size() < b.size()) a.resize(b.size(), 0);
    std::uint32_t previousHigh = 0;
    std::uint32_t carry = 0;
    std::size_t i = 0;
    for (; i < b.size(); ++i) {
        const std::uint32_t product = b[i] * factor;
        const std::uint32_t high = product / 10000;
        const std::uint32_t value = a[i] + (product - high * 10000) + previousHigh + carry;
        carry = (value >= 10000 ? 1U : 0U) + (value >= 20000 ? 1U : 0U);
        a[i] = static_cast<std::uint16_t>(value - carry * 10000);
        previousHigh = high;
    }
    for (; previousHigh != 0 || carry != 0; ++i) {
        if (i == a.size()) a.push_back(0);
        const std::uint32_t value = a[i] + previousHigh + carry;
        carry = value >= 10000 ? 1U : 0U;
        a[i] = static_cast<std::uint16_t>(value - carry * 10000);
        previousHigh = 0;
    }
}

bool subtractMultipleInPlace(Digits& a, const Digits& b, std::uint32_t factor) {
    if (a.size() < b.size()) a.resize(b.size(), 0);
    std::int32_t previousHigh = 0;
    std::int32_t borrow = 0;
    std::size_t i = 0;
    for (; i < b.size(); ++i) {
        const auto product = static_cast<std::int32_t>(b[i] * factor);
        const std::int32_t high = product / 10000;
        const std::int32_t digit = a[i] - (product - high * 10000) - previousHigh - borrow;
        borrow = (digit < 0 ? 1 : 0) + (digit < -10000 ? 1 : 0);
        a[i] = static_cast<std::uint16_t>(digit + borrow * 10000);
        previousHigh = high;
    }
    for (; previousHigh != 0 || borrow != 0; ++i) {
        if (i == a.size()) {
            // A single borrow past the top: factor * b was the larger.
            if (previousHigh == 0 && borrow == 1) break;
            a.push_back(0);
        }
        const std::int32_t digit = a[i] - previousHigh - borrow;
        borrow = digit < 0 ? 1 : 0;
        a[i] = static_cast<std::uint16_t>(digit + borrow * 10000);
        previousHigh = 0;
    }
    const bool negative = borrow != 0;
    if (negative) {
        // The digits hold base^length - |a - factor * b|: take the complement.
        std::int32_t complementBorrow = 0;
        for (std::uint16_t& digit : a) {
            const std::int32_t value = -digit - complementBorrow;
            complementBorrow = value < 0 ? 1 : 0;
            digit = static_cast<std::uint16_t>(value + complementBorrow * 10000);
        }
    }
    trim(a);
    return negative;
}

Limbs multiplyLimbs(LimbSpan a, LimbSpan b, const StopCheck& stop) {
    LimbSpan longer = withoutLeadingZeros(a);
    LimbSpan shorter = withoutLeadingZeros(b);
    if (longer.size() < shorter.size()) std::swap(longer, shorter);
    if (shorter.size() < kKaratsubaThreshold) return schoolbook(longer, shorter, stop);
    return multiplyLong(longer, shorter, stop);
}

Digits multiply(const Digits& a, const Digits& b, const StopCheck& stop) {
    if (std::min(a.size(), b.size()) <= kShortFactorDigits) {
        return a.size() >= b.size() ? multiplyByShort(a, b) : multiplyByShort(b, a);
    }
    return fromLimbs(multiplyLimbs(toLimbs(a), toLimbs(b), stop));
}

}  // namespace lorvex::magnitude
