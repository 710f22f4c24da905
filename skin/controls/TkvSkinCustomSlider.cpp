#include "skin/controls/TkvSkinCustomSlider.h"

#include "skin/controls/DefaultLook.h"
#include "skin/controls/SliderPictures.h"
#include "platform/RegionPaint.h"
#include "skin/data/SkinImageBuilders.h"

#include <algorithm>

// Values, the value-to-pixel mapping and the layout of the slider.
namespace skin {

using platform::TRect;

TkvSkinCustomSlider::TkvSkinCustomSlider(QWidget* parent) : TkvSkinControl(parent)
{
    SetSkinDataName(QStringLiteral("slider"));
    acceptRecords<TkvDataSkinSlider>();
    setFocusPolicy(Qt::StrongFocus);
    m_trackTimer.setObjectName(QStringLiteral("track"));
    m_trackTimer.setInterval(400);
    connect(&m_trackTimer, &QTimer::timeout, this, [this] { TimerTrack(); });
    for (int slot = 0; slot < kImageCount; ++slot)
        loadBuiltInImage(ImageSlot(slot));
    setSize(150, 40);
    AdjustElements();
}

void TkvSkinCustomSlider::loadBuiltInImage(ImageSlot slot)
{
    switch (slot) {
    case kHThumb: sliderpictures::drawHThumb(m_images[slot]); break;
    case kHRuler: sliderpictures::drawHRuler(m_images[slot]); break;
    case kVThumb: sliderpictures::drawVThumb(m_images[slot]); break;
    case kVRuler: sliderpictures::drawVRuler(m_images[slot]); break;
    case kImageCount: break;
    }
}

void TkvSkinCustomSlider::setImage(ImageSlot slot, const platform::TBitmap* value)
{
    if (value && !value->Empty()) {
        m_images[slot].Assign(*value);
        m_userImages |= 1u << slot;
    } else {
        loadBuiltInImage(slot);
        m_userImages &= ~(1u << slot);
        const bool thumb = slot == kHThumb || slot == kVThumb;
        m_options &= ~TkvSliderOptions(thumb ? TkvSliderOption::soThumbOpaque : TkvSliderOption::soRulerOpaque);
    }
    AdjustElements();
}

void TkvSkinCustomSlider::SetRange(int min, int max)
{
    if (min >= max)
        return;
    m_minValue = min;
    m_maxValue = max;
    if (max < min + m_increment)
        m_increment = max - min;
    if (m_options & TkvSliderOption::soShowPoints)
        update();
    SetValue(m_value);
    RangeChanged();
}

void TkvSkinCustomSlider::SetValue(int value)
{
    value = std::max(std::min(value, m_maxValue), m_minValue);
    const int previous = m_value;
    m_value = value;
    SetThumbOffset(GetOffsetByValue(value));
    if (previous != m_value)
        Change();
}

void TkvSkinCustomSlider::SetIncrement(int value)
{
    if (value <= 0 || value == m_increment)
        return;
    m_increment = value;
    update();
    SetValue(m_value);
}

void TkvSkinCustomSlider::SetOrientation(TkvSliderOrientation value)
{
    if (m_orientation == value)
        return;
    m_orientation = value;
    AdjustElements();
}

void TkvSkinCustomSlider::SetOptions(TkvSliderOptions value)
{
    if (m_options == value)
        return;
    m_options = value;
    update();
}

void TkvSkinCustomSlider::SetEdgeSize(int value)
{
    const platform::TBitmap& ruler = rulerSource();
    const int length = horizontal() ? ruler.Width() : ruler.Height();
    if (value == m_edgeSize || value < 0 || 2 * value >= length)
        return;
    m_edgeSize = value;
    AdjustElements();
}

void TkvSkinCustomSlider::SetNumThumbStates(int value)
{
    value = std::clamp(value, 1, 2);
    if (m_numThumbStates == value)
        return;
    m_numThumbStates = value;
    AdjustElements();
}

void TkvSkinCustomSlider::SetTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    update();
}

void TkvSkinCustomSlider::SetUseSkinThumb(bool value)
{
    if (m_useSkinThumb == value)
        return;
    m_useSkinThumb = value;
    AdjustElements();
}

