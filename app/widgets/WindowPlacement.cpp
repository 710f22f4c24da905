#include "app/widgets/WindowPlacement.h"

#include "app/widgets/BesidePlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

std::vector<QRect> availableScreens()
{
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    return screens;
}

// Frame and client differ by what the window manager adds around it.
void setFrameGeometry(QWidget& window, const QRect& frame)
{
    const QSize decoration = window.frameGeometry().size() - window.size();
    window.resize(frame.size() - decoration);
    window.move(frame.topLeft());
}

} // namespace

void placeBeside(QWidget& window, QWidget& mainWindow, const std::vector<const QWidget*>& uncovered)
{
    BesideRequest request;
    request.screens = availableScreens();
    request.main = mainWindow.frameGeometry();
    for (const QWidget* part : uncovered)
        request.uncovered.emplace_back(part->mapToGlobal(QPoint(0, 0)), part->size());
    request.size = window.frameGeometry().size();
    // A window that names no smallest size is used as it is.
    const QSize decoration = request.size - window.size();
    request.minimum = window.minimumSize().isEmpty() ? request.size
                                                     : (window.minimumSize() + decoration).boundedTo(request.size);
    const BesidePlace place = placeBeside(request);
    if (place.main != request.main)
        mainWindow.move(place.main.topLeft());
    setFrameGeometry(window, place.window);
}

bool restorePlace(QWidget& window, const QRect& place)
{
    if (!place.isValid() || !onAScreen(place, availableScreens()))
        return false;
    setFrameGeometry(window, place);
    return true;
}


namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> action)
        : QObject(&window)
        , m_action(std::move(action))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint is done.
            QTimer::singleShot(0, watched, [action = std::move(m_action)] { action(); });
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> action)
{
    new FirstPaint(window, std::move(action));
}
