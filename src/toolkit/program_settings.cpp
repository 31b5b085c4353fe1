#include "toolkit/program_settings.h"

#include <QDir>

namespace lorvex {
namespace {

QString& settingsFolder() {
    static QString folder;
    return folder;
}

}  // namespace

void setProgramSettingsFolder(const QString& folder) {
    settingsFolder() = folder;
}

std::unique_ptr<QSettings> programSettings() {
    return std::make_unique<QSettings>(
        QDir(settingsFolder()).filePath(QStringLiteral("lorvex.conf")), QSettings::IniFormat);
}

}  // namespace lorvex
