#include "toolkit/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "workspace/language.h"

namespace lorvex {

void installQtTranslations(QCoreApplication& application) {
    const QLocale locale = currentLanguage() == Language::English
                               ? QLocale(QLocale::English, QLocale::UnitedStates)
                               : QLocale(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(locale);
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace lorvex
