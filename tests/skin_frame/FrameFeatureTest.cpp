// Frame features our built-in skins do not use: animations (as a caption
// button and as a cycling light), object hints and their window, the
// caption's text plate, and the window icon in place of the system-menu
// button.

#include "FeatureFrameSkin.h"
#include "FrameTestSupport.h"

#include "platform/Color.h"
#include "skin/data/TkvResourceStrData.h"
#include "skin/frame/TkvSkinHint.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace frametest;

namespace {

// The window like the main one, in the feature skin.
class FeatureWindow : public SkinnedWindow {
public:
    FeatureWindow() { skin()->LoadFromFile(m_skin.definition()); }
    TkvSkinAnimateObject* animation(const QString& name) const
    {
        return dynamic_cast<TkvSkinAnimateObject*>(object(name));
    }
    QRgb at(int x, int y) const { return frame()->renderFrame().pixel(x, y) & 0xFFFFFF; }
    QRgb centreOf(const TkvActiveSkinObject& o) const
    {
        return at((o.ObjectRect.left + o.ObjectRect.right) / 2, (o.ObjectRect.top + o.ObjectRect.bottom) / 2);
    }

private:
    FeatureFrameSkin m_skin;
};

QRgb rgb(QRgb colour) { return colour & 0xFFFFFF; }

// Lets the caption's blend between its states run to its end.
void settleMorphs(FeatureWindow& w)
{
    for (int i = 0; i < 10 && timerActive(w.frame(), "morphTimer"); ++i)
        fireTimer(w.frame(), "morphTimer");
}

// The frames an animation shows on each of count ticks of the frame's
// animation timer.
std::vector<int> framesOverTicks(FeatureWindow& w, const TkvSkinAnimateObject& animation, int count)
{
    std::vector<int> frames;
    for (int i = 0; i < count && timerActive(w.frame(), "animateTimer"); ++i) {
        fireTimer(w.frame(), "animateTimer");
        frames.push_back(animation.frame);
    }
    return frames;
}

TEST(FrameAnimation, CaptionButtonPlaysForwardUnderThePointerAndBackWhenItLeaves)
{
    FeatureWindow w;
    w.show();
    TkvSkinAnimateObject* roll = w.animation(QStringLiteral("rollupbutton"));
    ASSERT_NE(roll, nullptr);
    EXPECT_TRUE(roll->visible && roll->enabled);
    EXPECT_EQ(roll->ObjectRect, (TRect{668, 5, 682, 19})) << "it takes the roll-up button's place in the row";
    EXPECT_EQ(w.centreOf(*roll), rgb(FeatureFrameSkin::rollFrame(1)));

    w.frame()->TestActive(672, 10, true);
    ASSERT_TRUE(timerActive(w.frame(), "animateTimer"));
    EXPECT_EQ(timerInterval(w.frame(), "animateTimer"), 25);
    // Its interval is one tick: a frame a tick, stopping at the last.
    EXPECT_EQ(framesOverTicks(w, *roll, 10), (std::vector<int>{2, 3, 4, 4}));
    EXPECT_FALSE(timerActive(w.frame(), "animateTimer")) << "nothing plays any more";
    EXPECT_EQ(w.centreOf(*roll), rgb(FeatureFrameSkin::rollFrame(4)));

    w.frame()->TestActive(-1, -1, true);
    EXPECT_EQ(framesOverTicks(w, *roll, 10), (std::vector<int>{3, 2, 1, 1}));
    EXPECT_EQ(w.centreOf(*roll), rgb(FeatureFrameSkin::rollFrame(1)));
}

TEST(FrameAnimation, CaptionButtonRunsItsCommandOnARelease)
{
    FeatureWindow w;
    w.show();
    TkvSkinAnimateObject* roll = w.animation(QStringLiteral("rollupbutton"));
    ASSERT_NE(roll, nullptr);
    w.frame()->TestActive(672, 10, true);
    w.frame()->MouseDown(Qt::LeftButton, 672, 10);
    EXPECT_FALSE(w.frame()->RollUpState()) << "the press alone does nothing";
    w.frame()->MouseUp(Qt::RightButton, 672, 10);
    EXPECT_FALSE(w.frame()->RollUpState()) << "only the left button runs the command";
    w.frame()->MouseDown(Qt::LeftButton, 672, 10);
    w.frame()->MouseUp(Qt::LeftButton, 672, 10);
    EXPECT_TRUE(w.frame()->RollUpState());
    EXPECT_EQ(w.form()->height(), 29);
}

TEST(FrameAnimation, TheBorderIconsHideAnAnimatedButtonAndItsPlaceInTheRow)
{
    FeatureWindow w;
    w.frame()->SetBorderIcons({TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize});
    w.frame()->ChangeSkinData();
    TkvSkinAnimateObject* roll = w.animation(QStringLiteral("rollupbutton"));
    ASSERT_NE(roll, nullptr);
    EXPECT_FALSE(roll->enabled);
    EXPECT_FALSE(roll->visible) << "drawn from the active picture, it disappears";
    w.frame()->SetHideCaptionButtons(true);
    EXPECT_FALSE(w.animation(QStringLiteral("rollupbutton"))->visible);
}

TEST(FrameAnimation, CyclingLightRunsOnceStartedAtItsOwnPaceAndStops)
{
    FeatureWindow w;
    w.show();
    TkvSkinAnimateObject* light = w.animation(QStringLiteral("light"));
    ASSERT_NE(light, nullptr);
    const int dy = w.form()->height() - 140;
    EXPECT_EQ(light->ObjectRect, (TRect{10, 131 + dy, 18, 139 + dy})) << "it keeps its corner of the window";
    EXPECT_FALSE(timerActive(w.frame(), "animateTimer")) << "a light that is not a button waits to be started";

    light->Start();
    // 50 ms a frame: every second tick of 25 ms, wrapping after the sixth.
    EXPECT_EQ(framesOverTicks(w, *light, 14), (std::vector<int>{1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 1, 1, 2}));
    EXPECT_EQ(w.centreOf(*light), rgb(FeatureFrameSkin::lightFrame(2)));

    // The pointer over it changes nothing: it is no button.
    w.frame()->TestActive(12, 133 + dy, true);
    w.frame()->TestActive(-1, -1, true);
    EXPECT_EQ(framesOverTicks(w, *light, 2), (std::vector<int>{2, 3}));

    light->Stop();
    EXPECT_EQ(light->frame, 1);
    fireTimer(w.frame(), "animateTimer");
    EXPECT_FALSE(timerActive(w.frame(), "animateTimer"));
    EXPECT_EQ(w.centreOf(*light), rgb(FeatureFrameSkin::lightFrame(1)));
}

TEST(FrameAnimation, LosingTheActivationRewindsEveryAnimation)
{
    FeatureWindow w;
    w.show();
    TkvSkinAnimateObject* light = w.animation(QStringLiteral("light"));
    light->Start();
    framesOverTicks(w, *light, 5);
    ASSERT_GT(light->frame, 1);
    w.frame()->UpDateActiveObjects();
    EXPECT_EQ(light->frame, 1);
    EXPECT_FALSE(light->highlighted);
}

TEST(ObjectHints, StandardHintsFollowTheCommandsAndTheSkinsStrings)
{
    FeatureWindow w;
    EXPECT_EQ(w.object(QStringLiteral("closebutton"))->hint, QStringLiteral("Close"))
        << "the standard hint replaces the skin's text";
    EXPECT_EQ(w.object(QStringLiteral("rollupbutton"))->hint, QStringLiteral("Roll Up")) << "animations too";
    EXPECT_EQ(w.object(QStringLiteral("light"))->hint, QStringLiteral("Link")) << "a custom object keeps its own";

    // New strings reach the hints without a skin change.
    auto* strings = new TkvResourceStrData(w.form());
    strings->SetResStrs({QStringLiteral("CLOSEBUTTON_HINT=Schliessen"), QStringLiteral("ROLLUPBUTTON_HINT=")});
    w.skin()->SetResourceStrData(strings);
    EXPECT_EQ(w.object(QStringLiteral("closebutton"))->hint, QStringLiteral("Schliessen"));
    EXPECT_EQ(w.object(QStringLiteral("rollupbutton"))->hint, QStringLiteral("Roll Up"))
        << "an empty text falls back to the built-in one";

    w.frame()->UseDefaultObjectHint = false;
    w.frame()->ChangeSkinData();
    EXPECT_EQ(w.object(QStringLiteral("closebutton"))->hint, QStringLiteral("Shut the window"));
}

TEST(ObjectHints, ShownWhileAnObjectIsLitAndHiddenByAPress)
{
    FeatureWindow w;
    auto* hint = new TkvSkinHint(w.form());
    hint->SetSkinData(w.skin());
    hint->CursorPos = [] { return QPoint(300, 200); };
    w.frame()->SetSkinHint(hint);
    w.show();

    w.frame()->TestActive(705, 10, true);
    EXPECT_FALSE(hint->Showing()) << "only with ShowObjectHint";
    w.frame()->TestActive(-1, -1, true);

    w.frame()->ShowObjectHint = true;
    w.frame()->TestActive(705, 10, true);
    ASSERT_TRUE(hint->Showing());
    EXPECT_EQ(hint->Text(), QStringLiteral("Close"));
    EXPECT_EQ(hint->window()->geometry().topLeft(), QPoint(300, 220)) << "below the pointer";
    w.frame()->TestActive(672, 10, true);
    EXPECT_EQ(hint->Text(), QStringLiteral("Roll Up")) << "the next object's hint replaces it";
    w.frame()->TestActive(-1, -1, true);
    EXPECT_FALSE(hint->Showing()) << "leaving the object hides it";

    w.frame()->TestActive(705, 10, true);
    ASSERT_TRUE(hint->Showing());
    QTest::mousePress(w.form(), Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_FALSE(hint->Showing()) << "a press on the window hides it";
}

TEST(HintWindow, SkinnedFaceStretchesThePictureAroundTheTextInsideItsOutline)
{
    FeatureWindow w;
    const QString text = QStringLiteral("Roll Up");
    const HintFace face(w.skin(), text);
    platform::TBitmap picture;
    face.draw(picture);
    ASSERT_EQ(QSize(picture.Width(), picture.Height()), face.size());
    const QImage hint(kAssets + QStringLiteral("/skin/hint.bmp"));
    // Corners come from the picture's corners.
    EXPECT_EQ(rgb(picture.image().pixel(5, 5)), rgb(hint.pixel(5, 5)));
    EXPECT_EQ(rgb(picture.image().pixel(face.size().width() - 6, face.size().height() - 6)),
        rgb(hint.pixel(hint.width() - 6, hint.height() - 6)));
    // The text fits: wider than it, smaller than the picture it came from.
    platform::TBitmap scratch(1, 1);
    scratch.Canvas().Font.Name = QStringLiteral("Arial");
    scratch.Canvas().Font.Height = 14;
    EXPECT_GT(face.size().width(), scratch.Canvas().TextWidth(text));
    EXPECT_LT(face.size().height(), hint.height());
    // The text is drawn in the record's colour (black) inside the client area.
    int ink = 0;
    for (int y = 4; y < face.size().height() - 4; ++y)
        for (int x = 4; x < face.size().width() - 4; ++x)
            ink += rgb(picture.image().pixel(x, y)) == 0;
    EXPECT_GT(ink, 20);

    const std::optional<QRegion> region = face.region();
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->contains(QPoint(0, 0))) << "the mask cuts the corners";
    EXPECT_FALSE(region->contains(QPoint(face.size().width() - 1, face.size().height() - 1)));
    EXPECT_TRUE(region->contains(QPoint(3, 0)));
    EXPECT_TRUE(region->contains(QPoint(face.size().width() / 2, face.size().height() / 2)));
}

TEST(HintWindow, WithoutASkinAPlainBoxInTheHintColours)
{
    const HintFace face(nullptr, QStringLiteral("Close"));
    platform::TBitmap picture;
    face.draw(picture);
    EXPECT_EQ(picture.image().pixel(0, 0), platform::toQRgb(platform::clInfoText));
    EXPECT_EQ(picture.image().pixel(2, 2), platform::toQRgb(platform::clInfoBk));
    EXPECT_FALSE(face.region().has_value());
}

// The plate's columns along the caption's middle row: where its left end
// starts, and the widths of its left end, middle and right end.
struct PlateRun {
    int left = -1;
    int leftEnd = 0;
    int middle = 0;
    int rightEnd = 0;
};

PlateRun plateAt(const QImage& frame, int y, bool active)
{
    PlateRun run;
    for (int x = 0; x < frame.width(); ++x) {
        const QRgb c = rgb(frame.pixel(x, y));
        if (c == rgb(FeatureFrameSkin::plateLeft(active))) {
            if (run.left < 0)
                run.left = x;
            ++run.leftEnd;
        } else if (c == rgb(FeatureFrameSkin::plateRight(active))) {
            ++run.rightEnd;
        } else if (c == rgb(FeatureFrameSkin::plateMiddle(active))) {
            ++run.middle;
        }
    }
    return run;
}

TEST(CaptionTextFrame, APlateBehindTheTitleAsWideAsTheTextInTheStateOfTheWindow)
{
    FeatureWindow w;
    w.show();
    settleMorphs(w);
    const TkvActiveSkinObject* caption = w.object(QStringLiteral("caption"));
    ASSERT_NE(caption, nullptr);
    QImage frame = w.frame()->renderFrame();
    int plateRow = -1;
    for (int y = caption->ObjectRect.top; y < caption->ObjectRect.bottom && plateRow < 0; ++y)
        if (plateAt(frame, y, true).leftEnd > 0)
            plateRow = y;
    ASSERT_GE(plateRow, 0) << "the active window shows the active plate";
    const PlateRun shortTitle = plateAt(frame, plateRow, true);
    EXPECT_EQ(shortTitle.leftEnd, FeatureFrameSkin::kPlateEnd);
    EXPECT_EQ(shortTitle.rightEnd, FeatureFrameSkin::kPlateEnd);
    EXPECT_GT(shortTitle.middle, 0);
    // The title sits on the plate, centred in the caption.
    const int centre = (caption->ObjectRect.left + caption->ObjectRect.right) / 2;
    const int plateCentre = shortTitle.left + (shortTitle.leftEnd + shortTitle.middle + shortTitle.rightEnd) / 2;
    EXPECT_LE(std::abs(plateCentre - centre), 6);

    w.form()->setWindowTitle(QStringLiteral("Flight Controller Tool with a much longer title"));
    frame = w.frame()->renderFrame();
    const PlateRun longTitle = plateAt(frame, plateRow, true);
    EXPECT_GT(longTitle.left + longTitle.leftEnd + longTitle.middle, 0);
    EXPECT_EQ(longTitle.leftEnd, FeatureFrameSkin::kPlateEnd) << "the ends keep their width";
    EXPECT_GT(longTitle.middle, shortTitle.middle + 100) << "the middle grows with the text";
    savePicture(frame, QStringLiteral("caption-plate"));
}

TEST(CaptionTextFrame, InactiveWindowShowsTheNormalPlate)
{
    FeatureWindow w;
    w.frame()->ChangeSkinData();
    ASSERT_FALSE(w.form()->isActiveWindow());
    const QImage frame = w.frame()->renderFrame();
    bool normal = false;
    bool active = false;
    for (int y = 0; y < 24; ++y) {
        normal = normal || plateAt(frame, y, false).leftEnd == FeatureFrameSkin::kPlateEnd;
        active = active || plateAt(frame, y, true).leftEnd > 0;
    }
    EXPECT_TRUE(normal);
    EXPECT_FALSE(active);
}

QIcon solidIcon(QRgb colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor::fromRgb(colour));
    return QIcon(pixmap);
}

