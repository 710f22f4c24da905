#include "app/FlightControllerApplication.h"

#include <QDir>

#include <gtest/gtest.h>

// The window's tests run under the tool's own application object, so an
// exception escaping a handler reaches the standard error box as in use.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        QDir().mkpath(runtimeDir);
    ::testing::InitGoogleTest(&argc, argv);
    FlightControllerApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
