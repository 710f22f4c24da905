// The frame's geometry: object placement, the window region, the client
// rectangle and the hit test.

#include "skin/frame/FrameLayout.h"

#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameObjects.h"

#include <optional>

namespace skin {

SkinCut FrameLayout::frameCut(const TkvSkinData& skin, const TRect& client)
{
    return {QSize(skin.PictureBitmap.width(), skin.PictureBitmap.height()), client, skin.lefttoppoint,
        skin.righttoppoint, skin.leftbottompoint, skin.rightbottompoint};
}

void FrameLayout::layOutSkin(const TkvSkinData& skin, QSize size, Objects& objects, SysMenuFace face)
{
    m_geometry = CalcRects(skin, size.width(), size.height());
    placeObjects(objects, face);
}

void FrameLayout::placeObjects(Objects& objects, SysMenuFace face)
{
    for (const auto& object : objects) {
        if (!object->skinrectinapicture)
            object->ObjectRect = CalcRealObjectRect(m_geometry, object->skinrect);
    }
    const FrameGeometry& g = m_geometry;
    TRect row;
    bool rowIsCaption = false;
    if (!isNullRect(g.buttonsrect)) {
        row = g.buttonsrect;
    } else if (!isNullRect(g.captionrect)) {
        row = g.captionrect;
        rowIsCaption = true;
    } else {
        return;
    }
    const int y = row.top;
    TkvSkinCaptionObject* caption = nullptr;
    for (const auto& object : objects) {
        if (!caption)
            caption = dynamic_cast<TkvSkinCaptionObject*>(object.get());
    }
    // Caption buttons and animations drawn from the active picture stand in
    // the row; those the window does not offer are invisible and take no room.
    const auto inRow = [](const TkvActiveSkinObject& o, TkvStdCommand command) {
        return o.visible && o.skinrectinapicture && o.windowCommand() == command;
    };
    const auto find = [&](TkvStdCommand command) -> TkvActiveSkinObject* {
        for (const auto& object : objects) {
            if (inRow(*object, command))
                return object.get();
        }
        return nullptr;
    };
    std::vector<TkvActiveSkinObject*> rowButtons;
    for (const TkvStdCommand command : {TkvStdCommand::cmClose, TkvStdCommand::cmMaximize, TkvStdCommand::cmMinimize,
             TkvStdCommand::cmRollUp, TkvStdCommand::cmMinimizeToTray}) {
        if (auto* b = find(command))
            rowButtons.push_back(b);
    }
    for (const auto& object : objects) {
        if (inRow(*object, TkvStdCommand::cmDefault))
            rowButtons.push_back(object.get());
    }
    TkvActiveSkinObject* sysMenu = find(TkvStdCommand::cmSysMenu);
    const auto sizeOf = [face](const TkvActiveSkinObject* b) {
        if (b->windowCommand() == TkvStdCommand::cmSysMenu && face == SysMenuFace::Icon)
            return QSize(kSmallIconSize, kSmallIconSize);
        return QSize(b->skinrect.width(), b->skinrect.height());
    };
    if (!g.buttonsinleft) {
        int x = row.right;
        for (auto* b : rowButtons) {
            const QSize s = sizeOf(b);
            b->ObjectRect = {x - s.width(), y, x, y + s.height()};
            x -= s.width() + g.buttonsoffset;
        }
        if (rowIsCaption && caption)
            caption->ObjectRect.right = x + g.buttonsoffset;
        if (sysMenu) {
            const QSize s = sizeOf(sysMenu);
            const int sx = g.captionrect.left;
            const int t = g.captionrect.top + g.captionrect.height() / 2 - s.height() / 2;
            sysMenu->ObjectRect = {sx, t, sx + s.width(), t + s.height()};
            if (caption)
                caption->ObjectRect.left = sx + s.width();
        }
    } else {
        int x = row.left;
        for (auto* b : rowButtons) {
            const QSize s = sizeOf(b);
            b->ObjectRect = {x, y, x + s.width(), y + s.height()};
            x += s.width() + g.buttonsoffset;
        }
        if (rowIsCaption && sysMenu) {
            const QSize s = sizeOf(sysMenu);
            sysMenu->ObjectRect = {x, y, x + s.width(), y + s.height()};
            x += s.width() + g.buttonsoffset;
        }
        if (rowIsCaption && caption)
            caption->ObjectRect.left = x + g.buttonsoffset;
    }
}

void FrameLayout::layOutDefault(QSize size, Objects& objects, SysMenuFace face)
{
    const int w = size.width();
    int x = w - kDefBorder;
    const int top = 4;
    TkvSkinStdButtonObject* sysMenu = nullptr;
    for (const TkvStdCommand command : {TkvStdCommand::cmClose, TkvStdCommand::cmMaximize, TkvStdCommand::cmMinimize,
             TkvStdCommand::cmRollUp, TkvStdCommand::cmMinimizeToTray, TkvStdCommand::cmSysMenu}) {
        for (const auto& object : objects) {
            auto* b = dynamic_cast<TkvSkinStdButtonObject*>(object.get());
            if (!b || b->command != command || !b->visible)
                continue;
            if (command == TkvStdCommand::cmSysMenu) {
                sysMenu = b;
            } else {
                b->ObjectRect = {x - kDefButtonSize, top, x, top + kDefButtonSize};
                x -= kDefButtonSize;
            }
            break;
        }
    }
    int left = kDefBorder;
    if (sysMenu) {
        const int side = face == SysMenuFace::Icon ? kSmallIconSize : kDefButtonSize;
        sysMenu->ObjectRect = {left, top, left + side, top + side};
        left += side;
    }
    m_geometry = {};
    m_geometry.width = w;
    m_geometry.height = size.height();
    m_geometry.captionrect = {left, kDefBorder, x, kDefCaptionHeight + kDefBorder};
}

RegionChange FrameLayout::updateRegion(const TkvSkinData* skin, QSize size)
{
    const platform::TBitmap* mask = skin ? skin->decodedMask() : nullptr;
    std::optional<QRegion> region;
    if (mask) {
        const SkinCut cut = frameCut(*skin, skin->maskrectarea);
        region = CreateSkinRegion(cut, stretchedTarget(cut, size.width(), size.height()), *mask);
    }
    if (!region) {
        const bool had = m_hasRegion;
        dropRegion();
        return had ? RegionChange::Cleared : RegionChange::Unchanged;
    }
    if (m_hasRegion && *region == m_region)
        return RegionChange::Unchanged;
    m_region = *region;
    m_hasRegion = true;
    return RegionChange::Set;
}

void FrameLayout::dropRegion()
{
    m_hasRegion = false;
    m_region = {};
}

TRect FrameLayout::clientRect(const TkvSkinData* skin, QSize size) const
{
    TRect r = skin ? m_geometry.clientrect
                   : TRect{kDefBorder, kDefCaptionHeight + kDefBorder, size.width() - kDefBorder,
                         size.height() - kDefBorder};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int FrameLayout::hitTest(HitTestState s, const TkvSkinData* skin, const Objects& objects, QPoint p) const
{
    if (!skin) {
        s.captions.push_back(m_geometry.captionrect);
        return DefaultNCHitTest(s, p);
    }
    s.borderwidth = clampCoordinate(skin->borderwidth);
    s.mask = m_hasRegion ? &m_region : nullptr;
    for (const auto& object : objects) {
        if (dynamic_cast<const TkvSkinCaptionObject*>(object.get()))
            s.captions.push_back(object->ObjectRect);
    }
    return NewNCHitTest(m_geometry, s, p);
}

QPoint FrameLayout::snapped(QPoint proposed, QSize size, const TRect& workArea, int distance)
{
    return DoMagnetic(proposed, size, workArea, distance);
}

} // namespace skin
