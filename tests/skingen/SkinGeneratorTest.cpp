// The committed skins are what the generator draws, packed by our packer;
// their records name places inside their pictures; their text is readable.

#include "SkinDefinition.h"
#include "SkinPalette.h"
#include "SkinWriter.h"
#include "SkinPaths.h"
#include "SkntoolRun.h"

#include "platform/ByteStream.h"
#include "platform/Color.h"
#include "platform/IniFile.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinDefinitionCheck.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>

using namespace skingen;

namespace {

using skingentest::skntool;
using skingentest::ToolRun;
using skingentest::kFeatureSkin;

const QString kAssets = QStringLiteral(FCT_ASSETS_DIR);

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
    // Both skins describe the same objects and controls; Daylight adds the
    // record of its lamp colours.
    for (const QString& skn : {dir.filePath("builtin.skn"), kAssets + "/skins/daylight.skn"}) {
        const ToolRun info = skntool({"info", skn});
        ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
        const char* controls = skn.endsWith("daylight.skn") ? "controls: 60" : "controls: 59";
        for (const char* line : {"objects: 12", controls, "picture: frame.bmp 162x140, 8 bit",
                 "mask: mask.bmp 162x140, 1 bit", "inactive picture: none", "active pictures: 5"})
            EXPECT_TRUE(info.out.contains(line)) << line << "\n" << info.out.toStdString();
    }
    EXPECT_FALSE(builtIn.isEmpty());
}

