// The frame's objects as a list: making them, the buttons' visibility,
// and what happens to all of them at once.

#include "skin/frame/FrameObjectList.h"

#include "skin/data/TkvResourceStrData.h"
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
        else if (const auto* animation = dynamic_cast<const TkvDataSkinAnimate*>(r))
            m_items.push_back(std::make_unique<TkvSkinAnimateObject>(owner, animation));
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
        TkvActiveSkinObject& button = *object;
        if (!button.isCaptionButton())
            continue;
        const auto hide = [&button] {
            button.enabled = false;
            // Drawn as part of the main picture, it stays there, inert.
            button.visible = !button.skinrectinapicture;
        };
        if (buttons == CaptionButtons::Hidden) {
            hide();
            continue;
        }
        const TkvStdCommand command = *button.windowCommand();
        switch (command) {
        case TkvStdCommand::cmDefault: {
            bool visible = false;
            if (askCustom)
                askCustom(button.IDName, visible);
            button.visible = visible;
            break;
        }
        case TkvStdCommand::cmMinimizeToTray:
        case TkvStdCommand::cmRollUp:
        case TkvStdCommand::cmMaximize:
        case TkvStdCommand::cmMinimize:
        case TkvStdCommand::cmSysMenu:
            if (!icons.has(borderIconOf(command)))
                hide();
            break;
        case TkvStdCommand::cmClose:
            break;
        }
    }
}

void FrameObjectList::checkHints(const TkvResourceStrData* strings)
{
    struct StandardHint {
        TkvStdCommand command;
        const char* key;
        const char* builtin;
    };
    static constexpr StandardHint kHints[] = {{TkvStdCommand::cmClose, "CLOSEBUTTON_HINT", "Close"},
        {TkvStdCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize"},
        {TkvStdCommand::cmMinimize, "MINBUTTON_HINT", "Minimize"},
        {TkvStdCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu"},
        {TkvStdCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"},
        {TkvStdCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"}};
    for (const auto& object : m_items) {
        const std::optional<TkvStdCommand> command = object->windowCommand();
        if (!command)
            continue;
        for (const StandardHint& hint : kHints) {
            if (hint.command != *command)
                continue;
            const QString text = strings ? strings->GetResStr(QString::fromLatin1(hint.key)) : QString();
            // A skin's strings without the key fall back to the built-in text.
            object->hint = text.isEmpty() ? QString::fromLatin1(hint.builtin) : text;
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
    for (const auto& object : m_items)
        object->dropHover();
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

bool FrameObjectList::animateStep()
{
    bool playing = false;
    for (const auto& object : m_items) {
        auto* animation = dynamic_cast<TkvSkinAnimateObject*>(object.get());
        if (animation && animation->highlighted) {
            animation->ChangeFrame();
            playing = true;
        }
    }
    return playing;
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
