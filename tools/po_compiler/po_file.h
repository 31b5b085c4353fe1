#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace lorvex::po {

// One message of a catalogue: the Portuguese text (msgid), the context that
// tells two uses of it apart (msgctxt, empty when there is none) and its
// translation (msgstr, empty while untranslated). Texts are unescaped.
struct Message {
    std::string context;
    std::string source;
    std::string translation;
    int line = 0;
};

// What went wrong, and on which line of the file.
struct ParseError {
    int line = 0;
    std::string what;
};

// Reads a gettext .po file: comments, msgctxt, msgid, msgstr and the
// continuation strings of each. Plural forms are refused; the catalogue has
// none. The header (the message with an empty msgid) is left out. Returns
// nothing and fills `error` on the first malformed line.
std::optional<std::vector<Message>> parse(std::istream& in, ParseError& error);

// The placeholders of a text in order: "%d", "%s", "%1", "{}" and the like.
std::vector<std::string> placeholders(const std::string& text);

}  // namespace lorvex::po
