#include "skin/controls/TkvSkinCustomControl.h"

#include "skin/controls/DefaultLook.h"

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

void TkvSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    const QSize before = size();
    if (!hasRecord()) {
        setSize(m_defaultWidth > 0 ? m_defaultWidth : width(), m_defaultHeight > 0 ? m_defaultHeight : height());
    } else {
        int w = width();
        int h = height();
        CalcSize(w, h);
        setSize(w, h);
    }
    if (size() == before) {
        SetControlRegion();
        update();
    }
}

void TkvSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    GetSkinData();
    const bool resized = width != this->width() || height != this->height();
    if (resized && hasRecord())
        CalcSize(width, height);
    TkvSkinControl::SetBounds(left, top, width, height);
    if (resized && hasRecord()) {
        SetControlRegion();
        update();
    }
}

void TkvSkinCustomControl::CalcSize(int&, int&) {}

void TkvSkinCustomControl::SetControlRegion()
{
    // Without a mask picture the control is rectangular.
    if (!mask().isEmpty())
        clearMask();
}

platform::TRect TkvSkinCustomControl::RealClientRect() const { return {0, 0, width(), height()}; }

void TkvSkinCustomControl::DefaultFontChange() {}

void TkvSkinCustomControl::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    fillRect(bitmap.Canvas(), RealClientRect(), platform::clBtnFace);
}

} // namespace skin
