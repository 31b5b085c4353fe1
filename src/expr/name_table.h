#pragma once

#include <optional>
#include <string_view>

namespace lorvex {

// The code of a function or constant name of the scalar formula language,
// compared exactly with the upper-case run of letters; RE, IM and CONJ are
// names only in complex mode. Nothing for any other run.
std::optional<int> lookUpName(std::string_view name, bool complexMode);

}  // namespace lorvex
