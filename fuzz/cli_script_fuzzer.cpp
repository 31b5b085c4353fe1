// Arbitrary scripts run by the interpreter of lorvex-cli: every command gives
// success, a stop or a code that the string table names, and each output
// writes one piece per command, the JSON one a single line. The commands that
// read or write files are left out (their formats have fuzz targets of their
// own); the long computations end after a fixed number of stop polls (a
// count, not a clock, so that an input behaves alike on every machine), and
// a run ends once a matrix holds more than a few thousand entries, so that
// every input ends quickly.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/command_output.h"
#include "cli/script_runner.h"
#include "workspace/strings.h"
#include "workspace/windows1252.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// "solution" writes a file when a word follows its format and its
// "--document".
bool writesSolutionFile(const lorvex::cli::CommandWords& words) {
    using lorvex::cli::sameWord;
    const bool document = words.size() > 2 && sameWord(words[2], "--document");
    return sameWord(words[0], "solution") && words.size() > (document ? 3u : 2u);
}

bool touchesFiles(const lorvex::cli::CommandWords& words) {
    using lorvex::cli::sameWord;
    return words.size() > 0 && (sameWord(words[0], "save") || sameWord(words[0], "open") ||
                                sameWord(words[0], "paste") || writesSolutionFile(words));
}

bool holdsLargeMatrix(const lorvex::Workspace& workspace) {
    using lorvex::WorkspaceMode;
    for (const WorkspaceMode mode :
         {WorkspaceMode::Real, WorkspaceMode::Complex, WorkspaceMode::Integer}) {
        for (std::int32_t letter = 1; letter <= lorvex::Workspace::kLetters; ++letter) {
            const lorvex::MatrixDocument* document = workspace.slot(mode, letter);
            if (document != nullptr && std::int64_t{document->Rows()} * document->Cols() > 4096)
                return true;
        }
    }
    return false;
}

// The stop polls one input may take, over all its commands.
constexpr std::int64_t kPollBudget = 20000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lorvex;
    std::int64_t polls = 0;
    StopCheck budget([&polls] { return ++polls > kPollBudget; });
    cli::ScriptRunner runner(size > 0 && data[0] % 2 == 0, RandomGenerator(1), budget);

    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty() && !holdsLargeMatrix(runner.workspace())) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!isValidUtf8(line)) line = windows1252ToUtf8(line);
        if (touchesFiles(cli::CommandWords(line))) continue;

        const cli::CommandResult result = runner.run(line);
        check(result.code >= code::UserStop);
        if (result.code > 0) check(!strings::message(result.code).empty());
        std::ostringstream plain;
        std::ostringstream json;
        cli::writePlain(plain, line, result);
        cli::writeJson(json, line, result);
        const std::string object = json.str();
        check(object.find('\n') == object.size() - 1);
        check(plain.str().back() == '\n');
    }
    return 0;
}
