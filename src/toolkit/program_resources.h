#pragma once

#include <QIcon>
#include <QString>
#include <optional>

// The resources of the program: its help texts and its icon. Help texts are
// taken from the data folder of an installed program first, so that an
// installation can adapt them, and otherwise from the copies the program
// carries inside itself.
namespace lorvex {

// The raw text of the help resource of that name ("LVFILEH", "LPHELP",
// ...) in the language in use, or nothing when the program has no such
// help text. The English texts lie in the "en" folder beside the
// Portuguese ones.
std::optional<QString> helpText(const QString& name);

// The same, looking in dataFolder before the program's own copies.
std::optional<QString> helpText(const QString& name, const QString& dataFolder);

// The icon of the program and of its windows ("MATICON").
QIcon programIcon();

}  // namespace lorvex
