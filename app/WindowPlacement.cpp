#include "app/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

void placeBeside(QWidget& window, const QWidget& mainWindow)
{
    constexpr int kGap = 8;
    const QRect main = mainWindow.frameGeometry();
    const QSize size = window.frameGeometry().size();
    QPoint place(main.right() + 1 + kGap, main.top());
    if (const QScreen* screen = mainWindow.screen()) {
        const QRect room = screen->availableGeometry();
        if (place.x() + size.width() > room.right() + 1)
            place.setX(std::max(room.left(), main.left() - kGap - size.width()));
        place.setY(std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    }
    window.move(place);
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
