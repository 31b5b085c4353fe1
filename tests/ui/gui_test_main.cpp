// The GUI tests run on Qt's offscreen platform with one application object,
// the program's own settings in a folder of their own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "toolkit/program_settings.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The program's own settings go to a folder of the run, never the user's.
    const QTemporaryDir settings;
    lorvex::setProgramSettingsFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
