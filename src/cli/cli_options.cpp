#include "cli/cli_options.h"

#include <charconv>

namespace lorvex::cli {

const char* const kUsage =
    "usage: lorvex-cli [--json] [--yes | --no] [--seed N] [SCRIPT | -]\n"
    "Runs the lorvex commands of SCRIPT (standard input when it is missing or -),\n"
    "one per line, and prints what the program's windows would show.\n"
    "  --json     one JSON object per command (JSON Lines)\n"
    "  --yes      overwrite occupied letters (the default)\n"
    "  --no       keep occupied letters: the overwrite question is answered No\n"
    "  --seed N   seed of the random generator (0 ... 4294967295)\n"
    "Exit status: 0, 1 when a command failed, 2 when the script cannot be read.\n";

namespace {

std::optional<std::uint32_t> seedValue(const std::string& text) {
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, seed);
    if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
    return seed;
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
