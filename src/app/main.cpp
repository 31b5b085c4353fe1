// lorvex: the desktop matrix calculator.

#include <QApplication>

#include "engine/random_generator.h"
#include "frame/mat_frame.h"
#include "toolkit/gui_prompter.h"
#include "toolkit/program_resources.h"
#include "workspace/workspace.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(lorvex::programIcon());
    lorvex::RandomGenerator random = lorvex::RandomGenerator::seededFromClock();
    lorvex::GuiPrompter prompter(random);
    lorvex::Workspace workspace(prompter);
    lorvex::TMatFrame frame(workspace, prompter);
    frame.setUp();
    frame.show();
    return QApplication::exec();
}
