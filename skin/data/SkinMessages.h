#pragma once

#include <QEvent>

namespace skin {

class TkvSkinData;

// Skin messages travel as synchronous custom events with these type
// numbers (user message base 1024 + offset).
constexpr int SKINMSG_BEFORECHANGE = 1225;
constexpr int SKINMSG_CHANGE = 1226;
constexpr int SKINMSG_AFTERCHANGE = 1227;
constexpr int SKINMSG_CLOSEMENU = 1228;
constexpr int SKINMSG_AFTERDISPATCH = 1229;
constexpr int SKINMSG_RESSTRCHANGE = 1274;

// A skin data message: WParam is the sending skin data, LParam is 1000.
// Receivers compare WParam with their own skin data.
class TkvSkinMessageEvent : public QEvent {
public:
    TkvSkinMessageEvent(int message, TkvSkinData* skinData)
        : QEvent(QEvent::Type(message))
        , m_skinData(skinData)
    {
    }

    int message() const { return int(type()); }
    TkvSkinData* WParam() const { return m_skinData; }
    qintptr LParam() const { return 1000; }

private:
    TkvSkinData* m_skinData;
};

inline bool isSkinDataMessage(const QEvent* event)
{
    const int t = int(event->type());
    return t == SKINMSG_BEFORECHANGE || t == SKINMSG_CHANGE || t == SKINMSG_AFTERCHANGE || t == SKINMSG_RESSTRCHANGE;
}

} // namespace skin
