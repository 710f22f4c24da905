// fcairframes: draws the airframe picture strip the main window shows.

#include "AirframeDrawing.h"

#include "cli/ProgramConvention.h"

#include <QGuiApplication>

namespace {

const cli::Program kProgram{
    "fcairframes",
    "Draws the strip of airframe pictures the main window shows, as a 24-bit BMP.",
    {"fcairframes OUT.bmp"},
    {
        {"--help", "print this help and exit"},
        {"--version", "print the version and exit"},
    },
};

} // namespace

int main(int argc, char** argv)
{
    if (const auto exitCode = cli::helpOrVersion(kProgram, argc, argv))
        return *exitCode;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return cli::usageError(kProgram, cli::unknownOption(argv[i]));
    }
    if (argc != 2)
        return cli::usageError(kProgram, argc < 2 ? "no output file given" : "unexpected argument " + std::string(argv[argc - 1]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // 24-bit, as the window layout stores it.
    const QImage strip = drawAirframeStrip().convertToFormat(QImage::Format_RGB888);
    if (!strip.save(QString::fromLocal8Bit(argv[1]), "BMP"))
        return cli::failure(kProgram, std::string("cannot write ") + argv[1]);
    return 0;
}
