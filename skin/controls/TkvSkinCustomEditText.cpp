// The edit's text: where it lives and who shows it.
//
// The text has one home, m_text. Who shows it is the text mode:
//
//   mode    | shown by                            | entered when
//   Drawn   | the field itself (drawOwnText)      | made; a read-only field loses the focus to
//           |                                     | another control of its window
//   Editing | the line edit, over the frame image | the field takes the focus; a field that
//           |                                     | takes typing is pointed at or its line edit
//           |                                     | is asked for (it then stays Editing)
//
//   event          | Drawn                               | Editing
//   SetText(new)   | stored, one paint asked, OnChange   | given to the line edit, whose change
//                  |                                     | stores it and raises OnChange
//   typing         | (no line edit shown)                | the line edit's change stores it, OnChange
//   paint          | frame, then the text                | frame; the line edit draws the text
//
// Telemetry rewrites read-only fields a hundred times a second, and the
// line edit's layout and paint for each would cost more than everything
// else together; most fields never need a line edit, and the window's
// first picture waits for none.

#include "skin/controls/TkvSkinCustomEdit.h"

#include "platform/TextCache.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>

namespace skin {
namespace {

// The line edit's own inner margins around its text line.
constexpr int kHorizontalMargin = 2;

Qt::Alignment qtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case TAlignment::taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    case TAlignment::taLeftJustify: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

void TkvSkinCustomEdit::SetText(const QString& value)
{
    if (value == m_text)
        return;
    if (m_textMode == TextMode::Editing) {
        m_edit->setText(value);
        return;
    }
    m_text = value;
    requestPaint();
    raiseEvent(OnChange, this);
}

QLineEdit* TkvSkinCustomEdit::lineEdit()
{
    if (!m_readOnly)
        updateTextMode(true);
    makeLineEdit();
    return m_edit;
}

QLineEdit* TkvSkinCustomEdit::makeLineEdit()
{
    if (m_edit) {
        // A hidden line edit has not followed the text meanwhile.
        if (m_edit->text() != m_text)
            m_edit->setText(m_text);
        return m_edit;
    }
    m_edit = new QLineEdit(this);
    // Where the field stands in the tab order, not after every control
    // made before the line edit was.
    QWidget::setTabOrder(this, m_edit);
    m_edit->setObjectName(QStringLiteral("edit"));
    m_edit->setFrame(false);
    // The text lands on the frame image painted underneath.
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    m_edit->setPalette(palette);
    colourLineEditText();
    m_edit->setAutoFillBackground(false);
    m_edit->setTextMargins(0, 0, 0, 0);
    m_edit->setFont(m_textFont);
    m_edit->setAlignment(qtAlignment(m_alignment));
    m_edit->setReadOnly(m_readOnly);
    m_edit->setMaxLength(m_maxLength);
    m_edit->setGeometry(textRect());
    m_edit->installEventFilter(this);
    m_edit->setText(m_text);
    connect(m_edit, &QLineEdit::textChanged, this, &TkvSkinCustomEdit::textEdited);
    m_edit->setVisible(m_textMode == TextMode::Editing);
    return m_edit;
}

void TkvSkinCustomEdit::applyAlignment()
{
    if (m_edit)
        m_edit->setAlignment(qtAlignment(m_alignment));
}

void TkvSkinCustomEdit::updateTextMode(bool wanted)
{
    const bool editing = m_readOnly ? lineEditFocused() : m_edit || wanted;
    setTextMode(editing ? TextMode::Editing : TextMode::Drawn);
}

void TkvSkinCustomEdit::setTextMode(TextMode mode)
{
    if (mode == m_textMode)
        return;
    m_textMode = mode;
    if (mode == TextMode::Drawn) {
        setFocusProxy(nullptr);
        if (m_edit)
            m_edit->hide();
    } else {
        makeLineEdit();
        m_edit->show();
        setFocusProxy(m_edit);
    }
    update();
}

void TkvSkinCustomEdit::focusInEvent(QFocusEvent* event)
{
    if (m_textMode == TextMode::Editing) {
        QWidget::focusInEvent(event);
        return;
    }
    setTextMode(TextMode::Editing);
    m_edit->setFocus(event->reason());
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
    if (m_text.isEmpty())
        return;
    const QRect area = textRect();
    // Every field of one font draws with that font's glyphs in the text
    // cache, as the canvas does, instead of a copy of them each.
    platform::GlyphText& glyphs = platform::TextCache::instance().font(m_font).numbers;
    const QFontMetrics& metrics = glyphs.metrics();
    const int width = glyphs.advance(m_text);
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
    glyphs.draw(painter, QPoint(left, lineTop + metrics.ascent()), m_text);
    painter.restore();
}

} // namespace skin