TEST(SkinGenerator, EveryRecordRectangleLiesInsideItsPicture)
{
    for (const auto& [palette, kind] : {std::pair{graphitePalette(), SkinKind::Program},
             {daylightPalette(), SkinKind::Program}, {graphitePalette(), SkinKind::Features}}) {
        QTemporaryDir dir;
        skin::TkvSkinData data;
        data.LoadFromFile(writeSkinFolder(palette, dir.path(), kind));
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

TEST(SkinGenerator, GlyphsAndTheWindowsOwnTextStandOutOfTheirFaces)
{
    // What the records do not colour: the value fields' maroon text on a
    // field face and the caption buttons' marks on the title bar.
    for (const SkinPalette& p : {graphitePalette(), daylightPalette()}) {
        SCOPED_TRACE(p.name.toStdString());
        EXPECT_GE(contrast(qRgb(128, 0, 0), p.fieldFace), 9.0);
        EXPECT_GE(contrast(p.glyph, p.titleTop), 4.5);
        EXPECT_GE(contrast(p.glyph, p.titleBottom), 4.5);
        EXPECT_GE(contrast(p.glyphHot, p.captionHot), 4.5);
        EXPECT_GE(contrast(p.glyphHot, p.closeHot), 4.5);
        EXPECT_GE(contrast(p.glyphDown, p.captionDown), 4.5);
    }
}

namespace {

// Glyphs keep clear of the edges of their text area, where frames draw
// their outline and bevel lines; the pixels that far inside are what a
// text can be drawn on.
constexpr int kTextMargin = 2;

// Every pixel of picture under a text area: text is relative to face (the
// whole face when null), shrunk by the margin where it is big enough.
QList<QRgb> pixelsUnder(const QImage& picture, const skin::TRect& face, const skin::TRect& text = {})
{
    skin::TRect r = platform::isNullRect(text) ? skin::TRect{0, 0, face.width(), face.height()} : text;
    if (r.width() > 2 * kTextMargin + 2)
        r.left += kTextMargin, r.right -= kTextMargin;
    if (r.height() > 2 * kTextMargin + 2)
        r.top += kTextMargin, r.bottom -= kTextMargin;
    QList<QRgb> pixels;
    for (int y = face.top + r.top; y < face.top + std::min(r.bottom, face.height()); ++y)
        for (int x = face.left + r.left; x < face.left + std::min(r.right, face.width()); ++x)
            if (x >= 0 && y >= 0 && x < picture.width() && y < picture.height())
                pixels.append(picture.pixel(x, y) & 0xFFFFFF);
    return pixels;
}

QRgb rgbOf(skin::TColor colour) { return platform::toQRgb(colour) & 0xFFFFFF; }

QString hex(QRgb c) { return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')); }

// What each text colour of a record is drawn on, by the colour's key.
using Backgrounds = QMap<QString, QList<QRgb>>;

class SkinTexts {
public:
    explicit SkinTexts(const skin::TkvSkinData& data) : m_data(data) {}

    QImage picture(int index) const
    {
        const platform::BmpImage* bitmap = m_data.activeBitmap(index);
        return bitmap ? bitmap->toQImage() : QImage();
    }

    // Labels stand on the group boxes' client, as in the window.
    QList<QRgb> panelClient() const
    {
        const int index = m_data.GetControlIndex(QStringLiteral("groupbox"));
        if (index < 0)
            return {};
        const auto* group = dynamic_cast<const skin::TkvDataSkinCustomControl*>(m_data.SkinControls[index].get());
        return group ? pixelsUnder(picture(group->pictureindex), group->skinrect, group->clientrect) : QList<QRgb>();
    }

    Backgrounds of(const skin::TkvDataSkinControl& record) const
    {
        using namespace skin;
        const QImage pic = picture(record.pictureindex);
        const auto under = [&](const TRect& face, const TRect& text = {}) { return pixelsUnder(pic, face, text); };
        Backgrounds b;
        if (const auto* r = dynamic_cast<const TkvDataSkinButtonControl*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->clientrect);
            b["activefontcolor"] = under(r->activeskinrect, r->clientrect);
            b["downfontcolor"] = under(r->downskinrect, r->clientrect);
            b["disabledfontcolor"] =
                under(platform::isNullRect(r->disabledskinrect) ? r->skinrect : r->disabledskinrect, r->clientrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinPanelControl*>(&record)) {
            b["fontcolor"] = under(r->skinrect, platform::isNullRect(r->captionrect) ? r->clientrect : r->captionrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinExPanelControl*>(&record)) {
            // Open, and rolled up either way.
            b["fontcolor"] = under(r->skinrect, r->captionrect) + under(r->rollhskinrect, r->rollhcaptionrect)
                + under(r->rollvskinrect, r->rollvcaptionrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinCheckRadioControl*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->textarea);
            b["framefontcolor"] = under(r->skinrect, r->textarea);
            b["activefontcolor"] = under(r->activeskinrect, r->textarea);
            b["unenabledfontcolor"] = under(r->skinrect, r->textarea);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinGaugeControl*>(&record)) {
            // The progress text crosses the empty groove and the bar.
            b["fontcolor"] = under(r->skinrect, r->clientrect) + under(r->progressrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinEditControl*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->clientrect);
            b["activefontcolor"] = under(platform::isNullRect(r->activeskinrect) ? r->skinrect : r->activeskinrect, r->clientrect);
            b["disabledfontcolor"] = under(r->skinrect, r->clientrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinSpinEditControl*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->clientrect);
            b["activefontcolor"] = under(r->activeskinrect, r->clientrect);
            b["disabledfontcolor"] = under(r->skinrect, r->clientrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinComboBox*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->clientrect) + under(r->itemrect, r->itemtextrect);
            b["focusfontcolor"] = under(r->focusitemrect, r->itemtextrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinListBox*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->clientrect) + under(r->itemrect, r->itemtextrect);
            b["activefontcolor"] = under(r->activeitemrect, r->itemtextrect);
            b["focusfontcolor"] = under(r->focusitemrect, r->itemtextrect);
            b["captionfontcolor"] = under(r->skinrect, r->captionrect);
        } else if (dynamic_cast<const TkvDataSkinLabelControl*>(&record)) {
            b["fontcolor"] = panelClient();
        } else if (dynamic_cast<const TkvDataSkinStdLabelControl*>(&record)) {
            b["fontcolor"] = panelClient();
            b["activefontcolor"] = panelClient();
        } else if (const auto* r = dynamic_cast<const TkvDataSkinTreeView*>(&record)) {
            b["fontcolor"] = {rgbOf(r->bgcolor)};
        } else if (const auto* r = dynamic_cast<const TkvDataSkinListView*>(&record)) {
            b["fontcolor"] = {rgbOf(r->bgcolor)};
        } else if (const auto* r = dynamic_cast<const TkvDataSkinRichEdit*>(&record)) {
            b["fontcolor"] = {rgbOf(r->bgcolor)};
        } else if (const auto* r = dynamic_cast<const TkvDataSkinTabControl*>(&record)) {
            // Between the tab's fixed ends; an unselected tab's face and its
            // top line start two rows lower than a selected one's.
            const auto text = [&](const TRect& tab) {
                return TRect{r->tableftoffset, 3, tab.width() - r->tabrightoffset, tab.height()};
            };
            b["fontcolor"] = under(r->tabrect, text(r->tabrect));
            b["activefontcolor"] = under(r->activetabrect, text(r->activetabrect));
            b["focusfontcolor"] = under(r->focustabrect, text(r->focustabrect));
            b["mouseinfontcolor"] = under(r->mouseintabrect, text(r->mouseintabrect));
        } else if (const auto* r = dynamic_cast<const TkvDataSkinGridControl*>(&record)) {
            b["fontcolor"] = {rgbOf(r->bgcolor)};
            b["selectfontcolor"] = under(r->selectcellrect, r->celltextrect);
            b["focusfontcolor"] = under(r->focuscellrect, r->celltextrect);
            b["fixedfontcolor"] = under(r->fixedcellrect, r->fixedcelltextrect);
        }
        return b;
    }

    Backgrounds of(const skin::TkvDataSkinObject& record) const
    {
        using namespace skin;
        const QImage pic = picture(record.activepictureindex);
        const auto under = [&](const TRect& face, const TRect& text) { return pixelsUnder(pic, face, text); };
        Backgrounds b;
        if (const auto* r = dynamic_cast<const TkvDataSkinCaption*>(&record)) {
            if (!platform::isNullRect(r->framerect)) {
                // A text frame carries the text.
                b["fontcolor"] = under(r->framerect, r->frametextrect);
                b["activefontcolor"] = under(r->activeframerect, r->frametextrect);
                return b;
            }
            // The inactive caption is part of the frame picture.
            b["fontcolor"] = pixelsUnder(m_data.PictureBitmap.toQImage(), r->skinrect, r->textrect);
            b["activefontcolor"] = under(r->activeskinrect, r->textrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinMenuItem*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->textrect);
            b["unenabledfontcolor"] = under(r->skinrect, r->textrect);
            b["activefontcolor"] = under(r->activeskinrect, r->textrect);
        } else if (const auto* r = dynamic_cast<const TkvDataSkinMainMenuItem*>(&record)) {
            b["fontcolor"] = under(r->skinrect, r->textrect);
            b["unenabledfontcolor"] = under(r->skinrect, r->textrect);
            b["activefontcolor"] = under(r->activeskinrect, r->textrect);
            b["downfontcolor"] = under(r->downrect, r->textrect);
        }
        return b;
    }

private:
    const skin::TkvSkinData& m_data;
};

// One text colour of a record and the worst pixel it is drawn on.
struct TextContrast {
    QString record;
    QString key;
    QRgb text = 0;
    QRgb background = 0;
    double ratio = 0;
    QString describe() const
    {
        return QStringLiteral("[%1] %2 %3 on %4: %5 : 1")
            .arg(record, key, hex(text), hex(background))
            .arg(ratio, 0, 'f', 2);
    }
};

// The worst contrast of every text colour of the skin (the keys ending in
// "fontcolor" of each control and object record and of the hint window),
// read back from the records themselves so that no colour is left out.
// A colour whose background this test does not know comes back with an
// empty background list, to fail loudly.
QList<TextContrast> textContrasts(const skin::TkvSkinData& data, QStringList& unknown)
{
    const SkinTexts texts(data);
    QList<TextContrast> result;
    const auto add = [&](const QString& name, const QString& key, skin::TColor colour, const QList<QRgb>& backgrounds) {
        if (backgrounds.isEmpty()) {
            unknown << QStringLiteral("[%1] %2").arg(name, key);
            return;
        }
        TextContrast worst{name, key, rgbOf(colour), 0, 100};
        for (QRgb back : backgrounds) {
            const double ratio = contrast(worst.text, back);
            if (ratio < worst.ratio)
                worst.background = back, worst.ratio = ratio;
        }
        result.append(worst);
    };
    const auto walk = [&](auto& record) {
        platform::MemIniFile ini;
        record.SaveToFile(ini);
        const Backgrounds backgrounds = texts.of(record);
        for (const QString& key : ini.sectionKeys(record.IDName)) {
            if (key.endsWith(QStringLiteral("fontcolor")))
                add(record.IDName, key, ini.readString(record.IDName, key, QString()).toInt(), backgrounds.value(key));
        }
    };
    for (const auto& record : data.SkinControls)
        walk(*record);
    for (const auto& record : data.SkinObjects)
        walk(*record);
    const skin::TkvDataSkinHintWindow& hint = data.HintWindowRecord;
    const QImage hintPicture = texts.picture(hint.windowpictureindex);
    add(QStringLiteral("hint window"), QStringLiteral("fontcolor"), hint.fontcolor,
        pixelsUnder(hintPicture, {0, 0, hintPicture.width(), hintPicture.height()}, hint.clientrect));
    return result;
}

bool disabledText(const QString& key) { return key.startsWith(QStringLiteral("disabled")) || key.startsWith(QStringLiteral("unenabled")); }

void loadCommitted(const QString& name, skin::TkvSkinData& data)
{
    if (name == "Graphite")
        data.LoadFromFile(kAssets + "/skin/skin.ini");
    else if (name == "Features")
        data.LoadFromFile(kFeatureSkin + "/skin.ini");
    else
        data.LoadFromCompressedFile(kAssets + "/skins/daylight.skn");
}

// The one text of Graphite below 4.5 : 1: a gauge's progress text lies
// over both the dark groove and the light bar, and no colour stands out of
// both; the window never shows it, and Graphite's gauges keep their look.
// The list is exact: a text that comes to pass, or a new one that falls
// short, fails the test.
const QStringList kGraphiteShortfalls = {
    "[gauge] fontcolor",
    "[vgauge] fontcolor",
};

} // namespace

TEST(SkinGenerator, EveryTextOfTheCommittedSkinsStandsOutOfItsBackground)
{
    // Daylight is for sunlight: 7 : 1 (WCAG AAA) for every text. Disabled
    // texts are exempt from WCAG's rule, but a greyed value must still be
    // read in the sun: 4.5 : 1 for them. Graphite: 4.5 : 1 for every text,
    // and the feature skin, Graphite with more, the same.
    for (const QString& name : {QStringLiteral("Graphite"), QStringLiteral("Daylight"), QStringLiteral("Features")}) {
        SCOPED_TRACE(name.toStdString());
        skin::TkvSkinData data;
        loadCommitted(name, data);
        ASSERT_FALSE(data.IsEmpty());
        QStringList unknown;
        const QList<TextContrast> contrasts = textContrasts(data, unknown);
        EXPECT_TRUE(unknown.isEmpty()) << "no background known for " << unknown.join(", ").toStdString();
        EXPECT_GT(contrasts.size(), 100) << "every record's texts are found";
        QStringList shortfalls;
        double least = 100;
        double leastDisabled = 100;
        for (const TextContrast& text : contrasts) {
            const bool disabled = disabledText(text.key);
            double& lowest = disabled ? leastDisabled : least;
            lowest = std::min(lowest, text.ratio);
            const double bar = name == "Daylight" && !disabled ? 7.0 : 4.5;
            if (text.ratio >= bar)
                continue;
            const QString place = QStringLiteral("[%1] %2").arg(text.record, text.key);
            const bool graphite = name != "Daylight";
            if (graphite)
                shortfalls << place;
            if (!graphite || !kGraphiteShortfalls.contains(place))
                ADD_FAILURE() << text.describe().toStdString() << " is below " << bar << " : 1";
            else
                std::cout << "  known: " << text.describe().toStdString() << "\n";
        }
        if (name != "Daylight") {
            EXPECT_EQ(shortfalls, kGraphiteShortfalls);
        }
        std::cout << name.toStdString() << ": " << contrasts.size() << " texts, least contrast " << least
                  << " : 1, of disabled texts " << leastDisabled << " : 1\n";
    }
}

TEST(SkinGenerator, TheCommittedSkinsHoldNothingTheEngineDoesNotRead)
{
    skin::TkvSkinData graphite;
    loadCommitted(QStringLiteral("Graphite"), graphite);
    EXPECT_EQ(skin::notUnderstood(platform::IniFile(kAssets + "/skin/skin.ini"), graphite), QStringList());

    skin::TkvSkinData daylight;
    loadCommitted(QStringLiteral("Daylight"), daylight);
    skin::TkvCompressedStoredSkin stored;
    stored.LoadFromCompressFile(kAssets + "/skins/daylight.skn");
    const std::optional<skin::UnpackedSkin> unpacked = stored.Unpack();
    ASSERT_TRUE(unpacked.has_value());
    EXPECT_EQ(skin::notUnderstood(unpacked->text, daylight), QStringList());
}
