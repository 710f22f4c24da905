#include "skin/controls/TkvListBox.h"

#include "skin/controls/DefaultLook.h"
#include "skin/controls/TkvSkinCustomListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace skin {

using platform::TRect;

TkvListBox::TkvListBox(TkvSkinCustomListBox* frame, QWidget* parent) : QWidget(parent), m_frame(frame)
{
    setObjectName(QStringLiteral("innerList"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TkvListBox::setItems(const QStringList& items)
{
    m_items = items;
    if (m_itemIndex >= m_items.size())
        m_itemIndex = -1;
    m_topIndex = std::clamp(m_topIndex, 0, maxTopIndex());
    update();
}

void TkvListBox::setItemIndex(int index)
{
    if (index < -1 || index >= m_items.size())
        index = -1;
    if (m_itemIndex == index)
        return;
    m_itemIndex = index;
    update();
}

int TkvListBox::maxTopIndex() const { return std::max(0, int(m_items.size()) - std::max(1, visibleRows())); }

void TkvListBox::setTopIndex(int index)
{
    index = std::clamp(index, 0, maxTopIndex());
    if (m_topIndex == index)
        return;
    m_topIndex = index;
    update();
}

void TkvListBox::setItemHeight(int height)
{
    if (height <= 0 || m_itemHeight == height)
        return;
    m_itemHeight = height;
    update();
}

void TkvListBox::setFont(const platform::TFont& font)
{
    m_font = font;
    update();
}

int TkvListBox::visibleRows() const { return height() / m_itemHeight; }

int TkvListBox::ItemAtPos(const QPoint& p) const
{
    if (p.x() < 0 || p.x() >= width() || p.y() < 0 || p.y() >= height())
        return -1;
    const int index = m_topIndex + p.y() / m_itemHeight;
    return index < m_items.size() ? index : -1;
}

QRect TkvListBox::ItemRect(int index) const
{
    return QRect(0, (index - m_topIndex) * m_itemHeight, width(), m_itemHeight);
}

void TkvListBox::ensureVisible(int index)
{
    if (index < 0)
        return;
    if (index < m_topIndex)
        setTopIndex(index);
    else if (index >= m_topIndex + visibleRows())
        setTopIndex(index - visibleRows() + 1);
    m_frame->UpDateScrollBar();
}

void TkvListBox::DrawDefaultItem(platform::TCanvas& canvas, int index, const TRect& rect, bool selected,
    bool focused)
{
    platform::TBitmap item(rect.width(), rect.height(), canvas.bitmap().Ratio());
    platform::TCanvas& c = item.Canvas();
    c.Font = m_font;
    fillRect(c, {0, 0, rect.width(), rect.height()}, selected ? platform::clHighlight : platform::clWindow);
    if (selected)
        c.Font.Color = platform::clHighlightText;
    drawItemText(c, index, {2, 0, rect.width() - 2, rect.height()}, selected, focused);
    if (focused)
        drawFocusRect(c, {0, 0, rect.width(), rect.height()});
    canvas.Draw(rect.left, rect.top, item);
}

QImage TkvListBox::PaintList()
{
    platform::TBitmap bitmap(std::max(1, width()), std::max(1, height()), devicePixelRatioF());
    platform::TCanvas& canvas = bitmap.Canvas();
    const int rows = visibleRows();
    int y = 0;
    for (int index = m_topIndex; index < m_items.size() && index <= m_topIndex + rows; ++index) {
        const bool selected = index == m_itemIndex;
        drawItem(canvas, index, platform::Bounds(0, y, width(), m_itemHeight), selected, selected && hasFocus());
        y += m_itemHeight;
    }
    if (y >= height())
        return bitmap.image();
    if (m_frame->listRecord())
        PaintBG(canvas, {0, y, width(), height()});
    else
        fillRect(canvas, {0, y, width(), height()}, platform::clWindow);
    return bitmap.image();
}

void TkvListBox::drawItem(platform::TCanvas& canvas, int index, const TRect& rect, bool selected, bool focused)
{
    if (!m_frame->listRecord())
        DrawDefaultItem(canvas, index, rect, selected, focused);
    else if (m_frame->UseSkinItemHeight())
        DrawSkinItem(canvas, index, rect, selected, focused);
    else
        DrawStretchSkinItem(canvas, index, rect, selected, focused);
}

void TkvListBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, PaintList());
}

bool TkvListBox::event(QEvent* event)
{
    bool process = true;
    m_frame->ListBoxWProc(event, process);
    if (!process) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void TkvListBox::mousePressEvent(QMouseEvent* event)
{
    m_frame->ListBoxMouseDown(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int index = ItemAtPos(event->position().toPoint());
    if (index >= 0)
        setItemIndex(index);
}

void TkvListBox::mouseMoveEvent(QMouseEvent* event)
{
    m_frame->ListBoxMouseMove(event);
    if (event->buttons() & Qt::LeftButton) {
        const int index = ItemAtPos(event->position().toPoint());
        if (index >= 0)
            setItemIndex(index);
    }
}

void TkvListBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_frame->ListBoxMouseUp(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_frame->ListBoxClick();
}

void TkvListBox::mouseDoubleClickEvent(QMouseEvent*) { m_frame->ListBoxDblClick(); }

void TkvListBox::keyPressEvent(QKeyEvent* event)
{
    m_frame->ListBoxKeyDown(event);
    if (m_items.isEmpty())
        return;
    const int last = int(m_items.size()) - 1;
    const int page = std::max(1, visibleRows() - 1);
    int index = m_itemIndex;
    switch (event->key()) {
    case Qt::Key_Up: index = std::max(0, index - 1); break;
    case Qt::Key_Down: index = std::min(last, index + 1); break;
    case Qt::Key_PageUp: index = std::max(0, index - page); break;
    case Qt::Key_PageDown: index = std::min(last, index + page); break;
    case Qt::Key_Home: index = 0; break;
    case Qt::Key_End: index = last; break;
    default: QWidget::keyPressEvent(event); return;
    }
    setItemIndex(index);
    ensureVisible(index);
}

void TkvListBox::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    // One row per notch; turned towards the user scrolls down.
    if (m_frame->verticalBar()) {
        setTopIndex(m_topIndex - steps);
        m_frame->UpDateScrollBar();
    }
    event->accept();
}

} // namespace skin
