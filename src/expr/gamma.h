#pragma once

#include "engine/complex.h"

// The gamma function behind FACT and GAMMA: a Stirling series for
// Gamma(x + 6) / (x (x+1) ... (x+5)) with a five-term continued fraction,
// and the reflection formula for negative arguments. Relative error about
// 10^-14.
namespace lorvex::scalar {

// Fails within 0.001 of 0, -1, -2, ..., for |x| < 10^-18 and when the result
// would leave the range exp(+-5000).
bool gamma(long double x, long double& out);
// The same routine in complex arithmetic.
bool gamma(Complex z, Complex& out);

}  // namespace lorvex::scalar
