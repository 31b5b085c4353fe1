// Long division of magnitudes. The digits are regrouped into base-10^8 limbs
// and both operands scaled so that the divisor's leading limb is at least half
// the base. Short divisors are divided by normalised long division (Knuth's
// algorithm D): the trial quotient from the two leading limbs is then at most
// two too large, so each quotient limb needs one multiply-and-subtract pass.
// Long divisors are divided recursively (Burnikel and Ziegler): the quotient
// is found half a divisor at a time, each half from a division by the upper
// half of the divisor and a correction by a product, which the Karatsuba
// product makes cheaper than long division's quadratic cost. The quotient and
// the remainder are the exact ones, whatever the method.

#include <algorithm>
#include <cassert>

#include "engine/bigint_magnitude.h"

namespace lorvex::magnitude {
namespace {

using MutableLimbs = std::span<std::uint32_t>;

// Divisors shorter than this many limbs are divided by long division.
constexpr std::size_t kRecursiveThreshold = 40;

// Divides limbs in place by a single limb; returns the remainder.
std::uint32_t divideBySmall(Limbs& limbs, std::uint32_t divisor, const StopCheck& stop) {
    const bool longDivision = limbs.size() >= kPollingLength;
    std::uint64_t remainder = 0;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        if (longDivision) stop.poll();
        const std::uint64_t current = remainder * kLimbBase + limbs[i];
        limbs[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
}

// limbs *= factor, for a factor below the base; the result may grow by a limb.
Limbs multiplyBySmall(const Limbs& limbs, std::uint32_t factor) {
    Limbs product(limbs.size() + 1);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < limbs.size(); ++i) {
        const std::uint64_t value = static_cast<std::uint64_t>(limbs[i]) * factor + carry;
        product[i] = static_cast<std::uint32_t>(value % kLimbBase);
        carry = value / kLimbBase;
    }
    product[limbs.size()] = static_cast<std::uint32_t>(carry);
    return product;
}

// window -= q * divisor over divisor.size() + 1 limbs; returns true when the
// result went negative (the trial quotient was one too large). Each product
// is split into its low and high limb independently of the others, so the
// only chain from limb to limb is a borrow of at most 2.
bool subtractMultiple(std::uint32_t* window, LimbSpan divisor, std::uint64_t q) {
    std::int64_t previousHigh = 0;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < divisor.size(); ++i) {
        const std::uint64_t product = q * divisor[i];
        const std::uint64_t high = product / kLimbBase;
        const std::int64_t limb = static_cast<std::int64_t>(window[i]) -
                                  static_cast<std::int64_t>(product - high * kLimbBase) -
                                  previousHigh - borrow;
        borrow = (limb < 0 ? 1 : 0) + (limb < -std::int64_t{kLimbBase} ? 1 : 0);
        window[i] = static_cast<std::uint32_t>(limb + borrow * kLimbBase);
        previousHigh = static_cast<std::int64_t>(high);
    }
    const std::int64_t last =
        static_cast<std::int64_t>(window[divisor.size()]) - previousHigh - borrow;
    borrow = last < 0 ? 1 : 0;
    window[divisor.size()] = static_cast<std::uint32_t>(last + borrow * kLimbBase);
    return borrow != 0;
}

// window += divisor, dropping the carry out of the top limb (it cancels the
// borrow of the subtraction that went one too far).
void addBack(std::uint32_t* window, LimbSpan divisor) {
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < divisor.size(); ++i) {
        const std::uint32_t sum = window[i] + divisor[i] + carry;
        carry = sum >= kLimbBase ? 1 : 0;
        window[i] = sum - carry * kLimbBase;
    }
    window[divisor.size()] = (window[divisor.size()] + carry) % kLimbBase;
}

// Long division of u by the normalised divisor v (at least two limbs) when
// the top v.size() limbs of u are below v: the quotient goes to q, which has
// u.size() - v.size() limbs, and the remainder is left in the low limbs of u.
void longDivide(MutableLimbs u, LimbSpan v, MutableLimbs q, const StopCheck& stop) {
    const std::size_t n = v.size();
    const bool longDivision = n >= kPollingLength / 2;
    const std::uint64_t leading = v[n - 1];
    const std::uint64_t second = v[n - 2];
    for (std::size_t j = q.size(); j-- > 0;) {
        if (longDivision) stop.poll();
        const std::uint64_t top = static_cast<std::uint64_t>(u[j + n]) * kLimbBase + u[j + n - 1];
        std::uint64_t trial = top / leading;
        std::uint64_t rest = top % leading;
        while (trial >= kLimbBase || trial * second > rest * kLimbBase + u[j + n - 2]) {
            --trial;
            rest += leading;
            if (rest >= kLimbBase) break;
        }
        if (subtractMultiple(u.data() + j, v, trial)) {
            --trial;
            addBack(u.data() + j, v);
        }
        q[j] = static_cast<std::uint32_t>(trial);
    }
}

