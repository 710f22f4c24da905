// The skinned frame with the program's skin: layout of the caption buttons,
// their commands, roll-up, hover tracking and morphing, the fade-in, the
// default frame, and skin changes handed to the controls.

#include "FrameTestSupport.h"

#include "platform/Bitmap.h"
#include "skin/frame/SkinClient.h"
#include "skin/frame/TkvSkinMenu.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace frametest;

namespace {

QRect qrect(const TRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// A control that counts the skin changes it hears.
class CountingControl : public QWidget, public SkinClient {
public:
    CountingControl(QWidget* parent, TkvSkinData* data) : QWidget(parent), m_data(data) {}
    TkvSkinData* SkinData() const override { return m_data; }
    void BeforeChangeSkinData() override { ++before; }
    void ChangeSkinData() override { ++change; }
    void AfterChangeSkinData() override { ++after; }
    int before = 0;
    int change = 0;
    int after = 0;

private:
    TkvSkinData* m_data;
};

} // namespace

TEST(Frame, ProgramSkinLaysOutTheMainWindowAtSevenHundredTwentyWide)
{
    SkinnedWindow w;
    EXPECT_EQ(w.form()->size(), QSize(720, 476));
    EXPECT_EQ(w.frame()->ClientArea()->geometry(), QRect(5, 24, 710, 447));
    QStringList names;
    for (const auto& object : w.frame()->Objects())
        names << object->IDName;
    EXPECT_EQ(names, QStringList({"caption", "closebutton", "minimizebutton", "maximizebutton", "rollupbutton",
                         "sysmenubutton"}));
    EXPECT_EQ(w.object("closebutton")->ObjectRect, TRect(698, 5, 712, 19));
    EXPECT_EQ(w.object("minimizebutton")->ObjectRect, TRect(683, 5, 697, 19));
    EXPECT_EQ(w.object("rollupbutton")->ObjectRect, TRect(668, 5, 682, 19));
    const TRect caption = w.object("caption")->ObjectRect;
    EXPECT_EQ(caption.left, 24);
    EXPECT_EQ(caption.right, 647);
    EXPECT_EQ(w.object("sysmenubutton")->ObjectRect, TRect(6, 5, 20, 19));
    // Maximize is not offered: it is gone and takes no room in the row.
    EXPECT_FALSE(w.object("maximizebutton")->visible);
    EXPECT_EQ(w.frame()->GetMinWidth(), 162);
    EXPECT_EQ(w.frame()->GetMinHeight(), 29);
    EXPECT_EQ(w.form()->mask().boundingRect(), QRect(0, 0, 720, 476));
    w.show();
    savePicture(w.form()->grab().toImage(), "frame-active");
}

TEST(Frame, HideCaptionButtonsLeavesADisabledSystemMenuButton)
{
    SkinnedWindow w;
    w.frame()->SetHideCaptionButtons(true);
    TkvActiveSkinObject* sysMenu = w.object("sysmenubutton");
    ASSERT_NE(sysMenu, nullptr);
    EXPECT_TRUE(sysMenu->visible);
    EXPECT_FALSE(sysMenu->enabled);
    for (const char* name : {"closebutton", "minimizebutton", "rollupbutton"})
        EXPECT_FALSE(w.object(QString::fromLatin1(name))->visible) << name;

    // Drawn from its disabled face 52,123-65,135, stretched onto 14 x 14.
    const TkvDataSkinObject* record = w.skin()->SkinObjects[size_t(w.skin()->GetIndex("sysmenubutton"))].get();
    const platform::TBitmap* picture = w.skin()->decodedActivePicture(record->activepictureindex);
    ASSERT_NE(picture, nullptr);
    platform::TBitmap expected(14, 14);
    expected.Canvas().CopyRect({0, 0, 14, 14}, picture->Canvas(), {52, 123, 65, 135});
    const QImage frame = w.form()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    savePicture(frame, "frame-hidden-buttons");
    EXPECT_EQ(frame.copy(6, 5, 14, 14), expected.image().convertToFormat(QImage::Format_RGB32));
    // Disabled objects never light up.
    w.show();
    w.frame()->TestActive(10, 10, true);
    EXPECT_EQ(w.frame()->HoverIndex(), -1);
}

TEST(Frame, CloseButtonActsOnlyWhenReleasedOverIt)
{
    SkinnedWindow w;
    w.show();
    TkvSorvane& f = *w.frame();
    f.TestActive(705, 12, true);
    f.MouseDown(Qt::LeftButton, 705, 12);
    auto* close = dynamic_cast<TkvSkinButtonObject*>(w.object("closebutton"));
    EXPECT_TRUE(close->down);
    // Dragged off: the button lets go of its light but stays down.
    f.TestActive(300, 12, true);
    EXPECT_FALSE(close->highlighted);
    f.MouseUp(Qt::LeftButton, 300, 12);
    EXPECT_FALSE(close->down);
    EXPECT_TRUE(w.form()->isVisible());

    // Through real mouse events: press and release on the button.
    QTest::mouseMove(w.form(), QPoint(705, 12));
    QTest::mousePress(w.form(), Qt::LeftButton, {}, QPoint(705, 12));
    QTest::mouseRelease(w.form(), Qt::LeftButton, {}, QPoint(705, 12));
    EXPECT_FALSE(w.form()->isVisible());
}

TEST(Frame, CaptionDoubleClickRollsUpToTwentyNinePixelsAndBack)
{
    SkinnedWindow w;
    int changes = 0;
    w.frame()->OnChangeRollUpState = [&changes](QObject*) { ++changes; };
    w.show();
    QTest::mouseDClick(w.form(), Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_TRUE(w.frame()->RollUpState());
    EXPECT_EQ(w.form()->height(), 29);
    EXPECT_EQ(w.frame()->GetRealHeight(), 476);
    EXPECT_FALSE(w.frame()->ClientArea()->isVisible());
    savePicture(w.form()->grab().toImage(), "frame-rolled-up");
    // Rolled up only the caption and the objects answer.
    EXPECT_EQ(w.frame()->HitTest({300, 12}), HTCAPTION);
    QTest::mouseDClick(w.form(), Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_FALSE(w.frame()->RollUpState());
    EXPECT_EQ(w.form()->size(), QSize(720, 476));
    EXPECT_TRUE(w.frame()->ClientArea()->isVisible());
    EXPECT_EQ(changes, 2);

    // The roll-up button does the same.
    w.frame()->TestActive(675, 12, true);
    w.frame()->MouseDown(Qt::LeftButton, 675, 12);
    w.frame()->MouseUp(Qt::LeftButton, 675, 12);
    EXPECT_EQ(w.form()->height(), 29);
}

TEST(Frame, AnInactiveRolledUpWindowShowsTheInactiveRestoreImage)
{
    SkinnedWindow w;
    w.frame()->SetRollUpState(true);
    ASSERT_FALSE(w.form()->isActiveWindow());
    const QImage controls(kAssets + QStringLiteral("/skin/controls.bmp"));
    const TkvActiveSkinObject* roll = w.object(QStringLiteral("rollupbutton"));
    ASSERT_NE(roll, nullptr);
    const QImage frame = w.frame()->renderFrame();
    // The record's restoreinactiverect 48,64,62,78 (its inactiveskinrect,
    // 48,48,62,62, shows the roll-up glyph instead).
    const QImage face = frame.copy(qrect(roll->ObjectRect)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(face, controls.copy(48, 64, 14, 14).convertToFormat(QImage::Format_RGB32));
}

TEST(Frame, HoverLightsAButtonInFiveMorphStepsAndTrackingLetsGo)
{
    SkinnedWindow w;
    w.show();
    TkvSorvane& f = *w.frame();
    QPoint cursor = w.form()->mapToGlobal(QPoint(705, 12));
    f.CursorPos = [&cursor] { return cursor; };
    QTest::mouseMove(w.form(), QPoint(705, 12));
    TkvActiveSkinObject* close = w.object("closebutton");
    EXPECT_EQ(f.HoverIndex(), f.GetIndex("closebutton"));
    EXPECT_TRUE(close->highlighted);
    EXPECT_EQ(timerInterval(&f, "mouseTimer"), 50);
    EXPECT_EQ(timerInterval(&f, "morphTimer"), 20);
    EXPECT_TRUE(timerActive(&f, "mouseTimer"));
    for (int step = 0; step < 5; ++step) {
        ASSERT_TRUE(timerActive(&f, "morphTimer")) << step;
        fireTimer(&f, "morphTimer");
    }
    EXPECT_DOUBLE_EQ(close->morphKf, 1.0);
    fireTimer(&f, "morphTimer");
    EXPECT_FALSE(timerActive(&f, "morphTimer"));

    // The pointer went into the client: the tracking tick lets go.
    cursor = w.form()->mapToGlobal(QPoint(300, 200));
    fireTimer(&f, "mouseTimer");
    EXPECT_EQ(f.HoverIndex(), -1);
    EXPECT_FALSE(close->highlighted);
    EXPECT_FALSE(timerActive(&f, "mouseTimer"));
}

TEST(Frame, CaptionFollowsActivation)
{
    SkinnedWindow w;
    w.show();
    auto* caption = w.object("caption");
    EXPECT_TRUE(caption->highlighted);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(caption->highlighted);
    savePicture(w.form()->grab().toImage(), "frame-inactive");
}

TEST(Frame, FadesInOverFiftyOneSteps)
{
    SkinnedWindow w;
    w.frame()->AlphaBlendAnimation = true;
    w.show();
    std::vector<int> opacities;
    while (timerActive(w.frame(), "fadeTimer") && opacities.size() < 100) {
        fireTimer(w.frame(), "fadeTimer");
        opacities.push_back(w.frame()->Opacity());
    }
    ASSERT_EQ(opacities.size(), 51u);
    EXPECT_EQ(opacities.front(), 5);
    EXPECT_EQ(opacities[1], 10);
    EXPECT_EQ(opacities.back(), 255);
}

TEST(Frame, SkinChangesReachTheControlsOfItsSkinOnly)
{
    SkinnedWindow w;
    TkvSkinData other;
    auto* mine = new CountingControl(w.frame()->ClientArea(), w.skin());
    auto* nested = new CountingControl(new QWidget(w.frame()->ClientArea()), w.skin());
    auto* foreign = new CountingControl(w.frame()->ClientArea(), &other);
    w.skin()->LoadFromFile(kAssets + QStringLiteral("/skin/skin.ini"));
    for (const CountingControl* c : {mine, nested}) {
        EXPECT_EQ(c->before, 1);
        EXPECT_EQ(c->change, 1);
        EXPECT_EQ(c->after, 1);
    }
    EXPECT_EQ(foreign->before + foreign->change + foreign->after, 0);
    // The frame rebuilt its objects from the new skin.
    EXPECT_EQ(w.frame()->Objects().size(), 6u);
    EXPECT_EQ(w.object("closebutton")->ObjectRect, TRect(698, 5, 712, 19));
}

TEST(Frame, DefaultFrameWithoutASkin)
{
    SkinnedWindow w(false);
    EXPECT_FALSE(w.frame()->SkinInUse());
    EXPECT_EQ(w.form()->size(), QSize(716, 472));
    EXPECT_EQ(w.frame()->ClientArea()->geometry(), QRect(3, 22, 710, 447));
    w.show();
    w.frame()->renderFrame();
    QStringList names;
    for (const auto& object : w.frame()->Objects()) {
        if (object->visible && object->enabled)
            names << object->IDName;
    }
    EXPECT_EQ(names, QStringList({"closebutton", "minbutton", "rollupbutton", "sysmenubutton"}));
    EXPECT_EQ(qrect(w.object("closebutton")->ObjectRect), QRect(696, 4, 17, 17));
    EXPECT_EQ(w.frame()->HitTest({300, 10}), HTCAPTION);
    EXPECT_EQ(w.frame()->HitTest({300, 100}), HTCLIENT);
    savePicture(w.form()->grab().toImage(), "frame-default");
    // Roll-up works the same without a skin.
    w.frame()->SetRollUpState(true);
    EXPECT_EQ(w.form()->height(), 25);
}

TEST(Frame, ClientWidthAndClientHeightApplyEachOnItsOwn)
{
    SkinnedWindow w(false);
    w.frame()->SetClientWidth(0);
    w.frame()->SetClientHeight(300);
    EXPECT_EQ(w.form()->size(), QSize(716, 325)) << "the height alone; the width stays";
    w.skin()->LoadFromFile(kAssets + QStringLiteral("/skin/skin.ini"));
    EXPECT_EQ(w.form()->width(), 716);
    EXPECT_EQ(w.frame()->ClientArea()->height(), 300) << "applied again after the skin change";
    w.frame()->SetClientHeight(0);
    w.frame()->SetClientWidth(600);
    EXPECT_EQ(w.form()->size(), QSize(610, 329)) << "the skin's frame adds 10 x 29";
}

TEST(Frame, SkinDataGoneWithoutAMessageLeavesTheDefaultFrame)
{
    SkinnedWindow w;
    w.show();
    ASSERT_TRUE(w.frame()->SkinInUse());
    w.frame()->TestActive(675, 12, true);
    ASSERT_NE(w.frame()->HoverIndex(), -1);
    delete w.skin();
    // At once nothing is taken from the skin any more: state, input, paint.
    EXPECT_FALSE(w.frame()->SkinInUse());
    EXPECT_EQ(w.frame()->GetMinWidth(), 120);
    EXPECT_EQ(w.frame()->GetMinHeight(), 25);
    EXPECT_EQ(w.frame()->HoverIndex(), -1);
    EXPECT_EQ(w.frame()->HitTest({300, 100}), HTCLIENT);
    w.frame()->TestActive(675, 12, true);
    w.frame()->renderFrame();
    // Then the window takes the default frame's size and buttons.
    QCoreApplication::sendPostedEvents(w.frame());
    EXPECT_EQ(w.form()->size(), QSize(716, 472));
    QStringList names;
    for (const auto& object : w.frame()->Objects()) {
        if (object->visible && object->enabled)
            names << object->IDName;
    }
    EXPECT_EQ(names, QStringList({"closebutton", "minbutton", "rollupbutton", "sysmenubutton"}));
    EXPECT_EQ(w.frame()->HitTest({300, 10}), HTCAPTION);
    EXPECT_FALSE(w.frame()->renderFrame().isNull());
}

TEST(Frame, DamagedStoredSkinLeavesTheDefaultFrameAndControls)
{
    SkinnedWindow w;
    auto* control = new CountingControl(w.frame()->ClientArea(), w.skin());
    TkvCompressedStoredSkin stored;
    stored.SetCompressedData(QByteArray("\x78\xDA not a zlib stream"));
    EXPECT_ANY_THROW(w.skin()->LoadCompressedStoredSkin(&stored));
    EXPECT_TRUE(w.skin()->IsEmpty());
    EXPECT_FALSE(w.frame()->SkinInUse());
    EXPECT_EQ(control->change, 1) << "the controls hear the change and take their default look";
    EXPECT_EQ(control->after, 1);
    EXPECT_EQ(w.form()->size(), QSize(716, 472));
    EXPECT_NE(w.object("closebutton"), nullptr);
}

TEST(Frame, HundredSkinChangesWhileMenusComeAndGo)
{
    SkinnedWindow w;
    w.show();
    const QString daylight = kAssets + QStringLiteral("/skins/daylight.skn");
    for (int i = 0; i < 100; ++i) {
        if (i % 3 == 0)
            w.frame()->TrackSystemMenu(100, 100);
        if (i % 2)
            w.skin()->LoadFromFile(kAssets + QStringLiteral("/skin/skin.ini"));
        else
            w.skin()->LoadFromCompressedFile(daylight);
        // A change closes any open menu: its rows point into the old skin.
        ASSERT_FALSE(w.frame()->SkinMenu().Visible()) << i;
        ASSERT_EQ(w.frame()->Objects().size(), 6u) << i;
        w.form()->grab();
    }
    EXPECT_EQ(w.skin()->skinname, "Graphite");
}

TEST(Frame, TheLogoIsDrawnCentredInTheClientBackgroundAndCanBeTransparent)
{
    SkinnedWindow w;
    w.show();
    QWidget* client = w.frame()->ClientArea();
    const QImage background = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // A 20 x 10 logo: a key colour around a 10 x 4 bar.
    QImage logo(20, 10, QImage::Format_RGB32);
    logo.fill(qRgb(255, 0, 255));
    for (int y = 3; y < 7; ++y)
        for (int x = 5; x < 15; ++x)
            logo.setPixel(x, y, qRgb(10, 120, 30));
    w.frame()->SetLogoBitMap(logo);
    const QPoint at(client->width() / 2 - 10, client->height() / 2 - 5);
    QImage shown = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    savePicture(shown, "logo");
    EXPECT_EQ(shown.pixel(at + QPoint(5, 3)), qRgb(10, 120, 30));
    EXPECT_EQ(shown.pixel(at), qRgb(255, 0, 255)) << "opaque: the key colour shows";
    EXPECT_EQ(shown.pixel(at - QPoint(1, 1)), background.pixel(at - QPoint(1, 1)));

    w.frame()->SetLogoBitMapTransparent(true);
    shown = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(at + QPoint(5, 3)), qRgb(10, 120, 30));
    EXPECT_EQ(shown.pixel(at), background.pixel(at)) << "transparent: the background shows";

    // Larger than the client: from its top-left corner, never left of it.
    QImage wide(client->width() + 40, 4, QImage::Format_RGB32);
    wide.fill(qRgb(10, 120, 30));
    w.frame()->SetLogoBitMapTransparent(false);
    w.frame()->SetLogoBitMap(wide);
    shown = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(0, client->height() / 2), qRgb(10, 120, 30));

    w.frame()->SetLogoBitMap(QImage());
    EXPECT_EQ(client->grab().toImage().convertToFormat(QImage::Format_RGB32), background);
}
