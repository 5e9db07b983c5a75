// The game tests need an event loop of the user-interface kind; its
// dispatch reports errors that leave a handler, as the program's does.

#include "ErrorReport.h"
#include "TestSeed.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    FixTestSeed();
    ErrorGuard<QCoreApplication> app(argc, argv);
    return RUN_ALL_TESTS();
}