// -1, 0 or +1 comparing two limb sequences that may have leading zeros.
int compareLimbs(LimbSpan a, LimbSpan b) {
    for (std::size_t i = std::max(a.size(), b.size()); i-- > 0;) {
        const std::uint32_t x = i < a.size() ? a[i] : 0;
        const std::uint32_t y = i < b.size() ? b[i] : 0;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// target += value; the target is long enough for the sum.
void addLimbsInPlace(Limbs& target, LimbSpan value) {
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < target.size() && (i < value.size() || carry != 0); ++i) {
        const std::uint32_t sum = target[i] + (i < value.size() ? value[i] : 0) + carry;
        carry = sum >= kLimbBase ? 1 : 0;
        target[i] = sum - carry * kLimbBase;
    }
    assert(carry == 0);
}

// target -= value, for target >= value.
void subtractLimbsInPlace(Limbs& target, LimbSpan value) {
    std::uint32_t borrow = 0;
    for (std::size_t i = 0; i < target.size() && (i < value.size() || borrow != 0); ++i) {
        const std::uint32_t subtrahend = (i < value.size() ? value[i] : 0) + borrow;
        borrow = target[i] < subtrahend ? 1 : 0;
        target[i] = target[i] + borrow * kLimbBase - subtrahend;
    }
    assert(borrow == 0);
}

Limbs concatenate(LimbSpan low, LimbSpan high) {
    Limbs joined(low.begin(), low.end());
    joined.insert(joined.end(), high.begin(), high.end());
    return joined;
}

void divideUpper(LimbSpan a, LimbSpan b, Limbs& q, Limbs& r, const StopCheck& stop);

// Quotient (n limbs) and remainder (n limbs) of a (2n limbs) by the
// normalised divisor b (n limbs), for a < b * base^n.
void divideTwoByOne(LimbSpan a, LimbSpan b, Limbs& q, Limbs& r, const StopCheck& stop) {
    const std::size_t n = b.size();
    if (n < kRecursiveThreshold) {
        Limbs u(a.begin(), a.end());
        q.assign(n, 0);
        longDivide(u, b, q, stop);
        u.resize(n);
        r = std::move(u);
        return;
    }
    if (n % 2 != 0) {
        // Both times the base: the quotient is the same, the remainder gains
        // a low zero limb.
        Limbs shiftedA(2 * n + 2, 0);
        std::copy(a.begin(), a.end(), shiftedA.begin() + 1);
        Limbs shiftedB(n + 1, 0);
        std::copy(b.begin(), b.end(), shiftedB.begin() + 1);
        divideTwoByOne(shiftedA, shiftedB, q, r, stop);
        q.resize(n);
        r.erase(r.begin());
        return;
    }
    const std::size_t h = n / 2;
    Limbs upperQuotient;
    Limbs upperRemainder;
    divideUpper(a.subspan(h), b, upperQuotient, upperRemainder, stop);
    const Limbs rest = concatenate(a.first(h), upperRemainder);
    Limbs lowerQuotient;
    divideUpper(rest, b, lowerQuotient, r, stop);
    q = concatenate(lowerQuotient, upperQuotient);
}

// Quotient (h limbs) and remainder (b.size() limbs) of a (b.size() + h limbs,
// 0 < h < b.size()) by the normalised divisor b, for a < b * base^h. The
// estimate divides a's upper 2h limbs by b's upper h limbs, which makes it at
// most two too large, whatever the length of the rest of b.
void divideUpper(LimbSpan a, LimbSpan b, Limbs& q, Limbs& r, const StopCheck& stop) {
    const std::size_t h = a.size() - b.size();
    const std::size_t low = b.size() - h;
    const LimbSpan bHigh = b.subspan(low);
    const LimbSpan bLow = b.first(low);
    // c is the remainder of the estimate's division.
    Limbs c;
    if (compareLimbs(a.subspan(low + h), bHigh) < 0) {
        divideTwoByOne(a.subspan(low), bHigh, q, c, stop);
    } else {
        // a's upper h limbs equal bHigh: the estimate is base^h - 1, and
        // a's upper 2h limbs less it times bHigh leave the next h limbs plus bHigh.
        q.assign(h, kLimbBase - 1);
        c.assign(h + 1, 0);
        std::copy_n(a.begin() + static_cast<std::ptrdiff_t>(low), h, c.begin());
        addLimbsInPlace(c, bHigh);
    }
    // r = c * base^low + (a's low limbs) - q * bLow, raised by b while negative.
    r.assign(b.size() + 2, 0);
    std::copy_n(a.begin(), low, r.begin());
    std::copy(c.begin(), c.end(), r.begin() + static_cast<std::ptrdiff_t>(low));
    const Limbs correction = multiplyLimbs(q, bLow, stop);
    while (compareLimbs(r, correction) < 0) {
        std::size_t i = 0;
        while (q[i] == 0)
            q[i++] = kLimbBase - 1;
        --q[i];
        addLimbsInPlace(r, b);
    }
    subtractLimbsInPlace(r, correction);
    r.resize(b.size());
}

// Quotient of u by the normalised divisor v when the top v.size() limbs of u
// are below v: first the quotient's limbs above a whole number of blocks of
// v.size() limbs, then one block at a time; the remainder is left in r.
void recursiveDivide(const Limbs& u, LimbSpan v, Limbs& q, Limbs& r, const StopCheck& stop) {
    const std::size_t n = v.size();
    const LimbSpan dividend(u);
    q.assign(u.size() - n, 0);
    const std::size_t blocks = q.size() / n;
    const std::size_t extra = q.size() % n;
    if (extra == 0) {
        r.assign(dividend.last(n).begin(), dividend.last(n).end());
    } else if (extra < kRecursiveThreshold) {
        Limbs window(dividend.subspan(blocks * n).begin(), dividend.subspan(blocks * n).end());
        longDivide(window, v, MutableLimbs(q).subspan(blocks * n), stop);
        window.resize(n);
        r = std::move(window);
    } else {
        Limbs top;
        divideUpper(dividend.subspan(blocks * n), v, top, r, stop);
        std::copy(top.begin(), top.end(), q.begin() + static_cast<std::ptrdiff_t>(blocks * n));
    }
    for (std::size_t block = blocks; block-- > 0;) {
        stop.poll();
        const Limbs a = concatenate(dividend.subspan(block * n, n), r);
        Limbs blockQuotient;
        divideTwoByOne(a, v, blockQuotient, r, stop);
        std::copy(blockQuotient.begin(), blockQuotient.end(),
                  q.begin() + static_cast<std::ptrdiff_t>(block * n));
    }
}

}  // namespace

