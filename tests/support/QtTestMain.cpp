#include <QApplication>
#include "tests/support/TestOutput.h"

#include <gtest/gtest.h>

// Shared main of the tests that need Qt: a QApplication on the offscreen
// platform unless the caller chose another one.
int main(int argc, char** argv)
{
    testsupport::prepareQtEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
