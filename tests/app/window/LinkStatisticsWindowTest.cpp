#include "WindowFixture.h"

#include "app/window/LinkStatisticsWindow.h"
#include "protocol/TelemetryFrame.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QApplication>

using LinkStatistics = WindowFixture;

namespace {

std::vector<uint8_t> frames(protocol::FrameType type, int count)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        const auto frame = protocol::makeFrame(type, 100, 200, 300);
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    return bytes;
}

QStringList values(const LinkStatisticsWindow& window)
{
    QStringList texts;
    for (int row = 0; row < LinkStatisticsWindow::kRows; ++row)
        texts << window.valueField(row)->Text();
    return texts;
}

} // namespace

TEST_F(LinkStatistics, RatesAreCountedFromWhenTheWindowIsShownAndTakenEachSecond)
{
    protocol::LinkCounters counters;
    counters.bytes = 5000;
    counters.skippedBytes = 7;
    int64_t now = 10000;
    LinkStatisticsWindow window(nullptr, [&] { return counters; }, nullptr, [&] { return now; });
    window.show();
    counters.bytes += 11520;
    counters.skippedBytes += 40;
    counters.frames[0] += 107;
    counters.frames[11] += 3;
    now += 1000;
    window.refresh();
    EXPECT_EQ(values(window), (QStringList{"11520", "40", "47", "107", "0", "0", "0", "0", "0", "0", "0", "0",
                                  "0", "0", "3"}));
    // Half a second later, half the bytes: the same rate.
    counters.bytes += 5760;
    now += 500;
    window.refresh();
    EXPECT_EQ(window.valueField(0)->Text(), "11520");
    EXPECT_EQ(window.valueField(1)->Text(), "0");
    EXPECT_EQ(window.valueField(3)->Text(), "0");
}

TEST_F(LinkStatistics, TheSystemMenuOpensOneSkinnedWindowOnTheDecodersCounters)
{
    connect();
    skin::TkvMenuItem* entry = form->frame()->GetSystemMenu()->Find("LinkStatistics");
    ASSERT_NE(entry, nullptr);
    entry->Click();
    entry->Click();
    const auto windows = form->findChildren<LinkStatisticsWindow*>();
    ASSERT_EQ(windows.size(), 1) << "asked twice, one window";
    LinkStatisticsWindow& window = *windows.first();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isWindow());
    const auto* frame = window.findChild<skin::TkvSorvane*>();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->SkinData(), form->skinData()) << "it wears the window's skin";

    std::vector<uint8_t> bytes = {0x01, 0x02, 0x03};
    const auto attitude = frames(protocol::FrameType::Attitude, 4);
    bytes.insert(bytes.end(), attitude.begin(), attitude.end());
    receive(bytes);
    window.refresh();
    EXPECT_EQ(window.valueField(2)->Text(), "3") << "skipped in all";
}
