#include "app/FlightControllerApplication.h"
#include "tests/support/TestOutput.h"

#include <gtest/gtest.h>

// The window's tests run under the tool's own application object, so an
// exception escaping a handler reaches the standard error box as in use.
int main(int argc, char** argv)
{
    testsupport::prepareQtEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    FlightControllerApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
