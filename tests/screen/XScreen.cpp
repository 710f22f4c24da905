#include "XScreen.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace screentest {
namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

XScreen::XScreen() : m_display(XOpenDisplay(nullptr)) {}

XScreen::~XScreen()
{
    if (m_display)
        XCloseDisplay(m_display);
}

QSize XScreen::size() const
{
    const int screen = DefaultScreen(m_display);
    return {DisplayWidth(m_display, screen), DisplayHeight(m_display, screen)};
}

QImage XScreen::grab(const QRect& rect) const
{
    const QRect clipped = rect.intersected(QRect(QPoint(0, 0), size()));
    if (clipped.isEmpty())
        return {};
    XImage* shot = XGetImage(m_display, DefaultRootWindow(m_display), clipped.x(), clipped.y(),
        unsigned(clipped.width()), unsigned(clipped.height()), AllPlanes, ZPixmap);
    if (!shot)
        return {};
    QImage image(clipped.size(), QImage::Format_RGB32);
    for (int y = 0; y < clipped.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < clipped.width(); ++x)
            line[x] = 0xFF000000u | static_cast<QRgb>(XGetPixel(shot, x, y) & 0xFFFFFFu);
    }
    XDestroyImage(shot);
    return image;
}

QPoint XScreen::origin(unsigned long window) const
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return {x, y};
}

QRect XScreen::frame(unsigned long window) const
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return {};
    QRect frame(origin(window), QSize(attributes.width, attributes.height));
    // Left, right, top and bottom, as the window manager announces them.
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom extents = XInternAtom(m_display, "_NET_FRAME_EXTENTS", True);
    if (extents != None
        && XGetWindowProperty(m_display, window, extents, 0, 4, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (count == 4 && format == 32) {
            const auto* sides = reinterpret_cast<const long*>(data);
            frame.adjust(-int(sides[0]), -int(sides[2]), int(sides[1]), int(sides[3]));
        }
        XFree(data);
    }
    return frame;
}

QRect XScreen::geometry(unsigned long window) const
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return {};
    return QRect(origin(window), QSize(attributes.width, attributes.height));
}

bool XScreen::viewable(unsigned long window) const
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state == IsViewable;
}

bool XScreen::windowManagerRunning() const
{
    if (!m_display)
        return false;
    const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(m_display, DefaultRootWindow(m_display), check, 0, 1, False, XA_WINDOW,
        &type, &format, &items, &after, &data);
    const bool named = status == Success && type == XA_WINDOW && items == 1;
    if (data)
        XFree(data);
    return named;
}

unsigned long findWindow(const QString& name, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QString found = run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QLatin1Char('^') + name});
        const QString first = found.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (!first.isEmpty())
            return first.toULong();
        QThread::msleep(50);
    } while (clock.elapsed() < timeoutMs);
    return 0;
}

int visibleWindowsOf(qint64 pid)
{
    const QString found = run(QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)});
    return static_cast<int>(found.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

void moveTo(QPoint onScreen)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(onScreen.x()), QString::number(onScreen.y())});
}

void clickAt(QPoint onScreen)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(onScreen.x()),
                                       QString::number(onScreen.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void doubleClickAt(QPoint onScreen)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(onScreen.x()),
                                       QString::number(onScreen.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                                       QStringLiteral("2"), QStringLiteral("--delay"), QStringLiteral("80"),
                                       QStringLiteral("1")});
}

void rightClickAt(QPoint onScreen)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(onScreen.x()),
                                       QString::number(onScreen.y()), QStringLiteral("click"), QStringLiteral("3")});
}

void pressAt(QPoint onScreen)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(onScreen.x()),
                                       QString::number(onScreen.y()), QStringLiteral("mousedown"), QStringLiteral("1")});
}

void release() { run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")}); }

void pressKey(const QString& key) { run(QStringLiteral("xdotool"), {QStringLiteral("key"), key}); }

void restore(unsigned long window)
{
    const QString id = QString::number(window);
    run(QStringLiteral("xdotool"), {QStringLiteral("windowmap"), id, QStringLiteral("windowactivate"), id});
}

} // namespace screentest
