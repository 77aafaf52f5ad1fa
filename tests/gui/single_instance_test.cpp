#include "app/single_instance.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;

TEST(JustOne, ASecondStartAsksTheFirstToComeForward)
{
    testing_support::TempDir dir;
    const QString home = QString::fromStdString(dir.path());
    TJustOne first(home);
    ASSERT_EQ(first.start(), TJustOne::TRole::First);
    EXPECT_TRUE(first.isListening());
    QSignalSpy activations(&first, &TJustOne::activationRequested);

    TJustOne second(home);
    EXPECT_EQ(second.start(), TJustOne::TRole::Second);
    EXPECT_FALSE(second.isListening());
    EXPECT_TRUE(activations.wait(5000));
}

TEST(JustOne, AnotherHomeFolderRunsItsOwnCopy)
{
    testing_support::TempDir one;
    testing_support::TempDir other;
    TJustOne first(QString::fromStdString(one.path()));
    TJustOne second(QString::fromStdString(other.path()));
    EXPECT_EQ(first.start(), TJustOne::TRole::First);
    EXPECT_EQ(second.start(), TJustOne::TRole::First);
    EXPECT_NE(TJustOne::serverName(QString::fromStdString(one.path())),
              TJustOne::serverName(QString::fromStdString(other.path())));
}

TEST(JustOne, AConnectionWithoutARequestIsIgnored)
{
    testing_support::TempDir dir;
    TJustOne first(QString::fromStdString(dir.path()));
    ASSERT_EQ(first.start(), TJustOne::TRole::First);
    QSignalSpy activations(&first, &TJustOne::activationRequested);
    QLocalSocket probe;
    probe.connectToServer(TJustOne::serverName(QString::fromStdString(dir.path())));
    ASSERT_TRUE(probe.waitForConnected(2000));
    probe.write("hello\n");
    probe.waitForBytesWritten(2000);
    probe.disconnectFromServer();
    EXPECT_FALSE(activations.wait(300));
}

namespace {

// The built program, started with its own home folder and no display.
class TProgram {
public:
    explicit TProgram(const QString& home)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUORVEL_HOME"), home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProgram(QStringLiteral(QUORVEL_PROGRAM));
    }
    ~TProgram()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill(); // ends this child by its process id
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

bool waitUntilListening(const QString& home, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QLocalSocket probe;
        probe.connectToServer(TJustOne::serverName(home));
        if (probe.waitForConnected(200))
            return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

TEST(QuorvelProgram, ASecondStartEndsAtOnceAndTheFirstKeepsRunning)
{
    testing_support::TempDir dir;
    const QString home = QString::fromStdString(dir.path());
    TProgram first(home);
    first.process.start();
    ASSERT_TRUE(first.process.waitForStarted(10000));
    ASSERT_TRUE(waitUntilListening(home, 20000)) << first.process.readAllStandardError().toStdString();
    EXPECT_TRUE(QDir(home).exists(QStringLiteral("DATA")));
    EXPECT_TRUE(QDir(home).exists(QStringLiteral("sysdata")));

    TProgram second(home);
    QElapsedTimer timer;
    timer.start();
    second.process.start();
    ASSERT_TRUE(second.process.waitForFinished(10000));
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(first.process.state(), QProcess::Running);
}
