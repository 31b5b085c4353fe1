#include "frame/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace lorvex {
namespace {

// Runs the real program with a file argument while this process plays the
// running instance.
class SingleInstanceTest : public ::testing::Test {
  protected:
    SingleInstanceTest() {
        const QString name =
            QStringLiteral("lorvex-test-%1").arg(QCoreApplication::applicationPid());
        qputenv("LORVEX_INSTANCE_NAME", name.toUtf8());
    }
    ~SingleInstanceTest() override { qunsetenv("LORVEX_INSTANCE_NAME"); }

    static void startProgram(QProcess& program, const QString& argument) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LORVEX_BINARY), {argument});
        ASSERT_TRUE(program.waitForStarted(5000));
    }
};

TEST_F(SingleInstanceTest, ALaterStartHandsItsFileToTheRunningInstanceAndEnds) {
    SingleInstance running;
    ASSERT_TRUE(running.listen());
    QStringList received;
    QObject::connect(&running, &SingleInstance::fileRequested,
                     [&received](const QString& file) { received << file; });

    QProcess second;
    startProgram(second, QStringLiteral("/tmp/alguma matriz.fma"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(received, QStringList{"/tmp/alguma matriz.fma"});
}

TEST_F(SingleInstanceTest, WithoutAnInstanceThatAnswersTheProgramStartsNormally) {
    QProcess first;
    startProgram(first, QString());
    // Once the first instance listens, handing over to it succeeds.
    EXPECT_TRUE(QTest::qWaitFor([] { return SingleInstance::handOver(QString()); }, 10000));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}

// A start on another X display or Wayland session gets an instance of its
// own; the screen number does not make another display.
TEST(SingleInstanceName, OnePerUserAndDisplay) {
    const std::pair<QStringList, QString> cases[] = {
        {{}, "lorvex-ana"},
        {{"DISPLAY=:1"}, "lorvex-ana-_1"},
        {{"DISPLAY=:1.0"}, "lorvex-ana-_1"},
        {{"DISPLAY=:2"}, "lorvex-ana-_2"},
        {{"DISPLAY=localhost:10.0"}, "lorvex-ana-localhost_10"},
        {{"DISPLAY=:1", "WAYLAND_DISPLAY=wayland-0", "XDG_RUNTIME_DIR=/run/user/1000"},
         "lorvex-ana-_run_user_1000_wayland-0"},
        {{"DISPLAY=:1", "LORVEX_INSTANCE_NAME=lorvex-test"}, "lorvex-test"},
    };
    for (const auto& [variables, name] : cases) {
        QProcessEnvironment environment;
        environment.insert("USER", "ana");
        for (const QString& variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        EXPECT_EQ(SingleInstance::serverName(environment), name)
            << variables.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace lorvex
