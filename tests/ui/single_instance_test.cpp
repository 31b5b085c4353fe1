#include "frame/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

namespace lorvex {
namespace {

// Runs the real program with a file argument while this process plays the
// running instance.
class SingleInstanceTest : public ::testing::Test {
  protected:
    SingleInstanceTest() {
        name_ = QStringLiteral("lorvex-test-%1").arg(QCoreApplication::applicationPid());
        qputenv("LORVEX_INSTANCE_NAME", name_.toUtf8());
    }
    ~SingleInstanceTest() override { qunsetenv("LORVEX_INSTANCE_NAME"); }

    static void startProgram(QProcess& program, const QString& argument) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LORVEX_BINARY), {argument});
        ASSERT_TRUE(program.waitForStarted(5000));
    }

    QString name_;
};

TEST_F(SingleInstanceTest, ALaterStartHandsItsFileToTheRunningInstanceAndEnds) {
    SingleInstance running;
    ASSERT_TRUE(running.listen());
    QStringList received;
    QObject::connect(&running, &SingleInstance::fileRequested,
                     [&received](const QString& file) { received << file; });

    QProcess second;
    startProgram(second, QStringLiteral("/tmp/alguma matriz.fma"));
    QElapsedTimer clock;
    clock.start();
    while (second.state() != QProcess::NotRunning && clock.elapsed() < 10000)
        QTest::qWait(20);
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(received, QStringList{"/tmp/alguma matriz.fma"});
}

TEST_F(SingleInstanceTest, WithoutAnInstanceThatAnswersTheProgramStartsNormally) {
    QProcess first;
    startProgram(first, QString());
    QTest::qWait(1500);
    EXPECT_EQ(first.state(), QProcess::Running);
    // The first instance now listens: handing over to it succeeds.
    EXPECT_TRUE(SingleInstance::handOver(QString()));
    first.kill();
    first.waitForFinished(5000);
}

}  // namespace
}  // namespace lorvex
