// fcskingen: draws the program's skin in one palette and writes it as a
// folder skin (definition text and BMP files).
// Usage: fcskingen [--palette NAME] OUT_DIR

#include "SkinPalette.h"
#include "SkinWriter.h"

#include "platform/ClassicErrors.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationVersion(QStringLiteral("0.1"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the program's skin and writes it as a folder skin."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"palette", "Graphite (the built-in skin) or Daylight.", "NAME", "Graphite"});
    parser.addPositionalArgument("OUT_DIR", "Folder to write skin.ini and the pictures into.");
    parser.process(app);

    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    const std::optional<skingen::SkinPalette> palette = skingen::paletteNamed(parser.value("palette"));
    if (args.size() != 1 || !palette) {
        if (!palette)
            err << "fcskingen: unknown palette " << parser.value("palette") << " (Graphite or Daylight)\n";
        err << parser.helpText();
        return 2;
    }
    try {
        QTextStream(stdout) << skingen::writeSkinFolder(*palette, args[0]) << "\n";
    } catch (const platform::Exception& error) {
        err << "fcskingen: " << error.message() << "\n";
        return 1;
    }
    return 0;
}
