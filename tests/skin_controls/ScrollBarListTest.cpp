#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinListBox.h"
#include "skin/controls/TkvSkinScrollBar.h"
#include "tests/support/QtPrinters.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;
using platform::TRect;
using Part = TkvSkinScrollBar::Part;

namespace {

TEST(ScrollBarGeometryTest, PartsAndThumbWithoutRecord)
{
    struct Case {
        const char* name;
        TScrollBarKind kind;
        QSize size;
        int min, max, page, position;
        TRect thumb;
    };
    const Case cases[] = {
        // Twelve items in eight rows: 128 * 8 / 12 = 85.3 -> 85, odd length loses a pixel.
        {"list top", TScrollBarKind::sbVertical, {19, 162}, 0, 11, 8, 0, {1, 17, 18, 101}},
        {"list bottom", TScrollBarKind::sbVertical, {19, 162}, 0, 11, 8, 4, {1, 61, 18, 145}},
        {"no page: minimum", TScrollBarKind::sbHorizontal, {200, 19}, 0, 100, 0, 50, {92, 1, 108, 18}},
        {"no page, empty range", TScrollBarKind::sbHorizontal, {200, 19}, 5, 5, 0, 5, {17, 1, 33, 18}},
        // Max - PageSize + 1 not above Min: the thumb (longer than the track
        // here) ends at the right end, or starts at the top.
        {"page too big, horizontal", TScrollBarKind::sbHorizontal, {200, 19}, 0, 3, 8, 0, {-149, 1, 183, 18}},
        {"page too big, vertical", TScrollBarKind::sbVertical, {19, 100}, 0, 3, 8, 0, {1, 17, 18, 149}},
        // 166 * 10 / 101 = 16.4 -> 16; 166 * 1 / 101 raised to 16.
        {"small page", TScrollBarKind::sbHorizontal, {200, 19}, 0, 100, 1, 0, {17, 1, 33, 18}},
    };
    for (const Case& c : cases) {
        TkvSkinScrollBar bar;
        bar.SetKind(c.kind);
        bar.resize(c.size);
        bar.SetRange(c.min, c.max, c.page, c.position);
        bar.CalcRects();
        EXPECT_EQ(bar.partRect(Part::kThumb), c.thumb) << c.name;
    }
    TkvSkinScrollBar bar;
    bar.CalcRects();
    EXPECT_EQ(bar.partRect(Part::kDecrease), (TRect{1, 1, 17, 18}));
    EXPECT_EQ(bar.partRect(Part::kIncrease), (TRect{183, 1, 199, 18}));
    EXPECT_EQ(bar.trackRect(), (TRect{17, 1, 183, 18}));
    bar.SetBoth(true);
    bar.CalcRects();
    EXPECT_EQ(bar.partRect(Part::kIncrease), (TRect{164, 1, 180, 18})) << "room for the corner marker";
}

TEST(ScrollBarValueTest, PositionIsClampedAndOnlyRealChangesAreReported)
{
    TkvSkinScrollBar bar;
    int changes = 0;
    bar.OnChange = [&](QObject*) { ++changes; };
    bar.SetRange(0, 11, 8, 9);
    EXPECT_EQ(bar.Position(), 4) << "Max - PageSize + 1";
    EXPECT_EQ(changes, 0) << "SetRange raises nothing";
    bar.SetPosition(4);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(changes, 1);
    bar.SetPageSize(20);
    EXPECT_EQ(bar.PageSize(), 8) << "a page larger than the range is refused";
    bar.SetMin(2);
    EXPECT_EQ(bar.Position(), 2);
}

class ScrollBarMouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar = new TkvSkinScrollBar(host.widget());
        bar->SetKind(TScrollBarKind::sbVertical);
        bar->SetBounds(10, 10, 19, 162);
        bar->SetRange(0, 11, 8, 0);
        bar->SetLargeChange(8);
        bar->OnChange = [this](QObject*) { events << QStringLiteral("change %1").arg(bar->Position()); };
        bar->OnLastChange = [this](QObject*) { events << QStringLiteral("last"); };
        host.show();
    }

    HostWindow host;
    TkvSkinScrollBar* bar = nullptr;
    QStringList events;
};

