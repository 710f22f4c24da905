// The edit's own text drawing for read-only fields nobody is working in.

#include "skin/controls/TkvSkinCustomEdit.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>

namespace skin {
namespace {

// The line edit's own inner margins around its text line.
constexpr int kHorizontalMargin = 2;

} // namespace

void TkvSkinCustomEdit::updateTextMode(bool wanted)
{
    const bool own = m_readOnly ? !lineEditFocused() : !m_edit && !wanted;
    if (own == m_ownText)
        return;
    m_ownText = own;
    if (own) {
        setFocusProxy(nullptr);
        if (m_edit)
            m_edit->hide();
    } else {
        showLineEdit();
    }
    update();
}

void TkvSkinCustomEdit::showLineEdit()
{
    makeLineEdit();
    flushPendingText();
    m_edit->show();
    setFocusProxy(m_edit);
}

void TkvSkinCustomEdit::focusInEvent(QFocusEvent* event)
{
    if (!m_ownText && m_edit) {
        QWidget::focusInEvent(event);
        return;
    }
    m_ownText = false;
    showLineEdit();
    m_edit->setFocus(event->reason());
    update();
}

void TkvSkinCustomEdit::requestPaint()
{
    // One request per paint: asking again for each value in between only
    // costs.
    if (m_paintRequested)
        return;
    m_paintRequested = true;
    update();
}

void TkvSkinCustomEdit::drawOwnText(QPainter& painter)
{
    const QString text = Text();
    if (text.isEmpty())
        return;
    const QRect area = textRect();
    if (!m_glyphText || m_glyphText->font() != m_textFont)
        m_glyphText = std::make_unique<platform::GlyphText>(m_textFont);
    const QFontMetrics& metrics = m_glyphText->metrics();
    const int width = m_glyphText->advance(text);
    // Inside the line edit's margins where the text fits there; a value
    // that fits only without them still shows whole; a longer one shows its
    // end, as the line edit shows a text it was given.
    int left = area.left();
    if (width <= area.width() - 2 * kHorizontalMargin) {
        const int free = area.width() - 2 * kHorizontalMargin - width;
        const int offset = m_alignment == TAlignment::taRightJustify ? free
            : m_alignment == TAlignment::taCenter                     ? free / 2
                                                                      : 0;
        left += kHorizontalMargin + offset;
    } else if (width <= area.width()) {
        left += (area.width() - width) / 2;
    } else {
        left = area.left() + area.width() - width;
    }
    const int lineTop = area.top() + (area.height() - metrics.height() + 1) / 2;
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QColor::fromRgb(platform::toQRgb(m_textColour)));
    m_glyphText->draw(painter, QPoint(left, lineTop + metrics.ascent()), text);
    painter.restore();
}

} // namespace skin
