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
#include "XScreen.h"

#include "app/FlightControllerApplication.h"
#include "app/MainWindowLayout.h"
#include "app/Unit1.h"
#include "platform/TImage.h"
#include "serial/MemorySerialDriver.h"
#include "simulator/SimulatedController.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvSorvane.h"
#include "tests/support/TestOutput.h"
#include "tests/support/TestTimers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

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

const char* const kCh5Lamps[] = {"kvSkinEdit39", "kvSkinEdit38", "kvSkinEdit35"};  // Manual, Alt. Hold, GPS Hold
const char* const kCh6Lamps[] = {"kvSkinEdit42", "kvSkinEdit41", "kvSkinEdit40"};  // OFF, Care Free, Com Home

QString skinFile(const QString& skin)
{
    return skin == QLatin1String("Daylight") ? QStringLiteral(FCT_ASSETS_DIR "/skins/daylight.skn") : QString();
}

// The lamp of a group that the lamp rule lights for a channel value: high
// end, middle, low end (none for exactly 1350 or 1700).
int litLamp(int value)
{
    if (value > 1700)
        return 0;
    if (value > 1350 && value < 1700)
        return 1;
    return value < 1350 ? 2 : -1;
}

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isRed(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The window as fctool builds it, here, fed the same frames.
class ReferenceWindow {
public:
    explicit ReferenceWindow(const QString& skin)
        : m_device(std::make_shared<serial::MemorySerialDevice>())
    {
        TForm1Options options;
        options.driver = std::make_unique<serial::MemorySerialDriver>(m_device);
        options.ports = [] { return QList<serial::PortEntry>{{QStringLiteral("COM3"), QStringLiteral("COM3")}}; };
        options.skinFile = skinFile(skin);
        m_form = std::make_unique<TForm1>(std::move(options));
        m_form->kvSkinButton1Click();
        m_form->kvSkinButton2Click();
        // The tool's first picture: the instruments keep their canvas, pen
        // included, from one drawing to the next.
        paint();
    }

    TForm1& form() { return *m_form; }

    QRect rectOf(QWidget* widget) const { return QRect(widget->mapTo(m_form.get(), QPoint(0, 0)), widget->size()); }
    QRect rectOf(const char* name) const { return rectOf(m_form->control(QString::fromLatin1(name))); }

    void receive(const std::vector<protocol::FrameBytes>& frames)
    {
        std::vector<uint8_t> bytes;
        for (const protocol::FrameBytes& frame : frames)
            bytes.insert(bytes.end(), frame.begin(), frame.end());
        m_device->queue(bytes);
        m_form->Comm1()->ProcTimer();
        if (testsupport::timerActive(m_form.get(), "textFrame"))
            testsupport::fireTimer(m_form.get(), "textFrame");
    }

    // The whole window painted afresh: a control's part of it includes any
    // sibling that overlaps it, as on the screen.
    QImage paint() const { return m_form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The system-menu button of the frame, in window coordinates.
    QRect systemMenuButton() const
    {
        for (const auto& object : m_form->kvSorvane1()->Objects()) {
            const auto* button = dynamic_cast<const skin::TkvSkinStdButtonObject*>(object.get());
            if (button && button->command == skin::TkvStdCommand::cmSysMenu) {
                const skin::TRect& r = button->ObjectRect;
                return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
            }
        }
        return {};
    }

private:
    std::shared_ptr<serial::MemorySerialDevice> m_device;
    std::unique_ptr<TForm1> m_form;
};

// fctool on the X11 platform, connected to the test's controller.
class ToolProcess {
public:
    ToolProcess(const std::string& device, const QString& skin)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // A skin chosen in an earlier session must not be read back.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments{QStringLiteral("--connect"), QString::fromStdString(device)};
        if (!skinFile(skin).isEmpty())
            arguments << QStringLiteral("--skin") << skinFile(skin);
        m_process.start(testsupport::binDir() + QStringLiteral("/fctool"), arguments);
        m_process.waitForStarted();
        m_window = findWindow(QStringLiteral("Flight Controller Tool"), 10000);
    }

    ~ToolProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }

    unsigned long window() const { return m_window; }

private:
    QTemporaryDir m_config;
    QProcess m_process;
    unsigned long m_window = 0;
};

