#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;
using platform::TRect;

namespace {

TEST(GaugeTest, ProgressRectRoundsHalvesToEven)
{
    struct Case {
        int min, max, value;
        bool vertical;
        TRect area;
        TRect expected;
    };
    const Case cases[] = {
        {0, 100, 50, false, {1, 1, 99, 19}, {1, 1, 50, 19}},
        {0, 2, 1, false, {0, 0, 5, 10}, {0, 0, 2, 10}},   // 2.5 -> 2
        {0, 2, 1, false, {0, 0, 7, 10}, {0, 0, 4, 10}},   // 3.5 -> 4
        {1000, 2000, 1500, false, {2, 2, 104, 13}, {2, 2, 53, 13}},
        {1000, 2000, 1000, false, {2, 2, 104, 13}, {2, 2, 2, 13}},
        {1000, 2000, 2000, false, {2, 2, 104, 13}, {2, 2, 104, 13}},
        {0, 100, 25, true, {1, 1, 19, 99}, {1, 75, 19, 99}}, // 24.5 -> 24 rows from the bottom
        {5, 5, 5, false, {0, 0, 50, 10}, {0, 0, 0, 10}},     // equal bounds: empty
    };
    for (const Case& c : cases) {
        TkvSkinGauge gauge;
        gauge.SetMaxValue(c.max);
        gauge.SetMinValue(c.min);
        gauge.SetValue(c.value);
        gauge.SetVertical(c.vertical);
        EXPECT_EQ(gauge.CalcProgressRect(c.area), c.expected) << c.min << ".." << c.max << " at " << c.value;
    }
}

TEST(GaugeTest, DefaultImageFillsProgressColumns)
{
    TkvSkinGauge gauge;
    EXPECT_EQ(gauge.size(), QSize(100, 20));
    gauge.SetValue(25); // 98 inner columns * 0.25 = 24.5 -> 24
    const QImage face = gauge.renderFace();
    EXPECT_EQ(pixel(face, 0, 10), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 1, 10), kHotFill);
    EXPECT_EQ(pixel(face, 24, 10), kHotFill);
    EXPECT_EQ(pixel(face, 25, 10), rgbOf(platform::clWindow));
    EXPECT_EQ(pixel(face, 24, 1), kHotFill);
    EXPECT_EQ(pixel(face, 24, 18), kHotFill);

    gauge.SetValue(0);
    EXPECT_EQ(pixel(gauge.renderFace(), 1, 10), rgbOf(platform::clWindow));
}

TEST(GaugeTest, ValueIsHeldInsideTheBounds)
{
    TkvSkinGauge gauge;
    gauge.SetValue(500);
    EXPECT_EQ(gauge.Value(), 100);
    gauge.SetValue(-5);
    EXPECT_EQ(gauge.Value(), 0);
    gauge.SetValue(70);
    gauge.SetMaxValue(60);
    EXPECT_EQ(gauge.Value(), 60);
    gauge.SetMinValue(65);
    EXPECT_EQ(gauge.Value(), 65);
    EXPECT_EQ(gauge.MaxValue(), 60) << "the bounds are not compared with each other";
}

TEST(GaugeTest, ProgressTextAndPercent)
{
    TkvSkinGauge gauge;
    gauge.SetMaxValue(2000);
    gauge.SetMinValue(1000);
    gauge.SetValue(1500);
    EXPECT_EQ(gauge.progressCaption(), QString());
    gauge.SetShowPercent(true);
    EXPECT_EQ(gauge.progressCaption(), QStringLiteral("50%"));
    gauge.SetProgressText(QStringLiteral("CH1 "));
    EXPECT_EQ(gauge.progressCaption(), QStringLiteral("50%")) << "the text shows only with ShowProgressText";
    gauge.SetShowProgressText(true);
    EXPECT_EQ(gauge.progressCaption(), QStringLiteral("CH1 50%"));

    auto textColumns = [&] {
        const QImage face = gauge.renderFace();
        int first = face.width(), last = -1;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                if (pixel(face, x, y) == rgbOf(platform::clWindowText)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return std::pair(first, last);
    };
    const auto [first, last] = textColumns();
    ASSERT_GE(last, 0);
    EXPECT_NEAR((first + last) / 2, 50, 3) << "centred";

    gauge.resize(20, 100);
    gauge.SetVertical(true);
    const QImage face = gauge.renderFace();
    int top = face.height(), bottom = -1;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (pixel(face, x, y) == rgbOf(platform::clWindowText)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(bottom - top, 30) << "turned text runs along the height";
    EXPECT_NEAR((top + bottom) / 2, 50, 3);
}

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider = new TkvSkinSlider(host.widget());
        slider->move(10, 10);
        slider->OnChange = [this](QObject*) { events << QStringLiteral("change %1").arg(slider->Value()); };
        slider->OnChanged = [this](QObject*) { events << QStringLiteral("changed"); };
        host.show();
        events.clear();
    }

    QPoint thumbCentre() const
    {
        const TRect t = slider->ThumbBounds();
        return {(t.left + t.right) / 2, (t.top + t.bottom) / 2};
    }

    HostWindow host;
    TkvSkinSlider* slider = nullptr;
    QStringList events;
};

