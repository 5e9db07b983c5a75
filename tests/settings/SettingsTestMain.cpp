#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Points every settings store into a temporary folder, so the user's own
// settings are never read or written.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir storeDir;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, storeDir.path() + "/user");
        QSettings::setPath(format, QSettings::SystemScope, storeDir.path() + "/system");
    }
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
