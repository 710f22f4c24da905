#include "skin/controls/TkvSkinPanel.h"

#include "skin/controls/DefaultLook.h"

#include <QMouseEvent>

namespace skin {

using platform::TRect;

TkvSkinPanel::TkvSkinPanel(QWidget* parent) : TkvSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("panel"));
    acceptRecords<TkvDataSkinPanelControl>();
    setSize(150, 150);
    defaultChanged();
}

void TkvSkinPanel::SetCaption(const QString& value)
{
    if (m_caption == value)
        return;
    m_caption = value;
    if (m_captionMode)
        update();
}

void TkvSkinPanel::SetCaptionMode(bool value)
{
    if (m_captionMode == value)
        return;
    m_captionMode = value;
    defaultChanged();
}

void TkvSkinPanel::SetDefaultCaptionHeight(int value)
{
    if (m_defaultCaptionHeight == value)
        return;
    m_defaultCaptionHeight = value;
    defaultChanged();
}

void TkvSkinPanel::SetDefaultAlignment(TAlignment value)
{
    if (m_defaultAlignment == value)
        return;
    m_defaultAlignment = value;
    defaultChanged();
}

void TkvSkinPanel::SetBorderStyle(TkvSkinBorderStyle value)
{
    if (m_borderStyle == value)
        return;
    m_borderStyle = value;
    defaultChanged();
}

void TkvSkinPanel::SetGlyph(const platform::TBitmap& value)
{
    m_glyph.Assign(value);
    update();
}

void TkvSkinPanel::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 2);
    if (m_numGlyphs == value)
        return;
    m_numGlyphs = value;
    update();
}

void TkvSkinPanel::SetSpacing(int value)
{
    if (m_spacing == value)
        return;
    m_spacing = value;
    update();
}

void TkvSkinPanel::SetCheckedMode(bool value)
{
    if (m_checkedMode == value)
        return;
    m_checkedMode = value;
    update();
}

void TkvSkinPanel::SetChecked(bool value)
{
    if (m_checked == value)
        return;
    m_checked = value;
    if (m_checkedMode)
        update();
    if (m_autoEnabledControls && m_checkedMode) {
        for (QObject* child : children())
            if (child->isWidgetType())
                static_cast<QWidget*>(child)->setEnabled(value);
    }
    raiseEvent(OnChecked, this);
}

void TkvSkinPanel::SetRollUpMode(bool value)
{
    if (m_rollUpMode == value)
        return;
    m_rollUpMode = value;
    defaultChanged();
}

void TkvSkinPanel::SetRollUpState(bool value)
{
    if (!m_rollUpMode || m_rollUpState == value)
        return;
    m_rollUpState = value;
    DoRollUp(value);
    raiseEvent(OnChangeRollUpState, this);
}

void TkvSkinPanel::DoRollUp(bool up)
{
    const auto childWidgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (up && m_realHeight == -1) {
        m_realHeight = height();
        for (QWidget* child : childWidgets)
            child->hide();
        GetSkinData();
        setSize(width(), hasRecord() ? height() - RealClientRect().height() : m_defaultCaptionHeight + 1);
    } else if (!up && m_realHeight != -1) {
        setSize(width(), m_realHeight);
        m_realHeight = -1;
        for (QWidget* child : childWidgets)
            child->show();
    }
}

void TkvSkinPanel::defaultChanged()
{
    if (hasRecord())
        return;
    applyClientMargins();
    update();
}

void TkvSkinPanel::applyClientMargins()
{
    // Aligned children and layouts keep out of the frame and caption strip.
    const TRect client = GetSkinClientRect();
    setContentsMargins(client.left, client.top, width() - client.right, height() - client.bottom);
}

bool TkvSkinPanel::plainClientLook() const
{
    return m_borderStyle == TkvSkinBorderStyle::bvNone && !m_captionMode && GetResizeMode() == ResizeMode::NinePart;
}

TRect TkvSkinPanel::GetSkinClientRect() const
{
    if (hasRecord())
        return m_bgPicture.Empty() && !plainClientLook() ? RealClientRect() : TRect{0, 0, width(), height()};
    TRect r{0, 0, width(), height()};
    if (m_borderStyle != TkvSkinBorderStyle::bvNone)
        r = {1, 1, width() - 1, height() - 1};
    if (m_captionMode)
        r.top += m_defaultCaptionHeight;
    return r;
}

