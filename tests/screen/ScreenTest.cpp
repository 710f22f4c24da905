// The tool on a real X display, looked at as a pilot sees it: fctool runs
// under Xvfb with the X11 platform and a window manager, the test is its
// flight controller on a pseudo-terminal, and every check reads the screen
// back from the root window. A widget grab paints afresh and would show a
// change that never reached the screen; these checks cannot be fooled so.
//
// Where a control lies in the window comes from the same window built in
// this process on the offscreen platform; it also paints, from the same
// frames, what the screen must show.

#include "ControllerStream.h"
#include "ToolOnScreen.h"
#include "XScreen.h"

#include "app/FlightControllerApplication.h"
#include "app/window/MainWindowLayout.h"
#include "simulator/SimulatedController.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestOutput.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace screentest;
using Clock = std::chrono::steady_clock;

namespace {

// How long a change may take to reach the screen before the check fails:
// far above what a pilot may wait for (a picture is due every 50 ms), so
// only a change that never arrives fails, not a slow machine.
constexpr int kShowDeadlineMs = 1500;
// Openbox took over a fresh screen within 0.7 s on a busy machine; the
// deadline only catches one that never does.
constexpr int kWindowManagerDeadlineMs = 10000;

std::vector<protocol::FrameBytes> allFramesAt(double seconds, uint32_t seed)
{
    simulator::SimulatedController controller(seed);
    controller.advanceTo(seconds);
    std::vector<protocol::FrameBytes> frames;
    for (uint8_t type = protocol::kFirstFrameType; type <= protocol::kLastFrameType; ++type)
        frames.push_back(controller.frame(static_cast<protocol::FrameType>(type)));
    return frames;
}

void saveShot(XScreen& screen, QRect window, const QString& name)
{
    const QString dir = testsupport::testOutputDir() + QStringLiteral("/screen");
    QDir().mkpath(dir);
    screen.grab(window).save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

class OnScreen : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(screen.open()) << "no X display: run under xvfb-run";
        reference.emplace(QString::fromLatin1(GetParam()));
        tool.emplace(controller.devicePath(), QString::fromLatin1(GetParam()));
        ASSERT_NE(tool->window(), 0u) << "fctool's window did not appear";
        ASSERT_TRUE(controller.waitForClient(10000)) << "fctool did not open the device";
        origin = screen.origin(tool->window());
        // The pointer away from every control, so nothing is lit by it.
        moveTo(QPoint(screen.size().width() - 1, screen.size().height() - 1));
        // The tool's first picture on the screen before anything else: the
        // instruments keep their pen from one drawing to the next, as the
        // reference's did from its first paint.
        const QRect attitude = reference->rectOf("attitudeIndicator");
        const QImage first = reference->paint().copy(attitude);
        ASSERT_TRUE(waitFor([&] { return screen.grab(onScreen(attitude)) == first; }, kShowDeadlineMs).has_value())
            << "the tool's first picture never reached the screen";
    }

    QRect onScreen(const QRect& inWindow) const { return inWindow.translated(origin); }
    QPoint onScreen(const QPoint& inWindow) const { return inWindow + origin; }
    QRect windowRect() { return onScreen(reference->form().rect()); }

    // The controls telemetry writes to, each as the reference paints it.
    std::vector<const char*> telemetryControls() const
    {
        std::vector<const char*> names;
        for (int i = 0; i < protocol::kTelemetryFieldCount; ++i)
            names.push_back(layout::fieldControl(static_cast<protocol::TelemetryField>(i)).data());
        for (const char* lamps : {kCh5Lamps[0], kCh5Lamps[1], kCh5Lamps[2], kCh6Lamps[0], kCh6Lamps[1], kCh6Lamps[2]})
            names.push_back(lamps);
        for (const char* name : {"attitudeIndicator", "headingIndicator", "airframePicture", "ch1Gauge", "ch2Gauge", "ch3Gauge",
                 "ch4Gauge", "ch5Slider", "ch6Slider"})
            names.push_back(name);
        return names;
    }

    // Waits until the screen shows every telemetry control as the reference
    // paints it; the names of those still differing at the deadline, empty
    // when none.
    std::string controlsStillDifferingFromReference()
    {
        std::vector<std::string> differing;
        const auto shown = waitFor(
            [&] {
                differing = controlsDifferingFromReference();
                return differing.empty();
            },
            kShowDeadlineMs);
        return shown ? std::string() : ::testing::PrintToString(differing);
    }

