#include "skin/controls/TkvSkinCustomEdit.h"

#include "skin/controls/DefaultLook.h"

#include "platform/RegionPaint.h"
#include "platform/TextCache.h"

#include <QKeyEvent>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace skin {

TkvSkinCustomEdit::TkvSkinCustomEdit(QWidget* parent)
    : SkinnedWidget(parent, QStringLiteral("edit"))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    applyFont();
    SetBounds(x(), y(), 121, 20);
    acceptRecords<TkvDataSkinEditControl>();
}

void TkvSkinCustomEdit::ChangeSkinData()
{
    m_frame = QImage();
    GetSkinData();
    const auto* edit = hasRecord() ? record<TkvDataSkinEditControl>() : nullptr;
    if (!edit) {
        const platform::TColor given = m_font.Color;
        m_font = m_defaultFont;
        if (m_programColour)
            m_font.Color = given;
        applyFont();
        SetBounds(x(), y(), m_defaultWidth > 0 ? m_defaultWidth : width(),
            m_defaultHeight > 0 && m_useSkinFont ? m_defaultHeight : height());
    } else {
        platform::TFont font = skinFont(m_defaultFont, m_useSkinFont);
        if (!m_useSkinFont)
            font.Color = m_defaultFont.Color;
        if (m_programColour)
            font.Color = m_font.Color;
        m_font = font;
        applyFont();
        if (m_useSkinFont)
            SetBounds(x(), y(), width(), edit->skinrect.height());
    }
    layoutLineEdit();
    applyStateColour(lineEditFocused());
    if (!m_useSkinFont)
        AdjustEditHeight();
    update();
}

bool TkvSkinCustomEdit::lineEditFocused() const { return m_edit && m_edit->hasFocus(); }

bool TkvSkinCustomEdit::ReadOnly() const { return m_readOnly; }

void TkvSkinCustomEdit::SetReadOnly(bool value)
{
    m_readOnly = value;
    if (m_edit)
        m_edit->setReadOnly(value);
    updateTextMode();
}

void TkvSkinCustomEdit::SetAlignment(TAlignment value)
{
    if (m_alignment == value)
        return;
    m_alignment = value;
    applyAlignment();
    update();
}

void TkvSkinCustomEdit::SetFont(const platform::TFont& value)
{
    if (m_font == value)
        return;
    if (hasRecord() && value.Color != m_font.Color)
        m_programColour = true;
    m_font = value;
    applyFont();
    if (!m_useSkinFont)
        AdjustEditHeight();
}

void TkvSkinCustomEdit::SetDefaultFont(const platform::TFont& value)
{
    if (m_defaultFont == value)
        return;
    m_defaultFont = value;
    if (!hasRecord())
        SetFont(value);
}

void TkvSkinCustomEdit::SetUseSkinFont(bool value)
{
    if (m_useSkinFont == value)
        return;
    m_useSkinFont = value;
    if (!value)
        AdjustEditHeight();
}

void TkvSkinCustomEdit::SetDefaultWidth(int value)
{
    m_defaultWidth = value;
    if (!hasRecord() && value > 0)
        SetBounds(x(), y(), value, height());
}

void TkvSkinCustomEdit::SetDefaultHeight(int value)
{
    m_defaultHeight = value;
    if (hasRecord() || value <= 0)
        return;
    SetBounds(x(), y(), width(), value);
}

void TkvSkinCustomEdit::SetButtonMode(bool value)
{
    if (m_buttonMode == value)
        return;
    m_buttonMode = value;
    layoutLineEdit();
    update();
}

void TkvSkinCustomEdit::SetFrameless(bool value)
{
    if (m_frameless == value)
        return;
    m_frameless = value;
    // Without a frame the control paints only its text, over its parent.
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    setAttribute(Qt::WA_NoSystemBackground, !value);
    m_frame = QImage();
    layoutLineEdit();
    if (!m_useSkinFont)
        AdjustEditHeight();
    update();
}

int TkvSkinCustomEdit::MaxLength() const { return m_maxLength; }

