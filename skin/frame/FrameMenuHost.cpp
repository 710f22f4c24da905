// The frame's menus: the system menu, the tray menu, the menus of caption
// buttons, and the menu settings the frame hands to its engine.

#include "skin/frame/FrameMenuHost.h"

#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSorvane.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace skin {

namespace {

std::unique_ptr<TkvMenuItem> copyItem(const TkvMenuItem& source)
{
    auto item = std::make_unique<TkvMenuItem>(source.Name, source.Caption, source.OnClick);
    item->ShortCut = source.ShortCut;
    item->Enabled = source.Enabled;
    item->Visible = source.Visible;
    item->Checked = source.Checked;
    item->RadioItem = source.RadioItem;
    for (int i = 0; i < source.Count(); ++i)
        item->Add(copyItem(*source.Items(i)));
    return item;
}

void copyItems(const TkvMenuItem& from, TkvMenuItem& to)
{
    for (int i = 0; i < from.Count(); ++i)
        to.Add(copyItem(*from.Items(i)));
}

bool isWindowCommand(const TkvMenuItem& item)
{
    static const QStringList names{QStringLiteral("QRN_MINITEM"), QStringLiteral("QRN_MAXITEM"),
        QStringLiteral("QRN_CLOSE"), QStringLiteral("QRN_MINTOTRAY"), QStringLiteral("QRN_ROLLUP"),
        QStringLiteral("QRN_RESTORE")};
    return names.contains(item.Name);
}

} // namespace

FrameMenuHost::FrameMenuHost(TkvSorvane& frame, std::function<void()> letGo)
    : m_frame(frame)
    , m_letGo(std::move(letGo))
    , m_menu(std::make_unique<TkvSkinMenu>(frame))
{
}

FrameMenuHost::~FrameMenuHost() = default;

