// fcinstruments: draws one instrument on a fresh 105 x 105 picture and saves
// it as PNG, so that anyone can look at what the window would show.
//
//   fcinstruments attitude --roll DEG --pitch DEG --out FILE
//   fcinstruments heading --heading DEG --out FILE

#include "instruments/AngleFactor.h"
#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "platform/Bitmap.h"

#include <QGuiApplication>
#include <QMap>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kPictureSize = 105;

int usage(const char* problem)
{
    std::fprintf(stderr,
        "fcinstruments: %s\n"
        "usage: fcinstruments attitude --roll DEG --pitch DEG --out FILE\n"
        "       fcinstruments heading --heading DEG --out FILE\n",
        problem);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs a GUI application for its fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage("no instrument given");
    const QString instrument = args.first();
    const QStringList allowed = instrument == "attitude" ? QStringList{"--roll", "--pitch", "--out"}
        : instrument == "heading"                        ? QStringList{"--heading", "--out"}
                                                         : QStringList{};
    if (allowed.isEmpty())
        return usage("the instrument is attitude or heading");

    QMap<QString, QString> options;
    for (int i = 1; i < args.size(); i += 2) {
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

    platform::TBitmap picture(kPictureSize, kPictureSize);
    if (instrument == "attitude") {
        double roll = 0;
        double pitch = 0;
        if (!degrees("--roll", roll) || !degrees("--pitch", pitch))
            return usage("roll and pitch are numbers of degrees");
        instruments::DrawAttitude(
            instruments::degreesToRadians(roll), instruments::degreesToRadians(pitch), picture);
    } else {
        double heading = 0;
        if (!degrees("--heading", heading))
            return usage("the heading is a number of degrees");
        instruments::DrawHeading(instruments::degreesToRadians(heading), picture);
    }

    const QString out = options.value("--out");
    if (!picture.image().save(out, "PNG")) {
        std::fprintf(stderr, "fcinstruments: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
