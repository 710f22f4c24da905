#include "platform/TImage.h"

#include <QPainter>

namespace platform {

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    // The bitmap covers the whole control: nothing to erase underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    m_picture.SetSize(width, height);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture.image());
}

} // namespace platform
