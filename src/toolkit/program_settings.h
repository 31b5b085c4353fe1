#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace lorvex {

// The program's own settings: the options that the byte formats of "lv.ini"
// and "lorv.ini" have no room for, as INI text in "lorvex.conf" in the same
// folder. The folder is set once at start (tests set their own).
void setProgramSettingsFolder(const QString& folder);
std::unique_ptr<QSettings> programSettings();

}  // namespace lorvex
