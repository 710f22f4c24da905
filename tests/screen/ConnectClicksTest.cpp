// "DisConnect" and "Connect" clicked in turn with the real pointer while the
// controller streams at the full link rate. A click handled inside the
// serial component's tick closes the port under it; a normal action must
// never put up a message box for that.

#include "ControllerStream.h"
#include "ToolOnScreen.h"
#include "XScreen.h"

#include <gtest/gtest.h>

using namespace screentest;

namespace {

constexpr int kCycles = 50;
// Far above what a click takes to show; only a click that never shows fails.
constexpr int kShowDeadlineMs = 3000;

TEST(ConnectClicks, FiftyDisconnectsAndConnectsAtTheFullLinkRateShowNoMessage)
{
    XScreen screen;
    ASSERT_TRUE(screen.open()) << "no X display: run under xvfb-run";
    ControllerStream controller;
    controller.startLive();
    ReferenceWindow reference(QStringLiteral("Graphite"));
    ToolProcess tool(controller.devicePath(), QStringLiteral("Graphite"));
    ASSERT_NE(tool.window(), 0u) << "fctool's window did not appear";
    ASSERT_TRUE(controller.waitForClient(10000)) << "fctool did not open the device";
    const QPoint origin = screen.origin(tool.window());
    const QRect button = reference.rectOf("connectButton").translated(origin);
    const QRect attitude = reference.rectOf("attitudeIndicator").translated(origin);

    // The pointer rests on the button, so its faces are the hot ones. The
    // first two clicks show the face of each state (the focus comes with
    // the first click); every later click must bring back the one its state
    // shows.
    moveTo(button.center());
    const auto settledFaceAfter = [&](const QImage& before) -> std::optional<QImage> {
        std::optional<QImage> last;
        const auto settled = waitFor(
            [&] {
                const QImage face = screen.grab(button);
                const bool steady = last && face == *last && face != before;
                last = face;
                return steady;
            },
            kShowDeadlineMs);
        return settled ? last : std::nullopt;
    };
    std::optional<QImage> faces[2];
    QImage shownBefore = screen.grab(button);
    for (int click = 1; click <= 2 * kCycles; ++click) {
        // Odd clicks disconnect, even ones connect.
        std::optional<QImage>& expected = faces[click % 2];
        clickAt(button.center());
        bool shown = false;
        if (!expected) {
            expected = settledFaceAfter(shownBefore);
            shown = expected.has_value();
        } else {
            shown = waitFor([&] { return screen.grab(button) == *expected; }, kShowDeadlineMs).has_value();
        }
        ASSERT_EQ(tool.visibleWindowCount(), 1) << "a message box after click " << click;
        ASSERT_TRUE(shown) << "click " << click << " did not show the button's next state";
        shownBefore = *expected;
    }
    EXPECT_NE(*faces[0], *faces[1]);

    // The last "Connect" brought the link back: the live attitude moves.
    const QImage before = screen.grab(attitude);
    EXPECT_TRUE(waitFor([&] { return screen.grab(attitude) != before; }, kShowDeadlineMs).has_value())
        << "no telemetry after the last Connect";
    EXPECT_EQ(tool.visibleWindowCount(), 1);
}

} // namespace
