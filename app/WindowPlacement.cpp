#include "app/WindowPlacement.h"

#include <QScreen>
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

