// A popup window's outline from the skin's mask, its translucency and
// fade-in, and the frame's menu settings as the engine uses them.

#include "FrameTestSupport.h"

#include "platform/BmpCodec.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSkinPopupWindow.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace skin;
using namespace frametest;

namespace {

// A mask for the program skin's 57 x 41 popup picture, black (inside)
// except for a cut top-left corner (x + y < 4), the same at the bottom
// right, and a notch at x = 12 in the top band's 37-pixel tile from x = 10.
void addPopupMask(TkvSkinData& skin)
{
    QImage mask(57, 41, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x + y < 4; ++x) {
            mask.setPixel(x, y, qRgb(255, 255, 255));
            mask.setPixel(56 - x, 40 - y, qRgb(255, 255, 255));
        }
    }
    mask.setPixel(12, 0, qRgb(255, 255, 255));
    skin.ActiveBitmaps.append(platform::BmpImage::fromQImage(mask));
    skin.PopupWindowRecord.maskpictureindex = qint32(skin.ActiveBitmaps.size() - 1);
}

void expectMaskedOutline(const TkvSkinPopupWindow& window)
{
    ASSERT_TRUE(window.windowRegion());
    const QRegion& region = *window.windowRegion();
    const int w = window.width();
    const int h = window.height();
    ASSERT_GT(w, 60) << "wide enough for a second tile";
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, w, h));
    for (const QPoint outside : {QPoint(0, 0), QPoint(1, 2), QPoint(w - 1, h - 1), QPoint(w - 3, h - 2),
             QPoint(12, 0), QPoint(49, 0)})
        EXPECT_FALSE(region.contains(outside)) << outside.x() << "," << outside.y();
    for (const QPoint inside : {QPoint(0, 4), QPoint(4, 0), QPoint(w - 1, h - 5), QPoint(13, 0), QPoint(w / 2, h / 2)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
}

void fill(TkvMenuItem& menu, int count)
{
    for (int i = 0; i < count; ++i)
        menu.Add(QString::number(i), QStringLiteral("Item %1").arg(i));
}

} // namespace

TEST(MaskedPopup, TheOutlineFollowsTheMaskAtEverySize)
{
    SkinnedWindow w;
    w.show();
    TkvMenuItem menu;
    fill(menu, 2);
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    w.frame()->PopupSkinMenu(&menu, QPoint(100, 100));
    EXPECT_FALSE(engine.Level(0)->windowRegion()) << "the program skin has no popup mask";
    addPopupMask(*w.skin());
    w.frame()->PopupSkinMenu(&menu, QPoint(100, 100));
    TkvSkinPopupWindow& popup = *engine.Level(0);
    expectMaskedOutline(popup);
    popup.resize(popup.width() + 30, popup.height() + 20);
    QCoreApplication::processEvents();
    expectMaskedOutline(popup);
    engine.Hide();
}

TEST(MenuFade, TheFirstLevelRisesByThreeAndASubmenuTakesTheValueAtOnce)
{
    SkinnedWindow w;
    w.show();
    w.frame()->SetMenusAlphaBlend(true);
    w.frame()->SetMenusAlphaBlendAnimation(true);
    w.frame()->SetMenusAlphaBlendValue(100);
    TkvMenuItem menu;
    fill(*menu.Add("more", "More"), 2);
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    w.frame()->PopupSkinMenu(&menu, QPoint(100, 100));
    TkvSkinPopupWindow& first = *engine.Level(0);
    std::vector<int> seen{first.opacity()};
    while (timerActive(&first, "fadeTimer") && seen.size() < 300) {
        fireTimer(&first, "fadeTimer");
        seen.push_back(first.opacity());
    }
    ASSERT_EQ(seen.size(), 35u);
    EXPECT_EQ(seen[0], 0);
    EXPECT_EQ(seen[1], 3);
    EXPECT_EQ(seen[33], 99);
    EXPECT_EQ(seen[34], 100) << "the last step is cut to the blend value";

    QTest::keyClick(&first, Qt::Key_Right);
    ASSERT_EQ(engine.Levels(), 2);
    EXPECT_EQ(engine.Level(1)->opacity(), 100);
    engine.Hide();
}

TEST(MenuSettings, TheFrameHandsThemToTheEngineAndRefusesOutOfRangeValues)
{
    SkinnedWindow w(false);
    w.show();
    TkvSorvane& frame = *w.frame();
    TkvSkinMenu& engine = frame.SkinMenu();
    EXPECT_EQ(frame.MenusAlphaBlendValue(), 200);
    EXPECT_EQ(engine.AlphaBlendValue, 150) << "the engine's own until the frame's is assigned";
    frame.SetMenusAlphaBlendValue(300);
    EXPECT_EQ(engine.AlphaBlendValue, 255);
    frame.SetUseSkinFontInMenu(false);
    EXPECT_FALSE(engine.UseSkinFont);

    frame.SetDefMenuItemHeight(0);
    frame.SetDefMenuItemHeight(-4);
    EXPECT_EQ(frame.DefMenuItemHeight(), 20);
    frame.SetDefMenuItemHeight(26);
    frame.SetMaxMenuItemsInWindow(3);
    frame.SetMaxMenuItemsInWindow(-1);
    TkvMenuItem menu;
    fill(menu, 5);
    frame.PopupSkinMenu(&menu, QPoint(100, 100));
    TkvSkinPopupWindow& popup = *engine.Level(0);
    EXPECT_EQ(popup.Item(0).ObjectRect.height(), 26);
    EXPECT_TRUE(popup.ScrollMode()) << "five items over a limit of three";
    EXPECT_EQ(popup.height(), 3 * 26 + 4 + 20);
    engine.Hide();
}
