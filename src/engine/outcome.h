#pragma once

#include "engine/result_codes.h"

namespace lorvex {

// The result code of an operation together with the value it gives. The value
// counts only when the code is code::Ok, unless the operation names another
// code that comes with a value.
template <class T>
struct [[nodiscard]] Outcome {
    int code = code::Ok;
    T value{};
};

}  // namespace lorvex
