#include "app/FlightControllerApplication.h"
#include "tests/support/TestOutput.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Two screens side by side, the right one at twice the pixel ratio, as a
// laptop at 200 % next to an ordinary monitor.
int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "Monitor", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96},
        {"name": "Laptop", "x": 1280, "y": 0, "width": 2560, "height": 2048, "logicalDpi": 96}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    // Qt's own scaling, as a desktop's per-screen setting gives it.
    qputenv("QT_SCREEN_SCALE_FACTORS", "Monitor=1;Laptop=2");
    testsupport::prepareQtEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    FlightControllerApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
