#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>

struct _XDisplay;

namespace screentest {

// The X display the tests look at, as a pilot would: what the server
// shows, read back from the root window.
class XScreen {
public:
    XScreen();
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    bool open() const { return m_display != nullptr; }
    // The part of the screen inside rect, in root coordinates.
    QImage grab(const QRect& rect) const;
    // Where a window's top-left corner lies on the screen.
    QPoint origin(unsigned long window) const;
    // The window with whatever the window manager draws around it, in root
    // coordinates.
    QRect frame(unsigned long window) const;
    // A window's place and size on the screen.
    QRect geometry(unsigned long window) const;
    // Whether a window is mapped and shown (not minimized, not withdrawn).
    bool viewable(unsigned long window) const;
    QSize size() const;
    // Whether a window manager has taken over the screen: it names its
    // check window on the root window (_NET_SUPPORTING_WM_CHECK).
    bool windowManagerRunning() const;

private:
    _XDisplay* m_display = nullptr;
};

// The first visible window whose name starts with name, waiting up to
// timeoutMs for it to appear; 0 when none did.
unsigned long findWindow(const QString& name, int timeoutMs);
// How many visible windows the process has mapped.
int visibleWindowsOf(qint64 pid);
// Real pointer and key input through the X test extension (xdotool).
void clickAt(QPoint onScreen);
void doubleClickAt(QPoint onScreen);
void rightClickAt(QPoint onScreen);
void moveTo(QPoint onScreen);
// The left button pressed at a point, and let go wherever the pointer is.
void pressAt(QPoint onScreen);
void release();
void pressKey(const QString& key);
// Maps a minimized window again and activates it, as a task bar would.
void restore(unsigned long window);

} // namespace screentest