    // Every telemetry control on the screen equals the reference's paint.
    std::vector<std::string> controlsDifferingFromReference()
    {
        std::vector<std::string> differing;
        const QImage painted = reference->paint();
        for (const char* name : telemetryControls()) {
            const QRect rect = reference->rectOf(name);
            if (screen.grab(onScreen(rect)) != painted.copy(rect))
                differing.push_back(name);
        }
        return differing;
    }

    // An open menu in the area: the Down key lights a row, so the picture
    // changes again; Escape closes it, so the area looks as before.
    void expectMenuWalkedAndClosed(const QRect& area, const QImage& closed, const QString& name)
    {
        const QImage open = screen.grab(area);
        pressKey(QStringLiteral("Down"));
        EXPECT_TRUE(waitFor([&] { return screen.grab(area) != open; }, kShowDeadlineMs).has_value())
            << "the Down key lit no row";
        saveShot(screen, windowRect().united(area), QStringLiteral("%1-down-%2").arg(name, GetParam()));
        pressKey(QStringLiteral("Escape"));
        EXPECT_TRUE(waitFor([&] { return screen.grab(area) == closed; }, kShowDeadlineMs).has_value())
            << "Escape closes it";
    }

    XScreen screen;
    ControllerStream controller;
    std::optional<ReferenceWindow> reference;
    std::optional<ToolProcess> tool;
    QPoint origin;
};

TEST_P(OnScreen, LampsLightByTheRuleAtTheFullLinkRate)
{
    controller.startLive();
    // Each group through all three positions and the two values that
    // leave it as it was, while every other frame type streams on.
    const std::pair<int, int> switches[] = {
        {1200, 1800}, {1691, 1918}, {1800, 1500}, {1700, 1350}, {1500, 1200}, {1350, 1700}, {1900, 1400}};
    int shownCh5 = 0;
    int shownCh6 = 0;
    double slowest = 0;
    for (const auto& [ch5, ch6] : switches) {
        SCOPED_TRACE(::testing::Message() << "CH5 " << ch5 << ", CH6 " << ch6);
        // Exactly 1350 or 1700 keep the group's last lamp.
        shownCh5 = litLamp(ch5) < 0 ? shownCh5 : ch5;
        shownCh6 = litLamp(ch6) < 0 ? shownCh6 : ch6;
        const Clock::time_point written = controller.setSwitches(ch5, ch6);
        const auto shown =
            waitFor([&] { return lampsShow(screen, *reference, origin, shownCh5, shownCh6); }, kShowDeadlineMs);
        ASSERT_TRUE(shown.has_value()) << "the screen never showed the lamps of these switches";
        const double latency = std::chrono::duration<double, std::milli>(Clock::now() - written).count();
        slowest = std::max(slowest, latency);
    }
    saveShot(screen, windowRect(), QStringLiteral("lamps-%1").arg(GetParam()));
    std::printf("%s: the lamps reached the screen at most %.0f ms after the frame was written\n", GetParam(), slowest);
}

TEST_P(OnScreen, TheScreenShowsWhatTheLastFramesSay)
{
    const QRect roll = reference->rectOf(layout::fieldControl(protocol::TelemetryField::Roll).data());
    const QRect attitude = reference->rectOf("attitudeIndicator");
    QImage rollBefore;
    QImage attitudeBefore;
    int set = 0;
    for (const double seconds : {2.0, 7.5}) {
        SCOPED_TRACE(::testing::Message() << "frames at " << seconds << " s");
        const std::vector<protocol::FrameBytes> frames = allFramesAt(seconds, 7);
        controller.send(frames);
        reference->receive(frames);
        const std::string differing = controlsStillDifferingFromReference();
        saveShot(screen, windowRect(), QStringLiteral("frames-%1-%2").arg(GetParam()).arg(++set));
        ASSERT_EQ(differing, "") << "on the screen but not as painted";
        const QImage rollNow = screen.grab(onScreen(roll));
        const QImage attitudeNow = screen.grab(onScreen(attitude));
        if (!rollBefore.isNull()) {
            EXPECT_NE(rollNow, rollBefore) << "the roll field's text changed on the screen";
            EXPECT_NE(attitudeNow, attitudeBefore) << "the attitude picture changed on the screen";
        }
        rollBefore = rollNow;
        attitudeBefore = attitudeNow;
    }
}

