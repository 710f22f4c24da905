#include "skin/controls/TkvSkinScrollBar.h"

#include "skin/controls/DefaultLook.h"

#include <algorithm>

// Values, geometry and drawing of the scroll bar.
namespace skin {

using platform::TRect;

namespace {

constexpr int kButton = 16;
constexpr int kMinThumb = 16;

} // namespace

TkvSkinScrollBar::TkvSkinScrollBar(QWidget* parent) : TkvSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("hscrollbar"));
    SetDefaultHeight(19);
    setSize(200, 19);
    setFocusPolicy(Qt::NoFocus);
    m_timer.setObjectName(QStringLiteral("repeat"));
    connect(&m_timer, &QTimer::timeout, this, [this] { timerTick(); });
    m_parts[kThumb].setRules({PressedLook::WhileDown, FocusLook::Pressed});
    // Held, an end button or the track repeats after 500 ms, then every 50 ms.
    constexpr RepeatTiming repeat{500, 50};
    for (Part button : {kIncrease, kDecrease})
        m_parts[button].setRepeat(&m_timer, repeat);
    m_page.setRepeat(&m_timer, repeat);
    setMouseTracking(true);
    acceptRecords<TkvDataSkinScrollBarControl>();
}

void TkvSkinScrollBar::SetKind(TScrollBarKind value)
{
    if (m_kind == value)
        return;
    m_kind = value;
    update();
}

int TkvSkinScrollBar::clampPosition(int value) const
{
    const int top = m_pageSize > 0 ? m_max - m_pageSize + 1 : m_max;
    return std::max(m_min, std::min(value, top));
}

void TkvSkinScrollBar::SetPosition(int value)
{
    value = clampPosition(value);
    if (value == m_position)
        return;
    m_position = value;
    update();
    raiseEvent(OnChange, this);
}

void TkvSkinScrollBar::SimplySetPosition(int value)
{
    value = clampPosition(value);
    if (value == m_position)
        return;
    m_position = value;
    update();
}

void TkvSkinScrollBar::SetMin(int value)
{
    if (m_min == value)
        return;
    m_min = value;
    if (m_position < value)
        m_position = value;
    update();
}

void TkvSkinScrollBar::SetMax(int value)
{
    if (m_max == value)
        return;
    m_max = value;
    // Keeps the page inside the range.
    if (m_max - m_min < m_pageSize + m_position)
        m_position = std::max(m_min, m_max - m_min - m_pageSize + 1);
    update();
}

void TkvSkinScrollBar::SetPageSize(int value)
{
    if (m_pageSize == value || m_max - m_min + 1 < value + m_position)
        return;
    m_pageSize = value;
    update();
}

void TkvSkinScrollBar::SetRange(int min, int max, int pageSize, int position)
{
    m_min = min;
    m_max = max;
    m_pageSize = pageSize;
    m_position = clampPosition(position);
    update();
}

