// The frame's objects as a list: making them, the buttons' visibility,
// and what happens to all of them at once.

#include "skin/frame/FrameObjectList.h"

#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameObjects.h"

namespace skin {

void FrameObjectList::load(TkvSorvane& owner, const TkvSkinData& skin)
{
    m_items.clear();
    for (const auto& record : skin.SkinObjects) {
        const TkvDataSkinObject* r = record.get();
        if (dynamic_cast<const TkvDataSkinMenuItem*>(r) || dynamic_cast<const TkvDataSkinMainMenuItem*>(r)
            || dynamic_cast<const TkvDataSkinMainMenuBarButton*>(r))
            continue;
        if (const auto* std = dynamic_cast<const TkvDataSkinStdButton*>(r))
            m_items.push_back(std::make_unique<TkvSkinStdButtonObject>(owner, std));
        else if (const auto* button = dynamic_cast<const TkvDataSkinButton*>(r))
            m_items.push_back(std::make_unique<TkvSkinButtonObject>(owner, button));
        else if (const auto* caption = dynamic_cast<const TkvDataSkinCaption*>(r))
            m_items.push_back(std::make_unique<TkvSkinCaptionObject>(owner, caption));
        else if (const auto* user = dynamic_cast<const TkvDataUserObject*>(r))
            m_items.push_back(std::make_unique<TkvUserObject>(owner, user));
    }
}

void FrameObjectList::loadDefault(TkvSorvane& owner)
{
    m_items.clear();
    const std::pair<const char*, TkvStdCommand> buttons[] = {{"closebutton", TkvStdCommand::cmClose},
        {"maxbutton", TkvStdCommand::cmMaximize}, {"minbutton", TkvStdCommand::cmMinimize},
        {"rollupbutton", TkvStdCommand::cmRollUp}, {"sysmenubutton", TkvStdCommand::cmSysMenu},
        {"traybutton", TkvStdCommand::cmMinimizeToTray}};
    for (const auto& [name, command] : buttons)
        m_items.push_back(std::make_unique<TkvSkinStdButtonObject>(owner, QString::fromLatin1(name), command));
}

namespace {

// The border icon that shows a standard button; close always shows.
TkvBorderIcon borderIconOf(TkvStdCommand command)
{
    switch (command) {
    case TkvStdCommand::cmMinimizeToTray: return TkvBorderIcon::biMinimizeToTray;
    case TkvStdCommand::cmRollUp: return TkvBorderIcon::biRollUp;
    case TkvStdCommand::cmMaximize: return TkvBorderIcon::biMaximize;
    case TkvStdCommand::cmMinimize: return TkvBorderIcon::biMinimize;
    default: break;
    }
    return TkvBorderIcon::biSystemMenu;
}

} // namespace

void FrameObjectList::check(TkvBorderIcons icons, CaptionButtons buttons, const TkvActivateCustomObjectEvent& askCustom)
{
    for (const auto& object : m_items) {
        auto* button = dynamic_cast<TkvSkinStdButtonObject*>(object.get());
        if (!button)
            continue;
        const auto hide = [button] {
            button->enabled = false;
            button->visible = !button->skinrectinapicture;
        };
        if (buttons == CaptionButtons::Hidden) {
            hide();
            continue;
        }
        switch (button->command) {
        case TkvStdCommand::cmDefault: {
            bool visible = false;
            if (askCustom)
                askCustom(button->IDName, visible);
            button->visible = visible;
            break;
        }
        case TkvStdCommand::cmMinimizeToTray:
        case TkvStdCommand::cmRollUp:
        case TkvStdCommand::cmMaximize:
        case TkvStdCommand::cmMinimize:
        case TkvStdCommand::cmSysMenu:
            if (!icons.has(borderIconOf(button->command)))
                hide();
            break;
        case TkvStdCommand::cmClose:
            break;
        }
    }
}

int FrameObjectList::indexOf(const QString& IDName) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->IDName == IDName)
            return int(i);
    }
    return -1;
}

TkvActiveSkinObject* FrameObjectList::find(const QString& IDName) const
{
    const int i = indexOf(IDName);
    return i >= 0 ? m_items[size_t(i)].get() : nullptr;
}

void FrameObjectList::dropHover()
{
    for (const auto& object : m_items) {
        if (dynamic_cast<TkvSkinCaptionObject*>(object.get()))
            continue;
        object->highlighted = false;
        object->mouseInside = false;
        object->morphKf = 0;
    }
}

bool FrameObjectList::morphStep()
{
    bool stepped = false;
    for (const auto& object : m_items) {
        if (object->morphing && object->CanMorphing()) {
            object->DoMorphing();
            stepped = true;
        }
    }
    return stepped;
}

void FrameObjectList::liftMenuButton()
{
    for (const auto& object : m_items) {
        auto* button = dynamic_cast<TkvSkinButtonObject*>(object.get());
        if (button && button->down && button->menuItem) {
            button->SetDown(false);
            break;
        }
    }
}

} // namespace skin
