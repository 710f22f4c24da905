#include "app/plots/GraphView.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

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

namespace {

// The rows of the plot area drawn wholly in the grid's colour: the value
// grid's lines (the frame's top and bottom included).
int gridRows(const QImage& image)
{
    const QRgb grid = plotColours(nullptr).grid.rgb();
    int rows = 0;
    for (int y = 15; y < kHeight; ++y) {
        bool line = true;
        for (int x = kAreaLeft + 1; x < kAreaLeft + kColumns - 1 && line; ++x)
            line = image.pixel(x, y) == grid;
        rows += line ? 1 : 0;
    }
    return rows;
}

QImage drawFixed(double minimum, double maximum)
{
    GraphView view;
    view.resize(kWidth, kHeight);
    view.setColours(plotColours(nullptr));
    view.setTraces({{protocol::TelemetryField::Roll, QColor(255, 0, 0)}});
    view.setScale(GraphView::Scale::Fixed, minimum, maximum);
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Limits whose grid step is below the spacing of doubles there, or that no
// label can show, are refused: the scale stays as it was and the picture
// is drawn (these pairs used to hang the paint).
TEST(GraphView, RefusedFixedLimitsKeepTheScaleAndThePictureIsDrawn)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, double> refused[] = {{1e17, 1e17 + 16}, {-1e17, -1e17 + 16}, {-DBL_MAX, DBL_MAX},
        {DBL_MAX / 2, DBL_MAX}, {-inf, inf}, {0, inf}, {nan, 1}, {0, nan}, {5, 5}, {1, 1 + 1e-15}, {3, 2},
        {-2e6, 0}, {0, 1'000'001}};
    for (const auto& [minimum, maximum] : refused) {
        SCOPED_TRACE(::testing::Message() << minimum << " to " << maximum);
        GraphView view;
        view.resize(kWidth, kHeight);
        view.setScale(GraphView::Scale::Fixed, -10, 10);
        view.setScale(GraphView::Scale::Fixed, minimum, maximum);
        EXPECT_EQ(view.valueRange(), std::make_pair(-10.0, 10.0));
        EXPECT_EQ(gridRows(view.grab().toImage().convertToFormat(QImage::Format_RGB32)), 5) << "-10 to 10 by 5";
    }
}

// The largest and the narrowest limits the labels can show still get a
// grid line inside the frame.
TEST(GraphView, AcceptedLimitsAtTheEdgesDrawTheirGrid)
{
    const std::pair<double, double> accepted[] = {
        {-1e6, 1e6}, {1, 1.00001}, {1e6 - 1e-5, 1e6}, {-1e6, -1e6 + 1e-5}, {0, 1e-5}};
    for (const auto& [minimum, maximum] : accepted) {
        SCOPED_TRACE(::testing::Message() << minimum << " to " << maximum);
        EXPECT_GE(gridRows(drawFixed(minimum, maximum)), 3);
    }
}

// Auto scale over values no grid can step through, or that are not
// numbers at all, still ends: every loop of the paint is bounded.
TEST(GraphView, AutoScaleOverUnplottableValuesIsDrawn)
{
    const std::vector<double> values[] = {{1e17, 1e17 + 16}, {DBL_MAX, -DBL_MAX},
        {std::numeric_limits<double>::quiet_NaN(), 5}, {std::numeric_limits<double>::infinity(), 5}};
    for (const auto& pair : values) {
        SCOPED_TRACE(::testing::Message() << pair[0] << " and " << pair[1]);
        ThinnedTrace trace(kColumns);
        for (int c = 0; c < kColumns; ++c)
            trace[size_t(c)] = flat(pair[size_t(c % 2)]);
        GraphView view;
        view.resize(kWidth, kHeight);
        view.setColours(plotColours(nullptr));
        view.setTraces({{protocol::TelemetryField::Roll, QColor(255, 0, 0)}});
        view.setColumns({trace}, 0, 1'000'000);
        const QImage picture = view.grab().toImage();
        EXPECT_FALSE(picture.isNull());
    }
}

// Names that would pass the legend's end are left out whole, so the
// controls standing there stay readable.
TEST(GraphView, TheLegendStopsBeforeItsEnd)
{
    GraphView view;
    view.resize(kWidth, kHeight);
    view.setTraces({{protocol::TelemetryField::Roll, QColor(255, 0, 0)},
        {protocol::TelemetryField::Pitch, QColor(0, 0, 255)}});
    const auto swatches = [&view](QRgb colour) {
        const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, 6) == colour;
        return count;
    };
    EXPECT_EQ(swatches(qRgb(0, 0, 255)), 12) << "both names fit the whole width";
    view.setLegendEnd(kAreaLeft + 60);
    EXPECT_EQ(swatches(qRgb(255, 0, 0)), 12);
    EXPECT_EQ(swatches(qRgb(0, 0, 255)), 0) << "Pitch would pass the end";
}
