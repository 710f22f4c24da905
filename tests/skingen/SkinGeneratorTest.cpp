// The committed skins are what the generator draws, packed by our packer;
// their records name places inside their pictures; their text is readable.

#include "SkinDefinition.h"
#include "SkinPalette.h"
#include "SkinWriter.h"

#include "platform/ByteStream.h"
#include "platform/IniFile.h"
#include "skin/data/TkvSkinData.h"
#include "tests/support/TestOutput.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace skingen;

namespace {

const QString kAssets = QStringLiteral(FCT_ASSETS_DIR);

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun skntool(const QStringList& args)
{
    QProcess process;
    process.start(QDir(testsupport::binDir()).filePath("skntool"), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray packed(const QString& definition, const QString& target)
{
    const ToolRun run = skntool({"pack", definition, target});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return platform::readWholeFile(target);
}

// Relative luminance contrast of two colours (1 to 21).
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

// Every non-null rectangle a record writes, with its key: the record is
// written to a scratch text and its four-number values read back.
template <typename Record>
QList<std::pair<QString, skin::TRect>> rectsOf(Record& record)
{
    platform::MemIniFile ini;
    record.SaveToFile(ini);
    QList<std::pair<QString, skin::TRect>> rects;
    for (const QString& key : ini.sectionKeys(record.IDName)) {
        const QStringList parts = ini.readString(record.IDName, key, QString()).split(u',');
        if (parts.size() != 4)
            continue;
        const skin::TRect r{parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt()};
        if (!platform::isNullRect(r))
            rects.append({key, r});
    }
    return rects;
}

} // namespace

TEST(SkinGenerator, CommittedFolderSkinIsWhatTheGeneratorDraws)
{
    QTemporaryDir dir;
    writeSkinFolder(graphitePalette(), dir.path());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QDir(kAssets + "/skin").entryList(QDir::Files, QDir::Name));
    for (const QString& file : files)
        EXPECT_EQ(platform::readWholeFile(dir.filePath(file)), platform::readWholeFile(kAssets + "/skin/" + file))
            << file.toStdString() << " differs: run scripts/skins";
}

TEST(SkinGenerator, CommittedDaylightSkinIsTheDrawingPacked)
{
    QTemporaryDir dir;
    const QString definition = writeSkinFolder(daylightPalette(), dir.filePath("daylight"));
    EXPECT_EQ(packed(definition, dir.filePath("daylight.skn")), platform::readWholeFile(kAssets + "/skins/daylight.skn"));
}

TEST(SkinGenerator, UnpackThenPackReproducesBothSkins)
{
    QTemporaryDir dir;
    const QByteArray builtIn = packed(kAssets + "/skin/skin.ini", dir.filePath("builtin.skn"));
    for (const QString& skn : {dir.filePath("builtin.skn"), kAssets + "/skins/daylight.skn"}) {
        const QString name = QFileInfo(skn).completeBaseName();
        const ToolRun unpack = skntool({"unpack", skn, dir.filePath(name)});
        ASSERT_EQ(unpack.exitCode, 0) << unpack.err.toStdString();
        EXPECT_EQ(packed(dir.filePath(name + "/" + name + ".ini"), dir.filePath(name + "-again.skn")),
            platform::readWholeFile(skn))
            << name.toStdString();
    }
    // Both skins describe the same objects and controls.
    for (const QString& skn : {dir.filePath("builtin.skn"), kAssets + "/skins/daylight.skn"}) {
        const ToolRun info = skntool({"info", skn});
        ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
        for (const char* line : {"objects: 12", "controls: 59", "picture: frame.bmp 162x140, 8 bit",
                 "mask: mask.bmp 162x140, 1 bit", "inactive picture: none", "active pictures: 5"})
            EXPECT_TRUE(info.out.contains(line)) << line << "\n" << info.out.toStdString();
    }
    EXPECT_FALSE(builtIn.isEmpty());
}

TEST(SkinGenerator, EveryRecordRectangleLiesInsideItsPicture)
{
    for (const SkinPalette& palette : {graphitePalette(), daylightPalette()}) {
        QTemporaryDir dir;
        skin::TkvSkinData data;
        data.LoadFromFile(writeSkinFolder(palette, dir.path()));
        ASSERT_FALSE(data.IsEmpty());
        const auto inside = [](const skin::TRect& r, const platform::BmpImage* picture) {
            return picture && r.left >= 0 && r.top >= 0 && r.right <= picture->width() && r.bottom <= picture->height();
        };
        for (const auto& record : data.SkinControls) {
            for (const auto& [key, r] : rectsOf(*record))
                EXPECT_TRUE(inside(r, data.activeBitmap(record->pictureindex)))
                    << palette.name.toStdString() << " [" << record->IDName.toStdString() << "] " << key.toStdString();
        }
        for (const auto& record : data.SkinObjects) {
            for (const auto& [key, r] : rectsOf(*record)) {
                const bool main = key == "skinrect" && !record->skinrectinapicture;
                EXPECT_TRUE(inside(r, main ? &data.PictureBitmap : data.activeBitmap(record->activepictureindex)))
                    << palette.name.toStdString() << " [" << record->IDName.toStdString() << "] " << key.toStdString();
            }
        }
    }
}

TEST(SkinGenerator, TextIsReadableOnWhatItIsDrawnOn)
{
    for (const SkinPalette& p : {graphitePalette(), daylightPalette()}) {
        SCOPED_TRACE(p.name.toStdString());
        // The window's labels and fields lie on the group boxes' client.
        EXPECT_GE(contrast(qRgb(0, 0, 0), p.panelFace), 12.0);
        EXPECT_GE(contrast(qRgb(128, 0, 0), p.fieldFace), 9.0);
        EXPECT_GE(contrast(qRgb(0, 0, 0), p.panelHeaderBottom), 10.0);
        // A lit lamp is pure red; on white that is as good as red gets.
        EXPECT_GE(contrast(qRgb(255, 0, 0), p.fieldFace), 3.9);
        // Caption: white when active, silver when inactive.
        EXPECT_GE(contrast(qRgb(255, 255, 255), p.titleActiveTop), 7.0);
        EXPECT_GE(contrast(qRgb(192, 192, 192), p.titleTop), 4.5);
        // Buttons: black caption; a disabled one shows white on the same face.
        EXPECT_GE(contrast(p.buttonText, p.buttonTop), 7.0);
        EXPECT_GE(contrast(p.buttonText, p.buttonDownTop), 4.5);
        EXPECT_GE(contrast(qRgb(255, 255, 255), p.buttonBottom), 1.8);
        EXPECT_GE(contrast(p.menuText, p.menuFace), 7.0);
        EXPECT_GE(contrast(p.menuActiveText, p.accent), 4.5);
        EXPECT_GE(contrast(p.selectionText, p.accent), 4.5);
        EXPECT_GE(contrast(p.glyph, p.titleTop), 4.5);
    }
}