TEST_F(SliderTest, DefaultLayoutWithBuiltInPictures)
{
    EXPECT_EQ(slider->size(), QSize(150, 40));
    EXPECT_EQ(slider->SkinDataName(), QStringLiteral("slider"));
    EXPECT_EQ(slider->RulerImage().Width(), 138);
    EXPECT_EQ(slider->RulerImage().Height(), 8);
    EXPECT_EQ(slider->ThumbBounds(), platform::Bounds(6, 6, 9, 17));
    EXPECT_EQ(slider->RulerOrigin(), (platform::TPoint{6, 10}));
    EXPECT_EQ(slider->TickArea(), (TRect{6, 24, 144, 39}));
    EXPECT_EQ(slider->GetRulerLength(), 129);
}

TEST_F(SliderTest, ValueToOffsetAndBack)
{
    struct Case {
        int value;
        int offset;
    };
    // Ruler length 129 for 0..100.
    const Case cases[] = {{0, 6}, {100, 135}, {50, 70} /* 64.5 -> 64 */, {10, 19} /* 12.9 */, {1, 7}};
    for (const Case& c : cases) {
        EXPECT_EQ(slider->GetOffsetByValue(c.value), c.offset) << c.value;
        EXPECT_EQ(slider->GetValueByOffset(c.offset), c.value) << c.offset;
        slider->SetValue(c.value);
        EXPECT_EQ(slider->ThumbBounds().left, c.offset) << c.value;
    }
    EXPECT_EQ(slider->GetValueByOffset(-50), 0);
    EXPECT_EQ(slider->GetValueByOffset(500), 100);

    slider->SetOptions(slider->Options() & ~TkvSliderOptions(TkvSliderOption::soSmooth));
    EXPECT_EQ(slider->GetValueByOffset(19), 10);
    EXPECT_EQ(slider->GetValueByOffset(23), 10) << "snaps to multiples of Increment";
    EXPECT_EQ(slider->GetValueByOffset(25), 20) << "15 -> 1.5 tens, ties to even";
    EXPECT_EQ(slider->GetValueByOffset(27), 20);
}

TEST_F(SliderTest, VerticalRunsFromBottomToTop)
{
    slider->SetOrientation(TkvSliderOrientation::soVertical);
    slider->resize(40, 150);
    EXPECT_EQ(slider->ThumbBounds().width(), 19);
    EXPECT_EQ(slider->ThumbBounds().height(), 9);
    const int length = slider->GetRulerLength();
    EXPECT_EQ(length, 138 - 9);
    EXPECT_EQ(slider->GetOffsetByValue(100), 6);
    EXPECT_EQ(slider->GetOffsetByValue(0), 150 - 6 - 9);
    EXPECT_EQ(slider->GetValueByOffset(6), 100);
    EXPECT_EQ(slider->GetValueByOffset(135), 0);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_EQ(slider->Value(), 10);
    QTest::keyClick(slider, Qt::Key_Down);
    EXPECT_EQ(slider->Value(), 0);
}

TEST_F(SliderTest, SetValueClampsAndReportsOnlyRealChanges)
{
    slider->SetValue(250);
    slider->SetValue(100);
    slider->SetValue(-3);
    EXPECT_EQ(events, QStringList({"change 100", "change 0"}));
    slider->SetRange(50, 40);
    EXPECT_EQ(slider->MinValue(), 0) << "refused";
    slider->SetMinValue(20);
    EXPECT_EQ(slider->Value(), 20);
    slider->SetMaxValue(25);
    EXPECT_EQ(slider->Increment(), 5) << "shrinks to the range";
    slider->SetIncrement(0);
    EXPECT_EQ(slider->Increment(), 5);
}

