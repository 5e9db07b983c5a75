#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

// A QCoreApplication whose per-user data folder lies in a temporary folder,
// so no test ever reads or writes the user's own best-games table.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Zidude");
    QCoreApplication::setApplicationName("Divuz");
    return RUN_ALL_TESTS();
}
