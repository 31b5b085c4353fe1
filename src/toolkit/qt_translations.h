#pragma once

class QCoreApplication;

namespace lorvex {

// Qt's own texts (file, font, colour and print dialogs, standard buttons) in
// the language in use, Brazilian Portuguese or English, from the
// translations installed with Qt, whatever the system's locale. Without them
// installed the dialogs stay in Qt's own English.
void installQtTranslations(QCoreApplication& application);

}  // namespace lorvex
