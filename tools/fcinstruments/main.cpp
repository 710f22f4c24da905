// fcinstruments: draws one instrument on a fresh 105 x 105 picture and saves
// it as PNG, so that anyone can look at what the window would show.
//
//   fcinstruments attitude --roll DEG --pitch DEG --out FILE
//   fcinstruments heading --heading DEG --out FILE

#include "instruments/AngleFactor.h"
#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "platform/Bitmap.h"

#include "cli/ProgramConvention.h"

#include <QGuiApplication>
#include <QMap>
#include <QStringList>

namespace {

constexpr int kPictureSize = 105;

const cli::Program kProgram{
    "fcinstruments",
    "Draws one flight instrument on a fresh 105 x 105 picture and saves it as PNG.",
    {"fcinstruments attitude --roll DEG --pitch DEG --out FILE", "fcinstruments heading --heading DEG --out FILE"},
    {
        {"--roll DEG", "bank angle of the attitude indicator, degrees (default 0)"},
        {"--pitch DEG", "pitch angle of the attitude indicator, degrees (default 0)"},
        {"--heading DEG", "heading of the compass dial, degrees (default 0)"},
        {"--out FILE", "the PNG file to write"},
        {"--help", "print this help and exit"},
        {"--version", "print the version and exit"},
    },
};

int usage(const char* problem)
{
    return cli::usageError(kProgram, problem);
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto exitCode = cli::helpOrVersion(kProgram, argc, argv))
        return *exitCode;
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty())
        return usage("no instrument given");
    const QString instrument = args.first();
    if (instrument.startsWith('-'))
        return usage(cli::unknownOption(instrument.toStdString()).c_str());
    const QStringList allowed = instrument == "attitude" ? QStringList{"--roll", "--pitch", "--out"}
        : instrument == "heading"                        ? QStringList{"--heading", "--out"}
                                                         : QStringList{};
    if (allowed.isEmpty())
        return usage(qPrintable("unknown instrument " + instrument + ": it is attitude or heading"));

    QMap<QString, QString> options;
    const QStringList known{"--roll", "--pitch", "--heading", "--out"};
    for (int i = 1; i < args.size(); i += 2) {
        if (args[i].startsWith('-') && !known.contains(args[i]))
            return usage(cli::unknownOption(args[i].toStdString()).c_str());
        if (!allowed.contains(args[i]) || i + 1 >= args.size())
            return usage(qPrintable("unexpected argument " + args[i]));
        options[args[i]] = args[i + 1];
    }
    if (!options.contains("--out"))
        return usage("--out FILE is required");

    // Degrees in the C locale, so scripts work the same everywhere.
    const auto degrees = [&](const QString& name, double& value) {
        bool ok = true;
        value = options.value(name, "0").toDouble(&ok);
        return ok;
    };

    double roll = 0;
    double pitch = 0;
    double heading = 0;
    if (instrument == "attitude" && (!degrees("--roll", roll) || !degrees("--pitch", pitch)))
        return usage("roll and pitch are numbers of degrees");
    if (instrument == "heading" && !degrees("--heading", heading))
        return usage("the heading is a number of degrees");

    // Text needs a GUI application for its fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    platform::TBitmap picture(kPictureSize, kPictureSize);
    if (instrument == "attitude")
        instruments::DrawAttitude(instruments::degreesToRadians(roll), instruments::degreesToRadians(pitch), picture);
    else
        instruments::DrawHeading(instruments::degreesToRadians(heading), picture);

    const QString out = options.value("--out");
    if (!picture.image().save(out, "PNG"))
        return cli::failure(kProgram, "cannot write " + out.toStdString());
    return 0;
}