void TkvSkinScrollBar::SetCanFocused(bool value)
{
    m_canFocused = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TkvSkinScrollBar::SetBoth(bool value)
{
    if (m_both == value)
        return;
    m_both = value;
    update();
}

void TkvSkinScrollBar::SetBothMarkerWidth(int value)
{
    if (m_bothMarkerWidth == value)
        return;
    m_bothMarkerWidth = value;
    update();
}

void TkvSkinScrollBar::CalcRects()
{
    const auto* bar = record<TkvDataSkinScrollBarControl>();
    int minThumb = kMinThumb;
    int thickness = 0;
    if (bar && hasRecord())
        recordRects(*bar, minThumb, thickness);
    else
        defaultRects();
    const int trackStart = horizontal() ? m_track.left : m_track.top;
    const int trackEnd = horizontal() ? m_track.right : m_track.bottom;
    const int trackLength = trackEnd - trackStart;

    int length = minThumb;
    if (m_pageSize != 0) {
        const int count = m_max - m_min + 1;
        length = count == 0 ? 0 : roundEven(double(trackLength) * m_pageSize / count);
        length = std::max(length, minThumb);
    }
    double ratio = 0.0;
    if (m_pageSize == 0) {
        ratio = m_max == m_min ? 0.0 : double(m_position - m_min) / (m_max - m_min);
    } else {
        const int denominator = m_max - m_pageSize + 1 - m_min;
        ratio = denominator > 0 ? double(m_position - m_min) / denominator : (horizontal() ? 1.0 : 0.0);
    }
    m_firstCentre = trackStart + length / 2;
    m_lastCentre = trackEnd - length / 2;
    m_thumbOffset = roundEven((m_lastCentre - m_firstCentre) * ratio);
    const int centre = m_firstCentre + m_thumbOffset;
    // An odd length loses one pixel. Across the bar the thumb fills the
    // track, or with a record is its picture's thickness centred on it.
    TRect& thumb = m_rects[kThumb];
    if (horizontal()) {
        thumb = {centre - length / 2, m_track.top, centre + length / 2, m_track.bottom};
        if (thickness > 0) {
            thumb.top = m_track.top + m_track.height() / 2 - thickness / 2;
            thumb.bottom = thumb.top + thickness;
        }
    } else {
        thumb = {m_track.left, centre - length / 2, m_track.right, centre + length / 2};
        if (thickness > 0) {
            thumb.left = m_track.left + m_track.width() / 2 - thickness / 2;
            thumb.right = thumb.left + thickness;
        }
    }
}

void TkvSkinScrollBar::defaultRects()
{
    const int w = width();
    const int h = height();
    if (horizontal()) {
        const int usable = m_both ? w - m_bothMarkerWidth : w;
        m_rects[kDecrease] = {1, 1, 1 + kButton, h - 1};
        m_rects[kIncrease] = {usable - 1 - kButton, 1, usable - 1, h - 1};
        m_track = {1 + kButton, 1, usable - 1 - kButton, h - 1};
    } else {
        m_rects[kDecrease] = {1, 1, w - 1, 1 + kButton};
        m_rects[kIncrease] = {1, h - 1 - kButton, w - 1, h - 1};
        m_track = {1, 1 + kButton, w - 1, h - 1 - kButton};
    }
}

void TkvSkinScrollBar::recordRects(const TkvDataSkinScrollBarControl& bar, int& minThumb, int& thickness)
{
    // The far end follows the size; a button past the stretch point moves with it.
    m_track = bar.trackarea;
    m_rects[kIncrease] = bar.upbuttonrect;
    m_rects[kDecrease] = bar.downbuttonrect;
    if (horizontal()) {
        const int grow = width() - bar.skinrect.width();
        m_track.right += grow;
        for (Part button : {kIncrease, kDecrease}) {
            TRect& r = m_rects[button];
            if (bar.righttoppoint.x < r.left) {
                r.left += grow;
                r.right += grow;
            }
        }
        minThumb = bar.thumbrect.width();
        thickness = bar.thumbrect.height();
    } else {
        const int grow = height() - bar.skinrect.height();
        m_track.bottom += grow;
        for (Part button : {kIncrease, kDecrease}) {
            TRect& r = m_rects[button];
            if (bar.leftbottompoint.y < r.top) {
                r.top += grow;
                r.bottom += grow;
            }
        }
        minThumb = bar.thumbrect.height();
        thickness = bar.thumbrect.width();
    }
}

TkvSkinScrollBar::Part TkvSkinScrollBar::partAt(int x, int y) const
{
    for (Part part : {kThumb, kIncrease, kDecrease})
        if (ptInRect(m_rects[part], QPoint(x, y)))
            return part;
    return kNone;
}

PartFace TkvSkinScrollBar::partFace(Part part) const
{
    if (part != kNone)
        return m_parts[part].face();
    // No part: the bar's own state without a look.
    const PressablePart& thumb = m_parts[kThumb];
    return {PartLook::Normal, !thumb.enabled(), thumb.focused()};
}

void TkvSkinScrollBar::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    CalcRects();
    platform::TCanvas& canvas = bitmap.Canvas();
    fillRect(canvas, {0, 0, width(), height()}, platform::clBtnFace);
    for (Part button : {kDecrease, kIncrease}) {
        const TRect& r = m_rects[button];
        drawPart(canvas, r, partFace(button).look);
        ArrowDirection direction = ArrowDirection::Down;
        if (horizontal())
            direction = button == kDecrease ? ArrowDirection::Left : ArrowDirection::Right;
        else
            direction = button == kDecrease ? ArrowDirection::Up : ArrowDirection::Down;
        drawArrow(canvas, r, direction, platform::clBlack);
    }
    const PartFace thumb = partFace(kThumb);
    if (!thumb.disabled)
        drawPart(canvas, m_rects[kThumb], thumb.look);
}

} // namespace skin
