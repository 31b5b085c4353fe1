#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "workspace/language.h"

namespace lorvex::cli {

// What the command line of lorvex-cli asks for.
struct CliOptions {
    bool json = false;
    // The answer to the overwrite question: --yes (the default) or --no.
    bool overwrite = true;
    // --seed N fixes the random generator; without it the clock seeds it.
    std::optional<std::uint32_t> seed;
    // --timeout SECONDS stops any one command that runs longer.
    std::optional<std::chrono::milliseconds> timeLimit;
    // The script file; none, or "-", reads standard input.
    std::optional<std::string> script;
    // --lang pt|en: the language of the texts shown. The environment is not
    // consulted, so that a script's output does not depend on it.
    Language language = Language::Portuguese;
    bool help = false;
};

// Reads the arguments after the program's name. Returns nothing and a
// message in `error` for an unknown option, a missing or bad seed or time
// limit, or a second script.
std::optional<CliOptions> parseOptions(std::span<const std::string> arguments, std::string& error);

// The usage text of --help.
extern const char* const kUsage;

}  // namespace lorvex::cli
