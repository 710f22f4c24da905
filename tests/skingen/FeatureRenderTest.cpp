// skntool render on the feature skin: each new object and state is cut
// from the right place of its picture, and a request the skin cannot serve
// names the skin, the object and what is missing. The pictures land under
// test-output/skntool/features/ for looking at.

#include "SkinPaths.h"
#include "SkntoolRun.h"

#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/TkvSkinData.h"
#include "tests/support/TestOutput.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skin;
using skingentest::skntool;
using skingentest::ToolRun;
using skingentest::kFeatureSkin;
using skingentest::kGraphiteSkin;

namespace {

QString outputFile(const QString& name)
{
    const QDir dir(testsupport::testOutputDir());
    dir.mkpath("skntool/features");
    return dir.filePath("skntool/features/" + name + ".png");
}

QImage bmp(const QString& file)
{
    return platform::BmpImage::loadFromFile(kFeatureSkin + "/" + file).toQImage().convertToFormat(QImage::Format_RGB32);
}

class FeatureRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_data.LoadFromFile(kFeatureSkin + "/skin.ini");
        ASSERT_FALSE(m_data.IsEmpty());
        m_features = bmp("features.bmp");
    }

    // Renders into test-output, also four times enlarged for looking at;
    // fails the test when the tool does.
    QImage render(const QString& output, QStringList args)
    {
        const QString file = outputFile(output);
        const ToolRun run = skntool(QStringList{"render", kFeatureSkin} + args + QStringList{"--out", file});
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        skntool(QStringList{"render", kFeatureSkin} + args + QStringList{"--scale", "4", "--out", outputFile(output + "@4x")});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    template<typename Record>
    const Record& object(const QString& name) const
    {
        const int index = m_data.GetIndex(name);
        const auto* record = index < 0 ? nullptr : dynamic_cast<const Record*>(m_data.SkinObjects[size_t(index)].get());
        if (!record)
            throw std::runtime_error("no object " + name.toStdString());
        return *record;
    }

    QImage cut(const TRect& r) const { return m_features.copy(r.left, r.top, r.width(), r.height()); }

    TkvSkinData m_data;
    QImage m_features;
};

// A failing run: exit status 1 and each part named in its message.
void expectFailure(const QStringList& args, const QStringList& named)
{
    QTemporaryDir dir;
    const ToolRun run = skntool(QStringList{"render"} + args + QStringList{"--out", dir.filePath("x.png")});
    EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
    for (const QString& part : named)
        EXPECT_TRUE(run.err.contains(part)) << part.toStdString() << " not in: " << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

} // namespace

TEST_F(FeatureRender, AnimationFramesAreCutSideBySideFromTheStrip)
{
    for (const char* name : {"rollupbutton", "busyindicator"}) {
        const auto& a = object<TkvDataSkinAnimate>(name);
        const int w = a.skinrect.width();
        const int h = a.skinrect.height();
        for (int n = 1; n <= a.countframes; ++n) {
            const QImage frame = render(QStringLiteral("%1_frame%2").arg(name).arg(n),
                {name, QStringLiteral("%1x%2").arg(w).arg(h), "--frame", QString::number(n)});
            EXPECT_EQ(frame, cut(platform::Bounds(a.activeskinrect.left + (n - 1) * w, a.activeskinrect.top, w, h)))
                << name << " frame " << n;
        }
        // Without --frame the first frame, the face at rest.
        EXPECT_EQ(render(QStringLiteral("%1_rest").arg(name), {name, QStringLiteral("%1x%2").arg(w).arg(h)}),
            cut(a.skinrect));
    }
    const auto& rollUp = object<TkvDataSkinAnimate>("rollupbutton");
    expectFailure({kFeatureSkin, "rollupbutton", "14x14", "--frame", QString::number(rollUp.countframes + 1)},
        {kFeatureSkin, "rollupbutton", QStringLiteral("has %1 frame(s)").arg(rollUp.countframes),
            QStringLiteral("no frame %1").arg(rollUp.countframes + 1)});
    expectFailure({kFeatureSkin, "closebutton", "14x14", "--frame", "2"}, {kFeatureSkin, "closebutton", "not an animation"});
    expectFailure({kFeatureSkin, "busyindicator", "14x14", "--state", "hot"}, {"busyindicator", "--frame N"});
    QTemporaryDir dir;
    const ToolRun zero = skntool({"render", kFeatureSkin, "rollupbutton", "14x14", "--frame", "0", "--out", dir.filePath("x.png")});
    EXPECT_EQ(zero.exitCode, 2);
    EXPECT_TRUE(zero.err.contains("--frame takes a frame number from 1")) << zero.err.toStdString();
}

