// The frame's menus: the system menu and the menus of caption buttons.

#include "skin/frame/FrameMenuHost.h"

#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSorvane.h"

#include <vector>

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

TkvMenuItem* FrameMenuHost::systemMenu()
{
    const FrameWindowState& state = m_frame.frameState();
    const TkvBorderIcons icons = m_frame.BorderIcons();
    TkvSorvane& frame = m_frame;
    std::vector<std::unique_ptr<TkvMenuItem>> commands;
    const auto add = [&](const char* name, const char* key, const char* builtin, std::function<void()> action) {
        commands.push_back(std::make_unique<TkvMenuItem>(QString::fromLatin1(name), commandCaption(key, builtin),
            std::move(action)));
    };
    if (icons.has(TkvBorderIcon::biMinimize) && !state.minimized())
        add("QRN_MINITEM", "MI_MINCAPTION", "Mi&nimize", [&frame] { frame.SetWindowState(TWindowState::wsMinimized); });
    if (icons.has(TkvBorderIcon::biMaximize) && !state.maximized())
        add("QRN_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", [&frame] { frame.SetWindowState(TWindowState::wsMaximized); });
    if (!state.normal() || state.rolledUp()) {
        add("QRN_RESTORE", "MI_RESTORECAPTION", "&Restore", [&frame] {
            // Decided when chosen: the state may have changed meanwhile.
            if (frame.frameState().restoreCommand() == FrameStateEvent::RollDown)
                frame.SetRollUpState(false);
            else
                frame.SetWindowState(TWindowState::wsNormal);
        });
    }
    if (icons.has(TkvBorderIcon::biRollUp) && !state.rolledUp() && !state.minimized())
        add("QRN_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", [&frame] { frame.SetRollUpState(true); });

    m_systemMenu.Clear();
    const TkvMenuItem* application = m_frame.SystemMenu;
    if (application && !m_frame.UseDefaultSysMenu) {
        copyItems(*application, m_systemMenu);
    } else {
        for (auto& command : commands)
            m_systemMenu.Add(std::move(command));
        if (application)
            copyItems(*application, m_systemMenu);
        if (m_systemMenu.Count() > 0)
            m_systemMenu.AddSeparator();
        TkvMenuItem* close = m_systemMenu.Add(QStringLiteral("QRN_CLOSE"), commandCaption("MI_CLOSECAPTION", "&Close"),
            [&frame] { frame.Close(); });
        close->ShortCut = QStringLiteral("Alt+F4");
    }
    if (const TkvMenuItem* tail = m_frame.SystemMenuTail; tail && tail->Count() > 0) {
        m_systemMenu.AddSeparator();
        copyItems(*tail, m_systemMenu);
    }
    return &m_systemMenu;
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

} // namespace skin
