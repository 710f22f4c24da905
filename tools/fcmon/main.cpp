// fcmon: console monitor. Decodes the telemetry of a serial device, a
// capture file or a recording and prints one line per frame, or CSV.

#include "recording/CsvPrinter.h"
#include "InputDecoding.h"
#include "MonitorPrinter.h"
#include "QuitOnSignal.h"
#include "StatsLine.h"

#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"
#include "protocol/TelemetryDecoder.h"
#include "recording/LiveRecording.h"
#include "serial/Comm.h"
#include "cli/ParserProblem.h"
#include "cli/ProgramConvention.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int kRecordingTickMs = 100;
constexpr int kStatsIntervalMs = 1000;

struct Options {
    QString port;
    QString input;
    QString record;
    bool csv = false;
    bool stats = false;
    long long count = 0;
    uint64_t everyUs = 0;
};

const cli::Program kProgram{
    "fcmon",
    "Prints the decoded telemetry of a flight controller, one line per frame.",
    {"fcmon --port DEVICE [--record FILE] [--count N | --stats]",
        "fcmon --input FILE|- [--csv [--every MS]] [--count N]"},
    {
        {"--port DEVICE", "serial device to read"},
        {"--input FILE", "capture file or recording to decode (- for standard input)"},
        {"--count N", "stop after N frames"},
        {"--record FILE", "with --port: record what is received into FILE"},
        {"--csv", "with --input: write CSV, one row per frame"},
        {"--every MS", "with --csv: one row per MS milliseconds of a recording"},
        {"--stats", "with --port: instead of the frames, print once a second the bytes a second, the bytes "
                    "skipped between frames (a second and so far) and the frames a second of each type"},
        {"--help", "print this help and exit"},
        {"--version", "print the version and exit"},
    },
};

[[noreturn]] void usageError(const QString& problem)
{
    std::exit(cli::usageError(kProgram, problem.toStdString()));
}

Options parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Our options are all long ones: "-port" is "--port", not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({"port", {}, "DEVICE"});
    parser.addOption({"input", {}, "FILE"});
    parser.addOption({"count", {}, "N"});
    parser.addOption({"record", {}, "FILE"});
    parser.addOption({"csv", {}});
    parser.addOption({"every", {}, "MS"});
    parser.addOption({"stats", {}});
    if (!parser.parse(arguments))
        usageError(cli::parserProblem(parser, arguments));

    if (!parser.positionalArguments().isEmpty())
        usageError("unexpected argument " + parser.positionalArguments().first());
    Options options;
    options.port = parser.value("port");
    options.input = parser.value("input");
    options.record = parser.value("record");
    options.csv = parser.isSet("csv");
    options.stats = parser.isSet("stats");
    if (parser.isSet("port") == parser.isSet("input"))
        usageError("give either --port DEVICE or --input FILE");
    if (parser.isSet("count")) {
        bool ok = false;
        options.count = parser.value("count").toLongLong(&ok);
        if (!ok || options.count < 0)
            usageError("--count takes a number of frames, not '" + parser.value("count") + "'");
    }
    if (parser.isSet("record") && !parser.isSet("port"))
        usageError("--record works with --port only");
    if (options.csv && !parser.isSet("input"))
        usageError("--csv works with --input only");
    if (options.stats && !parser.isSet("port"))
        usageError("--stats works with --port only");
    if (options.stats && parser.isSet("count"))
        usageError("--stats and --count do not go together");
    if (parser.isSet("every")) {
        bool ok = false;
        const double ms = parser.value("every").toDouble(&ok);
        if (!options.csv)
            usageError("--every works with --csv only");
        if (!ok || !(ms >= 0.001) || ms > 1e12)
            usageError("--every takes a positive number of milliseconds, not '" + parser.value("every") + "'");
        options.everyUs = static_cast<uint64_t>(ms * 1000);
    }
    return options;
}

int monitorPort(QCoreApplication& app, const Options& options, protocol::TelemetryDecoder& decoder,
    MonitorOutput& output)
{
    serial::TComm comm;
    comm.SetDevicePath(options.port);
    comm.SetBaudRate(115200);
    comm.SetRThreshold(1);
    int exitCode = 0;
    std::unique_ptr<recording::LiveRecording> recorder;
    comm.OnReceiveData = [&](serial::TComm* sender) {
        const QByteArray batch = sender->ReadInputByte();
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(batch.constData()),
            static_cast<size_t>(batch.size()));
        if (recorder)
            recorder->received(bytes);
        // The port closes when the component goes away after the loop.
        if (feedUntilCount(decoder, output, bytes, options.count))
            app.quit();
        writeOutput(output);
    };
    comm.OnDeviceLost = [&](serial::TComm*) {
        std::fprintf(stderr, "fcmon: %s is gone\n", qPrintable(options.port));
        exitCode = 1;
        app.quit();
    };
    if (const auto problem = comm.TryOpen()) {
        std::fprintf(stderr, "fcmon: %s\n", qPrintable(platform::messageOnOneLine(*problem)));
        return 1;
    }

    QTimer recordingTimer;
    if (!options.record.isEmpty()) {
        std::string error;
        recorder = recording::LiveRecording::create(options.record.toStdString(), error);
        if (!recorder) {
            std::fprintf(stderr, "fcmon: %s\n", error.c_str());
            return 1;
        }
        // Monitoring goes on without the recording.
        recorder->onStopped = [&](const std::string& reason) {
            std::fprintf(stderr, "fcmon: recording stopped: %s\n", reason.c_str());
            exitCode = 1;
        };
        recorder->connection(options.port.toStdString());
        QObject::connect(&recordingTimer, &QTimer::timeout, [&] { recorder->tick(); });
        recordingTimer.start(kRecordingTickMs);
    }
    QTimer statsTimer;
    QElapsedTimer sinceStart;
    protocol::LinkCounters lastCounters;
    double lastSeconds = 0;
    if (options.stats) {
        sinceStart.start();
        QObject::connect(&statsTimer, &QTimer::timeout, [&] {
            const double seconds = static_cast<double>(sinceStart.nsecsElapsed()) / 1e9;
            const protocol::LinkCounters& counters = decoder.counters();
            output.output() += statsLine(seconds, protocol::ratesBetween(lastCounters, counters, seconds - lastSeconds),
                counters.skippedBytes);
            writeOutput(output);
            lastCounters = counters;
            lastSeconds = seconds;
        });
        statsTimer.start(kStatsIntervalMs);
    }
    const QuitOnSignal quitOnSignal;
    app.exec();
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    // The plain event dispatcher costs less per wake-up than the GLib one,
    // and a monitor wakes up a hundred times a second.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    if (const auto exitCode = cli::helpOrVersion(kProgram, argc, argv))
        return *exitCode;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("fcmon");
    const Options options = parse(app.arguments());

    std::unique_ptr<MonitorOutput> output;
    // Statistics take the place of the frames' lines.
    if (options.stats)
        output = std::make_unique<MonitorOutput>();
    else if (options.csv)
        output = std::make_unique<CsvPrinter>(options.everyUs);
    else
        output = std::make_unique<MonitorPrinter>();
    // CSV readers expect a decimal point whatever the system uses.
    protocol::TelemetryDecoder decoder(*output, options.csv ? '.' : platform::DecimalSeparator());
    if (!options.input.isEmpty()) {
        const int status = decodeInput(options.input.toStdString(), decoder, *output,
            {options.count, options.everyUs > 0});
        return status;
    }
    return monitorPort(app, options, decoder, *output);
}
