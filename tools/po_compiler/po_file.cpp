#include "po_file.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace lorvex::po {
namespace {

enum class Field { None, Context, Source, Translation };

bool startsWithWord(std::string_view line, std::string_view word) {
    return line.starts_with(word) && line.size() > word.size() &&
           (line[word.size()] == ' ' || line[word.size()] == '\t');
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The text of a quoted .po string, or nothing when it is not one.
std::optional<std::string> unquoted(std::string_view quoted, std::string& why) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        why = "expected a text in double quotes";
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"') {
            why = "a double quote inside a text must be written \\\"";
            return std::nullopt;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (i + 2 >= quoted.size()) {
            why = "a text ends with a lone backslash";
            return std::nullopt;
        }
        switch (quoted[++i]) {
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case '"':
                text += '"';
                break;
            case '\\':
                text += '\\';
                break;
            default:
                why = std::string("unknown escape \\") + quoted[i];
                return std::nullopt;
        }
    }
    return text;
}

class Reader {
  public:
    explicit Reader(ParseError& error) : error_(error) {}

    bool line(std::string_view raw, int number) {
        number_ = number;
        const std::string_view text = trimmed(raw);
        // A blank line or a comment ends the message before it; a comment's
        // flags belong to the message after it.
        if (text.empty() || text.front() == '#') {
            if (field_ == Field::Translation) close();
        }
        if (text.empty()) return true;
        if (text.front() == '#') {
            if (text.starts_with("#,") && text.find("fuzzy") != std::string_view::npos)
                fuzzy_ = true;
            return true;
        }
        if (text.front() == '"') return append(text);
        if (startsWithWord(text, "msgid_plural") || text.starts_with("msgstr["))
            return fail("plural forms are not used in this catalogue");
        if (startsWithWord(text, "msgctxt")) return begin(Field::Context, text.substr(7));
        if (startsWithWord(text, "msgid")) return begin(Field::Source, text.substr(5));
        if (startsWithWord(text, "msgstr")) return begin(Field::Translation, text.substr(6));
        return fail("expected msgctxt, msgid, msgstr, a quoted text or a comment");
    }

    bool finish(int lastLine) {
        number_ = lastLine;
        if (field_ == Field::Context || field_ == Field::Source)
            return fail("the file ends before the msgstr of the message on line " +
                        std::to_string(current_.line));
        close();
        return true;
    }

    std::vector<Message> messages() { return std::move(messages_); }

  private:
    bool begin(Field field, std::string_view rest) {
        switch (field) {
            case Field::Context:
                if (field_ == Field::Context || field_ == Field::Source)
                    return fail("msgctxt inside a message that has no msgstr yet");
                if (field_ == Field::Translation) close();
                current_.line = number_;
                break;
            case Field::Source:
                if (field_ == Field::Source) return fail("a second msgid without a msgstr");
                if (field_ == Field::Translation) close();
                if (field_ == Field::None) current_.line = number_;
                break;
            case Field::Translation:
                if (field_ != Field::Source) return fail("msgstr without a msgid before it");
                break;
            case Field::None:
                break;
        }
        field_ = field;
        return append(trimmed(rest));
    }

    bool append(std::string_view quoted) {
        if (field_ == Field::None) return fail("a quoted text outside any message");
        std::string why;
        const std::optional<std::string> text = unquoted(quoted, why);
        if (!text) return fail(why);
        target() += *text;
        return true;
    }

    std::string& target() {
        if (field_ == Field::Context) return current_.context;
        if (field_ == Field::Source) return current_.source;
        return current_.translation;
    }

    // Ends the message read so far: a translated one goes into the list,
    // the header (empty msgid) does not, and a fuzzy one counts as
    // untranslated, as gettext itself treats it.
    void close() {
        if (field_ == Field::Translation && !current_.source.empty()) {
            if (fuzzy_) current_.translation.clear();
            messages_.push_back(std::move(current_));
        }
        current_ = Message{};
        field_ = Field::None;
        fuzzy_ = false;
    }

    bool fail(std::string what) {
        error_ = ParseError{number_, std::move(what)};
        return false;
    }

    ParseError& error_;
    std::vector<Message> messages_;
    Message current_;
    Field field_ = Field::None;
    bool fuzzy_ = false;
    int number_ = 0;
};

}  // namespace

std::optional<std::vector<Message>> parse(std::istream& in, ParseError& error) {
    Reader reader(error);
    std::string line;
    int number = 0;
    while (std::getline(in, line))
        if (!reader.line(line, ++number)) return std::nullopt;
    if (!reader.finish(number)) return std::nullopt;
    return reader.messages();
}

std::vector<std::string> placeholders(const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "{}") == 0) {
            found.emplace_back("{}");
            ++i;
            continue;
        }
        if (text[i] != '%' || i + 1 == text.size()) continue;
        if (text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        if (std::isdigit(static_cast<unsigned char>(text[end]))) {
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
        } else {
            while (end < text.size() &&
                   std::string_view("-+0123456789.lh").find(text[end]) != std::string_view::npos)
                ++end;
            if (end == text.size() || !std::isalpha(static_cast<unsigned char>(text[end])))
                continue;
            ++end;
        }
        found.push_back(text.substr(i, end - i));
        i = end - 1;
    }
    return found;
}

}  // namespace lorvex::po