void TkvSkinCustomEdit::SetMaxLength(int value)
{
    m_maxLength = value > 0 ? value : 32767;
    if (m_edit)
        m_edit->setMaxLength(m_maxLength);
}

QRect TkvSkinCustomEdit::fitBounds(const QRect& requested)
{
    const auto* edit = hasRecord() ? record<TkvDataSkinEditControl>() : nullptr;
    int height = requested.height();
    if (!m_useSkinFont)
        height = CalcEditHeight();
    else if (edit && edit->skinrect.height() > 0)
        height = edit->skinrect.height();
    return QRect(requested.topLeft(), QSize(requested.width(), height));
}

int TkvSkinCustomEdit::CalcEditHeight() const
{
    platform::TBitmap scratch(1, 1);
    scratch.Canvas().Font = m_font;
    const QMargins insets = frameInsets();
    return scratch.Canvas().TextHeight(QStringLiteral("0")) + insets.top() + insets.bottom();
}

void TkvSkinCustomEdit::AdjustEditHeight() { refit(); }

QRect TkvSkinCustomEdit::buttonRect() const
{
    if (!m_buttonMode)
        return {};
    // A record's button lies in its image, moved with the right edge.
    const auto* edit = hasRecord() ? record<TkvDataSkinEditControl>() : nullptr;
    if (edit && !isNullRect(edit->buttonrect)) {
        const int grow = width() - edit->skinrect.width();
        const TRect& r = edit->buttonrect;
        return QRect(r.left + grow, r.top, r.width(), r.height());
    }
    return QRect(width() - height(), 0, height(), height());
}

QRect TkvSkinCustomEdit::textRect() const
{
    if (m_frameless)
        return rect();
    // The line edit keeps two pixels of its own on each side, so it may
    // reach one pixel into the frame: narrow value fields keep room for
    // five characters and the text still starts inside the frame.
    const QMargins insets = frameInsets();
    const int right = m_buttonMode ? buttonRect().left() : width() - insets.right() + 1;
    return QRect(QPoint(insets.left() - 1, insets.top()), QPoint(right - 1, height() - insets.bottom() - 1));
}

void TkvSkinCustomEdit::applyFont()
{
    const QFont font = platform::TextCache::instance().font(m_font).font;
    if (font != m_textFont) {
        m_textFont = font;
        if (m_edit)
            m_edit->setFont(m_textFont);
        update();
    }
    const auto* edit = hasRecord() ? record<TkvDataSkinEditControl>() : nullptr;
    applyTextColour(isEnabled() ? m_font.Color : edit ? edit->disabledfontcolor : platform::clGrayText);
}

void TkvSkinCustomEdit::applyStateColour(bool active)
{
    const auto* edit = hasRecord() ? record<TkvDataSkinEditControl>() : nullptr;
    if (edit && !m_programColour)
        m_font.Color = active ? edit->activefontcolor : edit->fontcolor;
    applyFont();
}

void TkvSkinCustomEdit::applyTextColour(platform::TColor colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    // The field draws its own text while it has no line edit on show.
    update();
    colourLineEditText();
}

void TkvSkinCustomEdit::colourLineEditText()
{
    if (!m_edit)
        return;
    QPalette palette = m_edit->palette();
    const QColor c = QColor::fromRgb(platform::toQRgb(m_textColour));
    palette.setColor(QPalette::Active, QPalette::Text, c);
    palette.setColor(QPalette::Inactive, QPalette::Text, c);
    palette.setColor(QPalette::Disabled, QPalette::Text, c);
    m_edit->setPalette(palette);
}

void TkvSkinCustomEdit::textEdited(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    raiseEvent(OnChange, this);
}

bool TkvSkinCustomEdit::filterKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        // Never inserted and never passed on, so a dialog's Enter and Esc
        // stay with the edit's key-press handler.
        QChar ch(key == Qt::Key_Escape ? 27 : 13);
        if (OnKeyPress)
            OnKeyPress(this, ch);
        return true;
    }
    if (event->text().isEmpty() || !event->text()[0].isPrint() || ReadOnly() || !OnKeyPress)
        return false;
    QChar ch = event->text()[0];
    OnKeyPress(this, ch);
    if (ch.isNull())
        return true;
    if (ch != event->text()[0]) {
        m_edit->insert(QString(ch));
        return true;
    }
    return false;
}

