#include "platform/Dimming.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace platform {
namespace {

// Mid grey over light and dark faces alike: both move towards it.
const QColor kVeil(128, 128, 128, 160);
const QColor kMarkBackground(160, 0, 0);
constexpr int kMarkPadding = 3;

} // namespace

void paintDimming(QPainter& painter, const QRect& area, const Dimming& dimming)
{
    if (!dimming.on)
        return;
    painter.save();
    painter.fillRect(area, kVeil);
    if (!dimming.mark.isEmpty()) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        font.setBold(true);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        QRect box = metrics.boundingRect(dimming.mark).adjusted(-kMarkPadding, -kMarkPadding, kMarkPadding,
            kMarkPadding);
        box.moveCenter(area.center());
        painter.fillRect(box, kMarkBackground);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, dimming.mark);
    }
    painter.restore();
}

} // namespace platform
