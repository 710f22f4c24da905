#include "skin/controls/TkvSkinGauge.h"

#include "skin/controls/DefaultLook.h"

namespace skin {

using platform::TRect;

TkvSkinGauge::TkvSkinGauge(QWidget* parent) : TkvSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("gauge"));
    acceptRecords<TkvDataSkinGaugeControl>();
    setSize(100, 20);
}

void TkvSkinGauge::SetMinValue(int value)
{
    m_minValue = value;
    if (m_value < value)
        m_value = value;
    update();
}

void TkvSkinGauge::SetMaxValue(int value)
{
    m_maxValue = value;
    if (m_value > value)
        m_value = value;
    update();
}

void TkvSkinGauge::SetValue(int value)
{
    // The bounds are never compared with each other, so the upper one is
    // applied first.
    if (value > m_maxValue)
        value = m_maxValue;
    if (value < m_minValue)
        value = m_minValue;
    if (m_value == value)
        return;
    m_value = value;
    update();
}

void TkvSkinGauge::SetVertical(bool value)
{
    if (m_vertical == value)
        return;
    m_vertical = value;
    update();
}

void TkvSkinGauge::GetSkinData()
{
    TkvSkinCustomControl::GetSkinData();
    // The record says which way the skin's progress runs.
    if (const auto* gauge = record<TkvDataSkinGaugeControl>())
        m_vertical = gauge->vertical;
}

void TkvSkinGauge::CalcSize(int& width, int& height)
{
    // Without the skin size the control keeps the requested size and the
    // skin image is stretched over it.
    if (m_useSkinSize)
        TkvSkinCustomControl::CalcSize(width, height);
}

void TkvSkinGauge::SetControlRegion()
{
    if (m_useSkinSize)
        TkvSkinCustomControl::SetControlRegion();
    else if (!mask().isEmpty())
        clearMask();
}

TRect TkvSkinGauge::adjustedProgressArea() const
{
    const auto* gauge = record<TkvDataSkinGaugeControl>();
    if (!gauge)
        return {};
    TRect area = gauge->progressarea;
    const ResizeMode mode = GetResizeMode();
    if (mode == ResizeMode::None || mode == ResizeMode::Fixed)
        return area;
    if (m_vertical)
        area.bottom += height() - recordSkinRect().height();
    else
        area.right += width() - recordSkinRect().width();
    return area;
}

void TkvSkinGauge::SetUseSkinSize(bool value)
{
    if (m_useSkinSize == value)
        return;
    m_useSkinSize = value;
    SetControlRegion();
    update();
}

void TkvSkinGauge::SetShowProgressText(bool value)
{
    if (m_showProgressText == value)
        return;
    m_showProgressText = value;
    update();
}

void TkvSkinGauge::SetProgressText(const QString& value)
{
    if (m_progressText == value)
        return;
    m_progressText = value;
    update();
}

void TkvSkinGauge::SetShowPercent(bool value)
{
    if (m_showPercent == value)
        return;
    m_showPercent = value;
    update();
}

TRect TkvSkinGauge::CalcProgressRect(const TRect& r) const
{
    const double f = m_maxValue == m_minValue
        ? 0.0
        : double(m_value - m_minValue) / double(m_maxValue - m_minValue);
    TRect p = r;
    if (m_vertical)
        p.top = r.bottom - roundEven(f * r.height());
    else
        p.right = r.left + roundEven(f * r.width());
    return p;
}

QString TkvSkinGauge::progressCaption() const
{
    const int percent = m_maxValue == m_minValue
        ? 0
        : roundEven(double(m_value - m_minValue) / double(m_maxValue - m_minValue) * 100.0);
    QString text = m_showProgressText ? m_progressText : QString();
    if (m_showPercent)
        text += QString::number(percent) + u'%';
    return text;
}

void TkvSkinGauge::DrawProgressText(platform::TCanvas& canvas)
{
    const QString text = progressCaption();
    if (text.isEmpty())
        return;
    canvas.Font = controlFont();
    canvas.Brush.Style = platform::BrushStyle::Clear;
    const QSize extent = canvas.TextExtent(text);
    if (!m_vertical) {
        canvas.TextOut(width() / 2 - extent.width() / 2, height() / 2 - extent.height() / 2, text);
        return;
    }
    // Turned a quarter counter-clockwise, reading upwards: the text's
    // top-left corner lands at (x, y) and its baseline runs up from there.
    const int x = width() / 2 - extent.height() / 2;
    const int y = extent.width() / 2 + height() / 2;
    platform::TBitmap& target = canvas.bitmap();
    const qreal ratio = target.Ratio();
    platform::TBitmap upright(extent.width(), extent.height(), ratio);
    platform::TCanvas& scratch = upright.Canvas();
    scratch.Font = canvas.Font;
    scratch.Font.Color = platform::clBlack;
    scratch.Brush.Style = platform::BrushStyle::Clear;
    scratch.TextOut(0, 0, text);
    // Turned pixel by pixel at the picture's own resolution.
    const int ox = platform::toDevice(x, ratio);
    const int oy = platform::toDevice(y, ratio);
    const QRgb ink = platform::toQRgb(canvas.Font.Color);
    for (int ty = 0; ty < upright.PixelHeight(); ++ty) {
        const QRgb* row = upright.ScanLine(ty);
        for (int tx = 0; tx < upright.PixelWidth(); ++tx) {
            const int px = ox + ty;
            const int py = oy - 1 - tx;
            if ((row[tx] & 0xFFFFFF) == 0 && px >= 0 && py >= 0 && px < target.PixelWidth() && py < target.PixelHeight())
                target.ScanLine(py)[px] = ink;
        }
    }
}

void TkvSkinGauge::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    platform::TCanvas& canvas = bitmap.Canvas();
    const TRect all{0, 0, width(), height()};
    fillRect(canvas, all, platform::clWindow);
    frameRect(canvas, all, platform::clBtnShadow);
    const TRect progress = CalcProgressRect({1, 1, width() - 1, height() - 1});
    if (!isNullRect(progress))
        fillRect(canvas, progress, kHotFill);
    DrawProgressText(canvas);
}

} // namespace skin
