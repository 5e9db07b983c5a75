// The main of the window tests, the board and panel ones and the whole
// program's: an application of the widget kind, offscreen unless told.

#include "ErrorReport.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time has no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ErrorGuard<QApplication> app(argc, argv);
    return RUN_ALL_TESTS();
}
