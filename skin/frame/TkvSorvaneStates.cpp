// Window states, roll-up, size limits, the fade-in, snapping to the work
// area, and the frame's menus.

#include "skin/frame/TkvSorvane.h"

#include "skin/data/SkinWindowHelpers.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSkinMenu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace skin {

namespace {

QRect toQRect(const TRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

} // namespace

int TkvSorvane::GetMinWidth() const
{
    if (m_skinInUse) {
        const int pw = m_skinData->PictureBitmap.width();
        return MinWidth > pw && !m_state.minimized() ? MinWidth : pw;
    }
    return MinWidth > 0 ? MinWidth : 120;
}

int TkvSorvane::GetMinHeight() const
{
    const int frameOnly = m_skinInUse ? m_skinData->PictureBitmap.height() - m_skinData->clientrect.height()
                                      : kDefCaptionHeight + 6;
    if (frameOnly >= MinHeight || m_state.rolledUp() || m_state.minimized())
        return frameOnly;
    return MinHeight;
}

int TkvSorvane::GetMaxWidth() const
{
    const QScreen* screen = m_form->screen();
    int w = screen ? (MaximizeOnFullScreen ? screen->geometry() : screen->availableGeometry()).width()
                   : GetMonitorWorkArea(m_form).width();
    if (MaxWidth != 0 && MaxWidth < w)
        w = MaxWidth;
    return w;
}

int TkvSorvane::GetMaxHeight() const
{
    const QScreen* screen = m_form->screen();
    int h = screen ? (MaximizeOnFullScreen ? screen->geometry() : screen->availableGeometry()).height()
                   : GetMonitorWorkArea(m_form).height();
    if (MaxHeight != 0 && MaxHeight < h)
        h = MaxHeight;
    return h;
}

int TkvSorvane::GetRealHeight() const { return m_state.rolledUp() ? m_heightBeforeRollUp : FormHeight(); }

void TkvSorvane::applyFormSize(int width, int height)
{
    if (m_sizeable && m_state.userSizable()) {
        m_form->setMinimumSize(GetMinWidth(), GetMinHeight());
        m_form->setMaximumSize(std::max(GetMaxWidth(), GetMinWidth()), std::max(GetMaxHeight(), GetMinHeight()));
        m_form->resize(width, height);
    } else {
        // The user cannot size it: the frame alone decides.
        m_form->setFixedSize(width, height);
    }
}

void TkvSorvane::resizeForClient()
{
    int width = FormWidth();
    int height = GetRealHeight();
    // Each applies on its own: a window may fix only its client width.
    if (m_clientWidth > 0) {
        const int marginX = m_skinInUse ? m_skinData->PictureBitmap.width() - m_skinData->clientrect.width()
                                        : 2 * kDefBorder;
        width = m_clientWidth + marginX;
    }
    if (m_clientHeight > 0) {
        const int marginY = m_skinInUse ? m_skinData->PictureBitmap.height() - m_skinData->clientrect.height()
                                        : kDefCaptionHeight + 2 * kDefBorder;
        height = m_clientHeight + marginY;
    }
    width = std::max(width, GetMinWidth());
    height = std::max(height, GetMinHeight());
    if (m_state.rolledUp()) {
        m_heightBeforeRollUp = height;
        height = GetMinHeight();
    }
    applyFormSize(width, height);
}

void TkvSorvane::UpDateForm()
{
    CreateNewForm();
    m_form->update();
}

void TkvSorvane::SetWindowState(TWindowState state) { changeState(FrameWindowState::eventFor(state)); }

void TkvSorvane::SetRollUpState(bool value)
{
    changeState(value ? FrameStateEvent::RollUp : FrameStateEvent::RollDown);
}

void TkvSorvane::CaptionDoubleClick() { changeState(m_state.captionDoubleClick(m_borderIcons, m_sizeable)); }

void TkvSorvane::changeState(FrameStateEvent event)
{
    const bool roll = event == FrameStateEvent::RollUp || event == FrameStateEvent::RollDown;
    if (roll && !m_borderIcons.has(TkvBorderIcon::biRollUp))
        return;
    const FrameStateTransition transition = m_state.next(event);
    if (!transition.accepted)
        return;
    // The window's own events during the work below see the new state.
    m_state = transition.to;
    runStateActions(transition.actions);
}

QRect TkvSorvane::maximizedArea() const
{
    const QScreen* screen = m_form->screen();
    QRect area = screen ? (MaximizeOnFullScreen ? screen->geometry() : screen->availableGeometry())
                        : toQRect(GetMonitorWorkArea(m_form));
    // A work area as large as the monitor would hide an auto-hidden task
    // bar for good.
    if (screen && area == screen->geometry())
        area.adjust(1, 1, -1, -1);
    return area;
}

void TkvSorvane::runStateActions(FrameStateActions actions)
{
    using A = FrameStateAction;
    if (actions.has(A::KeepRestoreBounds) && m_restoreBounds.isNull())
        m_restoreBounds = m_form->geometry();
    if (actions.has(A::ShowNormal))
        m_form->showNormal();
    if (actions.has(A::ShowMinimized))
        m_form->showMinimized();
    if (actions.has(A::FillWorkArea)) {
        m_form->setMinimumSize(0, 0);
        m_form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_form->setGeometry(maximizedArea());
    }
    if (actions.has(A::ReturnToRestoreBounds) && !m_restoreBounds.isNull()) {
        m_form->move(m_restoreBounds.topLeft());
        applyFormSize(m_restoreBounds.width(), m_restoreBounds.height());
    }
    if (actions.has(A::ShrinkToCaption)) {
        m_heightBeforeRollUp = FormHeight();
        applyFormSize(FormWidth(), GetMinHeight());
    }
    if (actions.has(A::GrowBack))
        applyFormSize(FormWidth(), m_heightBeforeRollUp);
    if (actions.has(A::Relayout))
        UpDateForm();
    if (actions.has(A::ForgetRestoreBounds))
        m_restoreBounds = {};
    if (actions.has(A::NotifyRollUp) && OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TkvSorvane::startFade()
{
    if (!m_alphaBlend && !AlphaBlendAnimation)
        return;
    m_fadeTarget = AlphaBlendAnimation && !m_alphaBlend ? 255 : m_alphaBlendValue;
    m_fadeOpacity = 0;
    if (AlphaBlendAnimation)
        setOpacity(0);
    m_fadeTimer->start();
}

bool TkvSorvane::FadeStep()
{
    if (!AlphaBlendAnimation) {
        if (m_fadeTarget < 255)
            setOpacity(m_fadeTarget);
        return false;
    }
    m_fadeOpacity = std::min(m_fadeOpacity + 5, m_fadeTarget);
    setOpacity(m_fadeOpacity);
    return m_fadeOpacity < m_fadeTarget;
}

void TkvSorvane::setOpacity(int value)
{
    m_opacity = value;
    // Platforms without window opacity (headless ones) only complain.
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        m_form->setWindowOpacity(value / 255.0);
}

void TkvSorvane::moved()
{
    if (!Magnetic || m_snapping || !m_state.normal())
        return;
    const QPoint snapped = DoMagnetic(m_form->pos(), m_form->size(), GetMonitorWorkArea(m_form), MagneticSize);
    if (snapped == m_form->pos())
        return;
    m_snapping = true;
    m_form->move(snapped);
    m_snapping = false;
}

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

} // namespace

TkvMenuItem* TkvSorvane::GetSystemMenu()
{
    const bool rolledUp = m_state.rolledUp();
    const bool minimized = m_state.minimized();
    const bool maximized = m_state.maximized();
    const bool normal = m_state.normal();
    const auto caption = [this](const char* key, const char* builtin) {
        if (m_skinData && m_skinData->ResourceStrData()) {
            const QString text = m_skinData->ResourceStrData()->GetResStr(QString::fromLatin1(key));
            if (!text.isEmpty())
                return text;
        }
        return QString::fromUtf8(builtin);
    };
    std::vector<std::unique_ptr<TkvMenuItem>> commands;
    const auto add = [&](const char* name, const char* key, const char* builtin, std::function<void()> action) {
        commands.push_back(std::make_unique<TkvMenuItem>(QString::fromLatin1(name), caption(key, builtin),
            std::move(action)));
    };
    if (m_borderIcons.has(TkvBorderIcon::biMinimize) && !minimized)
        add("QRN_MINITEM", "MI_MINCAPTION", "Mi&nimize", [this] { SetWindowState(TWindowState::wsMinimized); });
    if (m_borderIcons.has(TkvBorderIcon::biMaximize) && !maximized)
        add("QRN_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", [this] { SetWindowState(TWindowState::wsMaximized); });
    if (!normal || rolledUp) {
        add("QRN_RESTORE", "MI_RESTORECAPTION", "&Restore", [this] { changeState(m_state.restoreCommand()); });
    }
    if (m_borderIcons.has(TkvBorderIcon::biRollUp) && !rolledUp && !minimized)
        add("QRN_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", [this] { SetRollUpState(true); });

    m_systemMenu.Clear();
    if (SystemMenu && !UseDefaultSysMenu) {
        for (int i = 0; i < SystemMenu->Count(); ++i)
            m_systemMenu.Add(copyItem(*SystemMenu->Items(i)));
    } else {
        for (auto& command : commands)
            m_systemMenu.Add(std::move(command));
        if (SystemMenu) {
            for (int i = 0; i < SystemMenu->Count(); ++i)
                m_systemMenu.Add(copyItem(*SystemMenu->Items(i)));
        }
        if (m_systemMenu.Count() > 0)
            m_systemMenu.AddSeparator();
        TkvMenuItem* close = m_systemMenu.Add(QStringLiteral("QRN_CLOSE"), caption("MI_CLOSECAPTION", "&Close"),
            [this] { Close(); });
        close->ShortCut = QStringLiteral("Alt+F4");
    }
    if (SystemMenuTail && SystemMenuTail->Count() > 0) {
        m_systemMenu.AddSeparator();
        for (int i = 0; i < SystemMenuTail->Count(); ++i)
            m_systemMenu.Add(copyItem(*SystemMenuTail->Items(i)));
    }
    return &m_systemMenu;
}

void TkvSorvane::TrackSystemMenu(int X, int Y)
{
    TkvMenuItem* menu = GetSystemMenu();
    SkinMenuOpen();
    m_menu->Popup(nullptr, menuSkin(), 0, {X, Y, X, Y}, menu, false);
}

void TkvSorvane::PopupSkinMenu(TkvMenuItem* menu, QPoint screenPoint)
{
    PopupSkinMenu1(menu, {screenPoint.x(), screenPoint.y(), screenPoint.x(), screenPoint.y()}, false);
}

void TkvSorvane::PopupSkinMenu1(TkvMenuItem* menu, const TRect& screenRect, bool popupUp, QObject* control)
{
    SkinMenuOpen();
    m_menu->Popup(control, menuSkin(), 0, screenRect, menu, popupUp);
}

void TkvSorvane::SkinMenuOpen()
{
    if (m_menuOpen)
        return;
    m_menuOpen = true;
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
}

void TkvSorvane::SkinMenuClose()
{
    m_menuOpen = false;
    // The menu took the pointer: the press that opened it never sees its
    // release here.
    m_router.releaseCapture();
    for (const auto& object : m_objects) {
        auto* button = dynamic_cast<TkvSkinButtonObject*>(object.get());
        if (button && button->down && button->menuItem) {
            button->SetDown(false);
            break;
        }
    }
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}

} // namespace skin
