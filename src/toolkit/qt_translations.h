#pragma once

class QCoreApplication;

namespace lorvex {

// Qt's own texts (file, font, colour and print dialogs, standard buttons) in
// the program's language, Brazilian Portuguese, from the translations
// installed with Qt. Without them installed the dialogs stay in English.
void installQtTranslations(QCoreApplication& application);

}  // namespace lorvex
