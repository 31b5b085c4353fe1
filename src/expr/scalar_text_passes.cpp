#include <optional>
#include <string_view>

#include "engine/result_codes.h"
#include "expr/character_classes.h"
#include "expr/name_table.h"
#include "expr/scalar_compiler.h"
#include "expr/symbol_codes.h"

namespace lorvex::scalar_compiler {
namespace {

using namespace symbol;

int codeAt(const std::string& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

char byteOf(int code) {
    return static_cast<char>(static_cast<unsigned char>(code));
}

bool isLetter(int code) {
    return CharacterClasses::in(scalarClasses().LetterClass, code);
}

// Whether the text at `open` is a parenthesised group holding a comma at its
// own top level after at least one other character, as in "ABS(3,4)".
bool groupHasArgumentComma(const std::string& text, std::size_t open) {
    if (open >= text.size() || text[open] != '(') return false;
    int depth = 0;
    for (std::size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            if (depth-- == 0) return false;
        } else if (text[i] == ',' && depth == 0 && i > open + 1) {
            return true;
        }
    }
    return false;
}

// The code of a run of letters that ends at `end`. ABS, LOG and ARG with two
// arguments are ABS2, LG and ARG2; ARG with one is a name in complex mode only.
std::optional<int> nameCode(std::string_view run, const std::string& text, std::size_t end,
                            bool complexMode) {
    std::optional<int> code = lookUpName(run, complexMode);
    if (!code || (*code != ABS && *code != LOG && *code != ARG)) return code;
    if (groupHasArgumentComma(text, end)) return *code == ABS ? ABS2 : (*code == LOG ? LG : ARG2);
    if (*code == ARG && !complexMode) return std::nullopt;
    return code;
}

// The position of the ")" that closes the "(" at `open`, or npos.
std::size_t matchingClose(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string::npos;
}

// Rewrites the SUM or PROD whose code stands at `at`. In complex mode I is
// the imaginary unit, which the simplification turns into a constant, so it
// cannot be an index.
[[nodiscard]] int rewriteSeries(std::string& text, std::size_t at, bool complexMode) {
    const std::size_t open = at + 1;
    if (open >= text.size() || text[open] != '(') return code::NotUnderstood;
    const std::size_t close = matchingClose(text, open);
    if (close == std::string::npos) return code::NotUnderstood;
    std::size_t firstComma = std::string::npos;
    int depth = 0;
    for (std::size_t i = open + 1; i < close && firstComma == std::string::npos; ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')') --depth;
        if (text[i] == ',' && depth == 0) firstComma = i;
    }
    if (firstComma == std::string::npos || firstComma + 2 >= close || text[firstComma + 2] != ',')
        return code::NotUnderstood;
    if (complexMode && text[firstComma + 1] == 'I') return code::NotUnderstood;
    // The third comma is the next one of any depth, so the lower bound holds none.
    const std::size_t thirdComma = text.find(',', firstComma + 3);
    if (thirdComma == std::string::npos || thirdComma >= close) return code::NotUnderstood;

    const std::string_view whole(text);
    std::string rewritten = "((";
    rewritten += whole.substr(open + 1, firstComma - open - 1);
    rewritten += byteOf(SUMTERM);
    rewritten += text[firstComma + 1];
    rewritten += ')';
    rewritten += text[at];
    rewritten += '(';
    rewritten += whole.substr(firstComma + 3, thirdComma - firstComma - 3);
    rewritten += byteOf(SUMRANGE);
    rewritten += whole.substr(thirdComma + 1, close - thirdComma - 1);
    rewritten += "))";
    text.replace(at, close - at + 1, rewritten);
    return code::Ok;
}

}  // namespace

int convertBrackets(std::string& work) {
    int depth = 0;
    for (char& c : work) {
        if (c == '[' || c == '{') c = '(';
        if (c == ']' || c == '}') c = ')';
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) return code::MatrixNotFound;
    }
    return depth == 0 ? code::Ok : code::MatrixNotFound;
}

void replaceNames(std::string& work, bool complexMode) {
    std::string out;
    out.reserve(2 * work.size());
    std::size_t i = 0;
    while (i < work.size()) {
        if (!isLetter(codeAt(work, i))) {
            out += work[i++];
            continue;
        }
        std::size_t end = i;
        while (end < work.size() && isLetter(codeAt(work, end)))
            ++end;
        // A run that is no name keeps its first letter as a variable, and
        // the rest of the run is looked at again.
        for (std::size_t start = i; start < end; ++start) {
            const std::string_view run(work.data() + start, end - start);
            if (const std::optional<int> code = nameCode(run, work, end, complexMode)) {
                out += byteOf(*code);
                break;
            }
            out += work[start];
            if (end - start > 1) out += '*';
        }
        i = end;
    }
    work = std::move(out);
}

int rewriteSumsAndProducts(std::string& work, bool complexMode) {
    // From the right, so that what a rewrite produces (its own SUM code
    // included) lies behind the scan, and a series inside another one's
    // arguments has lost its commas before the outer one is read.
    for (const int series : {SUM, PROD}) {
        for (std::size_t at = work.size(); at-- > 0;) {
            if (codeAt(work, at) != series) continue;
            if (const int rc = rewriteSeries(work, at, complexMode); rc != code::Ok) return rc;
        }
    }
    return code::Ok;
}

void markUnaryMinus(std::string& work) {
    const CharacterClasses& classes = scalarClasses();
    for (std::size_t i = 0; i < work.size(); ++i) {
        if (work[i] != '-') continue;
        const int prev = i == 0 ? OPEN : codeAt(work, i - 1);
        if (prev == OPEN || prev == COMMA || prev == NEG ||
            CharacterClasses::in(classes.BinaryClass, prev))
            work[i] = byteOf(NEG);
    }
}

}  // namespace lorvex::scalar_compiler