TEST(WindowIcon, TakesThePlaceOfTheSystemMenuButtonDrawnFromTheActivePicture)
{
    FeatureWindow w;
    w.form()->setWindowIcon(solidIcon(qRgb(250, 0, 250)));
    w.show();
    w.frame()->SetShowIcon(true);
    const TkvActiveSkinObject* sysMenu = w.object(QStringLiteral("sysmenubutton"));
    ASSERT_NE(sysMenu, nullptr);
    EXPECT_EQ(sysMenu->ObjectRect.width(), 16) << "the row gives it the small icon's size";
    EXPECT_EQ(sysMenu->ObjectRect.height(), 16);
    EXPECT_EQ(w.object(QStringLiteral("caption"))->ObjectRect.left, sysMenu->ObjectRect.right);
    EXPECT_EQ(w.at(sysMenu->ObjectRect.left, sysMenu->ObjectRect.top), rgb(qRgb(250, 0, 250)));
    EXPECT_EQ(w.at(sysMenu->ObjectRect.right - 1, sysMenu->ObjectRect.bottom - 1), rgb(qRgb(250, 0, 250)));
    EXPECT_FALSE(sysMenu->CanMorphing());

    w.frame()->SetShowIcon(false);
    EXPECT_NE(w.at(sysMenu->ObjectRect.left + 1, sysMenu->ObjectRect.top + 1), rgb(qRgb(250, 0, 250)));
}

TEST(WindowIcon, ThePlainFrameDrawsItInsteadOfTheMenuGlyph)
{
    SkinnedWindow w(false);
    w.form()->setWindowIcon(solidIcon(qRgb(0, 250, 250)));
    w.frame()->SetShowIcon(true);
    const TkvActiveSkinObject* sysMenu = w.object(QStringLiteral("sysmenubutton"));
    ASSERT_NE(sysMenu, nullptr);
    EXPECT_EQ(sysMenu->ObjectRect, (TRect{3, 4, 19, 20}));
    const QImage frame = w.frame()->renderFrame();
    EXPECT_EQ(rgb(frame.pixel(4, 5)), rgb(qRgb(0, 250, 250)));
    EXPECT_EQ(rgb(frame.pixel(18, 19)), rgb(qRgb(0, 250, 250)));
}

} // namespace
