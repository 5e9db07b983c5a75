// The main of the window tests, the board and panel ones and the whole
// program's: an application of the widget kind, offscreen unless told, and
// with SDL's dummy audio driver unless told, so the real player plays
// in real time without a sound card, with a settings store of its own, and
// in the program's own language.

#include "ErrorReport.h"
#include "TestSeed.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    FixTestSeed();
    // Listing the tests at build time has no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    // The program's own texts whatever language the machine has, unless a
    // test of the translations asks for another.
    qputenv("LANGUAGE", qEnvironmentVariableIsSet("DIVUZ_TEST_LANGUAGE")
                            ? qgetenv("DIVUZ_TEST_LANGUAGE")
                            : QByteArray("cs"));
    ErrorGuard<QApplication> app(argc, argv);
    // The user's own settings and files are never touched; a test that
    // needs a store of its own sets it again.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    return RUN_ALL_TESTS();
}
