#include "app/GraphView.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr int kColumns = 200;
// The graph's size for kColumns columns: the value labels' strip on the
// left, the legend above and margins right and below.
constexpr int kWidth = 48 + kColumns + 4;
constexpr int kHeight = 15 + 100 + 2;
constexpr int kAreaLeft = 48;

TraceColumn flat(double value)
{
    return {value, value, value, value, false, false};
}

struct Picture {
    QImage image;

    int redIn(int column) const
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += image.pixel(kAreaLeft + column, y) == qRgb(255, 0, 0);
        return count;
    }
};

Picture draw(const ThinnedTrace& trace, int width = kWidth)
{
    GraphView view;
    view.resize(width, kHeight);
    view.setColours(plotColours(nullptr));
    view.setTraces({{protocol::TelemetryField::Roll, QColor(255, 0, 0)}});
    view.setScale(GraphView::Scale::Fixed, 0, 100);
    view.setColumns({trace}, 0, 1'000'000);
    return {view.grab().toImage().convertToFormat(QImage::Format_RGB32)};
}

} // namespace

// A column is one upright run from its minimum to its maximum, reaching
// the last sample before it; empty columns are bridged by a slanted line,
// a break is not bridged at all.
TEST(GraphView, DrawsEachColumnsRangeJoinsAcrossEmptyColumnsAndNotAcrossABreak)
{
    ThinnedTrace trace(kColumns);
    for (int c = 0; c < 100; ++c)
        trace[size_t(c)] = flat(10);
    trace[50] = {10, 90, 10, 10, false, false};
    for (int c = 120; c < 140; ++c)
        trace[size_t(c)] = flat(50);
    for (int c = 140; c < 160; ++c)
        trace[size_t(c)] = flat(70);
    trace[140].breakBefore = true;

    const Picture picture = draw(trace);
    EXPECT_EQ(picture.redIn(49), 1) << "a steady value is one pixel";
    EXPECT_GE(picture.redIn(50), 79) << "the spike's whole range, 80 % of 100 pixels";
    EXPECT_EQ(picture.redIn(51), 1);
    for (int c = 100; c < 120; ++c)
        EXPECT_GE(picture.redIn(c), 1) << "the gap of empty columns " << c << " is bridged";
    EXPECT_GE(picture.redIn(130), 1);
    EXPECT_EQ(picture.redIn(140), 1) << "no run up from the value before the break";
    EXPECT_EQ(picture.redIn(170), 0) << "nothing after the last sample";
}

// Columns thinned for a wider graph than the one drawn (a resize before the
// next refresh) are cut at the plot's edge.
TEST(GraphView, ColumnsBeyondThePlotAreCutAtItsEdge)
{
    ThinnedTrace trace(kColumns * 2, flat(50));
    const Picture picture = draw(trace, kWidth);
    EXPECT_EQ(picture.redIn(kColumns - 1), 1);
    for (int x = kAreaLeft + kColumns; x < kWidth; ++x)
        for (int y = 0; y < kHeight; ++y)
            ASSERT_NE(picture.image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
}