TEST_F(SliderTest, KeysJumpAndAlwaysRaiseOnChanged)
{
    slider->SetRange(48, 96);
    slider->SetIncrement(1);
    slider->SetValue(95);
    events.clear();
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(events, QStringList({"change 96", "changed"}));
    events.clear();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(events, QStringList({"changed"}));
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(slider->Value(), 48);
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(slider->Value(), 96);
    QTest::keyClick(slider, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(slider->Value(), 96) << "modified keys do not jump";
    slider->SetReadOnly(true);
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(slider->Value(), 96);
}

TEST_F(SliderTest, DraggingChangesOncePerMoveAndEndsWithOnChanged)
{
    slider->resize(63, 40); // ruler length 42, as for 48 values below
    slider->SetRange(48, 96);
    slider->SetIncrement(1);
    slider->SetValue(60);
    events.clear();
    const QPoint grab = thumbCentre();
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    EXPECT_TRUE(slider->Sliding());
    QTest::mouseMove(slider, grab + QPoint(1, 0));
    QTest::mouseMove(slider, grab + QPoint(2, 0));
    QTest::mouseMove(slider, grab + QPoint(2, 5));
    QTest::mouseMove(slider, grab + QPoint(200, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, grab + QPoint(200, 0));
    ASSERT_EQ(events.size(), 4);
    const int afterOne = events[0].mid(7).toInt();
    EXPECT_TRUE(afterOne == 61 || afterOne == 62) << "1 pixel is 1 or 2 values";
    EXPECT_EQ(events[2], QStringLiteral("change 96"));
    EXPECT_EQ(events[3], QStringLiteral("changed"));
    EXPECT_EQ(slider->ThumbBounds().right, 6 + 42 + 9) << "the thumb ends at the ruler's right end";
    EXPECT_FALSE(slider->Sliding());
}

TEST_F(SliderTest, HoldingOnTheRulerStepsEvery400msUntilThePointer)
{
    const int y = slider->RulerOrigin().y + 2;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(60, y));
    EXPECT_TRUE(slider->Tracking());
    EXPECT_EQ(slider->Value(), 10) << "the first step comes at the press";
    EXPECT_EQ(timerInterval(slider, "track"), 400);
    fireTimer(slider, "track");
    fireTimer(slider, "track");
    fireTimer(slider, "track");
    EXPECT_EQ(slider->Value(), 40);
    fireTimer(slider, "track");
    EXPECT_EQ(slider->Value(), 40) << "the thumb has reached the pointer";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(60, y));
    EXPECT_EQ(events, QStringList({"change 10", "change 20", "change 30", "change 40", "changed"}));
    EXPECT_FALSE(timerActive(slider, "track"));
}

TEST_F(SliderTest, TickMarksSpacedAtLeastFourPixels)
{
    slider->resize(63, 40);
    slider->SetRange(48, 96);
    slider->SetIncrement(1);
    const QImage face = slider->renderFace();
    const int top = slider->TickArea().top;
    QList<int> ticks;
    for (int x = 0; x < face.width(); ++x)
        if (pixel(face, x, top) == rgbOf(platform::clWindowText))
            ticks << x;
    const int half = slider->ThumbBounds().width() / 2;
    QList<int> expected;
    for (int v : {48, 53, 58, 63, 68, 73, 78, 83, 88, 93, 96})
        expected << slider->GetOffsetByValue(v) + half;
    EXPECT_EQ(ticks, expected);
    // End ticks are 5 pixels long, the others 3.
    EXPECT_EQ(pixel(face, ticks.first(), top + 4), rgbOf(platform::clWindowText));
    EXPECT_EQ(pixel(face, ticks.last(), top + 4), rgbOf(platform::clWindowText));
    EXPECT_EQ(pixel(face, ticks[1], top + 2), rgbOf(platform::clWindowText));
    EXPECT_NE(pixel(face, ticks[1], top + 3), rgbOf(platform::clWindowText));
}

TEST_F(SliderTest, ThumbShowsItsSecondStateWhilePressedOrDisabled)
{
    const QPoint inside = thumbCentre();
    auto thumbPixel = [&] { return pixel(slider->renderFace(), inside.x() - 1, inside.y() - 1); };
    const platform::TColor normal = thumbPixel();
    QTest::mousePress(slider, Qt::LeftButton, {}, inside);
    const platform::TColor pressed = thumbPixel();
    QTest::mouseRelease(slider, Qt::LeftButton, {}, inside);
    EXPECT_NE(normal, pressed);
    EXPECT_EQ(thumbPixel(), normal);
    slider->setEnabled(false);
    EXPECT_EQ(thumbPixel(), pressed);
}

} // namespace
