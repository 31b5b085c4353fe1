#include "toolkit/program_resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "workspace/language.h"

// The resources are compiled into a static library; nothing would pull them
// into the program unless something calls their initialiser, which must be
// named outside any namespace.
static void initialiseProgramResources() {
    Q_INIT_RESOURCE(lorvex);
}

namespace lorvex {
namespace {

void ensureResources() {
    static const bool initialised = [] {
        initialiseProgramResources();
        return true;
    }();
    (void)initialised;
}

std::optional<QString> fileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// The data folder of the installed program (<prefix>/share/lorvex), found
// from the folder the running program lies in, so that any prefix works.
QString installedDataFolder() {
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(LORVEX_DATA_FROM_PROGRAM)));
}

}  // namespace

std::optional<QString> helpText(const QString& name) {
    return helpText(name, installedDataFolder());
}

std::optional<QString> helpText(const QString& name, const QString& dataFolder) {
    const QString fileName = currentLanguage() == Language::English
                                 ? QStringLiteral("help/en/%1.txt").arg(name)
                                 : QStringLiteral("help/%1.txt").arg(name);
    if (auto installed = fileText(QDir(dataFolder).filePath(fileName))) return installed;
    ensureResources();
    return fileText(QStringLiteral(":/") + fileName);
}

QIcon programIcon() {
    ensureResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lorvex-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace lorvex