TEST_F(ScrollBarMouseTest, DraggingTheThumbToTheBottom)
{
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, 50));
    EXPECT_TRUE(bar->partPressed(Part::kThumb));
    EXPECT_EQ(pixel(bar->renderFace(), 9, 50), kPressedFill);
    QTest::mouseMove(bar, QPoint(9, 70));
    QTest::mouseMove(bar, QPoint(9, 300));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 300));
    EXPECT_EQ(bar->Position(), 4);
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.last(), QStringLiteral("last"));
    EXPECT_EQ(events[events.size() - 2], QStringLiteral("change 4"));
    EXPECT_FALSE(bar->partPressed(Part::kThumb));
}

TEST_F(ScrollBarMouseTest, TrackPressPagesThenRepeatsWhileBelowTheThumb)
{
    bar->SetRange(0, 40, 8, 0);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, 140));
    EXPECT_EQ(bar->Position(), 8);
    EXPECT_EQ(bar->timerMode(), TkvSkinScrollBar::Repeat::PageIncrease);
    EXPECT_EQ(timerInterval(bar, "repeat"), 500);
    fireTimer(bar, "repeat");
    EXPECT_EQ(bar->Position(), 8) << "the first tick only ends the delay";
    EXPECT_EQ(timerInterval(bar, "repeat"), 50);
    fireTimer(bar, "repeat");
    EXPECT_EQ(bar->Position(), 16);
    for (int i = 0; i < 5 && timerActive(bar, "repeat"); ++i)
        fireTimer(bar, "repeat");
    EXPECT_FALSE(timerActive(bar, "repeat")) << "stops once the thumb reaches the pointer";
    bar->CalcRects();
    EXPECT_GE(bar->partRect(Part::kThumb).bottom, 140);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 140));
}

TEST_F(ScrollBarMouseTest, TrackPressBelowWithEightItemsClampsToFour)
{
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, 130));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 130));
    EXPECT_EQ(bar->Position(), 4);
    EXPECT_FALSE(timerActive(bar, "repeat"));
}

TEST_F(ScrollBarMouseTest, EndButtonStepsAndRepeatsOnlyWhileHot)
{
    int upClicks = 0;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, 155));
    EXPECT_EQ(bar->Position(), 1) << "steps at once";
    EXPECT_EQ(pixel(bar->renderFace(), 1, 150), platform::clNavy);
    fireTimer(bar, "repeat");
    fireTimer(bar, "repeat");
    EXPECT_EQ(bar->Position(), 2);
    QTest::mouseMove(bar, QPoint(9, 40));
    EXPECT_FALSE(timerActive(bar, "repeat")) << "leaving the button stops the repeat";
    QTest::mouseMove(bar, QPoint(9, 155));
    EXPECT_EQ(timerInterval(bar, "repeat"), 50);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 155));
    EXPECT_FALSE(timerActive(bar, "repeat"));
    EXPECT_FALSE(events.contains(QStringLiteral("last")));

    bar->OnUpButtonClick = [&](QObject*) { ++upClicks; };
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(9, 155));
    EXPECT_EQ(upClicks, 1);
    EXPECT_EQ(bar->Position(), 2) << "the event replaces the step";
}

// The end button that increases Position (bottom or right) is the skin's
// up button ("upbuttonrect") and raises OnUpButtonClick; the one that
// decreases it (top or left), the down button, raises OnDownButtonClick.
// A held button repeats its own event.
TEST(ScrollBarButtonEventTest, IncreasingEndIsTheUpButtonInBothKinds)
{
    struct Case {
        const char* name;
        TScrollBarKind kind;
        QSize size;
        QPoint decrease;
        QPoint increase;
    };
    const Case cases[] = {
        {"vertical", TScrollBarKind::sbVertical, {19, 162}, {9, 8}, {9, 155}},
        {"horizontal", TScrollBarKind::sbHorizontal, {200, 19}, {8, 9}, {191, 9}},
    };
    for (const Case& c : cases) {
        HostWindow host;
        auto* bar = new TkvSkinScrollBar(host.widget());
        bar->SetKind(c.kind);
        bar->SetBounds(10, 10, c.size.width(), c.size.height());
        bar->SetRange(0, 100, 0, 50);
        host.show();
        QStringList events;
        bar->OnUpButtonClick = [&](QObject*) { events << QStringLiteral("up"); };
        bar->OnDownButtonClick = [&](QObject*) { events << QStringLiteral("down"); };
        QTest::mousePress(bar, Qt::LeftButton, {}, c.increase);
        fireTimer(bar, "repeat");
        fireTimer(bar, "repeat");
        QTest::mouseRelease(bar, Qt::LeftButton, {}, c.increase);
        QTest::mouseClick(bar, Qt::LeftButton, {}, c.decrease);
        EXPECT_EQ(events, QStringList({"up", "up", "down"})) << c.name;
        EXPECT_EQ(bar->Position(), 50) << c.name << ": the events replace the steps";

        bar->OnUpButtonClick = nullptr;
        bar->OnDownButtonClick = nullptr;
        QTest::mouseClick(bar, Qt::LeftButton, {}, c.increase);
        EXPECT_EQ(bar->Position(), 51) << c.name;
        QTest::mouseClick(bar, Qt::LeftButton, {}, c.decrease);
        QTest::mouseClick(bar, Qt::LeftButton, {}, c.decrease);
        EXPECT_EQ(bar->Position(), 49) << c.name;
    }
}

