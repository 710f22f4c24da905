#pragma once

#include "platform/Canvas.h"
#include "skin/data/SkinTypes.h"

#include <QString>

#include <functional>

class QObject;

namespace skin {

// The caption buttons and system-menu entries a frame offers; bits 0 to 4
// of TkvBorderIcons in this order.
enum class TkvBorderIcon { biSystemMenu = 0, biMinimize, biMaximize, biRollUp, biMinimizeToTray };

struct TkvBorderIcons {
    unsigned bits = 0;

    TkvBorderIcons() = default;
    TkvBorderIcons(std::initializer_list<TkvBorderIcon> icons)
    {
        for (const TkvBorderIcon icon : icons)
            bits |= 1u << unsigned(icon);
    }
    bool has(TkvBorderIcon icon) const { return bits & (1u << unsigned(icon)); }
    friend bool operator==(const TkvBorderIcons&, const TkvBorderIcons&) = default;
};

// The window's state as the frame keeps it.
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

using TkvNotifyEvent = std::function<void(QObject* Sender)>;
// A user object of the skin is to be drawn into Canvas at ObjectRect.
using TkvPaintEvent = std::function<void(const QString& IDName, platform::TCanvas& Canvas, const TRect& ObjectRect)>;
using TkvObjectEvent = std::function<void(const QString& IDName)>;
using TkvObjectMouseEvent
    = std::function<void(const QString& IDName, int X, int Y, const TRect& ObjectRect, Qt::MouseButton Button)>;
using TkvObjectMoveEvent = std::function<void(const QString& IDName, int X, int Y, const TRect& ObjectRect)>;
using TkvActivateCustomObjectEvent = std::function<void(const QString& IDName, bool& ObjectVisible)>;

} // namespace skin
