#include "skin/controls/TkvSkinCustomControl.h"

#include "skin/controls/DefaultLook.h"
#include "skin/data/SkinCutImage.h"

namespace skin {

TkvSkinCustomControl::TkvSkinCustomControl(QWidget* parent) : TkvSkinControl(parent) {}

void TkvSkinCustomControl::SetDefaultFont(const platform::TFont& value)
{
    if (m_defaultFont == value)
        return;
    m_defaultFont = value;
    DefaultFontChange();
    if (!hasRecord())
        update();
}

void TkvSkinCustomControl::SetDefaultWidth(int value)
{
    m_defaultWidth = value;
    if (!hasRecord() && value > 0)
        setSize(value, height());
}

void TkvSkinCustomControl::SetDefaultHeight(int value)
{
    m_defaultHeight = value;
    if (!hasRecord() && value > 0)
        setSize(width(), value);
}

void TkvSkinCustomControl::SetUseSkinFont(bool value)
{
    if (m_useSkinFont == value)
        return;
    m_useSkinFont = value;
    update();
}

void TkvSkinCustomControl::GetSkinData()
{
    TkvSkinControl::GetSkinData();
    const auto* copy = record<TkvDataSkinCustomControl>();
    if (!copy) {
        m_resizeMode = ResizeMode::None;
        return;
    }
    m_cut = cutOfRecord(*copy);
    m_skinRect = copy->skinrect;
    m_resizeMode = resizeModeOf(copy->skinrect, m_cut);
}

void TkvSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    const QSize before = size();
    if (!hasRecord()) {
        setSize(m_defaultWidth > 0 ? m_defaultWidth : width(), m_defaultHeight > 0 ? m_defaultHeight : height());
    } else {
        refit();
    }
    if (size() == before) {
        SetControlRegion();
        update();
    }
}

QRect TkvSkinCustomControl::fitBounds(const QRect& requested)
{
    GetSkinData();
    if (!hasRecord())
        return requested;
    int width = requested.width();
    int height = requested.height();
    CalcSize(width, height);
    return QRect(requested.topLeft(), QSize(width, height));
}

void TkvSkinCustomControl::sizeChanged()
{
    // A control that lost its record (and took its default size) must not
    // keep the outline of the record it had.
    SetControlRegion();
    if (hasRecord())
        update();
}

void TkvSkinCustomControl::CalcSize(int& width, int& height)
{
    if (GetResizeMode() == ResizeMode::None)
        return;
    const CutTarget fitted = fitCut(m_cut, m_resizeMode, QSize(width, height));
    width = fitted.width;
    height = fitted.height;
}

CutTarget TkvSkinCustomControl::currentTarget() const { return fitCut(m_cut, GetResizeMode(), size()); }

void TkvSkinCustomControl::SetControlRegion()
{
    std::optional<QRegion> region;
    if (hasRecord() && !skinMask().Empty())
        region = cutRegion(skinMask(), m_cut, m_resizeMode, currentTarget());
    // Without a mask picture the control is rectangular.
    if (region)
        setMask(*region);
    else if (!mask().isEmpty())
        clearMask();
}

platform::TRect TkvSkinCustomControl::RealClientRect() const
{
    if (GetResizeMode() == ResizeMode::None)
        return {0, 0, width(), height()};
    return currentTarget().client;
}

platform::TRect TkvSkinCustomControl::GetNewRect(const platform::TRect& r) const
{
    return moveRectToSize(m_cut, GetResizeMode(), r, size());
}

void TkvSkinCustomControl::CreateSkinControlImage(platform::TBitmap& bitmap, const platform::TRect& r) const
{
    composeCutImage(bitmap, skinPicture(), r, m_cut, GetResizeMode(), currentTarget());
}

void TkvSkinCustomControl::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    CreateSkinControlImage(bitmap, m_skinRect);
}

void TkvSkinCustomControl::DefaultFontChange() {}

void TkvSkinCustomControl::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    fillRect(bitmap.Canvas(), RealClientRect(), platform::clBtnFace);
}

} // namespace skin
