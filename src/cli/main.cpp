// lorvex-cli: the program's commands driven by a line script.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/command_stop.h"
#include "cli/script_runner.h"
#include "engine/result_codes.h"
#include "workspace/file_bytes.h"
#include "workspace/language.h"
#include "workspace/strings.h"

int main(int argc, char** argv) {
    using namespace lorvex;
    letOversizedWritesFail();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const std::optional<cli::CliOptions> options = cli::parseOptions(arguments, error);
    if (!options) {
        std::cerr << "lorvex-cli: " << error << '\n' << cli::kUsage;
        return 2;
    }
    setLanguage(options->language);
    if (options->help) {
        std::cout << cli::kUsage;
        return 0;
    }

    cli::CommandStop stop(options->timeLimit);
    cli::CommandStop::catchInterrupt();
    cli::ScriptRunner runner(
        options->overwrite,
        options->seed ? RandomGenerator(*options->seed) : RandomGenerator::seededFromClock(),
        stop.check());
    if (!options->script || *options->script == "-")
        return cli::runScript(std::cin, std::cout, runner, options->json, &stop);

    const std::string& path = *options->script;
    std::ifstream script(path, std::ios::binary);
    std::error_code ignored;
    if (!script || std::filesystem::is_directory(path, ignored)) {
        std::cerr << "lorvex-cli: " << strings::message(code::CannotOpenFile) << ": " << path
                  << '\n';
        return 2;
    }
    return cli::runScript(script, std::cout, runner, options->json, &stop);
}
