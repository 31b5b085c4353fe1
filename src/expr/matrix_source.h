#pragma once

#include "engine/matrix_data.h"

namespace lorvex {

// Where the calculation language finds the matrices its letters name: the
// workspace's places of the current mode.
class MatrixSource {
  public:
    virtual ~MatrixSource() = default;

    // Copies the matrix stored under `letter` ('A' ... 'Z') into `copy`: a
    // RealMatrix in real mode, a ComplexMatrix in complex mode, an
    // IntegerMatrix in integer mode. Returns code::Ok, or code::NotFound when no matrix has that
    // letter.
    [[nodiscard]] virtual int matrixFor(char letter, MatrixData& copy) const = 0;
};

}  // namespace lorvex
