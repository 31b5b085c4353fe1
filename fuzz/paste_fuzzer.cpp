// Arbitrary text pasted: the scan gives a block, nothing to do exactly when
// the text holds no digit, "." or "-", or a refusal that leaves the block
// alone; never a block above a million entries or with an infinite entry.
// Decimal commas become points one for one.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/result_codes.h"
#include "workspace/paste.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// The scan's promises for one text.
void checkScan(std::string_view text) {
    const bool hasField = text.find_first_of("0123456789.-") != std::string_view::npos;
    const lorvex::RealMatrix before(1, 3);
    lorvex::RealMatrix block = before;
    const int rc = lorvex::scanPastedText(text, block);
    if (rc == lorvex::code::Ok) {
        check(hasField);
        check(block.rows >= 1 && block.cols >= 1);
        check(std::uint64_t(block.rows) * std::uint64_t(block.cols) <=
              static_cast<std::uint64_t>(lorvex::kMaxMatrixEntries));
        for (const long double cell : block.cells)
            check(std::isfinite(cell));
    } else {
        check(rc == lorvex::code::NothingToDo ? !hasField : rc == lorvex::code::OutOfRange);
        check(block == before);
    }
}

}  // namespace

// A text with decimal commas is scanned also as the paste reads it after "sim".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkScan(text);
    if (lorvex::hasDecimalCommas(text)) {
        const std::string pointed = lorvex::withDecimalPoints(text);
        check(pointed.size() == text.size() && pointed.find(',') == std::string::npos);
        checkScan(pointed);
    }
    static_cast<void>(lorvex::pastedFieldValue(text));
    return 0;
}
