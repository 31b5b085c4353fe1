#pragma once

#include <string>
#include <vector>

#include "engine/complex.h"
#include "engine/polynomial_roots.h"

namespace lorvex {

// The characteristic polynomial in the one-matrix report: a title line and
// its underline, then the coefficients under "grau  coeficiente" with their
// decimal points aligned, then the roots under "raizes", each with its
// multiplicity when above 1. Null coefficients (the user stopped them) give
// "não pode calcular" after the underline and nothing more. Numbers are
// written as the matrix entries are, with the window's decimals and field
// width; imaginary parts of coefficients only in complex mode, of roots only
// when above 10^-13. Lines end with CR LF.
std::string polynomialReport(const std::vector<Complex>* coefficients,
                             const std::vector<PolynomialRoot>& roots, int decimals, int fieldWidth,
                             bool complexMode);

}  // namespace lorvex