// Polls the screen until check holds or the deadline passes; the time it
// took, or nothing.
template <typename Check>
std::optional<double> waitForScreen(Check check, int deadlineMs = kShowDeadlineMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (check())
            return clock.elapsed();
        QThread::msleep(2);
    } while (clock.elapsed() < deadlineMs);
    return std::nullopt;
}

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
    }

    QRect onScreen(const QRect& inWindow) const { return inWindow.translated(origin); }
    QRect windowRect() { return onScreen(reference->form().rect()); }

    // The lamps of both groups show the rule's colours for ch5 and ch6.
    bool lampsShow(int ch5, int ch6)
    {
        for (int group = 0; group < 2; ++group) {
            const int lit = litLamp(group == 0 ? ch5 : ch6);
            const char* const* lamps = group == 0 ? kCh5Lamps : kCh6Lamps;
            for (int i = 0; i < 3; ++i) {
                const bool red = redPixels(screen.grab(onScreen(reference->rectOf(lamps[i])))) > 10;
                if (red != (i == lit))
                    return false;
            }
        }
        return true;
    }

    // The controls telemetry writes to, each as the reference paints it.
    std::vector<const char*> telemetryControls() const
    {
        std::vector<const char*> names;
        for (int i = 0; i < protocol::kTelemetryFieldCount; ++i)
            names.push_back(layout::fieldControl(static_cast<protocol::TelemetryField>(i)).data());
        for (const char* lamps : {kCh5Lamps[0], kCh5Lamps[1], kCh5Lamps[2], kCh6Lamps[0], kCh6Lamps[1], kCh6Lamps[2]})
            names.push_back(lamps);
        for (const char* name : {"Image1", "Image2", "Image4", "kvSkinGauge1", "kvSkinGauge2", "kvSkinGauge3",
                 "kvSkinGauge4", "kvSkinSlider5", "kvSkinSlider6"})
            names.push_back(name);
        return names;
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
        const auto shown = waitForScreen([&] { return lampsShow(shownCh5, shownCh6); });
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
    const QRect attitude = reference->rectOf("Image1");
    QImage rollBefore;
    QImage attitudeBefore;
    int set = 0;
    for (const double seconds : {2.0, 7.5}) {
        SCOPED_TRACE(::testing::Message() << "frames at " << seconds << " s");
        const std::vector<protocol::FrameBytes> frames = allFramesAt(seconds, 7);
        controller.send(frames);
        reference->receive(frames);
        std::vector<std::string> differing;
        const auto shown = waitForScreen([&] {
            differing = controlsDifferingFromReference();
            return differing.empty();
        });
        saveShot(screen, windowRect(), QStringLiteral("frames-%1-%2").arg(GetParam()).arg(++set));
        ASSERT_TRUE(shown.has_value()) << "on the screen but not as painted: " << ::testing::PrintToString(differing);
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

TEST_P(OnScreen, OneClickOpensTheSystemMenu)
{
    const QRect button = onScreen(reference->systemMenuButton());
    ASSERT_FALSE(button.isEmpty());
    // Where the menu drops down, below the button.
    const QRect below(button.left(), button.bottom() + 4, 120, 50);
    const QImage closed = screen.grab(below);
    clickAt(button.center());
    const auto opened = waitForScreen([&] { return screen.grab(below) != closed; });
    saveShot(screen, windowRect().united(below), QStringLiteral("system-menu-%1").arg(GetParam()));
    ASSERT_TRUE(opened.has_value()) << "one click on the system-menu button showed no menu";
    pressKey(QStringLiteral("Escape"));
    EXPECT_TRUE(waitForScreen([&] { return screen.grab(below) == closed; }).has_value()) << "Escape closes it";
}

INSTANTIATE_TEST_SUITE_P(Skins, OnScreen, ::testing::Values("Graphite", "Daylight"));

// A window manager, as a desktop has: it decides activation and focus.
class WindowManager {
public:
    WindowManager()
    {
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("openbox"), {});
        m_process.waitForStarted();
        // Openbox takes over the screen in a moment; windows mapped before
        // it would be placed without it.
        QThread::msleep(1000);
    }
    ~WindowManager()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

private:
    QProcess m_process;
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
    WindowManager windowManager;
    return RUN_ALL_TESTS();
}