TEST_F(FeatureRender, CaptionButtonsShowTheirRestoreInactiveAndDisabledFaces)
{
    const auto& maximize = object<TkvDataSkinStdButton>("maximizebutton");
    const struct {
        const char* state;
        TRect face;
        TRect restore;
    } states[] = {{"normal", maximize.skinrect, maximize.restorerect},
        {"hot", maximize.activeskinrect, maximize.restoreactiverect},
        {"pressed", maximize.downrect, maximize.restoredownrect},
        {"inactive", maximize.inactiveskinrect, maximize.restoreinactiverect},
        {"disabled", maximize.disableskinrsect, maximize.disableskinrsect}};
    for (const auto& s : states) {
        EXPECT_EQ(render(QStringLiteral("maximize_%1").arg(s.state), {"maximizebutton", "14x14", "--state", s.state}),
            cut(s.face))
            << s.state;
        EXPECT_EQ(render(QStringLiteral("maximize_restore_%1").arg(s.state),
                      {"maximizebutton", "14x14", "--state", s.state, "--restore"}),
            cut(s.restore))
            << s.state;
    }
    // The restore face is not the first face: the glyph differs.
    EXPECT_NE(cut(maximize.restorerect), cut(maximize.skinrect));
    const auto& close = object<TkvDataSkinStdButton>("closebutton");
    EXPECT_EQ(render("close_inactive", {"closebutton", "14x14", "--state", "inactive"}), cut(close.inactiveskinrect));

    expectFailure({kFeatureSkin, "closebutton", "14x14", "--restore"}, {kFeatureSkin, "closebutton", "no restorerect"});
    expectFailure({kFeatureSkin, "helpbutton", "14x14", "--restore"}, {"helpbutton (button)", "not a caption button"});
    expectFailure({kFeatureSkin, "helpbutton", "14x14", "--state", "inactive"}, {"helpbutton", "no inactiveskinrect"});
    expectFailure({kFeatureSkin, "combobox", "65x21", "--state", "inactive"}, {"combobox", "no inactive look"});
}

TEST_F(FeatureRender, ThePlainButtonRestsInTheFramePictureAndLightsFromTheFeaturePicture)
{
    const auto& help = object<TkvDataSkinButton>("helpbutton");
    const QImage frame = bmp("frame.bmp");
    EXPECT_EQ(render("help_normal", {"helpbutton", "14x14"}),
        frame.copy(help.skinrect.left, help.skinrect.top, help.skinrect.width(), help.skinrect.height()));
    EXPECT_EQ(render("help_hot", {"helpbutton", "14x14", "--state", "hot"}), cut(help.activeskinrect));
    EXPECT_EQ(render("help_pressed", {"helpbutton", "14x14", "--state", "pressed"}), cut(help.downrect));
    EXPECT_EQ(render("help_disabled", {"helpbutton", "14x14", "--state", "disabled"}), cut(help.disableskinrsect));
}

TEST_F(FeatureRender, TheCaptionsTextFrameWidensBetweenItsFixedEnds)
{
    const auto& caption = object<TkvDataSkinCaption>("caption");
    const int width = 120;
    for (const auto& [state, source] : {std::pair{"normal", caption.framerect}, {"hot", caption.activeframerect}}) {
        const QImage plate = render(QStringLiteral("caption_textframe_%1").arg(state),
            {"caption", QStringLiteral("%1x40").arg(width), "--text-frame", "--state", state});
        ASSERT_EQ(plate.size(), QSize(width, source.height())) << "as high as the plate's picture";
        for (int y = 0; y < source.height(); ++y) {
            const int lo = caption.frameleftoffset;
            const int ro = caption.framerightoffset;
            EXPECT_EQ(plate.pixel(0, y), m_features.pixel(source.left, source.top + y)) << state << y;
            EXPECT_EQ(plate.pixel(lo - 1, y), m_features.pixel(source.left + lo - 1, source.top + y)) << state << y;
            EXPECT_EQ(plate.pixel(width / 2, y), m_features.pixel(source.left + lo, source.top + y)) << state << y;
            EXPECT_EQ(plate.pixel(width - ro, y), m_features.pixel(source.right - ro, source.top + y)) << state << y;
            EXPECT_EQ(plate.pixel(width - 1, y), m_features.pixel(source.right - 1, source.top + y)) << state << y;
        }
    }
    expectFailure({kFeatureSkin, "menuitem", "120x20", "--text-frame"}, {"menuitem", "not a caption"});
    expectFailure({kGraphiteSkin, "caption", "120x20", "--text-frame"}, {kGraphiteSkin, "caption", "no framerect"});
    expectFailure({kFeatureSkin, "caption", "120x20", "--text-frame", "--state", "pressed"}, {"normal and an active look"});
}

