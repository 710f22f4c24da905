// The one set of rectangle rules every layer uses.

#include "platform/Geometry.h"

#include <gtest/gtest.h>

#include <climits>

using namespace platform;

TEST(Geometry, NullRectanglesAndPoints)
{
    EXPECT_FALSE(isNullRect({0, 0, 1, 1}));
    EXPECT_TRUE(isNullRect({5, 5, 5, 9})) << "no width";
    EXPECT_TRUE(isNullRect({5, 9, 8, 2})) << "negative height";
    // Bounds from a hostile skin file must not overflow into a valid size.
    EXPECT_TRUE(isNullRect({INT_MAX, 0, INT_MIN, 10}));
    EXPECT_FALSE(isNullRect({INT_MIN, 0, INT_MAX, 10}));
    EXPECT_TRUE(isNullPoint({0, 7}));
    EXPECT_TRUE(isNullPoint({7, 0}));
    EXPECT_FALSE(isNullPoint({-1, 1}));
}

TEST(Geometry, HalfOpenAndInclusiveHits)
{
    const TRect r{10, 20, 30, 40};
    struct Case {
        QPoint p;
        bool halfOpen;
        bool inclusive;
    };
    const Case cases[] = {
        {{10, 20}, true, true},   // top-left corner
        {{29, 39}, true, true},   // last pixel inside
        {{30, 25}, false, true},  // right edge
        {{15, 40}, false, true},  // bottom edge
        {{9, 25}, false, false},
        {{15, 41}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p.x() << "," << c.p.y());
        EXPECT_EQ(ptInRect(r, c.p), c.halfOpen);
        EXPECT_EQ(rectContains(r, c.p.x(), c.p.y()), c.inclusive);
    }
}