QString FrameMenuHost::commandCaption(const char* key, const char* builtin) const
{
    const TkvSkinData* skin = m_frame.SkinData();
    if (skin && skin->ResourceStrData()) {
        const QString text = skin->ResourceStrData()->GetResStr(QString::fromLatin1(key));
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(builtin);
}

std::unique_ptr<TkvMenuItem> FrameMenuHost::windowCommand(WindowCommand command) const
{
    const FrameWindowState& state = m_frame.frameState();
    const TkvBorderIcons icons = m_frame.BorderIcons();
    TkvSorvane& frame = m_frame;
    const auto item = [this](const char* name, const char* key, const char* builtin, std::function<void()> action) {
        return std::make_unique<TkvMenuItem>(QString::fromLatin1(name), commandCaption(key, builtin),
            std::move(action));
    };
    switch (command) {
    case WindowCommand::Minimize:
        if (!icons.has(TkvBorderIcon::biMinimize) || state.minimized())
            break;
        return item("QRN_MINITEM", "MI_MINCAPTION", "Mi&nimize", [&frame] {
            if (frame.AlwaysMinimizeToTray)
                frame.MinimizeToTray();
            else
                frame.SetWindowState(TWindowState::wsMinimized);
        });
    case WindowCommand::Maximize:
        if (!icons.has(TkvBorderIcon::biMaximize) || state.maximized())
            break;
        return item("QRN_MAXITEM", "MI_MAXCAPTION", "Ma&ximize",
            [&frame] { frame.SetWindowState(TWindowState::wsMaximized); });
    case WindowCommand::Restore:
        if (state.normal() && !state.rolledUp())
            break;
        return item("QRN_RESTORE", "MI_RESTORECAPTION", "&Restore", [&frame] {
            // Decided when chosen: the state may have changed meanwhile.
            if (frame.frameState().restoreCommand() == FrameStateEvent::RollDown)
                frame.SetRollUpState(false);
            else
                frame.SetWindowState(TWindowState::wsNormal);
        });
    case WindowCommand::RollUp:
        if (!icons.has(TkvBorderIcon::biRollUp) || state.rolledUp() || state.minimized())
            break;
        return item("QRN_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", [&frame] { frame.SetRollUpState(true); });
    case WindowCommand::MinimizeToTray:
        if (!icons.has(TkvBorderIcon::biMinimizeToTray))
            break;
        return item("QRN_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray", [&frame] { frame.MinimizeToTray(); });
    }
    return nullptr;
}

std::unique_ptr<TkvMenuItem> FrameMenuHost::closeCommand(const char* name) const
{
    TkvSorvane& frame = m_frame;
    auto close = std::make_unique<TkvMenuItem>(QString::fromLatin1(name), commandCaption("MI_CLOSECAPTION", "&Close"),
        [&frame] { frame.Close(); });
    close->ShortCut = QStringLiteral("Alt+F4");
    return close;
}

TkvMenuItem* FrameMenuHost::systemMenu()
{
    using C = WindowCommand;
    m_systemMenu.Clear();
    const auto addCommands = [this](std::initializer_list<WindowCommand> order) {
        for (const WindowCommand command : order) {
            if (std::unique_ptr<TkvMenuItem> item = windowCommand(command))
                m_systemMenu.Add(std::move(item));
        }
    };
    const TkvMenuItem* application = m_frame.SystemMenu;
    if (application && !m_frame.UseDefaultSysMenu) {
        copyItems(*application, m_systemMenu);
    } else if (application) {
        // The application's menu reads as it always has: restore ahead of
        // maximize, and close straight after the application's items.
        addCommands({C::Minimize, C::Restore, C::Maximize, C::RollUp, C::MinimizeToTray});
        for (int i = 0; i < application->Count(); ++i) {
            // Its own copies of the window commands would show a state the
            // window may have left; the ones above match it.
            if (!isWindowCommand(*application->Items(i)))
                m_systemMenu.Add(copyItem(*application->Items(i)));
        }
        m_systemMenu.Add(closeCommand("QRN_CLOSE"));
    } else {
        addCommands({C::Minimize, C::Maximize, C::Restore, C::RollUp, C::MinimizeToTray});
        if (m_systemMenu.Count() > 0)
            m_systemMenu.AddSeparator();
        m_systemMenu.Add(closeCommand("QRN_CLOSE"));
    }
    if (const TkvMenuItem* tail = m_frame.SystemMenuTail; tail && tail->Count() > 0) {
        m_systemMenu.AddSeparator();
        copyItems(*tail, m_systemMenu);
    }
    return &m_systemMenu;
}

TkvMenuItem* FrameMenuHost::trayMenu()
{
    TkvSorvane& frame = m_frame;
    m_trayMenu.Clear();
    m_trayMenu.Add(QStringLiteral("TRAY_QRN_RESTORE"), commandCaption("MI_RESTORECAPTION", "&Restore"),
        [&frame] { frame.RestoreFromTray(); });
    m_trayMenu.AddSeparator();
    m_trayMenu.Add(closeCommand("TRAY_QRN_CLOSE"));
    return &m_trayMenu;
}

void FrameMenuHost::trackTrayMenu(QPoint screenPoint)
{
    TkvMenuItem* menu = trayMenu();
    popup(menu, {screenPoint.x(), screenPoint.y(), screenPoint.x(), screenPoint.y()}, false, nullptr);
}

void FrameMenuHost::trackSystemMenu(QPoint screenPoint)
{
    TkvMenuItem* menu = systemMenu();
    popup(menu, {screenPoint.x(), screenPoint.y(), screenPoint.x(), screenPoint.y()}, false, nullptr);
}

void FrameMenuHost::popup(TkvMenuItem* menu, const TRect& screenRect, bool popupUp, QObject* control)
{
    opened();
    m_menu->Popup(control, m_frame.menuSkin(), 0, screenRect, menu, popupUp);
}

void FrameMenuHost::opened()
{
    if (m_open)
        return;
    m_open = true;
    if (m_frame.OnSkinMenuOpen)
        m_frame.OnSkinMenuOpen(&m_frame);
}

void FrameMenuHost::closed()
{
    m_open = false;
    m_letGo();
    if (m_frame.OnSkinMenuClose)
        m_frame.OnSkinMenuClose(&m_frame);
}


bool FrameMenuHost::alphaBlend() const { return m_menu->AlphaBlend; }
void FrameMenuHost::setAlphaBlend(bool value) { m_menu->AlphaBlend = value; }
bool FrameMenuHost::alphaBlendAnimation() const { return m_menu->AlphaBlendAnimation; }
void FrameMenuHost::setAlphaBlendAnimation(bool value) { m_menu->AlphaBlendAnimation = value; }

void FrameMenuHost::setAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, 255);
    m_menu->AlphaBlendValue = m_alphaBlendValue;
}

int FrameMenuHost::defItemHeight() const { return m_menu->DefItemHeight; }

void FrameMenuHost::setDefItemHeight(int value)
{
    if (value > 0)
        m_menu->DefItemHeight = value;
}

const platform::TFont& FrameMenuHost::defItemFont() const { return m_menu->DefItemFont; }
void FrameMenuHost::setDefItemFont(const platform::TFont& value) { m_menu->DefItemFont = value; }
bool FrameMenuHost::useSkinFont() const { return m_menu->UseSkinFont; }
void FrameMenuHost::setUseSkinFont(bool value) { m_menu->UseSkinFont = value; }
int FrameMenuHost::maxItemsInWindow() const { return m_menu->MaxItemsInWindow; }

void FrameMenuHost::setMaxItemsInWindow(int value)
{
    if (value >= 0)
        m_menu->MaxItemsInWindow = value;
}

} // namespace skin
