#include "skin/controls/SkinChange.h"

#include "skin/controls/SkinLink.h"
#include "skin/data/SkinMessages.h"

#include <QPointer>
#include <QWidget>

namespace skin {

bool forwardSkinMessage(QWidget* root, QEvent* event)
{
    if (!isSkinDataMessage(event) || int(event->type()) == SKINMSG_RESSTRCHANGE)
        return false;
    const auto* message = static_cast<TkvSkinMessageEvent*>(event);
    QList<QPointer<QWidget>> widgets{root};
    for (QWidget* child : root->findChildren<QWidget*>())
        widgets.append(child);
    // A control may create or delete others while it refits (a list box
    // its scroll bar), so each is checked before it is called.
    for (const QPointer<QWidget>& widget : widgets) {
        auto* link = dynamic_cast<SkinLink*>(widget.data());
        if (!link || link->SkinData() != message->WParam())
            continue;
        switch (message->message()) {
        case SKINMSG_BEFORECHANGE: link->BeforeChangeSkinData(); break;
        case SKINMSG_CHANGE: link->ChangeSkinData(); break;
        case SKINMSG_AFTERCHANGE: link->AfterChangeSkinData(); break;
        default: break;
        }
    }
    return true;
}

} // namespace skin
