#include <algorithm>
#include <cstdio>

#include "engine/bigint.h"
#include "engine/result_codes.h"

namespace lorvex {

int BigInt::fromText(std::string_view text, BigInt& out) {
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return c != ' ' && c != '\t'; });

    bool negative = false;
    std::size_t start = 0;
    while (start < compact.size() && compact[start] == '-') {
        negative = !negative;
        ++start;
    }
    if (start == compact.size()) return code::NotFound;
    while (start < compact.size() && compact[start] == '0')
        ++start;
    const std::string_view digitsText = std::string_view(compact).substr(start);
    if (!std::all_of(digitsText.begin(), digitsText.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
        return code::InconsistentData;
    }

    // Groups of four digits, taken from the right.
    std::vector<Digit> digits;
    digits.reserve(digitsText.size() / 4 + 1);
    for (std::size_t end = digitsText.size(); end > 0;) {
        const std::size_t begin = end >= 4 ? end - 4 : 0;
        Digit group = 0;
        for (std::size_t i = begin; i < end; ++i) {
            group = static_cast<Digit>(group * 10 + (digitsText[i] - '0'));
        }
        digits.push_back(group);
        end = begin;
    }
    if (digits.empty()) digits.push_back(0);
    out = fromDigits(std::move(digits), negative);
    return code::Ok;
}

std::string BigInt::toText(const TextFormat& format) const {
    std::string text(static_cast<std::size_t>(std::max(format.indent, 0)), ' ');
    if (isNegative()) text += '-';

    // Every group but the most significant is written as four digits.
    char group[8];
    std::snprintf(group, sizeof group, "%u", static_cast<unsigned>(digits_.back()));
    std::string body = group;
    for (std::size_t i = digits_.size() - 1; i-- > 0;) {
        std::snprintf(group, sizeof group, "%04u", static_cast<unsigned>(digits_[i]));
        body += group;
    }

    const auto maxLength = static_cast<std::size_t>(std::max(format.maxLength, 0));
    if (maxLength > 0 && text.size() + body.size() > maxLength) {
        const std::size_t firstGroup = body.size() - 4 * (digits_.size() - 1);
        std::size_t kept = 0;
        for (std::size_t next = firstGroup; text.size() + next <= maxLength; next += 4) {
            kept = next;
        }
        text += body.substr(0, kept);
        if (text.size() >= 3) {
            text.replace(text.size() - 3, 3, "...");
        } else {
            text = "...";
        }
    } else {
        text += body;
    }

    if (format.lineWidth <= 0 || text.size() <= static_cast<std::size_t>(format.lineWidth)) {
        return text;
    }
    const auto width = static_cast<std::size_t>(format.lineWidth);
    std::string lines;
    for (std::size_t begin = 0; begin < text.size(); begin += width) {
        if (begin > 0) lines += "\r\n";
        lines += text.substr(begin, width);
    }
    return lines;
}

}  // namespace lorvex
