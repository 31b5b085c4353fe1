#pragma once

#include <map>
#include <new>
#include <utility>

#include "engine/matrix_data.h"
#include "engine/result_codes.h"
#include "expr/matrix_source.h"

namespace lorvex::test {

// The workspace's places as a map from letters to matrices.
class FakeMatrixSource : public MatrixSource {
  public:
    void set(char letter, MatrixData matrix) { matrices_[letter] = std::move(matrix); }
    // Every later look-up runs out of memory while it copies.
    void failAllocations() { failAllocations_ = true; }

    int matrixFor(char letter, MatrixData& copy) const override {
        if (failAllocations_) throw std::bad_alloc();
        const auto found = matrices_.find(letter);
        if (found == matrices_.end()) return code::NotFound;
        copy = found->second;
        return code::Ok;
    }

  private:
    std::map<char, MatrixData> matrices_;
    bool failAllocations_ = false;
};

}  // namespace lorvex::test
