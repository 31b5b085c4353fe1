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
// stop check at every pivot and every prime.
namespace lorvex::modular {

// The determinant of an n x n matrix.
BigInt determinant(const std::vector<BigInt>& cells, std::int32_t n, const StopCheck& stop);

// The adjugate det(A) A^-1 of an n x n matrix whose determinant `det` is not
// zero.
std::vector<BigInt> adjugate(const std::vector<BigInt>& cells, std::int32_t n, const BigInt& det,
                             const StopCheck& stop);

// The rank modulo one prime: never above the rank over the rationals, and
// equal to it when it is min(rows, cols).
std::int32_t rankLowerBound(const std::vector<BigInt>& cells, std::int32_t rows, std::int32_t cols,
                            const StopCheck& stop);

}  // namespace lorvex::modular
