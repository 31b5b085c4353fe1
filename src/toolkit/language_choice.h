#pragma once

#include "workspace/language.h"

class QMenu;

namespace lorvex {

class Prompter;

// The language of this run: the one last chosen in the program, kept in its
// settings, or else the environment's.
Language startLanguage();

// The "Idioma / Language" submenu, added at the end of `menu`: one checkable
// item per language, the chosen one checked. Choosing another language keeps
// it in the settings and says, in that language, that it takes effect at the
// next start; the windows already built keep their texts.
void addLanguageMenu(QMenu* menu, Prompter& prompter);

}  // namespace lorvex
