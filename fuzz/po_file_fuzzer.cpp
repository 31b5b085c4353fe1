// Arbitrary text read as a catalogue: a list of messages or a refusal with
// the line it stopped at, never a crash or a hang. A read catalogue has no
// header message, and every message's line is within the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "po_file.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    std::istringstream in(text);
    lorvex::po::ParseError error;
    const auto messages = lorvex::po::parse(in, error);
    if (!messages) {
        check(error.line >= 0 && error.line <= lines && !error.what.empty());
        return 0;
    }
    for (const lorvex::po::Message& message : *messages) {
        check(!message.source.empty());
        check(message.line >= 1 && message.line <= lines);
        lorvex::po::placeholders(message.source);
        lorvex::po::placeholders(message.translation);
    }
    return 0;
}
