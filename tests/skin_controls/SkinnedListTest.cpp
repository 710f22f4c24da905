#include "ControlTestSupport.h"
#include "ProgramSkin.h"

#include "skin/controls/TkvPopupListBox.h"
#include "skin/controls/TkvSkinListBox.h"
#include "skin/controls/TkvSkinScrollBar.h"

#include <QTest>

#include <gtest/gtest.h>

// The scroll bar and the list box drawn and driven from the program's skin.
using namespace skin;
using namespace testsupport;
using platform::TRect;
using Part = TkvSkinScrollBar::Part;

namespace {

// The controls' picture of the program's skin ("vscrollbar" and "listbox" use picture 4).
platform::TColor controlsPixel(const TkvSkinData& data, int x, int y)
{
    const platform::TBitmap* picture = data.decodedActivePicture(4);
    return picture ? rgbOf(picture->Canvas().Pixels(x, y)) : platform::TColor(-1);
}

class SkinnedBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = loadProgramSkin();
        bar = new TkvSkinScrollBar(host.widget());
        bar->SetKind(TScrollBarKind::sbVertical);
        bar->SetSkinDataName(QStringLiteral("vscrollbar"));
        bar->SetSkinData(data.get());
        bar->SetBounds(10, 10, 20, 168);
        bar->SetRange(0, 11, 8, 0);
        bar->SetLargeChange(8);
        bar->OnChange = [this](QObject*) { events << QStringLiteral("change %1").arg(bar->Position()); };
        bar->OnLastChange = [this](QObject*) { events << QStringLiteral("last"); };
        host.show();
    }

    std::unique_ptr<TkvSkinData> data;
    HostWindow host;
    TkvSkinScrollBar* bar = nullptr;
    QStringList events;
};

TEST_F(SkinnedBarTest, GeometryOfTwelveItemsInEightRows)
{
    EXPECT_EQ(bar->size(), QSize(17, 168)) << "the record fixes the width";
    bar->CalcRects();
    EXPECT_EQ(bar->trackRect(), (TRect{0, 17, 16, 151}));
    EXPECT_EQ(bar->partRect(Part::kDecrease), (TRect{0, 0, 17, 17}));
    EXPECT_EQ(bar->partRect(Part::kIncrease), (TRect{0, 151, 17, 168})) << "moves with the bottom edge";
    EXPECT_EQ(bar->partRect(Part::kThumb), (TRect{0, 17, 17, 105})) << "89 long, the odd pixel lost";
    // Hit test and paint share the geometry.
    EXPECT_EQ(bar->partAt(8, 17), Part::kThumb);
    EXPECT_EQ(bar->partAt(8, 104), Part::kThumb);
    EXPECT_EQ(bar->partAt(8, 105), Part::kNone);
    EXPECT_EQ(bar->partAt(8, 160), Part::kIncrease);

    const QImage face = bar->renderFace();
    savePicture(face, QStringLiteral("skinned-vscrollbar"));
    // Thumb: its picture with 5 fixed rows at each end, the glyph centred.
    EXPECT_EQ(pixel(face, 3, 17), controlsPixel(*data, 113, 152));
    EXPECT_EQ(pixel(face, 3, 104), controlsPixel(*data, 113, 169));
    EXPECT_EQ(pixel(face, 5, 57), controlsPixel(*data, 130, 152)) << "glyph at 17 + 44 - 4";
    // Increase button at rest comes from the record's base image.
    EXPECT_EQ(pixel(face, 3, 160), controlsPixel(*data, 70 + 3, 152 + 60));
}

TEST_F(SkinnedBarTest, PressedPartsShowThePressedImages)
{
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 160));
    EXPECT_EQ(bar->Position(), 1);
    QImage face = bar->renderFace();
    EXPECT_EQ(pixel(face, 3, 155), controlsPixel(*data, 93, 174)) << "downupbuttonrect";
    QTest::mouseMove(bar, QPoint(8, 130));
    face = bar->renderFace();
    EXPECT_EQ(pixel(face, 3, 155), controlsPixel(*data, 73, 207)) << "off the button: no hot image, the base shows";
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, 130));

    bar->SetPosition(0);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 40));
    face = bar->renderFace();
    EXPECT_EQ(pixel(face, 3, 17), controlsPixel(*data, 113, 172)) << "downthumbrect while dragged";
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, 40));
}

TEST_F(SkinnedBarTest, DragToTheBottomAndTrackRepeats)
{
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 50));
    QTest::mouseMove(bar, QPoint(8, 90));
    QTest::mouseMove(bar, QPoint(8, 400));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, 400));
    EXPECT_EQ(bar->Position(), 4);
    ASSERT_GE(events.size(), 2);
    EXPECT_EQ(events.last(), QStringLiteral("last"));
    EXPECT_EQ(events[events.size() - 2], QStringLiteral("change 4"));

    bar->SetRange(0, 40, 8, 0);
    bar->CalcRects();
    const int below = bar->partRect(Part::kThumb).bottom + 40;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, below));
    EXPECT_EQ(bar->Position(), 8);
    EXPECT_EQ(timerInterval(bar, "repeat"), 500);
    fireTimer(bar, "repeat");
    EXPECT_EQ(bar->Position(), 8) << "the first tick only ends the delay";
    EXPECT_EQ(timerInterval(bar, "repeat"), 50);
    for (int i = 0; i < 10 && timerActive(bar, "repeat"); ++i)
        fireTimer(bar, "repeat");
    EXPECT_FALSE(timerActive(bar, "repeat")) << "stops once the thumb reaches the pointer";
    bar->CalcRects();
    EXPECT_GE(bar->partRect(Part::kThumb).bottom, below);
    EXPECT_GT(bar->Position(), 8);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, below));
}

