// fctool: the flight controller ground tool.
//
//   --demo               run the built-in simulated controller and list its
//                        device first
//   --connect [DEVICE]   select DEVICE (or the first port) and connect
//   --skin FILE          use a ".skn" file or a skin folder instead of the
//                        built-in skin
//   --screenshot FILE    save the window as PNG after --after MS and quit

#include "app/DemoController.h"
#include "app/FlightControllerApplication.h"
#include "app/Unit1.h"

#include "platform/MessageBox.h"
#include "serial/PortNames.h"

#include <QCommandLineParser>
#include <QFont>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {

struct Options {
    bool demo = false;
    bool connect = false;
    QString device;
    QString screenshot;
    int afterMs = 1000;
    QString skin;
};

Options parse(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Ground tool for a multirotor flight controller on a serial port.");
    parser.addHelpOption();
    parser.addOption({"demo", "Run the built-in simulated flight controller."});
    parser.addOption({"connect", "Connect at start (to the first port unless a device is given)."});
    parser.addOption({"screenshot", "Save the window as PNG and quit.", "FILE"});
    parser.addOption({"after", "Milliseconds before the screenshot (default 1000).", "MS"});
    parser.addOption({"skin", "Use a .skn file or a skin folder instead of the built-in skin.", "FILE"});
    parser.addPositionalArgument("DEVICE", "Device for --connect.", "[DEVICE]");
    parser.process(app);
    Options options;
    options.demo = parser.isSet("demo");
    options.connect = parser.isSet("connect");
    options.device = parser.positionalArguments().value(0);
    options.screenshot = parser.value("screenshot");
    options.afterMs = parser.isSet("after") ? parser.value("after").toInt() : 1000;
    options.skin = parser.value("skin");
    return options;
}

// The layout names classic faces; these are their metric twins here.
void substituteFonts()
{
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
}

void saveScreenshot(QWidget& window, const QString& file)
{
    // With a window manager the frame belongs to the screen, not to us.
    QPixmap picture;
    if (QScreen* screen = window.screen(); screen && QGuiApplication::platformName() == "xcb")
        picture = screen->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
            window.frameGeometry().width(), window.frameGeometry().height());
    if (picture.isNull())
        picture = window.grab();
    picture.save(file, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    FlightControllerApplication app(argc, argv);
    const Options options = parse(app);
    substituteFonts();
    // Nobody is there to close a message box when taking a screenshot.
    if (!options.screenshot.isEmpty())
        platform::setMessageSink([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });

    std::unique_ptr<DemoController> demo;
    std::unique_ptr<TForm1> window;
    try {
        if (options.demo)
            demo = std::make_unique<DemoController>();
        TForm1Options formOptions;
        formOptions.skinFile = options.skin;
        // Devices the system does not list (the demo's pseudo-terminal, a
        // device named on the command line) go first.
        QStringList extra;
        if (!options.device.isEmpty())
            extra << options.device;
        if (demo)
            extra << demo->devicePath();
        formOptions.portNames = [extra] {
            QStringList names = serial::availablePortNames();
            for (const QString& name : extra)
                names.removeAll(name);
            return extra + names;
        };
        window = std::make_unique<TForm1>(std::move(formOptions));
    } catch (...) {
        showException(std::current_exception());
        return 1;
    }

    window->show();
    if (options.connect) {
        window->kvSkinButton1Click();
        window->kvSkinButton2Click();
    }
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(options.afterMs, window.get(), [&] {
            saveScreenshot(*window, options.screenshot);
            app.quit();
        });
    }
    return app.exec();
}
