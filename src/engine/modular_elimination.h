#pragma once

#include <cstdint>
#include <vector>

#include "engine/bigint.h"
#include "engine/stop_check.h"

// Exact determinant, adjugate and rank of integer matrices (row-major entries)
// from eliminations modulo word-size primes. The determinant and the adjugate
// are recombined by the Chinese remainder theorem from enough primes for their
// product to exceed twice Hadamard's bound, so they are exact, not probable.
// These functions throw like the BigInt operations (see bigint.h) and poll the
// stop check at every pivot (or row) and every prime.
namespace lorvex::modular {

// The determinant of an n x n matrix.
BigInt determinant(const std::vector<BigInt>& cells, std::int32_t n, const StopCheck& stop);

// The adjugate det(A) A^-1 of an n x n matrix whose determinant `det` is not
// zero.
std::vector<BigInt> adjugate(const std::vector<BigInt>& cells, std::int32_t n, const BigInt& det,
                             const StopCheck& stop);

// The rank over the rationals of a rows x cols matrix. The rank modulo a
// prime is never above it, and the pivot rows found modulo one prime are
// independent; the rank is theirs when it is min(rows, cols), or when every
// other row is shown to be a combination of them: an integer identity checked
// modulo enough primes for their product to exceed twice Hadamard's bound on
// its terms. A prime modulo which the rank is larger starts the check again
// from its pivots.
std::int32_t rank(const std::vector<BigInt>& cells, std::int32_t rows, std::int32_t cols,
                  const StopCheck& stop);

}  // namespace lorvex::modular
