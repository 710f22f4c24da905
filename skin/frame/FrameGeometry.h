#pragma once

#include "skin/data/SkinTypes.h"

#include <QPoint>
#include <QRegion>
#include <QSize>

#include <vector>

namespace skin {

class TkvSkinData;

// Answers of the frame's hit test, numbered as the platform numbers its
// non-client areas.
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
// Frame areas that belong to the frame objects.
constexpr int HTOBJECT = 19;

// Metrics of the frame drawn without a skin.
constexpr int kDefCaptionHeight = 19;
constexpr int kDefButtonSize = 17;
constexpr int kDefBorder = 3;

// The [FORMINFO] geometry of a skin moved to a frame of width x height.
// The unscaled points and the picture size are kept for placing objects.
struct FrameGeometry {
    int width = 0;
    int height = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    TPoint skinLeftTop;
    TPoint skinRightTop;
    TPoint skinLeftBottom;
    TPoint skinRightBottom;

    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;
    TRect captionrect;
    TRect buttonsrect;
    int buttonsoffset = 0;
    bool buttonsinleft = false;
    TRect maskrectarea;
    TPoint hitLeftTop;
    TPoint hitRightTop;
    TPoint hitLeftBottom;
    TPoint hitRightBottom;

    int dx() const { return width - pictureWidth; }
    int dy() const { return height - pictureHeight; }
};

FrameGeometry CalcRects(const TkvSkinData& skin, int width, int height);

// A record rectangle of the main picture placed on the window by the zone
// rules of the frame's corners.
TRect CalcRealObjectRect(const FrameGeometry& g, const TRect& r);

// What the hit test needs to know about the window at one moment.
struct HitTestState {
    int width = 0;
    int height = 0;
    bool rolledUp = false;
    bool minimized = false;
    bool maximized = false;
    bool sizeable = false;
    bool inSizeMove = false;
    bool objectHovered = false;
    int borderwidth = 0;
    // ObjectRects of the caption objects.
    std::vector<TRect> captions;
    // The window region; without one the window is its rectangle.
    const QRegion* mask = nullptr;
};

// The skinned frame's answer for window point p.
int NewNCHitTest(const FrameGeometry& g, const HitTestState& s, QPoint p);
// The default frame's answer for window point p; captions holds its
// caption rectangle.
int DefaultNCHitTest(const HitTestState& s, QPoint p);

// The proposed top-left corner snapped to the edges of workArea within
// distance; size is the window's.
QPoint DoMagnetic(QPoint proposed, QSize size, const TRect& workArea, int distance);

} // namespace skin
