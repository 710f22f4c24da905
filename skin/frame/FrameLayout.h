#pragma once

#include "skin/data/SkinCut.h"
#include "skin/frame/FrameGeometry.h"

#include <QPoint>
#include <QRegion>
#include <QSize>

#include <memory>
#include <vector>

namespace skin {

class TkvActiveSkinObject;
class TkvSkinData;

// How the system-menu button shows: its skin face, or the window's 16 x 16
// icon in its place.
enum class SysMenuFace { Button, Icon };

// The side of the window's small icon.
inline constexpr int kSmallIconSize = 16;

// What the window region did on the last layout.
enum class RegionChange { Unchanged, Set, Cleared };

// The frame's geometry on a window of a given size: the skin's rectangles
// (or the plain frame's without a skin), where each object sits, the
// window region cut from the skin's mask, the client rectangle and the
// hit test. Painting and input both ask it.
class FrameLayout {
public:
    using Objects = std::vector<std::unique_ptr<TkvActiveSkinObject>>;

    // Lays the skin out on size and places objects.
    void layOutSkin(const TkvSkinData& skin, QSize size, Objects& objects, SysMenuFace face);
    // The plain frame: its caption, and its buttons along the top.
    void layOutDefault(QSize size, Objects& objects, SysMenuFace face);
    // The region skin's mask cuts at size; none without a skin or mask.
    RegionChange updateRegion(const TkvSkinData* skin, QSize size);
    // The window has no region any more.
    void dropRegion();
    const QRegion& region() const { return m_region; }

    const FrameGeometry& geometry() const { return m_geometry; }
    // Never inverted, however small size is.
    TRect clientRect(const TkvSkinData* skin, QSize size) const;
    // The hit-test code of window point p; s holds the window's side, the
    // layout adds the frame's.
    int hitTest(HitTestState s, const TkvSkinData* skin, const Objects& objects, QPoint p) const;
    // The skin's frame picture cut around client (its client rectangle or
    // its mask area).
    static SkinCut frameCut(const TkvSkinData& skin, const TRect& client);
    // The top-left corner proposed snapped to the work area's edges.
    static QPoint snapped(QPoint proposed, QSize size, const TRect& workArea, int distance);

private:
    void placeObjects(Objects& objects, SysMenuFace face);

    FrameGeometry m_geometry;
    QRegion m_region;
    bool m_hasRegion = false;
};

} // namespace skin