void TkvSkinCustomSlider::SetColor(platform::TColor value)
{
    if (m_color == value)
        return;
    m_color = value;
    update();
}

void TkvSkinCustomSlider::SetReadOnly(bool value)
{
    if (m_readOnly == value)
        return;
    if (value) {
        StopTracking();
        if (m_thumb.captured())
            ThumbMouseUp(nullptr);
    }
    m_readOnly = value;
}

void TkvSkinCustomSlider::ChangeSkinData() { AdjustElements(); }

const TRect* TkvSkinCustomSlider::skinThumbRect() const
{
    const auto* slider = record<TkvDataSkinSlider>();
    if (!slider || !m_useSkinThumb)
        return nullptr;
    return horizontal() ? &slider->hthumbrect : &slider->vthumbrect;
}

// A record's thumb rectangle holds the normal and the pressed thumb side by side.
int TkvSkinCustomSlider::thumbWidth() const
{
    const TRect* skin = skinThumbRect();
    return skin ? skin->width() / 2 : thumbImage().Width() / m_numThumbStates;
}

int TkvSkinCustomSlider::thumbHeight() const
{
    const TRect* skin = skinThumbRect();
    return skin ? skin->height() : thumbImage().Height();
}

int TkvSkinCustomSlider::start() const
{
    const TRect s = GetSliderRect();
    return (horizontal() ? s.left : s.top) + 6;
}

int TkvSkinCustomSlider::GetRulerLength() const
{
    return horizontal() ? m_rulerImage.Width() - thumbWidth() : m_rulerImage.Height() - thumbHeight();
}

int TkvSkinCustomSlider::GetOffsetByValue(int value) const
{
    const TRect s = GetSliderRect();
    const double range = m_maxValue - m_minValue;
    int offset = roundEven(GetRulerLength() * (double(value - m_minValue) / range)) + start();
    if (!horizontal())
        offset = s.top + s.bottom - offset - thumbHeight();
    return std::max(offset, start());
}

int TkvSkinCustomSlider::GetValueByOffset(int offset) const
{
    const TRect s = GetSliderRect();
    if (!horizontal())
        offset = height() - offset - thumbHeight();
    const int length = GetRulerLength();
    if (length <= 0)
        return m_minValue;
    int r = roundEven(double(offset - s.left - 6) * (m_maxValue - m_minValue) / length);
    if (!(m_options & TkvSliderOption::soSmooth))
        r = roundEven(double(r) / m_increment) * m_increment;
    return std::min(std::max(r, 0) + m_minValue, m_maxValue);
}

QPoint TkvSkinCustomSlider::GetThumbPosition(int& offset) const
{
    const int first = start();
    const int last = first + GetRulerLength();
    offset = std::clamp(offset, first, std::max(first, last));
    offset = std::min(GetOffsetByValue(GetValueByOffset(offset)), last);
    return horizontal() ? QPoint(offset, m_thumbBounds.top) : QPoint(m_thumbBounds.left, offset);
}

void TkvSkinCustomSlider::invalidateThumb()
{
    platform::updatePart(*this, {m_thumbBounds.left, m_thumbBounds.top, m_thumbBounds.width(), m_thumbBounds.height()});
}

void TkvSkinCustomSlider::SetThumbOffset(int offset)
{
    const QPoint position = GetThumbPosition(offset);
    invalidateThumb();
    m_thumbBounds = platform::Bounds(position.x(), position.y(), m_thumbBounds.width(), m_thumbBounds.height());
    invalidateThumb();
    if (m_thumb.captured()) {
        const int value = GetValueByOffset(offset);
        if (value != m_value) {
            m_value = value;
            Change();
        }
    }
}

