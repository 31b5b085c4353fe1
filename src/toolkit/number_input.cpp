#include "toolkit/number_input.h"

#include <string>

#include "engine/result_codes.h"
#include "workspace/text_numbers.h"

namespace lorvex {

int askNumber(Prompter& prompter, std::string_view title, std::string_view prompt,
              std::int32_t minimum, std::int32_t maximum, std::int32_t& value) {
    const auto answer =
        prompter.askFields({std::string(title), {{std::string(prompt), std::to_string(value)}}});
    if (!answer) return code::CannotSaveFile;
    value = leadingInteger(answer->texts.front());
    return value < minimum || value > maximum ? code::OutOfRange : code::Ok;
}

}  // namespace lorvex
