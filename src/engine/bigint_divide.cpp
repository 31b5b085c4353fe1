// Long division of magnitudes. The digits are regrouped into base-10^8 limbs
// and divided by normalised long division (Knuth's algorithm D): scaling both
// operands so that the divisor's leading limb is at least half the base makes
// the trial quotient from the two leading limbs at most two too large, so each
// quotient limb needs one multiply-and-subtract pass. The quotient and the
// remainder are the exact ones, whatever the method.

#include <cassert>

#include "engine/bigint_magnitude.h"

namespace lorvex::magnitude {
namespace {

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
// result went negative (the trial quotient was one too large).
bool subtractMultiple(std::uint32_t* window, const Limbs& divisor, std::uint64_t q) {
    std::uint64_t carry = 0;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < divisor.size(); ++i) {
        const std::uint64_t product = q * divisor[i] + carry;
        carry = product / kLimbBase;
        std::int64_t limb = static_cast<std::int64_t>(window[i]) -
                            static_cast<std::int64_t>(product % kLimbBase) - borrow;
        borrow = limb < 0 ? 1 : 0;
        window[i] = static_cast<std::uint32_t>(limb + borrow * kLimbBase);
    }
    std::int64_t last = static_cast<std::int64_t>(window[divisor.size()]) -
                        static_cast<std::int64_t>(carry) - borrow;
    borrow = last < 0 ? 1 : 0;
    window[divisor.size()] = static_cast<std::uint32_t>(last + borrow * kLimbBase);
    return borrow != 0;
}

// window += divisor, dropping the carry out of the top limb (it cancels the
// borrow of the subtraction that went one too far).
void addBack(std::uint32_t* window, const Limbs& divisor) {
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < divisor.size(); ++i) {
        const std::uint32_t sum = window[i] + divisor[i] + carry;
        carry = sum >= kLimbBase ? 1 : 0;
        window[i] = sum - carry * kLimbBase;
    }
    window[divisor.size()] = (window[divisor.size()] + carry) % kLimbBase;
}

}  // namespace

void divide(const Digits& a, const Digits& b, Digits& quotient, Digits& remainder,
            const StopCheck& stop) {
    assert(!(b.size() == 1 && b[0] == 0));
    Limbs dividend = toLimbs(a);
    const Limbs divisorLimbs = toLimbs(b);

    if (divisorLimbs.size() == 1) {
        const std::uint32_t rest = divideBySmall(dividend, divisorLimbs[0], stop);
        quotient = fromLimbs(dividend);
        remainder = fromLimbs(Limbs{rest});
        return;
    }
    if (compare(a, b) < 0) {
        quotient = Digits{0};
        remainder = a;
        return;
    }

    const std::size_t n = divisorLimbs.size();
    const std::size_t m = dividend.size() - n;
    const auto scale = static_cast<std::uint32_t>(kLimbBase / (divisorLimbs[n - 1] + 1ULL));
    Limbs u = multiplyBySmall(dividend, scale);
    Limbs v = multiplyBySmall(divisorLimbs, scale);
    v.pop_back();  // the scaled divisor keeps its length
    assert(v[n - 1] >= kLimbBase / 2);

    const bool longDivision = n >= kPollingLength / 2;
    Limbs q(m + 1, 0);
    const std::uint64_t leading = v[n - 1];
    const std::uint64_t second = v[n - 2];
    for (std::size_t j = m + 1; j-- > 0;) {
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

    u.resize(n);
    divideBySmall(u, scale, StopCheck::never());
    quotient = fromLimbs(q);
    remainder = fromLimbs(u);
}

}  // namespace lorvex::magnitude
