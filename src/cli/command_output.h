#pragma once

#include <ostream>
#include <string_view>

#include "cli/command_result.h"

// The two forms of the program's output, one command at a time.
namespace lorvex::cli {

// For people: "> " and the command line, then what the windows would show
// (matrices as their plain-text tables under their captions, texts, values),
// or "hmm...: " and the message of a failure. Lines end in LF and lose
// their trailing blanks.
void writePlain(std::ostream& out, std::string_view line, const CommandResult& result);

// The message of a failed command: the string table's, or "parado" for a
// stop, which the program itself passes over in silence.
std::string_view failureMessage(int code);

// For programs: one JSON object on one line (JSON Lines).
void writeJson(std::ostream& out, std::string_view line, const CommandResult& result);

}  // namespace lorvex::cli
