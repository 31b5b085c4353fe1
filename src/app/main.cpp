// lorvex: the desktop matrix calculator. One instance runs per user; a later
// start hands its file name to it and ends.

#include <QApplication>
#include <QStandardPaths>

#include "engine/random_generator.h"
#include "frame/mat_frame.h"
#include "frame/single_instance.h"
#include "toolkit/gui_prompter.h"
#include "toolkit/language_choice.h"
#include "toolkit/program_resources.h"
#include "toolkit/program_settings.h"
#include "toolkit/qt_translations.h"
#include "workspace/file_bytes.h"
#include "workspace/frame_operations.h"
#include "workspace/workspace.h"

int main(int argc, char** argv) {
    lorvex::letOversizedWritesFail();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lorvex"));
    QApplication::setDesktopFileName(QStringLiteral(LORVEX_APP_ID));
    QApplication::setWindowIcon(lorvex::programIcon());
    const QString settingsFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    lorvex::setProgramSettingsFolder(settingsFolder);
    lorvex::setLanguage(lorvex::startLanguage());
    lorvex::installQtTranslations(application);
    const QString fileArgument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (lorvex::SingleInstance::handOver(fileArgument)) return 0;

    lorvex::RandomGenerator random = lorvex::RandomGenerator::seededFromClock();
    lorvex::GuiPrompter prompter(random);
    lorvex::Workspace workspace(prompter);
    lorvex::FrameOperations operations(workspace, random);
    lorvex::TMatFrame frame(operations, settingsFolder.toStdString());
    prompter.setFallbackParent(&frame);

    lorvex::SingleInstance instance;
    instance.listen();
    QObject::connect(&instance, &lorvex::SingleInstance::fileRequested, &frame,
                     &lorvex::TMatFrame::receiveHandOver);

    frame.setUp();
    frame.show();
    if (!fileArgument.isEmpty()) frame.openMatrixFile(fileArgument);
    return QApplication::exec();
}
