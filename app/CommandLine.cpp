#include "app/CommandLine.h"

#include "cli/ParserProblem.h"

#include <QCommandLineParser>

namespace commandline {

const cli::Program& program()
{
    static const cli::Program fctool{
        "fctool",
        "Ground tool for a multirotor flight controller on a serial port.",
        {"fctool [--demo | --replay FILE] [--connect [DEVICE]] [--record FILE] [--skin FILE|NAME] [--plots] "
         "[--screenshot FILE [--after MS]]"},
        {
            {"--demo", "run the built-in simulated flight controller and list it first"},
            {"--replay FILE", "serve a recording like a controller and list it first"},
            {"--connect [DEVICE]", "connect at start, to DEVICE or to the first port of the list"},
            {"--record FILE", "record everything received while connected into FILE"},
            {"--skin FILE|NAME", "use a \".skn\" file, a skin definition file, a skin folder or a built-in skin by "
                                 "NAME (Graphite or Daylight) instead of the skin chosen last time"},
            {"--plots", "open the plots window at start"},
            {"--screenshot FILE", "save the window as PNG (BMP for a .bmp file) and quit; messages go to stderr"},
            {"--after MS", "milliseconds before the screenshot (default 1000)"},
            {"--help", "print this help and exit"},
            {"--version", "print the version and exit"},
        },
    };
    return fctool;
}

std::variant<Options, QString> parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption demo("demo");
    const QCommandLineOption connect("connect");
    const QCommandLineOption record("record", {}, "FILE");
    const QCommandLineOption replay("replay", {}, "FILE");
    const QCommandLineOption skin("skin", {}, "FILE|NAME");
    const QCommandLineOption screenshot("screenshot", {}, "FILE");
    const QCommandLineOption after("after", {}, "MS");
    const QCommandLineOption plots("plots");
    parser.addOptions({demo, connect, record, replay, skin, screenshot, after, plots});
    parser.addPositionalArgument("DEVICE", {});
    if (!parser.parse(arguments))
        return cli::parserProblem(parser, arguments);

    Options options;
    options.demo = parser.isSet(demo);
    options.connect = parser.isSet(connect);
    options.plots = parser.isSet(plots);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return QStringLiteral("one device at most: %1").arg(positional.join(' '));
    if (!positional.isEmpty() && !options.connect)
        return QStringLiteral("a device is given only with --connect: %1").arg(positional.first());
    options.device = positional.value(0);
    options.record = parser.value(record);
    options.replay = parser.value(replay);
    options.skin = parser.value(skin);
    options.screenshot = parser.value(screenshot);
    if (parser.isSet(after)) {
        bool ok = false;
        options.afterMs = parser.value(after).toInt(&ok);
        if (!ok || options.afterMs < 0)
            return QStringLiteral("--after takes a number of milliseconds: %1").arg(parser.value(after));
        if (options.screenshot.isEmpty())
            return QStringLiteral("--after goes with --screenshot");
    }
    return options;
}

} // namespace commandline
