// fctool: the flight controller ground tool. See --help.

#include "app/BuiltInLink.h"
#include "app/CommandLine.h"
#include "app/FlightControllerApplication.h"
#include "app/link/TelemetryRecorder.h"
#include "app/widgets/WindowPlacement.h"
#include "app/window/MainWindow.h"

#include "platform/MessageBox.h"
#include "serial/PortNames.h"

#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// PNG, or BMP for a ".bmp" file (no compression: the quickest to write).
bool saveScreenshot(QWidget& window, const QString& file)
{
    // With a window manager the frame belongs to the screen, not to us.
    QPixmap picture;
    if (QScreen* screen = window.screen(); screen && QGuiApplication::platformName() == "xcb")
        picture = screen->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
            window.frameGeometry().width(), window.frameGeometry().height());
    if (picture.isNull())
        picture = window.grab();
    if (file.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return picture.save(file, "BMP");
    // The fastest compression: a screenshot run should end quickly, and the
    // file stays small for a picture of controls.
    return picture.save(file, "PNG", 80);
}

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // Help, version and argument errors need no display.
    const cli::Program& program = commandline::program();
    if (const auto exitCode = cli::helpOrVersion(program, argc, argv))
        return *exitCode;
    const auto parsed = commandline::parse(argumentList(argc, argv));
    if (const QString* problem = std::get_if<QString>(&parsed))
        return cli::usageError(program, problem->toStdString());
    const commandline::Options& options = std::get<commandline::Options>(parsed);

    // The plain event dispatcher costs less per wake-up than the GLib one,
    // and a connected window wakes up hundreds of times a second.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    FlightControllerApplication app(argc, argv);
    // A screenshot run waits for no one: what a message box would say goes
    // to stderr and makes the run fail.
    bool messageShown = false;
    std::unique_ptr<platform::ScopedMessageSink> messageSink;
    std::unique_ptr<platform::ScopedErrorSink> errorSink;
    if (!options.screenshot.isEmpty()) {
        const auto toStderr = [&messageShown](const QString& text) {
            std::fprintf(stderr, "fctool: %s\n", qPrintable(platform::messageOnOneLine(text)));
            messageShown = true;
        };
        messageSink = std::make_unique<platform::ScopedMessageSink>(toStderr);
        errorSink = std::make_unique<platform::ScopedErrorSink>(toStderr);
    }

    std::unique_ptr<BuiltInLink> demo;
    std::unique_ptr<BuiltInLink> replay;
    std::unique_ptr<MainWindow> window;
    QSettings settings(QStringLiteral("FlightControllerTool"), QStringLiteral("fctool"));
    try {
        if (options.demo)
            demo = BuiltInLink::demo();
        if (!options.replay.isEmpty())
            replay = BuiltInLink::replay(options.replay);
        MainWindowOptions formOptions;
        if (!options.record.isEmpty())
            formOptions.link.recorder = std::make_unique<TelemetryRecorder>(options.record);
        formOptions.skinFile = options.skin;
        formOptions.searchPortsInBackground = true;
        // A screenshot shows what the command line asks for, not a skin
        // chosen in an earlier session.
        if (options.screenshot.isEmpty())
            formOptions.settings = &settings;
        // Devices the system does not list (a replay's or the demo's
        // pseudo-terminal, a device named on the command line) go first.
        QList<serial::PortEntry> extra;
        if (replay)
            extra << replay->port();
        if (!options.device.isEmpty())
            extra << serial::portEntryForDevice(options.device);
        if (demo)
            extra << demo->port();
        formOptions.link.ports = [extra] {
            QList<serial::PortEntry> ports = extra;
            for (const serial::PortEntry& port : serial::availablePorts()) {
                const bool listed = std::any_of(ports.begin(), ports.end(),
                    [&port](const serial::PortEntry& entry) { return entry.location == port.location; });
                if (!listed)
                    ports << port;
            }
            return ports;
        };
        window = std::make_unique<MainWindow>(std::move(formOptions));
    } catch (...) {
        showException(std::current_exception());
        return 1;
    }

    window->show();
    if (options.plots)
        afterFirstPaint(*window, [&window] { window->showPlots(); });
    if (options.connect) {
        window->refreshClicked();
        window->connectClicked();
    }
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(options.afterMs, window.get(), [&] {
            if (!saveScreenshot(*window, options.screenshot))
                platform::ShowMessage(QStringLiteral("Could not save the screenshot to %1").arg(options.screenshot));
            app.quit();
        });
    }
    const int exitCode = app.exec();
    return exitCode == 0 && messageShown ? 1 : exitCode;
}
