// fcskingen: draws the program's skin, or the feature skin, in one palette
// and writes it as a folder skin (definition text and BMP files).

#include "SkinPalette.h"
#include "SkinWriter.h"

#include "platform/ClassicErrors.h"
#include "cli/ProgramConvention.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

const cli::Program kProgram{
    "fcskingen",
    "Draws the program's skin and writes it as a folder skin (skin.ini and its pictures).",
    {"fcskingen [--palette Graphite|Daylight] [--features] OUT_DIR"},
    {
        {"--palette NAME", "Graphite (the built-in skin, the default) or Daylight"},
        {"--features", "draw the feature skin instead: the program's skin plus one of every frame feature the "
                       "engine draws (animations, hints, a caption text frame, a plain button, a user object, "
                       "caption buttons with restore, inactive and disabled faces, shaped hint and popup windows)"},
        {"--help", "print this help and exit"},
        {"--version", "print the version and exit"},
    },
};

} // namespace

int main(int argc, char** argv)
{
    if (const auto exitCode = cli::helpOrVersion(kProgram, argc, argv))
        return *exitCode;
    QString paletteName = QStringLiteral("Graphite");
    skingen::SkinKind kind = skingen::SkinKind::Program;
    QStringList folders;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == "--palette") {
            if (++i >= argc)
                return cli::usageError(kProgram, "--palette needs a name");
            paletteName = QString::fromLocal8Bit(argv[i]);
        } else if (argument == "--features") {
            kind = skingen::SkinKind::Features;
        } else if (argument.startsWith('-')) {
            return cli::usageError(kProgram, cli::unknownOption(argument.toStdString()));
        } else {
            folders << argument;
        }
    }
    const std::optional<skingen::SkinPalette> palette = skingen::paletteNamed(paletteName);
    if (!palette)
        return cli::usageError(kProgram, "unknown palette " + paletteName.toStdString() + " (Graphite or Daylight)");
    if (folders.size() != 1)
        return cli::usageError(kProgram, folders.isEmpty() ? "no output folder given" : "one output folder only");

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        QTextStream(stdout) << skingen::writeSkinFolder(*palette, folders[0], kind) << "\n";
    } catch (const platform::Exception& error) {
        return cli::failure(kProgram, error.message().toStdString());
    }
    return 0;
}