void divideLimbs(const Limbs& a, const Limbs& b, Limbs& quotient, Limbs& remainder,
                 const StopCheck& stop) {
    assert(!(b.size() == 1 && b[0] == 0));
    if (b.size() == 1) {
        quotient = a;
        remainder = Limbs{divideBySmall(quotient, b[0], stop)};
        trimLimbs(quotient);
        return;
    }
    if (compareLimbs(a, b) < 0) {
        quotient = Limbs{0};
        remainder = a;
        return;
    }

    const std::size_t n = b.size();
    const auto scale = static_cast<std::uint32_t>(kLimbBase / (b[n - 1] + 1ULL));
    Limbs u = multiplyBySmall(a, scale);
    Limbs v = multiplyBySmall(b, scale);
    v.pop_back();  // the scaled divisor keeps its length
    assert(v[n - 1] >= kLimbBase / 2);

    if (n < kRecursiveThreshold || a.size() - n < kRecursiveThreshold) {
        quotient.assign(u.size() - n, 0);
        longDivide(u, v, quotient, stop);
        u.resize(n);
        remainder = std::move(u);
    } else {
        recursiveDivide(u, v, quotient, remainder, stop);
    }
    divideBySmall(remainder, scale, StopCheck::never());
    trimLimbs(quotient);
    trimLimbs(remainder);
}

void divide(const Digits& a, const Digits& b, Digits& quotient, Digits& remainder,
            const StopCheck& stop) {
    Limbs q;
    Limbs r;
    divideLimbs(toLimbs(a), toLimbs(b), q, r, stop);
    quotient = fromLimbs(q);
    remainder = fromLimbs(r);
}

}  // namespace lorvex::magnitude