TEST_F(ScrollBarMouseTest, KeysOnlyWhenFocusable)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(9, 130));
    EXPECT_FALSE(bar->hasFocus()) << "the drop-down's bar never takes the focus";
    bar->SetPosition(2);
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(bar->Position(), 2);
    bar->SetCanFocused(true);
    bar->SetSmallChange(1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(9, 8));
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_EQ(bar->Position(), 1);
    QTest::keyClick(bar, Qt::Key_Down);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->Position(), 3);
    QTest::keyClick(bar, Qt::Key_Up);
    EXPECT_EQ(bar->Position(), 2);
}

TEST_F(ScrollBarMouseTest, HotPartFollowsThePointer)
{
    hover(bar, QPoint(9, 8));
    EXPECT_EQ(bar->hotPart(), Part::kDecrease);
    EXPECT_EQ(pixel(bar->renderFace(), 3, 3), kHotFill);
    QTest::mouseMove(bar, QPoint(9, 40));
    EXPECT_EQ(bar->hotPart(), Part::kThumb);
    QTest::mouseMove(host.widget(), QPoint(300, 250));
    EXPECT_EQ(bar->hotPart(), Part::kNone);
}

TEST(ListBoxTest, TwelveItemsInEightRowsGetABar)
{
    HostWindow host;
    auto* list = new TkvSkinListBox(host.widget());
    list->move(10, 10);
    list->SetItems(numbered(12));
    list->SetRowCount(8);
    host.show();
    EXPECT_EQ(list->height(), 8 * 20 + 4);
    TkvSkinScrollBar* bar = list->verticalBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(120 - 20, 1, 19, 162));
    EXPECT_EQ(list->innerList()->geometry(), QRect(2, 2, 120 - 22, 160));
    EXPECT_EQ(bar->Max(), 11);
    EXPECT_EQ(bar->PageSize(), 8);

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, 50));
    QTest::mouseMove(bar, QPoint(9, 400));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 400));
    EXPECT_EQ(list->TopIndex(), 4) << "items 4 to 11 shown";

    QWheelEvent up(QPointF(20, 20), list->innerList()->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, 120),
        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->innerList(), &up);
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_EQ(bar->Position(), 3) << "the bar mirrors the list";
}

TEST(ListBoxTest, TwoItemsInTwoRowsFitWithoutBar)
{
    TkvSkinListBox list;
    list.SetItems({"PWM", "SBUS"});
    list.SetRowCount(2);
    EXPECT_EQ(list.height(), 44);
    EXPECT_EQ(list.verticalBar(), nullptr);
    EXPECT_EQ(list.innerList()->geometry(), QRect(2, 2, 116, 40));

    list.SetItemIndex(1);
    const QImage rows = list.innerList()->PaintList();
    EXPECT_EQ(pixel(rows, 1, 10), rgbOf(platform::clWindow));
    EXPECT_EQ(pixel(rows, 1, 30), rgbOf(platform::clHighlight));
    const QImage face = list.renderFace();
    EXPECT_EQ(pixel(face, 1, 1), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 0, 0), rgbOf(platform::clBtnFace));
}

} // namespace
