#include "cli/command_output.h"
#include "engine/result_codes.h"
#include "workspace/language.h"
#include "workspace/strings.h"

namespace lorvex::cli {

std::string_view failureMessage(int code) {
    if (code == code::UserStop) return localized("parado");
    return strings::message(code);
}

}  // namespace lorvex::cli
