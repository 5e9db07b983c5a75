// Start-up benchmark: how long `divuz` takes from launch to its first
// painted board, over several launches. Each run uses a fresh settings
// folder and the offscreen platform unless a display is given.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(DIVUZ_PROGRAM);
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 15;

    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DIVUZ_QUIT_AFTER_FIRST_PAINT", "1");
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("XDG_DATA_HOME", home.path());
        if (!env.contains("DISPLAY") && !env.contains("QT_QPA_PLATFORM"))
            env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess process;
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            std::fprintf(stderr, "divuz did not start and stop cleanly: %s\n",
                         qPrintable(process.errorString()));
            return 1;
        }
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "STARTUP: launch to first painted board, median %.1f ms over %d runs (min %.1f, max "
        "%.1f)\n",
        ms[ms.size() / 2], runs, ms.front(), ms.back());
    return 0;
}
