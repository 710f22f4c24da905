#pragma once

#include "skin/frame/FrameGeometry.h"

#include <QBrush>
#include <QImage>
#include <QSize>

#include <memory>
#include <vector>

class QPainter;
class QRegion;
class QString;

namespace skin {

class TkvActiveSkinObject;
class TkvSkinData;

enum class FrameActivity { Inactive, Active };

// Draws the frame from the state it is handed: the skin's bands with the
// objects on them, the plain frame without a skin, and the client area's
// background, whose tile it keeps until the skin changes.
class FramePainter {
public:
    // What the frame looks like now.
    struct Frame {
        QSize size;
        const FrameGeometry& geometry;
        const std::vector<std::unique_ptr<TkvActiveSkinObject>>& objects;
        FrameActivity activity;
    };

    void paintSkin(QPainter& painter, const QRegion& region, const Frame& frame, const TkvSkinData& skin);
    void paintDefault(QPainter& painter, const QRegion& region, const Frame& frame, const QString& title);
    // skinInUse: nullptr without a skin. The logo, if any, is drawn
    // centred in the client area of the given size.
    void paintClient(QPainter& painter, const QRegion& region, const TkvSkinData* skinInUse, QSize client);
    // The picture drawn centred in the client background; with transparent
    // its colour at the bottom-left corner is left out. An empty picture
    // draws none.
    void setLogo(const QImage& logo, bool transparent);
    // The client tile came from a skin that is changing or gone.
    void dropClientTile() { m_clientBrush = QBrush(); }

private:
    // The client background tile of the skin; no style without one.
    QBrush m_clientBrush;
    QImage m_logo;
};

} // namespace skin
