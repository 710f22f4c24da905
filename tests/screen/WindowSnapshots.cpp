// Not a test: pictures of the window in fixed states, for comparing the
// drawing before and after a change to the code behind it. For each skin:
// the idle window, the port list dropped down, the system menu open, and
// the window fed one fixed set of telemetry frames.
//
//   window_snapshots OUT_DIR            (offscreen, or X11 under xvfb-run)
//
// Pop-up windows are part of the picture: on X11 the screen is grabbed, on
// the offscreen platform each visible pop-up is laid over the window.

#include "app/FlightControllerApplication.h"
#include "app/window/MainWindow.h"
#include "serial/MemorySerialDriver.h"
#include "simulator/SimulatedController.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSorvane.h"
#include "tests/support/TestOutput.h"

#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

void settle()
{
    // Paints are paced to one a frame of the display, 50 ms.
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

QImage picture(MainWindow& form)
{
    const QRect area = form.frameGeometry();
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return form.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    QImage image = form.grab().toImage();
    QPainter painter(&image);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &form && window->isVisible())
            painter.drawImage(window->geometry().topLeft() - area.topLeft(), window->grab().toImage());
    }
    return image;
}

std::vector<uint8_t> telemetry()
{
    simulator::SimulatedController controller(7);
    controller.advanceTo(2.0);
    std::vector<uint8_t> bytes;
    for (uint8_t type = protocol::kFirstFrameType; type <= protocol::kLastFrameType; ++type) {
        const protocol::FrameBytes frame = controller.frame(static_cast<protocol::FrameType>(type));
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    return bytes;
}

bool snapshots(const QString& skin, const QString& folder)
{
    auto device = std::make_shared<serial::MemorySerialDevice>();
    MainWindowOptions options;
    options.link.driver = std::make_unique<serial::MemorySerialDriver>(device);
    options.link.ports = [] {
        return QList<serial::PortEntry>{{QStringLiteral("COM3"), QStringLiteral("COM3")},
            {QStringLiteral("ttyUSB0"), QStringLiteral("/dev/ttyUSB0")}};
    };
    MainWindow form(std::move(options));
    if (!form.chooseSkin(skin))
        return false;
    form.move(40, 40);
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowExposed(&form))
        return false;
    settle();
    const auto save = [&](const char* state) {
        const QString file = QStringLiteral("%1/%2-%3-%4.png")
                                 .arg(folder, QGuiApplication::platformName(), skin, QLatin1String(state));
        return picture(form).save(file);
    };
    bool saved = save("idle");

    auto* list = form.comboBox(QStringLiteral("portList"));
    list->DropDown();
    settle();
    saved &= save("dropdown");
    QTest::keyClick(list, Qt::Key_Escape);
    settle();

    const QPoint corner = form.mapToGlobal(QPoint(12, 24));
    form.frame()->TrackSystemMenu(corner.x(), corner.y());
    settle();
    saved &= save("systemmenu");
    form.frame()->SkinMenu().Hide();
    settle();

    form.connectClicked();
    device->queue(telemetry());
    form.comm()->ProcTimer();
    settle();
    saved &= save("telemetry");
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    testsupport::prepareQtEnvironment();
    FlightControllerApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_snapshots OUT_DIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (const QString& skin : {QStringLiteral("Graphite"), QStringLiteral("Daylight")}) {
        if (!snapshots(skin, folder)) {
            std::fprintf(stderr, "window_snapshots: %s could not be drawn or saved in %s\n", qPrintable(skin),
                qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
