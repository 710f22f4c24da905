#include "ToolOnScreen.h"

#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvSorvane.h"
#include "tests/support/TestOutput.h"
#include "tests/support/TestTimers.h"

#include <QElapsedTimer>
#include <QThread>

namespace screentest {

QString skinFile(const QString& skin)
{
    return skin == QLatin1String("Daylight") ? QStringLiteral(FCT_ASSETS_DIR "/skins/daylight.skn") : QString();
}

int litLamp(int value)
{
    if (value > 1700)
        return 0;
    if (value > 1350 && value < 1700)
        return 1;
    return value < 1350 ? 2 : -1;
}

int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            // Pure red, or the deeper red of a skin made for sunlight.
            count += qRed(pixel) > 150 && qGreen(pixel) < 60 && qBlue(pixel) < 60 ? 1 : 0;
        }
    }
    return count;
}

ReferenceWindow::ReferenceWindow(const QString& skin)
    : m_device(std::make_shared<serial::MemorySerialDevice>())
{
    MainWindowOptions options;
    options.link.driver = std::make_unique<serial::MemorySerialDriver>(m_device);
    options.link.ports = [] { return QList<serial::PortEntry>{{QStringLiteral("COM3"), QStringLiteral("COM3")}}; };
    options.skinFile = skinFile(skin);
    options.link.clock = [this] { return steadyMilliseconds() + m_clockOffsetMs; };
    m_form = std::make_unique<MainWindow>(std::move(options));
    m_form->refreshClicked();
    m_form->connectClicked();
    // The tool's first picture: the instruments keep their canvas, pen
    // included, from one drawing to the next.
    paint();
}

QRect ReferenceWindow::rectOf(const char* name) const
{
    const QWidget* widget = m_form->control(QString::fromLatin1(name));
    return QRect(widget->mapTo(m_form.get(), QPoint(0, 0)), widget->size());
}

void ReferenceWindow::receive(const std::vector<protocol::FrameBytes>& frames)
{
    std::vector<uint8_t> bytes;
    for (const protocol::FrameBytes& frame : frames)
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    m_device->queue(bytes);
    m_form->comm()->ProcTimer();
    // What the window shows by its next picture: the telemetry the link
    // holds for it, then the field texts waiting for their frame.
    if (testsupport::timerActive(&m_form->link(), "viewFrame"))
        testsupport::fireTimer(&m_form->link(), "viewFrame");
    if (testsupport::timerActive(m_form.get(), "textFrame"))
        testsupport::fireTimer(m_form.get(), "textFrame");
}

void ReferenceWindow::advanceClock(int64_t ms)
{
    m_clockOffsetMs += ms;
    testsupport::fireTimer(&m_form->link(), "linkHealth");
}

QImage ReferenceWindow::paint() const { return m_form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRect ReferenceWindow::captionButton(skin::TkvStdCommand command) const
{
    for (const auto& object : m_form->frame()->Objects()) {
        const auto* button = dynamic_cast<const skin::TkvSkinStdButtonObject*>(object.get());
        if (button && button->command == command) {
            const skin::TRect& r = button->ObjectRect;
            return QRect(r.left, r.top, r.width(), r.height());
        }
    }
    return {};
}

namespace {

QStringList toolArguments(const std::string& device, const QString& skin)
{
    QStringList arguments{QStringLiteral("--connect"), QString::fromStdString(device)};
    if (!skinFile(skin).isEmpty())
        arguments << QStringLiteral("--skin") << skinFile(skin);
    return arguments;
}

} // namespace
std::optional<QPoint> ReferenceWindow::captionPoint() const
{
    // The caption's middle, clear of the buttons at its ends; the frame's
    // own hit test says where the caption lies.
    const skin::TkvSorvane& frame = *m_form->frame();
    const int middle = m_form->width() / 2;
    int top = 0;
    while (top < m_form->height() && frame.HitTest(QPoint(middle, top)) != skin::HTCAPTION)
        ++top;
    int bottom = top;
    while (bottom < m_form->height() && frame.HitTest(QPoint(middle, bottom)) == skin::HTCAPTION)
        ++bottom;
    if (top == bottom)
        return std::nullopt;
    return QPoint(middle, (top + bottom) / 2);
}

QSize ReferenceWindow::rolledUpSize()
{
    skin::TkvSorvane& frame = *m_form->frame();
    frame.SetRollUpState(true);
    const QSize size = m_form->size();
    frame.SetRollUpState(false);
    return size;
}

ToolProcess::ToolProcess(const std::string& device, const QString& skin)
    : ToolProcess(toolArguments(device, skin))
{
}

ToolProcess::ToolProcess(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // A skin chosen in an earlier session must not be read back.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(testsupport::binDir() + QStringLiteral("/fctool"), arguments);
    m_process.waitForStarted();
    m_window = findWindow(QStringLiteral("Flight Controller Tool"), 10000);
}

int ToolProcess::visibleWindowCount() const { return visibleWindowsOf(m_process.processId()); }
std::optional<int> ToolProcess::exitCode(int deadlineMs)
{
    if (!m_process.waitForFinished(deadlineMs))
        return std::nullopt;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

ToolProcess::~ToolProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

bool lampsShow(const XScreen& screen, const ReferenceWindow& reference, QPoint origin, int ch5, int ch6)
{
    for (int group = 0; group < 2; ++group) {
        const int lit = litLamp(group == 0 ? ch5 : ch6);
        const char* const* lamps = group == 0 ? kCh5Lamps : kCh6Lamps;
        for (int i = 0; i < 3; ++i) {
            const bool red = redPixels(screen.grab(reference.rectOf(lamps[i]).translated(origin))) > 10;
            if (red != (i == lit))
                return false;
        }
    }
    return true;
}

std::optional<double> waitFor(const std::function<bool()>& check, int deadlineMs)
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

} // namespace screentest