TEST_P(OnScreen, SilenceDimsWhatTelemetryFeedsAndTheNextFramesClearIt)
{
    std::vector<protocol::FrameBytes> frames = allFramesAt(2.0, 7);
    controller.send(frames);
    reference->receive(frames);
    ASSERT_EQ(controlsStillDifferingFromReference(), "") << "the fresh values";

    // The tool hears nothing more: within a second and a fifth it must look
    // as the reference does after a silence of a second and a half.
    reference->advanceClock(1500);
    ASSERT_TRUE(reference->form().staleTypesShown().all());
    ASSERT_EQ(controlsStillDifferingFromReference(), "") << "the stale look";
    saveShot(screen, windowRect(), QStringLiteral("stale-%1").arg(GetParam()));

    frames = allFramesAt(4.0, 7);
    controller.send(frames);
    reference->receive(frames);
    ASSERT_TRUE(reference->form().staleTypesShown().none());
    EXPECT_EQ(controlsStillDifferingFromReference(), "") << "fresh again";
}

TEST_P(OnScreen, OneClickOpensTheSystemMenuAndTheKeysWalkIt)
{
    const QRect button = onScreen(reference->captionButton(skin::TkvStdCommand::cmSysMenu));
    ASSERT_FALSE(button.isEmpty());
    // Where the menu drops down, below the button.
    const QRect below(button.left(), button.bottom() + 4, 120, 50);
    const QImage closed = screen.grab(below);
    clickAt(button.center());
    const auto opened = waitFor([&] { return screen.grab(below) != closed; }, kShowDeadlineMs);
    saveShot(screen, windowRect().united(below), QStringLiteral("system-menu-%1").arg(GetParam()));
    ASSERT_TRUE(opened.has_value()) << "one click on the system-menu button showed no menu";
    expectMenuWalkedAndClosed(below, closed, QStringLiteral("system-menu"));
}

INSTANTIATE_TEST_SUITE_P(Skins, OnScreen, ::testing::Values("Graphite", "Daylight"));

// Run by its own entry on a 1600 × 1200 screen, where the window manager
// centres the main window with 440 pixels free on each side: less than
// the plots window's 760, more than its smallest 420.
TEST(PlotsOnScreen, ThePlotsWindowOpensBesideTheMainWindowNotOverIt)
{
    XScreen screen;
    ASSERT_TRUE(screen.open()) << "no X display: run under xvfb-run";
    ASSERT_EQ(screen.size(), QSize(1600, 1200));
    ToolProcess tool(QStringList{QStringLiteral("--plots")});
    ASSERT_NE(tool.window(), 0u) << "fctool's window did not appear";
    const unsigned long plots = findWindow(QStringLiteral("Plots"), 10000);
    ASSERT_NE(plots, 0u) << "the plots window did not appear";
    // The frames as the window manager shows them, once it has mapped the
    // plots window at no less than its smallest size.
    QRect main;
    QRect plotsFrame;
    const auto apart = waitFor(
        [&] {
            main = screen.frame(tool.window());
            plotsFrame = screen.frame(plots);
            return plotsFrame.width() >= 420 && !main.intersects(plotsFrame)
                && QRect(QPoint(0, 0), screen.size()).contains(plotsFrame);
        },
        kShowDeadlineMs);
    saveShot(screen, QRect(QPoint(0, 0), screen.size()), QStringLiteral("plots-beside-main"));
    EXPECT_TRUE(apart.has_value()) << "apart and on the screen: main " << ::testing::PrintToString(main) << ", plots "
                                   << ::testing::PrintToString(plotsFrame);
}

// The window's own frame and menus under the window manager, driven as a
// pilot drives them; one skin is enough, the skins differ in pictures only.
using FrameOnScreen = OnScreen;

TEST_P(FrameOnScreen, DraggingTheCaptionMovesTheWindowWithThePointer)
{
    const std::optional<QPoint> caption = reference->captionPoint();
    ASSERT_TRUE(caption.has_value());
    const QPoint start = screen.origin(tool->window());
    const QPoint grip = onScreen(*caption);
    pressAt(grip);
    // The frame hands the move to the window manager at the first motion,
    // and the window manager follows the motions it sees after that: the
    // pointer wiggles until the window moves.
    const QPoint firstStep(10, 8);
    int wiggle = 0;
    const auto following = waitFor(
        [&] {
            moveTo(grip + firstStep + QPoint(++wiggle % 2, 0));
            return screen.origin(tool->window()) != start;
        },
        kShowDeadlineMs);
    const QPoint path(100, 80);
    moveTo(grip + path);
    QPoint moved;
    const auto arrived = waitFor(
        [&] {
            moved = screen.origin(tool->window()) - start;
            return moved == path - firstStep || moved == path - firstStep - QPoint(1, 0);
        },
        kShowDeadlineMs);
    release();
    ASSERT_TRUE(following.has_value()) << "the window did not follow the pointer";
    EXPECT_TRUE(arrived.has_value()) << "the window moved by " << moved.x() << "," << moved.y()
                                     << ", not by the pointer's path from where the move began";
}

