#include "engine/modular_arithmetic.h"

#include <array>
#include <utility>

namespace lorvex::modular {

std::uint64_t inverse(std::uint64_t a, std::uint64_t p) {
    // Below 2^62 every remainder and Bezout coefficient fits a signed word.
    auto r = static_cast<std::int64_t>(p);
    auto newR = static_cast<std::int64_t>(a);
    std::int64_t t = 0;
    std::int64_t newT = 1;
    while (newR != 0) {
        const std::int64_t q = r / newR;
        t = std::exchange(newT, t - q * newT);
        r = std::exchange(newR, r - q * newR);
    }
    return static_cast<std::uint64_t>(t < 0 ? t + static_cast<std::int64_t>(p) : t);
}

namespace {

std::uint64_t power(std::uint64_t a, std::uint64_t k, std::uint64_t n) {
    std::uint64_t result = 1;
    for (; k > 0; k >>= 1) {
        if ((k & 1) != 0) result = multiply(result, a, n);
        a = multiply(a, a, n);
    }
    return result;
}

// Miller-Rabin with bases that decide every n below 2^64.
bool isPrime(std::uint64_t n) {
    for (std::uint64_t small : {3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47}) {
        if (n % small == 0) return false;
    }
    std::uint64_t d = n - 1;
    int twos = 0;
    for (; d % 2 == 0; d /= 2)
        ++twos;
    constexpr std::array<std::uint64_t, 7> bases{2, 325, 9375, 28178, 450775, 9780504, 1795265022};
    for (std::uint64_t base : bases) {
        std::uint64_t x = power(base % n, d, n);
        if (x == 1 || x == n - 1) continue;
        int squarings = 1;
        for (; squarings < twos && x != n - 1; ++squarings)
            x = multiply(x, x, n);
        if (x != n - 1) return false;
    }
    return true;
}

}  // namespace

std::uint64_t PrimeSequence::next() {
    std::uint64_t candidate = (last_ % 2 == 0) ? last_ - 1 : last_ - 2;
    while (!isPrime(candidate))
        candidate -= 2;
    last_ = candidate;
    return candidate;
}

std::vector<std::uint64_t> residues(const std::vector<BigInt>& values, std::uint64_t p) {
    const Factor base(BigInt::kBase, p);
    std::vector<std::uint64_t> result;
    result.reserve(values.size());
    for (const BigInt& value : values) {
        const std::vector<BigInt::Digit>& digits = value.digits();
        std::uint64_t r = 0;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            r = base.times(r, p) + *digit;
            if (r >= p) r -= p;
        }
        result.push_back(value.isNegative() && r != 0 ? p - r : r);
    }
    return result;
}

namespace {

// One value from its mixed-radix digits v_0 + v_1 p_0 + v_2 p_0 p_1 + ...,
// taken as the symmetric residue: a value above (M - 1) / 2 stands for itself
// minus M. Horner's rule runs directly in base-10^8 limbs.
class MixedRadixValue {
  public:
    explicit MixedRadixValue(const std::vector<std::uint64_t>& primes) : primes_(primes) {}

    BigInt operator()(const std::vector<std::uint64_t>& digits, std::size_t stride, std::size_t e) {
        const std::size_t k = primes_.size();
        const auto digit = [&](std::size_t i) { return digits[i * stride + e]; };
        // (M - 1) / 2 has the mixed-radix digits (p_i - 1) / 2.
        bool negative = false;
        for (std::size_t i = k; i-- > 0;) {
            const std::uint64_t half = (primes_[i] - 1) / 2;
            if (digit(i) != half) {
                negative = digit(i) > half;
                break;
            }
        }
        // For a negative value, M - x = (M - 1 - x) + 1, and M - 1 - x has the
        // digits p_i - 1 - v_i.
        const auto term = [&](std::size_t i) {
            return negative ? primes_[i] - 1 - digit(i) : digit(i);
        };
        limbs_.clear();
        multiplyAdd(1, term(k - 1));
        for (std::size_t i = k - 1; i-- > 0;)
            multiplyAdd(primes_[i], term(i));
        if (negative) multiplyAdd(1, 1);
        std::vector<BigInt::Digit> decimal;
        decimal.reserve(2 * limbs_.size() + 1);
        for (std::uint64_t limb : limbs_) {
            decimal.push_back(static_cast<BigInt::Digit>(limb % BigInt::kBase));
            decimal.push_back(static_cast<BigInt::Digit>(limb / BigInt::kBase));
        }
        if (decimal.empty()) decimal.push_back(0);
        return BigInt::fromDigits(std::move(decimal), negative);
    }

  private:
    static constexpr std::uint64_t kLimbBase = 100000000;

    // limbs := limbs * factor + addend for factor and addend below 2^62. With
    // factor = high 10^8 + low, each new limb gathers the limb below times
    // high and its own times low, which stays below 2^63 with the carry.
    void multiplyAdd(std::uint64_t factor, std::uint64_t addend) {
        const std::uint64_t high = factor / kLimbBase;
        const std::uint64_t low = factor % kLimbBase;
        std::uint64_t carry = addend;
        std::uint64_t below = 0;
        for (std::uint64_t& limb : limbs_) {
            const std::uint64_t t = below * high + limb * low + carry;
            below = limb;
            limb = t % kLimbBase;
            carry = t / kLimbBase;
        }
        for (carry += below * high; carry != 0; carry /= kLimbBase)
            limbs_.push_back(carry % kLimbBase);
    }

    const std::vector<std::uint64_t>& primes_;
    std::vector<std::uint64_t> limbs_;
};

}  // namespace

std::vector<BigInt> reconstruct(const std::vector<std::uint64_t>& primes,
                                std::vector<std::uint64_t>& residues, std::size_t count,
                                const StopCheck& stop) {
    // Garner's algorithm turns the residues, prime by prime, into the
    // mixed-radix digits v_i = (r_i - (v_0 + ... + v_(i-1) p_0...p_(i-2))) /
    // (p_0...p_(i-1)) mod p_i. The primes decrease from below 2^62 and exceed
    // 2^61, so an earlier prime or digit is below twice a later prime.
    const std::size_t k = primes.size();
    const auto below = [](std::uint64_t a, std::uint64_t p) { return a >= p ? a - p : a; };
    std::vector<std::uint64_t> sum(count);
    for (std::size_t i = 1; i < k; ++i) {
        const std::uint64_t p = primes[i];
        std::uint64_t prefix = 1;
        for (std::size_t j = 0; j < i; ++j)
            prefix = multiply(prefix, below(primes[j], p), p);
        const Factor scale(inverse(prefix, p), p);
        const std::uint64_t* previous = &residues[(i - 1) * count];
        for (std::size_t e = 0; e < count; ++e)
            sum[e] = below(previous[e], p);
        for (std::size_t j = i - 1; j-- > 0;) {
            stop.poll();
            const Factor radix(below(primes[j], p), p);
            const std::uint64_t* v = &residues[j * count];
            for (std::size_t e = 0; e < count; ++e)
                sum[e] = below(radix.times(sum[e], p) + below(v[e], p), p);
        }
        std::uint64_t* r = &residues[i * count];
        for (std::size_t e = 0; e < count; ++e)
            r[e] = scale.times(subtract(r[e], sum[e], p), p);
    }
    std::vector<BigInt> values;
    values.reserve(count);
    MixedRadixValue value(primes);
    for (std::size_t e = 0; e < count; ++e) {
        stop.poll();
        values.push_back(value(residues, count, e));
    }
    return values;
}

}  // namespace lorvex::modular
