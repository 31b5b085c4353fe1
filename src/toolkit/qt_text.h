#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "workspace/language.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

// The core speaks UTF-8 std::string; Qt speaks QString.
namespace lorvex {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

// A string of the program's string table.
inline QString uiString(int id) {
    return toQString(strings::byId(id));
}

// A text the windows write themselves, given in Portuguese, in the language
// in use.
inline QString uiText(std::string_view portuguese) {
    return toQString(localized(portuguese));
}

}  // namespace lorvex