TEST_P(FrameOnScreen, TheCaptionAndTheRollUpButtonRollTheWindowUpAndDown)
{
    const std::optional<QPoint> caption = reference->captionPoint();
    const QRect rollUpButton = reference->captionButton(skin::TkvStdCommand::cmRollUp);
    ASSERT_TRUE(caption.has_value());
    ASSERT_FALSE(rollUpButton.isEmpty());
    const QSize full = reference->form().size();
    const QSize rolledUp = reference->rolledUpSize();
    ASSERT_LT(rolledUp.height(), full.height());
    const auto sized = [&](QSize size) {
        return waitFor([&] { return screen.geometry(tool->window()).size() == size; }, kShowDeadlineMs).has_value();
    };
    ASSERT_TRUE(sized(full));

    doubleClickAt(onScreen(*caption));
    EXPECT_TRUE(sized(rolledUp)) << "a double click on the caption rolls the window up";
    doubleClickAt(onScreen(*caption));
    EXPECT_TRUE(sized(full)) << "and another one down";
    clickAt(onScreen(rollUpButton).center());
    EXPECT_TRUE(sized(rolledUp)) << "the roll-up button rolls it up";
    saveShot(screen, windowRect(), QStringLiteral("rolled-up-%1").arg(GetParam()));
    clickAt(onScreen(rollUpButton).center());
    EXPECT_TRUE(sized(full)) << "and down";
}

TEST_P(FrameOnScreen, TheMinimizeButtonHidesTheWindowAndTheCloseButtonEndsTheTool)
{
    const QRect minimize = reference->captionButton(skin::TkvStdCommand::cmMinimize);
    const QRect close = reference->captionButton(skin::TkvStdCommand::cmClose);
    ASSERT_FALSE(minimize.isEmpty());
    ASSERT_FALSE(close.isEmpty());
    clickAt(onScreen(minimize).center());
    ASSERT_TRUE(waitFor([&] { return !screen.viewable(tool->window()); }, kShowDeadlineMs).has_value())
        << "the minimize button left the window on the screen";
    restore(tool->window());
    ASSERT_TRUE(waitFor([&] { return screen.viewable(tool->window()); }, kShowDeadlineMs).has_value())
        << "the window did not come back";
    // The window manager may put it back elsewhere.
    clickAt(close.translated(screen.origin(tool->window())).center());
    EXPECT_EQ(tool->exitCode(kShowDeadlineMs), std::optional<int>(0)) << "the close button ends fctool";
}

TEST_P(FrameOnScreen, ARightClickOpensAnEditsMenuAndTheKeysWalkIt)
{
    const QRect edit = onScreen(reference->rectOf("rangeLimitSetting"));
    // The menu opens at the pointer; below the edit, so that the edit's
    // blinking text cursor stays out of the picture.
    const QRect below(edit.center().x() + 2, edit.bottom() + 4, 100, 40);
    const QImage closed = screen.grab(below);
    rightClickAt(edit.center());
    const auto opened = waitFor([&] { return screen.grab(below) != closed; }, kShowDeadlineMs);
    saveShot(screen, windowRect().united(below), QStringLiteral("edit-menu-%1").arg(GetParam()));
    ASSERT_TRUE(opened.has_value()) << "a right click on the edit showed no menu";
    expectMenuWalkedAndClosed(below, closed, QStringLiteral("edit-menu"));
}

INSTANTIATE_TEST_SUITE_P(Graphite, FrameOnScreen, ::testing::Values("Graphite"));

// A window manager, as a desktop has: it decides activation and focus.
class WindowManager {
public:
    // Waits until it has taken over the screen: windows mapped before
    // would be placed without it.
    explicit WindowManager(const XScreen& screen)
    {
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("openbox"), {});
        m_running = m_process.waitForStarted()
            && waitFor([&] { return screen.windowManagerRunning(); }, kWindowManagerDeadlineMs).has_value();
    }
    ~WindowManager()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    bool running() const { return m_running; }

private:
    QProcess m_process;
    bool m_running = false;
};

} // namespace

int main(int argc, char** argv)
{
    // The reference window paints offscreen; fctool itself goes to the
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::prepareQtEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    FlightControllerApplication app(argc, argv);
    const XScreen screen;
    if (!screen.open()) {
        std::fprintf(stderr, "no X display: run under xvfb-run\n");
        return 1;
    }
    const WindowManager windowManager(screen);
    if (!windowManager.running()) {
        std::fprintf(stderr, "openbox did not take over the screen within %d ms\n", kWindowManagerDeadlineMs);
        return 1;
    }
    return RUN_ALL_TESTS();
}
