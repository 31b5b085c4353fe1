#include "cli/command_output.h"
#include "engine/result_codes.h"
#include "workspace/strings.h"

namespace lorvex::cli {

std::string_view failureMessage(int code) {
    if (code == code::UserStop) return "parado";
    return strings::message(code);
}

}  // namespace lorvex::cli
