#include "skin/frame/SkinClient.h"

#include "skin/data/SkinMessages.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace skin {

void forwardSkinChange(QWidget* root, int message, const TkvSkinData* skinData)
{
    QList<QPointer<QWidget>> widgets{root};
    for (QWidget* child : root->findChildren<QWidget*>())
        widgets.append(child);
    for (const QPointer<QWidget>& widget : widgets) {
        auto* client = dynamic_cast<SkinClient*>(widget.data());
        if (!client || (skinData && client->SkinData() != skinData))
            continue;
        switch (message) {
        case SKINMSG_BEFORECHANGE: client->BeforeChangeSkinData(); break;
        case SKINMSG_CHANGE: client->ChangeSkinData(); break;
        case SKINMSG_AFTERCHANGE: client->AfterChangeSkinData(); break;
        default: break;
        }
    }
}

bool forwardSkinMessage(QWidget* root, QEvent* event)
{
    if (!isSkinDataMessage(event) || int(event->type()) == SKINMSG_RESSTRCHANGE)
        return false;
    const auto* message = static_cast<TkvSkinMessageEvent*>(event);
    forwardSkinChange(root, message->message(), message->WParam());
    return true;
}

} // namespace skin
