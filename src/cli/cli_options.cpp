#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lorvex::cli {

const char* const kUsage =
    "usage: lorvex-cli [--json] [--yes | --no] [--seed N] [--timeout SECONDS] [--lang pt|en]\n"
    "                  [SCRIPT | -]\n"
    "Runs the lorvex commands of SCRIPT (standard input when it is missing or -),\n"
    "one per line, and prints what the program's windows would show.\n"
    "  --json     one JSON object per command (JSON Lines)\n"
    "  --yes      overwrite occupied letters (the default)\n"
    "  --no       keep occupied letters: the overwrite question is answered No\n"
    "  --seed N   seed of the random generator (0 ... 4294967295)\n"
    "  --timeout SECONDS\n"
    "             stop any one command that runs longer (\"parado\"); the script goes on\n"
    "  --lang pt|en\n"
    "             language of the texts shown: pt, Portuguese (the default), or en,\n"
    "             English; command words, JSON keys and files stay the same\n"
    "Ctrl+C stops the running command and ends the script; a second one ends\n"
    "the program at once.\n"
    "Exit status: 0, 1 when a command failed or was stopped, 2 when the script\n"
    "cannot be read, 130 after Ctrl+C.\n";

namespace {

constexpr double kLongestTimeLimit = 86400.0;

std::optional<std::uint32_t> seedValue(const std::string& text) {
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, seed);
    if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
    return seed;
}

// A positive number of seconds, with decimals if need be, up to a day.
std::optional<std::chrono::milliseconds> timeLimitValue(const std::string& text) {
    double seconds = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
    if (!(seconds > 0.0 && seconds <= kLongestTimeLimit)) return std::nullopt;
    return std::chrono::milliseconds(std::max<long long>(1, std::llround(seconds * 1000.0)));
}

}  // namespace

std::optional<CliOptions> parseOptions(std::span<const std::string> arguments, std::string& error) {
    CliOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--yes") {
            options.overwrite = true;
        } else if (argument == "--no") {
            options.overwrite = false;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--seed") {
            options.seed = i + 1 < arguments.size() ? seedValue(arguments[++i]) : std::nullopt;
            if (!options.seed) {
                error = "--seed needs a number from 0 to 4294967295";
                return std::nullopt;
            }
        } else if (argument == "--lang") {
            const std::string code = i + 1 < arguments.size() ? arguments[++i] : std::string();
            if (code != "pt" && code != "en") {
                error = "--lang needs pt or en";
                return std::nullopt;
            }
            options.language = code == "en" ? Language::English : Language::Portuguese;
        } else if (argument == "--timeout") {
            options.timeLimit =
                i + 1 < arguments.size() ? timeLimitValue(arguments[++i]) : std::nullopt;
            if (!options.timeLimit) {
                error = "--timeout needs a number of seconds above 0, at most 86400";
                return std::nullopt;
            }
        } else if (argument.size() > 1 && argument.front() == '-') {
            error = "unknown option " + argument;
            return std::nullopt;
        } else if (options.script) {
            error = "only one script can be run";
            return std::nullopt;
        } else {
            options.script = argument;
        }
    }
    return options;
}

}  // namespace lorvex::cli
