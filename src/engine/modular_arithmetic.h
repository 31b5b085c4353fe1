#pragma once

#include <cstdint>
#include <vector>

#include "engine/bigint.h"
#include "engine/stop_check.h"

// Arithmetic modulo primes between 2^61 and 2^62: residues are 64-bit words
// and their products fit in 128 bits.
namespace lorvex::modular {

__extension__ typedef unsigned __int128 Wide;

// Every prime used lies above 2^61, so k of them multiply to more than 2^(61 k).
inline constexpr int kBitsPerPrime = 61;

inline std::uint64_t multiply(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    return static_cast<std::uint64_t>(static_cast<Wide>(a) * b % p);
}

inline std::uint64_t subtract(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    return a >= b ? a - b : a + (p - b);
}

// The inverse of a non-zero residue, by the extended Euclidean algorithm.
std::uint64_t inverse(std::uint64_t a, std::uint64_t p);

// A factor used for many products modulo p, with its scaled reciprocal
// floor(value * 2^64 / p) precomputed (Shoup's method): the quotient estimate
// is then off by at most one, so a product costs three word multiplications
// and one correction instead of a 128-bit division.
struct Factor {
    std::uint64_t value;
    std::uint64_t scaled;

    Factor(std::uint64_t w, std::uint64_t p)
        : value(w), scaled(static_cast<std::uint64_t>((static_cast<Wide>(w) << 64) / p)) {}

    // value * t mod p for any word t.
    std::uint64_t times(std::uint64_t t, std::uint64_t p) const {
        const auto q = static_cast<std::uint64_t>((static_cast<Wide>(scaled) * t) >> 64);
        const std::uint64_t r = value * t - q * p;
        return r >= p ? r - p : r;
    }
};

// The primes below 2^62 in decreasing order, each found by a deterministic
// Miller-Rabin test.
class PrimeSequence {
  public:
    std::uint64_t next();

  private:
    std::uint64_t last_ = std::uint64_t{1} << 62;
};

// The residues modulo p of integers, in the order given.
std::vector<std::uint64_t> residues(const std::vector<BigInt>& values, std::uint64_t p);

// The integers in (-M/2, M/2), M the product of the primes, with the given
// residues: residues[i * count + e] is value e modulo primes[i]. The residues
// are overwritten. Polls the stop check once per pass over the residues and
// once per value.
std::vector<BigInt> reconstruct(const std::vector<std::uint64_t>& primes,
                                std::vector<std::uint64_t>& residues, std::size_t count,
                                const StopCheck& stop);

}  // namespace lorvex::modular
