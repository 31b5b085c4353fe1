#include "workspace/duration_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

std::string twoParts(long long major, const char* majorUnit, long long minor,
                     const char* minorUnit) {
    char text[64];
    std::snprintf(text, sizeof text, "%lld %s %02lld %s", major, majorUnit, minor, minorUnit);
    return text;
}

}  // namespace

std::string durationText(double seconds) {
    constexpr double kDay = 86400;
    constexpr double kYear = 365 * kDay;
    if (!(seconds < 1000 * kYear))
        return std::string(strings::byId(strings::id::OverThousandYears));
    const auto whole = std::llround(std::max(seconds, 0.0));
    if (whole < 60) return std::to_string(whole) + " s";
    if (whole < 3600) return twoParts(whole / 60, "min", whole % 60, "s");
    if (whole < 86400) return twoParts(whole / 3600, "h", whole / 60 % 60, "min");
    if (seconds < kYear)
        return std::to_string(whole / 86400) + std::string(strings::byId(strings::id::Days));
    return std::to_string(std::llround(seconds / kYear)) +
           std::string(strings::byId(strings::id::Years));
}

}  // namespace lorvex
