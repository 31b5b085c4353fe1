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

}  // namespace
}  // namespace lorvex
