#pragma once

#include "XScreen.h"

#include "app/window/MainWindow.h"
#include "protocol/TelemetryFrame.h"
#include "serial/MemorySerialDriver.h"
#include "skin/data/SkinTypes.h"

#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

// fctool on a real X display and what it must show there, for the
// screen-level tests and the latency benchmark.
namespace screentest {

// The lamps of each group from the high end of the stick travel to the low
// end: Manual, Alt. Hold, GPS Hold; OFF, Care Free, Com Home.
inline const char* const kCh5Lamps[] = {"manualLamp", "altitudeHoldLamp", "gpsHoldLamp"};
inline const char* const kCh6Lamps[] = {"ch6OffLamp", "careFreeLamp", "comeHomeLamp"};

// The ".skn" file fctool is given for a built-in skin; empty for the one it
// carries.
QString skinFile(const QString& skin);

// The lamp of a group that the lamp rule lights for a channel value: 0 high
// end, 1 middle, 2 low end; -1 for exactly 1350 or 1700, which leave the
// group as it was.
int litLamp(int value);

// Pixels of a lit lamp's red: pure or a deeper red.
int redPixels(const QImage& image);

// The window as fctool builds it, built here on the offscreen platform: it
// says where each control lies and paints, from the same frames, what the
// screen must show.
class ReferenceWindow {
public:
    explicit ReferenceWindow(const QString& skin);

    MainWindow& form() { return *m_form; }
    QRect rectOf(const char* name) const;
    void receive(const std::vector<protocol::FrameBytes>& frames);
    // Moves the window's clock on and lets it look at its link: how it
    // shows a silence of that long.
    void advanceClock(int64_t ms);
    // The whole window painted afresh: a control's part of it includes any
    // sibling that overlaps it, as on the screen.
    QImage paint() const;
    // A caption button of the frame, in window coordinates; empty when the
    // skin has none for the command.
    QRect captionButton(skin::TkvStdCommand command) const;
    // A point of the caption that a press there drags the window by, in
    // window coordinates; none when the frame has no caption.
    std::optional<QPoint> captionPoint() const;
    // The window's size while rolled up.
    QSize rolledUpSize();

private:
    std::shared_ptr<serial::MemorySerialDevice> m_device;
    int64_t m_clockOffsetMs = 0;
    std::unique_ptr<MainWindow> m_form;
};

// fctool on the X11 platform, connected to device, or started with the
// arguments given.
class ToolProcess {
public:
    ToolProcess(const std::string& device, const QString& skin);
    explicit ToolProcess(const QStringList& arguments);
    ~ToolProcess();

    // Its window, 0 when none appeared.
    unsigned long window() const { return m_window; }
    // Its windows on the screen: the main window alone, unless a message
    // box or another window is up.
    int visibleWindowCount() const;
    // Its exit code once it ended within the deadline; -1 for a crash.
    std::optional<int> exitCode(int deadlineMs);

private:
    QTemporaryDir m_config;
    QProcess m_process;
    unsigned long m_window = 0;
};

// Whether the lamps on the screen show the rule's colours for ch5 and ch6;
// origin is the window's place on the screen.
bool lampsShow(const XScreen& screen, const ReferenceWindow& reference, QPoint origin, int ch5, int ch6);

// Polls until check holds or the deadline passes; the milliseconds it
// took, or nothing.
std::optional<double> waitFor(const std::function<bool()>& check, int deadlineMs);

} // namespace screentest
