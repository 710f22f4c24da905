#include "app/widgets/BesidePlacement.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The main window and the plots window as the built-in skin makes them:
// a 710 × 447 client in bands of 5, 24, 5 and 5 pixels; the plots window
// opens at 760 × 560 and can be shrunk to 420 × 320. The attitude and
// heading indicators lie 117 and 221 pixels from the main window's left,
// 56 from its top.
constexpr QSize kMain(720, 476);
constexpr QSize kPlots(760, 560);
constexpr QSize kLeast(420, 320);
const QRect kAttitude(117, 56, 105, 105);
const QRect kHeading(221, 56, 105, 105);

QRect centred(const QRect& screen)
{
    return QRect(screen.left() + (screen.width() - kMain.width()) / 2,
        screen.top() + (screen.height() - kMain.height()) / 2, kMain.width(), kMain.height());
}

std::vector<QRect> instrumentsOf(const QRect& main)
{
    return {kAttitude.translated(main.topLeft()), kHeading.translated(main.topLeft())};
}

BesidePlace place(const std::vector<QRect>& screens, const QRect& main)
{
    return placeBeside({screens, main, instrumentsOf(main), kPlots, kLeast});
}

struct Case {
    const char* screen;
    std::vector<QRect> screens;
    QRect main;
    QRect window;
    // Where the main window ends up; empty: where it was.
    QRect movedMain = {};
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.screen; }

class BesidePlacement : public ::testing::TestWithParam<Case> {};

} // namespace

// Common screens, the main window centred on the first (or placed as
// noted); at display scale 2 the sizes are logical, so a 1600 × 1200
// screen is 800 × 600.
INSTANTIATE_TEST_SUITE_P(CommonScreens, BesidePlacement, ::testing::Values(
    // Full size on the right, where there is room for it.
    Case{"2560x1440", {{0, 0, 2560, 1440}}, centred({0, 0, 2560, 1440}), {1648, 482, 760, 560}},
    Case{"1600x1200 main at the left edge", {{0, 0, 1600, 1200}}, {0, 362, 720, 476}, {728, 362, 760, 560}},
    Case{"1920x1080 main at the right edge", {{0, 0, 1920, 1080}}, {1200, 302, 720, 476}, {432, 302, 760, 560}},
    // Shrunk to the free side.
    Case{"1600x1200", {{0, 0, 1600, 1200}}, centred({0, 0, 1600, 1200}), {1168, 362, 432, 560}},
    Case{"1920x1080", {{0, 0, 1920, 1080}}, centred({0, 0, 1920, 1080}), {1328, 302, 592, 560}},
    Case{"1920x1080 above a panel", {{0, 0, 1920, 1040}}, centred({0, 0, 1920, 1040}), {1328, 282, 592, 560}},
    // Room for both only when the main window moves aside.
    Case{"1366x768", {{0, 0, 1366, 768}}, centred({0, 0, 1366, 768}), {728, 146, 638, 560}, {0, 146, 720, 476}},
    Case{"2560x1440 at scale 2", {{0, 0, 1280, 720}}, centred({0, 0, 1280, 720}), {728, 122, 552, 560},
        {0, 122, 720, 476}},
    // Two screens: the other one when the main window's has no room.
    Case{"two 1920x1080", {{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}}, centred({0, 0, 1920, 1080}),
        {1328, 302, 592, 560}},
    Case{"two 1366x768", {{0, 0, 1366, 768}, {1366, 0, 1366, 768}}, centred({0, 0, 1366, 768}),
        {1366, 146, 760, 560}},
    Case{"two 1366x768, the other on the left", {{0, 0, 1366, 768}, {-1366, 0, 1366, 768}},
        centred({0, 0, 1366, 768}), {-760, 146, 760, 560}},
    Case{"two 1920x1080 at scale 2", {{0, 0, 960, 540}, {960, 0, 960, 540}}, centred({0, 0, 960, 540}),
        {960, 0, 760, 540}},
    // No room for both: the least of the main window covered, none of its
    // instruments nor its caption.
    Case{"1600x1200 at scale 2", {{0, 0, 800, 600}}, centred({0, 0, 800, 600}), {380, 280, 420, 320}},
    Case{"1920x1080 at scale 2", {{0, 0, 960, 540}}, centred({0, 0, 960, 540}), {540, 220, 420, 320}},
    // The main window is larger than the screen: the plots window reaches
    // past its right edge rather than cover the heading indicator.
    Case{"1366x768 at scale 2", {{0, 0, 683, 384}}, {0, 0, 720, 476}, {326, 64, 420, 320}}));