TEST(SkinnedBarKindsTest, HorizontalAndBothSidedRecordsMoveTheFarButton)
{
    auto data = loadProgramSkin();
    for (const char* name : {"hscrollbar", "bothhscrollbar"}) {
        TkvSkinScrollBar bar;
        bar.SetSkinDataName(QLatin1String(name));
        bar.SetSkinData(data.get());
        bar.SetBounds(0, 0, 150, 30);
        EXPECT_EQ(bar.height(), 17) << name;
        bar.SetRange(0, 9, 0, 9);
        bar.CalcRects();
        const TRect track = bar.trackRect();
        EXPECT_EQ(track.left, 17) << name;
        EXPECT_EQ(bar.partRect(Part::kIncrease).left, track.right) << name << ": the right button follows the track";
        EXPECT_EQ(bar.partRect(Part::kDecrease).left, 0) << name;
        EXPECT_EQ(bar.partRect(Part::kThumb).right, track.right) << name << ": at the end without a page";
        EXPECT_EQ(bar.partRect(Part::kThumb).width(), 18) << name << ": the picture's length";
    }
}

TEST(SkinnedListTest, HeightsAndLayoutFromTheRecord)
{
    auto data = loadProgramSkin();
    TkvSkinListBox list;
    list.SetSkinData(data.get());
    list.SetBounds(0, 0, 89, 100);
    EXPECT_EQ(list.CalcHeight(2), 46);
    EXPECT_EQ(list.CalcHeight(7), 151);
    EXPECT_EQ(list.CalcHeight(8), 172);

    list.SetItems({"PWM", "SBUS"});
    list.SetRowCount(2);
    EXPECT_EQ(list.height(), 46);
    EXPECT_EQ(list.verticalBar(), nullptr);
    EXPECT_EQ(list.innerList()->geometry(), QRect(2, 2, 85, 42));
    EXPECT_EQ(list.innerList()->itemHeight(), 21);

    list.SetItems(numbered(12));
    list.SetRowCount(8);
    EXPECT_EQ(list.height(), 172);
    TkvSkinScrollBar* bar = list.verticalBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->SkinDataName(), QStringLiteral("vscrollbar"));
    EXPECT_EQ(bar->geometry(), QRect(89 - 2 - 17, 2, 17, 168));
    EXPECT_EQ(list.innerList()->geometry(), QRect(2, 2, 89 - 4 - 17, 168));
    bar->CalcRects();
    EXPECT_EQ(bar->partRect(Part::kThumb), (TRect{0, 17, 17, 105}));

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 50));
    QTest::mouseMove(bar, QPoint(8, 400));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, 400));
    EXPECT_EQ(list.TopIndex(), 4) << "items 4 to 11 shown";
    EXPECT_EQ(list.innerList()->ItemAtPos(QPoint(5, 0)), 4);
    EXPECT_EQ(list.innerList()->ItemAtPos(QPoint(5, 7 * 21)), 11);

    data->ClearSkin();
    list.ChangeSkinData();
    EXPECT_EQ(list.innerList()->itemHeight(), 20) << "back to the default item height";
    ASSERT_NE(list.verticalBar(), nullptr);
    EXPECT_EQ(list.verticalBar()->width(), 19);
}

TEST(SkinnedListTest, ItemsAndBackgroundFromTheRecord)
{
    auto data = loadProgramSkin();
    TkvSkinListBox list;
    list.SetSkinData(data.get());
    list.SetBounds(0, 0, 89, 100);
    list.SetItems({"PWM", "SBUS"});
    list.SetRowCount(3);
    list.SetItemIndex(1);
    const QImage rows = list.innerList()->PaintList();
    savePicture(rows, QStringLiteral("skinned-list-rows"));
    // Plain row from itemrect, selected (not focused) row from activeitemrect,
    // both with their fixed left columns; the third row is the tiled client area.
    EXPECT_EQ(pixel(rows, 0, 0), controlsPixel(*data, 194, 96));
    EXPECT_EQ(pixel(rows, 0, 21), controlsPixel(*data, 194, 118));
    EXPECT_EQ(pixel(rows, 84, 21 + 20), controlsPixel(*data, 247, 138)) << "right end fixed";
    EXPECT_EQ(pixel(rows, 1, 42 + 1), controlsPixel(*data, 132 + 2 + 1, 96 + 2 + 43));
}

TEST(SkinnedListTest, ItemsStretchedToAnItemHeightOfTheirOwn)
{
    auto data = loadProgramSkin();
    TkvSkinListBox list;
    list.SetUseSkinItemHeight(false);
    list.SetDefaultItemHeight(30);
    list.SetSkinData(data.get());
    list.SetBounds(0, 0, 89, 100);
    list.SetItems({"PWM", "SBUS"});
    list.SetRowCount(2);
    EXPECT_EQ(list.innerList()->itemHeight(), 30);
    EXPECT_EQ(list.height(), 52 + 2 * 30 + 2 - 50);
    const QImage rows = list.innerList()->PaintList();
    EXPECT_EQ(pixel(rows, 0, 0), controlsPixel(*data, 194, 96));
    EXPECT_EQ(pixel(rows, 0, 29), controlsPixel(*data, 194, 116)) << "the record's 21 rows stretched to 30";
    list.SetUseSkinItemHeight(true);
    EXPECT_EQ(list.innerList()->itemHeight(), 21);
    EXPECT_EQ(list.height(), 46);
}

} // namespace
