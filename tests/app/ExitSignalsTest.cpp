// The end of a desktop session as the built program meets it: a real
// process, a home of its own, and the signals of logout (SIGTERM), Ctrl+C
// (SIGINT) and a closed terminal (SIGHUP).

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <iterator>
#include <string>

namespace
{

// Whether the process has a handler of its own for the signal: the number's
// bit in the caught-signals mask of /proc/PID/status.
bool CatchesSignal(qint64 pid, int signal)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            const unsigned long long mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
            return (mask >> (signal - 1)) & 1U;
        }
    }
    return false;
}

} // namespace

TEST(SessionEnd, EachEndOfASessionLeavesInOrderWithTheSettingsWritten)
{
    // One game for each signal, started side by side since starting takes
    // longer than the rest.
    const int endSignals[] = {SIGTERM, SIGINT, SIGHUP};
    QTemporaryDir homes[std::size(endSignals)];
    QProcess games[std::size(endSignals)];
    for (std::size_t i = 0; i < std::size(endSignals); ++i) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "DIVUZ_QUIT_AFTER_FIRST_PAINT"})
            environment.remove(name);
        environment.insert("HOME", homes[i].path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("SDL_AUDIODRIVER", "dummy");
        games[i].setProcessEnvironment(environment);
        games[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        games[i].start(DIVUZ_PROGRAM, {});
    }
    for (std::size_t i = 0; i < std::size(endSignals); ++i) {
        const int signal = endSignals[i];
        QProcess &game = games[i];
        SCOPED_TRACE(strsignal(signal));
        ASSERT_TRUE(game.waitForStarted());

        QElapsedTimer waited;
        waited.start();
        while (!CatchesSignal(game.processId(), signal) && waited.elapsed() < 30000)
            QThread::msleep(10);
        ASSERT_TRUE(CatchesSignal(game.processId(), signal)) << "the game never took the signal";

        QElapsedTimer exiting;
        exiting.start();
        kill(static_cast<pid_t>(game.processId()), signal);
        ASSERT_TRUE(game.waitForFinished(10000));
        EXPECT_LT(exiting.elapsed(), 2000);
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0);

        QFile settings(homes[i].filePath(".config/Zidude/Divuz.conf"));
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly)) << "no settings written";
        EXPECT_TRUE(settings.readAll().contains("[Options]"));
    }
}
