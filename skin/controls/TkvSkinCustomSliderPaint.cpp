#include "skin/controls/TkvSkinCustomSlider.h"

#include "skin/controls/DefaultLook.h"

// Drawing of the slider: background, ruler, focus, tick marks and thumb.
namespace skin {

using platform::TRect;

SliderFace TkvSkinCustomSlider::face() const
{
    SliderFace f;
    f.thumb = m_thumb.face();
    f.showFocus = (m_options & TkvSliderOption::soShowFocus) && m_thumb.focused();
    return f;
}

void TkvSkinCustomSlider::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    Look look;
    look.background = m_color;
    look.rulerOpaque = bool(m_options & TkvSliderOption::soRulerOpaque);
    look.thumbPicture = &thumbImage();
    look.thumbSource = {0, 0, thumbImage().Width(), thumbImage().Height()};
    look.thumbStates = m_numThumbStates;
    look.thumbOpaque = bool(m_options & TkvSliderOption::soThumbOpaque);
    paintFace(bitmap, look);
}

void TkvSkinCustomSlider::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    const auto* slider = record<TkvDataSkinSlider>();
    Look look;
    look.background = slider->bgcolor;
    if (const TRect* thumb = skinThumbRect()) {
        look.thumbPicture = &skinPicture();
        look.thumbSource = *thumb;
        look.thumbStates = 2;
        look.keyPerState = true;
    } else {
        look.thumbPicture = &thumbImage();
        look.thumbSource = {0, 0, thumbImage().Width(), thumbImage().Height()};
        look.thumbStates = m_numThumbStates;
        look.thumbOpaque = bool(m_options & TkvSliderOption::soThumbOpaque);
    }
    paintFace(bitmap, look);
}

platform::TColor TkvSkinCustomSlider::pointsColour() const
{
    const auto* slider = record<TkvDataSkinSlider>();
    return slider ? slider->pointscolor : platform::clWindowText;
}

void TkvSkinCustomSlider::paintFace(platform::TBitmap& bitmap, const Look& look)
{
    const SliderFace sliderFace = face();
    platform::TCanvas& canvas = bitmap.Canvas();
    QWidget* parent = parentWidget();
    if (m_transparent && parent) {
        // The parent's own face under the slider, without its other children.
        QImage under(bitmap.PixelWidth(), bitmap.PixelHeight(), QImage::Format_RGB32);
        under.setDevicePixelRatio(bitmap.Ratio());
        under.fill(platform::toQRgb(platform::clBtnFace));
        parent->render(&under, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
        bitmap.setPixels(under);
    } else {
        fillRect(canvas, {0, 0, width(), height()}, look.background);
    }

    const platform::TBitmap& ruler = m_rulerImage;
    if (!ruler.Empty()) {
        const TRect all{0, 0, ruler.Width(), ruler.Height()};
        if (look.rulerOpaque)
            canvas.CopyRect(platform::Bounds(m_rulerOrigin.x, m_rulerOrigin.y, ruler.Width(), ruler.Height()),
                ruler.Canvas(), all);
        else
            canvas.DrawTransparent(m_rulerOrigin.x, m_rulerOrigin.y, ruler, all,
                ruler.Canvas().Pixels(0, ruler.Height() - 1));
    }

    if (sliderFace.showFocus) {
        const TRect s = GetSliderRect();
        drawFocusRect(canvas, {s.left + 2, s.top + 2, s.right - 2, s.bottom - 2});
    }
    if (m_options & TkvSliderOption::soShowPoints) {
        if (OnDrawPoints)
            OnDrawPoints(this, canvas, m_tickArea);
        else
            DefaultDrawPoints(canvas);
    }
    DrawThumb(canvas, sliderFace, look);
}

void TkvSkinCustomSlider::DefaultDrawPoints(platform::TCanvas& canvas) { InternalDrawPoints(canvas, m_increment, 5, 3); }

void TkvSkinCustomSlider::InternalDrawPoints(platform::TCanvas& canvas, int Step, int EndLength, int MidLength)
{
    const int length = GetRulerLength();
    const int range = m_maxValue - m_minValue;
    if (Step <= 0 || length <= 0 || range <= 0)
        return;
    // The smallest multiple of Step whose ticks stand at least 4 pixels apart.
    int every = Step;
    int count = 1;
    for (int k = 1;; ++k) {
        every = Step * k;
        count = roundEven(double(range) / every) + 1;
        const int spacing = count <= 1 ? length : length / (count - 1);
        if (spacing >= 4 || spacing >= length)
            break;
    }
    const platform::TColor colour = pointsColour();
    for (int i = 0; i < count; ++i) {
        const int value = i == count - 1 ? m_maxValue : m_minValue + i * every;
        const int tickLength = (value == m_minValue || value == m_maxValue) ? EndLength : MidLength;
        const int offset = GetOffsetByValue(value);
        if (horizontal()) {
            const int x = offset + thumbWidth() / 2;
            fillRect(canvas, {x, m_tickArea.top, x + 1, m_tickArea.top + tickLength}, colour);
        } else {
            const int y = offset + thumbHeight() / 2;
            fillRect(canvas, {m_tickArea.left, y, m_tickArea.left + tickLength, y + 1}, colour);
        }
    }
}

void TkvSkinCustomSlider::DrawThumb(platform::TCanvas& canvas, const SliderFace& face, const Look& look)
{
    const platform::TBitmap& image = *look.thumbPicture;
    if (image.Empty() || isNullRect(look.thumbSource))
        return;
    const int w = look.thumbSource.width() / look.thumbStates;
    const int h = look.thumbSource.height();
    const bool second = look.thumbStates == 2 && (face.thumb.look == PartLook::Pressed || face.thumb.disabled);
    const int left = look.thumbSource.left + (second ? w : 0);
    const TRect source{left, look.thumbSource.top, left + w, look.thumbSource.bottom};
    if (look.thumbOpaque)
        canvas.CopyRect(platform::Bounds(m_thumbBounds.left, m_thumbBounds.top, w, h), image.Canvas(), source);
    else
        canvas.DrawTransparent(m_thumbBounds.left, m_thumbBounds.top, image, source,
            look.keyPerState ? image.Canvas().Pixels(source.left, source.bottom - 1)
                             : image.Canvas().Pixels(look.thumbSource.left, look.thumbSource.bottom - 1));
}

} // namespace skin
