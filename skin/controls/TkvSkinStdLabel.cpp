#include "skin/controls/TkvSkinStdLabel.h"

#include "skin/controls/DefaultLook.h"

#include <QEvent>
#include <QPainter>

namespace skin {

using platform::TRect;

TkvSkinStdLabel::TkvSkinStdLabel(QWidget* parent) : SkinnedWidget(parent, QStringLiteral("stdlabel"))
{
    setAttribute(Qt::WA_TranslucentBackground);
    acceptRecords<TkvDataSkinStdLabelControl>();
    refit();
}

void TkvSkinStdLabel::SetSkinData(TkvSkinData* value)
{
    SkinLink::SetSkinData(value);
    if (value && value->IsEmpty())
        ChangeSkinData();
}

void TkvSkinStdLabel::ChangeSkinData()
{
    GetSkinData();
    refit();
    update();
}

void TkvSkinStdLabel::SetCaption(const QString& value)
{
    if (m_caption == value)
        return;
    m_caption = value;
    refit();
    update();
}

void TkvSkinStdLabel::SetFont(const platform::TFont& value)
{
    if (m_font == value)
        return;
    m_font = value;
    refit();
    update();
}

void TkvSkinStdLabel::SetDefaultFont(const platform::TFont& value)
{
    if (m_defaultFont == value)
        return;
    m_defaultFont = value;
    refit();
    update();
}

void TkvSkinStdLabel::SetUseSkinFont(bool value)
{
    if (m_useSkinFont == value)
        return;
    m_useSkinFont = value;
    refit();
    update();
}

void TkvSkinStdLabel::SetAlignment(TAlignment value)
{
    if (m_alignment == value)
        return;
    m_alignment = value;
    refit();
    update();
}

void TkvSkinStdLabel::SetLayout(TTextLayout value)
{
    if (m_layout == value)
        return;
    m_layout = value;
    update();
}

void TkvSkinStdLabel::SetAutoSize(bool value)
{
    if (m_autoSize == value)
        return;
    m_autoSize = value;
    refit();
}

void TkvSkinStdLabel::SetShowAccelChar(bool value)
{
    if (m_showAccelChar == value)
        return;
    m_showAccelChar = value;
    refit();
    update();
}

QRect TkvSkinStdLabel::fitBounds(const QRect& requested)
{
    if (!m_autoSize)
        return requested;
    platform::TBitmap scratch(1, 1);
    TRect r{0, 0, requested.width(), requested.height()};
    DoDrawText(scratch.Canvas(), r, true);
    // Right-aligned labels grow to the left, as their text stays put.
    const int left = requested.left() + (m_alignment == TAlignment::taRightJustify ? requested.width() - r.width() : 0);
    return QRect(left, requested.top(), r.width(), r.height());
}

platform::TFont TkvSkinStdLabel::textFont() const
{
    // Without the skin font the label's own font, in the record's colour
    // when there is a record.
    return skinFont(m_useSkinFont ? m_defaultFont : m_font, m_useSkinFont);
}

void TkvSkinStdLabel::DoDrawText(platform::TCanvas& canvas, TRect& rect, bool measure)
{
    GetSkinData();
    QString text = m_caption;
    if (measure && (text.isEmpty() || (m_showAccelChar && text == QStringLiteral("&"))))
        text += u' ';
    if (!m_showAccelChar)
        text.replace(QStringLiteral("&"), QStringLiteral("&&"));
    canvas.Font = textFont();
    const QSize extent = accelTextExtent(canvas, text);
    if (measure) {
        rect.right = rect.left + extent.width();
        rect.bottom = rect.top + extent.height();
        return;
    }
    int x = rect.left;
    if (m_alignment == TAlignment::taRightJustify)
        x = rect.right - extent.width();
    else if (m_alignment == TAlignment::taCenter)
        x = rect.left + (rect.width() - extent.width()) / 2;
    int y = rect.top;
    if (m_layout == TTextLayout::tlCenter)
        y = rect.top + (rect.height() - extent.height()) / 2;
    else if (m_layout == TTextLayout::tlBottom)
        y = rect.bottom - extent.height();
    if (isEnabled()) {
        drawAccelTextClipped(canvas, rect, x, y, text);
        return;
    }
    canvas.Font.Color = platform::clBtnHighlight;
    drawAccelTextClipped(canvas, rect, x + 1, y + 1, text);
    canvas.Font.Color = platform::clBtnShadow;
    drawAccelTextClipped(canvas, rect, x, y, text);
}

QImage TkvSkinStdLabel::renderText()
{
    // The canvas draws opaque pixels, so the text is drawn twice, on black
    // and on white: pixels that differ between the two are background.
    const qreal ratio = devicePixelRatioF();
    auto draw = [this, ratio](platform::TColor background) {
        platform::TBitmap bitmap(width(), height(), ratio);
        fillRect(bitmap.Canvas(), {0, 0, width(), height()}, background);
        TRect r{0, 0, width(), height()};
        DoDrawText(bitmap.Canvas(), r, false);
        return bitmap.image();
    };
    const QImage onBlack = draw(platform::clBlack);
    const QImage onWhite = draw(platform::clWhite);
    QImage result(onBlack.size(), QImage::Format_ARGB32);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    const int columns = result.width();
    const int rows = result.height();
    uchar* bits = result.bits();
    const qsizetype stride = result.bytesPerLine();
    for (int y = 0; y < rows; ++y) {
        const QRgb* b = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const QRgb* w = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = 0; x < columns; ++x)
            if (b[x] == w[x])
                out[x] = b[x];
    }
    return result;
}

void TkvSkinStdLabel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, renderText());
    platform::paintDimming(painter, rect(), dimming());
}

void TkvSkinStdLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace skin