TRect TkvSkinPanel::captionRect() const
{
    if (const auto* panel = record<TkvDataSkinPanelControl>())
        return GetResizeMode() == ResizeMode::Fixed ? panel->captionrect : GetNewRect(panel->captionrect);
    return {1, 1, width() - 1, m_defaultCaptionHeight};
}

void TkvSkinPanel::mouseReleaseEvent(QMouseEvent* event)
{
    TkvSkinCustomControl::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !m_captionMode || !ptInRect(captionRect(), p))
        return;
    QPointer<TkvSkinPanel> guard(this);
    if (m_checkedMode)
        SetChecked(!m_checked);
    if (guard && m_rollUpMode)
        SetRollUpState(!m_rollUpState);
}

void TkvSkinPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    TkvSkinCustomControl::changeEvent(event);
}

void TkvSkinPanel::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    platform::TCanvas& canvas = bitmap.Canvas();
    const TRect all{0, 0, width(), height()};
    fillRect(canvas, all, platform::clBtnFace);
    switch (m_borderStyle) {
    case TkvSkinBorderStyle::bvFrame: frameRect(canvas, all, platform::clBtnShadow); break;
    case TkvSkinBorderStyle::bvRaised: drawBevel(canvas, all, true); break;
    case TkvSkinBorderStyle::bvLowered: drawBevel(canvas, all, false); break;
    case TkvSkinBorderStyle::bvNone: break;
    }
    if (m_captionMode)
        drawDefaultCaption(canvas);
}

void TkvSkinPanel::drawDefaultCaption(platform::TCanvas& canvas)
{
    TRect r;
    if (m_borderStyle != TkvSkinBorderStyle::bvNone) {
        r = {1, 1, width() - 1, m_defaultCaptionHeight};
        drawBevel(canvas, r, false);
        drawBevel(canvas, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, true);
    } else {
        r = {0, 0, width(), m_defaultCaptionHeight};
        frameRect(canvas, r, platform::clBtnShadow);
        const TRect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        fillRect(canvas, {inner.left, inner.top, inner.right, inner.top + 1}, platform::clBtnHighlight);
        fillRect(canvas, {inner.left, inner.top, inner.left + 1, inner.bottom}, platform::clBtnHighlight);
        fillRect(canvas, {inner.left, inner.bottom - 1, inner.right, inner.bottom}, platform::clBtnFace);
        fillRect(canvas, {inner.right - 1, inner.top, inner.right, inner.bottom}, platform::clBtnFace);
    }
    if (m_checkedMode) {
        r.left += 20;
        const int boxTop = r.top + (r.height() - 14) / 2;
        const TRect box{5, boxTop, 19, boxTop + 14};
        fillRect(canvas, box, platform::clWindow);
        frameRect(canvas, box, platform::clBtnShadow);
        if (m_checked)
            drawCheckMark(canvas, box.left + 3, box.top + 2, platform::clBtnText);
    }
    if (m_rollUpMode) {
        r.right -= 10;
        drawArrow(canvas, {r.right, r.top, r.right + 10, r.bottom},
            m_rollUpState ? ArrowDirection::Down : ArrowDirection::Up, platform::clBtnText);
    }
    if (!m_caption.isEmpty())
        drawCaptionLine(canvas, r, m_defaultAlignment, 2);
}

void TkvSkinPanel::drawCaptionLine(platform::TCanvas& canvas, const TRect& r, TAlignment alignment, int indent)
{
    canvas.Font = controlFont();
    const QSize extent = accelTextExtent(canvas, m_caption);
    const bool hasGlyph = !m_glyph.Empty();
    const int glyphWidth = hasGlyph ? m_glyph.Width() / m_numGlyphs : 0;
    const int w = extent.width() + (hasGlyph ? glyphWidth + m_spacing : 0);
    const int y = r.top + r.height() / 2 - extent.height() / 2;
    int x = r.left + indent;
    if (alignment == TAlignment::taRightJustify)
        x = r.right - w;
    else if (alignment == TAlignment::taCenter)
        x = r.left + indent + r.width() / 2 - w / 2;
    if (hasGlyph) {
        const int index = !isEnabled() && m_numGlyphs == 2 ? 2 : 1;
        DrawGlyph(canvas, x, r.top + r.height() / 2 - m_glyph.Height() / 2, m_glyph, m_numGlyphs, index);
        x += glyphWidth + m_spacing;
    }
    drawAccelTextClipped(canvas, r, x, y, m_caption);
}

} // namespace skin
