// fcmon: console monitor. Decodes the telemetry of a serial device or of a
// capture file and prints one line per frame.

#include "MonitorPrinter.h"

#include "platform/ClassicErrors.h"
#include "protocol/TelemetryDecoder.h"
#include "serial/Comm.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

// Feeds bytes one at a time so --count can stop in the middle of a batch.
// Returns true once the wanted number of frames has been printed.
bool feed(protocol::TelemetryDecoder& decoder, MonitorPrinter& printer, const QByteArray& bytes, long long count)
{
    bool done = false;
    for (const char byte : bytes) {
        decoder.feed(static_cast<uint8_t>(byte));
        if (count > 0 && printer.frames() >= count) {
            done = true;
            break;
        }
    }
    std::fwrite(printer.output().data(), 1, printer.output().size(), stdout);
    std::fflush(stdout);
    printer.output().clear();
    return done;
}

int decodeFile(const QString& path, protocol::TelemetryDecoder& decoder, MonitorPrinter& printer, long long count)
{
    std::FILE* file = path == "-" ? stdin : std::fopen(path.toLocal8Bit().constData(), "rb");
    if (!file) {
        std::fprintf(stderr, "fcmon: cannot open %s\n", path.toLocal8Bit().constData());
        return 1;
    }
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (feed(decoder, printer, QByteArray::fromRawData(buffer, static_cast<qsizetype>(got)), count))
            break;
    }
    if (file != stdin)
        std::fclose(file);
    return 0;
}

int monitorPort(QCoreApplication& app, const QString& device, protocol::TelemetryDecoder& decoder,
    MonitorPrinter& printer, long long count)
{
    serial::TComm comm;
    comm.SetDevicePath(device);
    comm.SetBaudRate(115200);
    comm.SetRThreshold(1);
    int exitCode = 0;
    comm.OnReceiveData = [&](serial::TComm* sender) {
        // The port closes when the component goes away after the loop.
        if (feed(decoder, printer, sender->ReadInputByte(), count))
            app.quit();
    };
    comm.OnDeviceLost = [&](serial::TComm*) {
        std::fprintf(stderr, "fcmon: %s is gone\n", device.toLocal8Bit().constData());
        exitCode = 1;
        app.quit();
    };
    comm.SetPortOpen(true);
    if (!comm.PortOpen())
        return 1;
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
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the decoded telemetry of a flight controller, one line per frame.");
    parser.addHelpOption();
    parser.addOption({"port", "Serial device to read.", "DEVICE"});
    parser.addOption({"input", "Capture file to decode (- for standard input).", "FILE"});
    parser.addOption({"count", "Stop after N frames.", "N"});
    parser.process(app);

    bool countOk = true;
    const long long count = parser.isSet("count") ? parser.value("count").toLongLong(&countOk) : 0;
    if (!countOk || count < 0 || parser.isSet("port") == parser.isSet("input")) {
        std::fprintf(stderr, "usage: fcmon (--port DEVICE | --input FILE|-) [--count N]\n");
        return 2;
    }

    MonitorPrinter printer;
    protocol::TelemetryDecoder decoder(printer, platform::DecimalSeparator());
    if (parser.isSet("input"))
        return decodeFile(parser.value("input"), decoder, printer, count);
    return monitorPort(app, parser.value("port"), decoder, printer, count);
}
