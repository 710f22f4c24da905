// fcmon: console monitor. Decodes the telemetry of a serial device, a
// capture file or a recording and prints one line per frame, or CSV.

#include "CsvPrinter.h"
#include "InputDecoding.h"
#include "MonitorPrinter.h"
#include "QuitOnSignal.h"

#include "platform/ClassicErrors.h"
#include "protocol/TelemetryDecoder.h"
#include "recording/LiveRecording.h"
#include "serial/Comm.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int kRecordingTickMs = 100;

struct Options {
    QString port;
    QString input;
    QString record;
    bool csv = false;
    long long count = 0;
    uint64_t everyUs = 0;
};

[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& problem)
{
    std::fprintf(stderr, "fcmon: %s\n%s", qPrintable(problem), qPrintable(parser.helpText()));
    std::exit(2);
}

Options parse(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the decoded telemetry of a flight controller, one line per frame.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"port", "Serial device to read.", "DEVICE"});
    parser.addOption({"input", "Capture file or recording to decode (- for standard input).", "FILE"});
    parser.addOption({"count", "Stop after N frames.", "N"});
    parser.addOption({"record", "With --port: record what is received into FILE.", "FILE"});
    parser.addOption({"csv", "With --input: write CSV, one row per frame."});
    parser.addOption({"every", "With --csv: one row per MS milliseconds of a recording.", "MS"});
    if (!parser.parse(app.arguments()))
        usageError(parser, parser.errorText());
    if (parser.isSet("help"))
        parser.showHelp(0);
    if (parser.isSet("version"))
        parser.showVersion();

    if (!parser.positionalArguments().isEmpty())
        usageError(parser, "unexpected argument " + parser.positionalArguments().first());
    Options options;
    options.port = parser.value("port");
    options.input = parser.value("input");
    options.record = parser.value("record");
    options.csv = parser.isSet("csv");
    if (parser.isSet("port") == parser.isSet("input"))
        usageError(parser, "give either --port DEVICE or --input FILE");
    if (parser.isSet("count")) {
        bool ok = false;
        options.count = parser.value("count").toLongLong(&ok);
        if (!ok || options.count < 0)
            usageError(parser, "--count takes a number of frames, not '" + parser.value("count") + "'");
    }
    if (parser.isSet("record") && !parser.isSet("port"))
        usageError(parser, "--record works with --port only");
    if (options.csv && !parser.isSet("input"))
        usageError(parser, "--csv works with --input only");
    if (parser.isSet("every")) {
        bool ok = false;
        const double ms = parser.value("every").toDouble(&ok);
        if (!options.csv)
            usageError(parser, "--every works with --csv only");
        if (!ok || !(ms >= 0.001) || ms > 1e12)
            usageError(parser, "--every takes a positive number of milliseconds, not '" + parser.value("every") + "'");
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
    comm.SetPortOpen(true);
    if (!comm.PortOpen())
        return 1;

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
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("fcmon");
    QCoreApplication::setApplicationVersion(FCT_VERSION);
    const Options options = parse(app);

    std::unique_ptr<MonitorOutput> output;
    if (options.csv)
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
