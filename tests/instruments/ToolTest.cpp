#include "instruments/AngleFactor.h"
#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "tests/instruments/InstrumentPixels.h"

#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct ToolRun {
    int exitCode;
    QString errors;
};

ToolRun fcinstruments(const QStringList& arguments)
{
    QProcess process;
    process.start(testsupport::binDir() + "/fcinstruments", arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString outputFile(const QString& name)
{
    return testsupport::testOutputDir() + "/" + name;
}

} // namespace

TEST(Fcinstruments, SavesWhatTheDrawingRoutinesDraw)
{
    const QString attitudeFile = outputFile("fcinstruments_attitude_r15_p-10.png");
    ASSERT_EQ(fcinstruments({"attitude", "--roll", "15", "--pitch", "-10", "--out", attitudeFile}).exitCode, 0);
    TBitmap attitude(105, 105);
    instruments::DrawAttitude(instruments::degreesToRadians(15), instruments::degreesToRadians(-10), attitude);
    EXPECT_EQ(QImage(attitudeFile).convertToFormat(QImage::Format_RGB32), attitude.image());

    const QString headingFile = outputFile("fcinstruments_heading_123.4.png");
    ASSERT_EQ(fcinstruments({"heading", "--heading", "123.4", "--out", headingFile}).exitCode, 0);
    TBitmap heading(105, 105);
    instruments::DrawHeading(instruments::degreesToRadians(123.4), heading);
    EXPECT_EQ(QImage(headingFile).convertToFormat(QImage::Format_RGB32), heading.image());
}

TEST(Fcinstruments, RefusesBadArguments)
{
    const QString file = outputFile("fcinstruments_never.png");
    for (const QStringList& arguments : {QStringList{}, QStringList{"compass", "--out", file},
             QStringList{"heading", "--heading", "north", "--out", file}, QStringList{"heading", "--heading", "5"},
             QStringList{"attitude", "--heading", "5", "--out", file}, QStringList{"attitude", "--roll"}}) {
        const ToolRun run = fcinstruments(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains("Usage:")) << run.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
}