void TkvSkinCustomSlider::BuildRuler()
{
    const platform::TBitmap& source = rulerSource();
    const TRect s = GetSliderRect();
    const int a = horizontal() ? source.Width() : source.Height();
    const int n = std::max(0, horizontal() ? s.width() - 12 : s.height() - 12);
    if (horizontal())
        m_rulerImage.SetSize(n, source.Height());
    else
        m_rulerImage.SetSize(source.Width(), n);
    if (n == 0)
        return;
    // Copies units [from, from + count) of the source to unit `at` of the ruler.
    auto copy = [&](int from, int count, int at) {
        count = std::min(count, n - at);
        if (count <= 0)
            return;
        if (horizontal())
            m_rulerImage.Canvas().CopyRect({at, 0, at + count, source.Height()}, source.Canvas(),
                {from, 0, from + count, source.Height()});
        else
            m_rulerImage.Canvas().CopyRect({0, at, source.Width(), at + count}, source.Canvas(),
                {0, from, source.Width(), from + count});
    };
    const int e = m_edgeSize;
    const int m = a - 2 * e;
    copy(0, a - e, 0);
    if (m <= 0 || n < 2 * e)
        return;
    const int pieces = (n - 2 * e) / m + 1;
    const int rest = (n - 2 * e) % m;
    for (int i = 1; i < pieces - 1; ++i)
        copy(e, m, e + i * m);
    if (pieces - 1 > 0)
        copy(a - (e + rest), e + rest, e + (pieces - 1) * m);
}

void TkvSkinCustomSlider::BuildSkinRuler()
{
    const auto* slider = record<TkvDataSkinSlider>();
    const TRect s = GetSliderRect();
    const int e = slider->edgesize;
    if (horizontal())
        CreateHSkinImage(e, e, m_rulerImage, skinPicture(), slider->hrulerrect, std::max(0, s.width() - 12), 0);
    else
        CreateVSkinImage(e, e, m_rulerImage, skinPicture(), slider->vrulerrect, 0, std::max(0, s.height() - 12));
}

void TkvSkinCustomSlider::AdjustElements()
{
    GetSkinData();
    const int remembered = m_value;
    if (hasRecord())
        BuildSkinRuler();
    else
        BuildRuler();
    const TRect s = GetSliderRect();
    const int tw = thumbWidth();
    const int th = thumbHeight();
    const int rw = m_rulerImage.Width();
    const int rh = m_rulerImage.Height();
    if (horizontal()) {
        if (rh < th) {
            m_thumbBounds = platform::Bounds(s.left + 6, s.top + 6, tw, th);
            m_rulerOrigin = {s.left + 6, s.top + 6 + (th - rh) / 2};
            m_tickArea = {m_rulerOrigin.x, s.top + 6 + th + 1, m_rulerOrigin.x + rw, s.bottom - s.top - 1};
        } else {
            m_thumbBounds = platform::Bounds(s.left + 6, s.top + 6 + (rh - th) / 2, tw, th);
            m_rulerOrigin = {s.left + 6, s.top + 6};
            m_tickArea = {m_rulerOrigin.x, s.top + 6 + rh + 1, m_rulerOrigin.x + rw, s.bottom - s.top - 1};
        }
    } else {
        if (tw > rw) {
            m_thumbBounds = platform::Bounds(s.left + 6, s.top + 6, tw, th);
            m_rulerOrigin = {s.left + 6 + (tw - rw) / 2, s.top + 6};
            m_tickArea = {s.left + 6 + tw + 1, m_rulerOrigin.y, s.right - s.left - 1, m_rulerOrigin.y + rh};
        } else {
            m_thumbBounds = platform::Bounds(s.left + 6 + (rw - tw) / 2, s.top + 6, tw, th);
            m_rulerOrigin = {s.left + 6, s.top + 6};
            m_tickArea = {s.left + 6 + rw + 1, m_rulerOrigin.y, s.right - s.left - 1, m_rulerOrigin.y + rh};
        }
    }
    SetValue(remembered);
    update();
}

void TkvSkinCustomSlider::ThumbJump(TkvJumpMode mode)
{
    int value = m_value;
    const int steps = roundEven(double(m_value) / m_increment) * m_increment;
    switch (mode) {
    case TkvJumpMode::jmHome: value = m_minValue; break;
    case TkvJumpMode::jmEnd: value = m_maxValue; break;
    case TkvJumpMode::jmNext: value = steps + m_increment; break;
    case TkvJumpMode::jmPrior: value = steps - m_increment; break;
    case TkvJumpMode::jmNone: return;
    }
    value = std::clamp(value, m_minValue, m_maxValue);
    if (value != m_value)
        SetValue(value);
}

void TkvSkinCustomSlider::Change() { raiseEvent(OnChange, this); }

void TkvSkinCustomSlider::Changed() { raiseEvent(OnChanged, this); }

} // namespace skin
