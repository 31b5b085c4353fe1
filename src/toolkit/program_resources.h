#pragma once

#include <QIcon>
#include <QString>
#include <optional>

// The resources the program carries inside itself: its help texts and its
// icon.
namespace lorvex {

// The raw text of the help resource of that name ("LVFILEH", "LPHELP",
// ...), or nothing when the program has no such help text.
std::optional<QString> helpText(const QString& name);

// The icon of the program and of its windows ("MATICON").
QIcon programIcon();

}  // namespace lorvex