bool TkvSkinCustomEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);
    if (WindowProcHook && !WindowProcHook(event))
        return true;
    switch (event->type()) {
    case QEvent::ContextMenu:
        showContextMenu(*static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::KeyPress:
        return filterKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        m_button.setFocused(true);
        if (!m_mouseIn)
            applyStateColour(true);
        if (m_autoSelect)
            m_edit->selectAll();
        update();
        raiseEvent(OnEnter, this);
        break;
    case QEvent::FocusOut: {
        const bool handled = !m_hideSelection && m_edit->hasSelectedText();
        if (handled)
            focusOutKeepingSelection(event);
        m_button.setFocused(false);
        if (!m_mouseIn)
            applyStateColour(false);
        update();
        // A menu or another window taking the keyboard for a while leaves
        // the line edit in place; the user comes back to it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QPointer<QLineEdit> edit(m_edit);
        if (!raiseEvent(OnExit, this))
            return handled && edit;
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            updateTextMode();
        return handled;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            raiseEvent(OnClick, this);
        break;
    default:
        break;
    }
    return false;
}

void TkvSkinCustomEdit::focusOutKeepingSelection(QEvent* event)
{
    const int start = m_edit->selectionStart();
    const int length = int(m_edit->selectedText().size());
    // The line edit's own handling first (caret, editing finished), as if
    // the filter had let the event through.
    static_cast<QObject*>(m_edit.data())->event(event);
    m_edit->setSelection(start, length);
}

void TkvSkinCustomEdit::paintEvent(QPaintEvent* event)
{
    m_paintRequested = false;
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    if (!m_frameless)
        platform::drawImageInRegion(painter, event->region(), {0, 0}, renderFrame());
    if (m_textMode == TextMode::Drawn)
        drawOwnText(painter);
    platform::paintDimming(painter, rect(), dimming());
}

void TkvSkinCustomEdit::layoutLineEdit()
{
    if (m_edit)
        m_edit->setGeometry(textRect());
}

void TkvSkinCustomEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_button.setEnabled(isEnabled());
        applyStateColour(m_mouseIn || lineEditFocused());
        update();
    }
    QWidget::changeEvent(event);
}

void TkvSkinCustomEdit::enterEvent(QEnterEvent*)
{
    // A field that takes typing gets its line edit before the pointer can
    // press on it.
    if (!m_readOnly && !m_edit)
        updateTextMode(true);
    m_mouseIn = true;
    if (!lineEditFocused())
        applyStateColour(true);
    if (hasRecord())
        update();
    raiseEvent(OnMouseEnter, this);
}

void TkvSkinCustomEdit::leaveEvent(QEvent*)
{
    m_mouseIn = false;
    if (!lineEditFocused())
        applyStateColour(false);
    if (hasRecord())
        update();
    moveButtonPointer(Pointer::Outside);
    raiseEvent(OnMouseLeave, this);
}

Pointer TkvSkinCustomEdit::overButton(const QMouseEvent& event) const
{
    return buttonRect().contains(event.position().toPoint()) ? Pointer::Inside : Pointer::Outside;
}

void TkvSkinCustomEdit::moveButtonPointer(Pointer where)
{
    const PartFace before = m_button.face();
    m_button.move(where);
    if (m_button.face() != before)
        update();
}

void TkvSkinCustomEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && overButton(*event) == Pointer::Inside) {
        m_button.press(Pointer::Inside);
        update();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TkvSkinCustomEdit::mouseMoveEvent(QMouseEvent* event)
{
    moveButtonPointer(overButton(*event));
    QWidget::mouseMoveEvent(event);
}

void TkvSkinCustomEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_button.captured()) {
        const bool clicked = m_button.release(overButton(*event));
        update();
        if (clicked) {
            setFocus(Qt::MouseFocusReason);
            raiseEvent(OnButtonClick, this);
        }
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace skin