TEST_P(BesidePlacement, LeavesTheMainWindowAndItsInstrumentsInView)
{
    const Case& c = GetParam();
    const BesidePlace result = place(c.screens, c.main);
    EXPECT_EQ(result.window, c.window);
    const QRect main = c.movedMain.isNull() ? c.main : c.movedMain;
    EXPECT_EQ(result.main, main);
    EXPECT_EQ(result.main.size(), kMain) << "the main window is never resized";
    for (const QRect& instrument : instrumentsOf(result.main))
        EXPECT_FALSE(result.window.intersects(instrument)) << "an instrument is covered";
    EXPECT_GE(result.window.width(), kLeast.width());
    EXPECT_GE(result.window.height(), kLeast.height());
    // Wherever the screens hold both side by side, neither covers the other.
    const int widest = std::max_element(c.screens.begin(), c.screens.end(), [](const QRect& a, const QRect& b) {
        return a.width() < b.width();
    })->width();
    if (c.screens.size() > 1 || widest >= kMain.width() + kLeast.width()) {
        EXPECT_FALSE(result.window.intersects(result.main));
        const bool onAScreen = std::any_of(c.screens.begin(), c.screens.end(),
            [&](const QRect& screen) { return screen.contains(result.window); });
        EXPECT_TRUE(onAScreen) << "wholly on one screen";
    }
}

// A window that fits at full size stays level with the main window's top
// but is lifted into the screen; the statistics window is placed so.
TEST(BesidePlacementOfSmallWindows, LevelWithTheMainWindowAndLiftedIntoTheScreen)
{
    const QRect screen(0, 0, 1600, 1200);
    const QSize small(260, 200);
    EXPECT_EQ(placeBeside({{screen}, {100, 50, 720, 476}, {}, small, small}).window, QRect(828, 50, 260, 200));
    EXPECT_EQ(placeBeside({{screen}, {800, 1100, 720, 476}, {}, small, small}).window, QRect(532, 1000, 260, 200))
        << "left, where the right has no room; lifted above the bottom";
}

TEST(RememberedPlace, CountsWhenItsCaptionCanBeTakenHoldOf)
{
    const std::vector<QRect> one = {{0, 0, 1920, 1080}};
    const std::vector<QRect> two = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    EXPECT_TRUE(onAScreen({100, 100, 760, 560}, one));
    EXPECT_TRUE(onAScreen({1800, 900, 760, 560}, one)) << "hanging past the corner, its caption's start on it";
    EXPECT_TRUE(onAScreen({1700, 100, 760, 560}, two)) << "across two screens";
    EXPECT_TRUE(onAScreen({2200, 100, 760, 560}, two)) << "on the second screen";
    EXPECT_FALSE(onAScreen({2200, 100, 760, 560}, one)) << "on a screen that is gone";
    EXPECT_FALSE(onAScreen({1890, 100, 760, 560}, one)) << "too little of its caption to take hold of";
    EXPECT_FALSE(onAScreen({100, -10, 760, 560}, one)) << "its caption above the screen";
    EXPECT_FALSE(onAScreen({100, 1070, 760, 560}, one)) << "its caption cut by the bottom";
}
