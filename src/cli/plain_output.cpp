#include <string>

#include "cli/command_output.h"
#include "cli/significant_digits.h"
#include "workspace/matrix_export.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex::cli {
namespace {

// CR LF and LF both end a line; blanks at the end of a line are not seen on
// a terminal or on paper, so they go.
void writeLines(std::ostream& out, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        out << line << '\n';
    }
}

// The caption with the size, the table as the window's plain-text export
// gives it, the denominator line that an integer window always shows, and
// the highlighted entry of a step window (counted from 1, as shown).
void writeMatrix(std::ostream& out, const ShownMatrix& shown) {
    const MatrixDocument& document = *shown.document;
    out << shown.caption << " (" << document.Rows() << " x " << document.Cols() << ")\n";
    std::string table;
    if (plainTextTable(document, table) == code::Ok) writeLines(out, table);
    if (document.isInteger())
        out << strings::byId(strings::id::Denominator) << ' '
            << document.entryText(document.Rows(), 0) << '\n';
    if (document.HiliteRow() >= 0 && document.HiliteCol() >= 0) {
        out << strings::byId(strings::id::HighlightedEntry) << ": "
            << strings::byId(strings::id::Row) << ' ' << document.HiliteRow() + 1 << ", "
            << strings::byId(strings::id::Column) << ' ' << document.HiliteCol() + 1 << '\n';
    }
}

}  // namespace

void writePlain(std::ostream& out, std::string_view line, const CommandResult& result) {
    writeLines(out, "> " + std::string(line));
    for (const std::string& message : result.shown)
        writeLines(out, message);
    if (result.code != code::Ok) {
        writeLines(out, std::string(strings::kErrorCaption) + ": " +
                            std::string(failureMessage(result.code)));
        return;
    }
    if (result.report) {
        writeLines(out, result.report->text);
    } else if (result.text) {
        writeLines(out, *result.text);
    } else if (result.check) {
        writeLines(out, result.check->answer);
    } else {
        for (const ShownMatrix& shown : result.matrices)
            writeMatrix(out, shown);
    }
    if (result.rank) out << strings::byId(strings::id::Rank) << ": " << *result.rank << '\n';
    if (result.value) {
        out << (result.complexValue ? complexSignificantDigits(*result.value, kReadableDigits)
                                    : significantDigits(result.value->re, kReadableDigits))
            << '\n';
    }
}

}  // namespace lorvex::cli