TEST_F(FeatureRender, HintAndPopupWindowsAreResizedAndCutByTheirMasks)
{
    const struct {
        const char* name;
        QSize size;
        QImage picture;
        int cut;
    } windows[] = {{"hintwindow", {200, 60}, bmp("hint.bmp"), 3}, {"popupwindow", {150, 100}, bmp("popup.bmp"), 2}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        const QString file = outputFile(w.name);
        ASSERT_EQ(skntool({"render", kFeatureSkin, w.name, QStringLiteral("%1x%2").arg(w.size.width()).arg(w.size.height()),
                      "--out", file})
                      .exitCode,
            0);
        skntool({"render", kFeatureSkin, w.name, QStringLiteral("%1x%2").arg(w.size.width()).arg(w.size.height()),
            "--scale", "4", "--out", outputFile(QStringLiteral("%1@4x").arg(w.name))});
        const QImage image(file);
        ASSERT_EQ(image.size(), w.size);
        const int right = w.size.width() - 1;
        const int bottom = w.size.height() - 1;
        const int pr = w.picture.width() - 1;
        const int pb = w.picture.height() - 1;
        // Corners: cut by the mask and transparent, the pixel after the cut
        // opaque and the window's own, in all four corners.
        for (const auto& [x, y, px, py, dx, dy] : {std::tuple{0, 0, 0, 0, 1, 1}, {right, 0, pr, 0, -1, 1},
                 {0, bottom, 0, pb, 1, -1}, {right, bottom, pr, pb, -1, -1}}) {
            EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << x << "," << y;
            EXPECT_EQ(qAlpha(image.pixel(x + (w.cut - 1) * dx, y)), 0) << x << "," << y;
            EXPECT_EQ(image.pixel(x + w.cut * dx, y), w.picture.pixel(px + w.cut * dx, py)) << x << "," << y;
            EXPECT_EQ(image.pixel(x + dx, y + dy), w.picture.pixel(px + dx, py + dy)) << x << "," << y;
        }
        EXPECT_EQ(qAlpha(image.pixel(right / 2, bottom / 2)), 255);
    }
    // Graphite's windows have no mask: nothing is cut.
    QTemporaryDir dir;
    ASSERT_EQ(skntool({"render", kGraphiteSkin, "hintwindow", "200x60", "--out", dir.filePath("h.png")}).exitCode, 0);
    EXPECT_EQ(qAlpha(QImage(dir.filePath("h.png")).pixel(0, 0)), 255);
}

TEST_F(FeatureRender, WindowsWithoutTheirPicturesAreNamed)
{
    QTemporaryDir dir;
    for (const QString& file : QDir(kFeatureSkin).entryList(QDir::Files))
        QFile::copy(kFeatureSkin + "/" + file, dir.filePath(file));
    QByteArray text = platform::readWholeFile(dir.filePath("skin.ini"));
    const QByteArray hintSection = "[HINTWINDOW]\r\nwindowpictureindex=2\r\n";
    const QByteArray popupMask = "[POPUPWINDOW]\r\nwindowpictureindex=1\r\nmaskpictureindex=6\r\n";
    ASSERT_TRUE(text.contains(hintSection) && text.contains(popupMask)) << "the record order the edits rely on";
    text.replace(hintSection, "[HINTWINDOW]\r\nwindowpictureindex=-1\r\n");
    text.replace(popupMask, "[POPUPWINDOW]\r\nwindowpictureindex=1\r\nmaskpictureindex=12\r\n");
    platform::writeWholeFile(dir.filePath("skin.ini"), text);
    expectFailure({dir.path(), "hintwindow", "100x50"}, {dir.path(), "[HINTWINDOW]", "no window picture"});
    expectFailure({dir.path(), "popupwindow", "100x50"}, {dir.path(), "[POPUPWINDOW]", "maskpictureindex 12"});
    expectFailure({kFeatureSkin, "popupwindow", "100x50", "--state", "hot"}, {"single look"});
}

TEST_F(FeatureRender, TheButtonEditsButtonTakesItsStateAtTheMovedPlace)
{
    const int index = m_data.GetControlIndex("buttonedit");
    ASSERT_GE(index, 0);
    const auto& edit = dynamic_cast<const TkvDataSkinEditControl&>(*m_data.SkinControls[size_t(index)]);
    const QImage controls = bmp("controls.bmp");
    const int width = 120;
    const int grow = width - edit.skinrect.width();
    const TRect& place = edit.buttonrect;
    const struct {
        const char* state;
        TRect face;   // the edit around the button
        TRect button; // null: the face's own button at rest
    } states[] = {{"normal", edit.skinrect, {}}, {"hot", edit.activeskinrect, edit.activebuttonrect},
        {"pressed", edit.activeskinrect, edit.downbuttonrect}, {"disabled", edit.skinrect, edit.unenabledbuttonrect},
        {"focused", edit.activeskinrect, {}}};
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        const QImage image = render(QStringLiteral("buttonedit_%1").arg(s.state),
            {"buttonedit", QStringLiteral("%1x21").arg(width), "--state", s.state});
        ASSERT_EQ(image.size(), QSize(width, edit.skinrect.height()));
        // The left edge of the face, then the button across its place.
        EXPECT_EQ(image.pixel(0, 10), controls.pixel(s.face.left, s.face.top + 10));
        for (const QPoint at : {QPoint(0, 0), QPoint(place.width() / 2, place.height() / 2),
                 QPoint(place.width() - 1, place.height() - 1)}) {
            const QRgb expected = platform::isNullRect(s.button)
                ? controls.pixel(s.face.left + place.left + at.x(), s.face.top + place.top + at.y())
                : controls.pixel(s.button.left + at.x(), s.button.top + at.y());
            EXPECT_EQ(image.pixel(place.left + grow + at.x(), place.top + at.y()), expected) << at.x() << "," << at.y();
        }
    }
}
