#pragma once

#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameFade.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameLayout.h"
#include "skin/frame/FrameMenuHost.h"
#include "skin/frame/FrameMouse.h"
#include "skin/frame/FrameObjectList.h"
#include "skin/frame/FrameObjectRouter.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/FramePainter.h"
#include "skin/frame/FrameSizer.h"
#include "skin/frame/FrameTray.h"
#include "skin/frame/FrameTypes.h"
#include "skin/frame/FrameWindowState.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSkinHint.h"

#include <QObject>
#include <QPointer>
#include <QRegion>

#include <memory>
#include <vector>

class QPainter;
class QTimer;
class QWidget;

namespace skin {

class TkvSkinData;
class TkvSkinMenu;

// The skinned frame of a top-level window. The window becomes frameless;
// the frame paints border, caption and caption buttons from the skin's
// pictures (or a plain frame without a skin), cuts the window's outline
// from the skin's mask, moves and sizes the window through the platform,
// and keeps the window's content in a child (ClientArea) placed at the
// frame's client rectangle. It hands skin changes on to every skinned
// control of the window and shows the window's skinned menus.
//
//     auto* frame = new TkvSorvane(window);
//     // controls go into frame->ClientArea()
//     frame->SetSkinData(skinData);
class TkvSorvane : public QObject {
    Q_OBJECT

public:
    explicit TkvSorvane(QWidget* form);
    ~TkvSorvane() override;

    QWidget* Form() const { return m_form; }
    QWidget* ClientArea() const { return m_client; }
    TkvSkinMenu& SkinMenu() const { return m_menus.menu(); }

    TkvSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TkvSkinData* value);
    TkvSkinData* MenusSkinData() const { return m_menusSkinData; }
    void SetMenusSkinData(TkvSkinData* value) { m_menusSkinData = value; }
    // MenusSkinData, or SkinData when none.
    TkvSkinData* menuSkin() const;
    bool SkinInUse() const { return m_skinInUse; }

    TkvBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TkvBorderIcons value);
    bool HideCaptionButtons() const { return m_hideCaptionButtons; }
    void SetHideCaptionButtons(bool value);
    bool ShowIcon() const { return m_showIcon; }
    void SetShowIcon(bool value);
    // The hint component that shows the objects' hints (ShowObjectHint).
    TkvSkinHint* SkinHint() const { return m_skinHint; }
    void SetSkinHint(TkvSkinHint* value);
    bool ShowObjectHint = false;
    // The caption buttons get the standard hints of their commands instead
    // of the skin's texts; applies from the next skin change on.
    bool UseDefaultObjectHint = true;
    bool UseDefaultSysMenu = true;
    // A menu of the application shown as the system menu, with the window
    // commands added around its items (UseDefaultSysMenu).
    TkvMenuItem* SystemMenu = nullptr;
    // Items that follow the window commands after a separator, at the very
    // end of the system menu (none: nothing follows "Close").
    TkvMenuItem* SystemMenuTail = nullptr;
    // Popup menus: translucency and fade-in, and the look without a skin.
    bool MenusAlphaBlend() const { return m_menus.alphaBlend(); }
    void SetMenusAlphaBlend(bool value) { m_menus.setAlphaBlend(value); }
    bool MenusAlphaBlendAnimation() const { return m_menus.alphaBlendAnimation(); }
    void SetMenusAlphaBlendAnimation(bool value) { m_menus.setAlphaBlendAnimation(value); }
    int MenusAlphaBlendValue() const { return m_menus.alphaBlendValue(); }
    void SetMenusAlphaBlendValue(int value) { m_menus.setAlphaBlendValue(value); }
    int DefMenuItemHeight() const { return m_menus.defItemHeight(); }
    void SetDefMenuItemHeight(int value) { m_menus.setDefItemHeight(value); }
    const platform::TFont& DefMenuItemFont() const { return m_menus.defItemFont(); }
    void SetDefMenuItemFont(const platform::TFont& value) { m_menus.setDefItemFont(value); }
    bool UseSkinFontInMenu() const { return m_menus.useSkinFont(); }
    void SetUseSkinFontInMenu(bool value) { m_menus.setUseSkinFont(value); }
    int MaxMenuItemsInWindow() const { return m_menus.maxItemsInWindow(); }
    void SetMaxMenuItemsInWindow(int value) { m_menus.setMaxItemsInWindow(value); }
    // The tray: minimizing there needs an icon.
    TkvTrayIcon* TrayIcon() const { return m_tray.icon(); }
    void SetTrayIcon(TkvTrayIcon* value) { m_tray.setIcon(value); }
    bool AlwaysShowInTray() const { return m_tray.alwaysShow(); }
    void SetAlwaysShowInTray(bool value) { m_tray.setAlwaysShow(value); }
    // The minimize commands go to the tray instead.
    bool AlwaysMinimizeToTray = false;
    bool AlphaBlend() const { return m_fade.alphaBlend(); }
    void SetAlphaBlend(bool value) { m_fade.setAlphaBlend(value); }
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue() const { return m_fade.alphaBlendValue(); }
    void SetAlphaBlendValue(int value) { m_fade.setAlphaBlendValue(value); }
    // A picture drawn centred in the client background, over the skin's
    // tile; transparent leaves out its colour at the bottom-left corner.
    const QImage& LogoBitMap() const { return m_logoBitMap; }
    void SetLogoBitMap(const QImage& value);
    bool LogoBitMapTransparent() const { return m_logoBitMapTransparent; }
    void SetLogoBitMapTransparent(bool value);
    bool Magnetic = false;
    int MagneticSize = 5;
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    bool MaximizeOnFullScreen = false;
    // When > 0, the client size the window gets after every skin change.
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    // Whether the user may size the window at its edges (the form's border
    // style).
    bool Sizeable() const { return m_sizeable; }
    void SetSizeable(bool value);

    // Operations of the frame.
    void ChangeSkinData();
    TWindowState WindowState() const { return m_state.window; }
    void SetWindowState(TWindowState state);
    bool RollUpState() const { return m_state.rolledUp(); }
    void SetRollUpState(bool value);
    int GetRealHeight() const { return m_sizer.realHeight(); }
    int GetMinWidth() const { return m_sizer.minWidth(); }
    int GetMinHeight() const { return m_sizer.minHeight(); }
    int GetMaxWidth() const { return m_sizer.maxWidth(); }
    int GetMaxHeight() const { return m_sizer.maxHeight(); }
    int GetDefCaptionHeight() const { return kDefCaptionHeight; }
    int GetDefButtonSize() const { return kDefButtonSize; }
    bool IsSizeAble() const { return m_sizeable; }
    bool GetFormActive() const;
    void UpDateForm();
    void TrackSystemMenu(int X, int Y) { m_menus.trackSystemMenu({X, Y}); }
    // Shows menu's items through the frame's menu engine next to rect
    // (screen coordinates; a point when left = right and top = bottom).
    void PopupSkinMenu(TkvMenuItem* menu, QPoint screenPoint)
    {
        PopupSkinMenu1(menu, {screenPoint.x(), screenPoint.y(), screenPoint.x(), screenPoint.y()}, false);
    }
    void PopupSkinMenu1(TkvMenuItem* menu, const TRect& screenRect, bool popupUp, QObject* control = nullptr)
    {
        m_menus.popup(menu, screenRect, popupUp, control);
    }
    void SkinMenuOpen() { m_menus.opened(); }
    void SkinMenuClose() { m_menus.closed(); }
    bool MenuOpen() const { return m_menus.open(); }
    TkvMenuItem* GetSystemMenu() { return m_menus.systemMenu(); }
    void MinimizeToTray() { m_tray.minimize(); }
    void RestoreFromTray() { m_tray.restore(); }
    int GetIndex(const QString& IDName) const;
    void SetEnabled(const QString& IDName, bool value);
    void UserObjectDraw(const QString& IDName);
    void LinkMenu(const QString& IDName, TkvMenuItem* menu, bool popupUp);
    void Close();

    SysMenuFace sysMenuFace() const { return m_showIcon ? SysMenuFace::Icon : SysMenuFace::Button; }

    // The frame's parts, for the objects and for tests.
    const std::vector<std::unique_ptr<TkvActiveSkinObject>>& Objects() const { return m_objects.items(); }
    const FrameGeometry& Geometry() const { return m_layout.geometry(); }
    const FrameWindowState& frameState() const { return m_state; }
    // The skin data while a skin is in use, else nullptr.
    const TkvSkinData* skinInUse() const { return m_skinInUse ? m_skinData.data() : nullptr; }
    int HoverIndex() const { return m_router.hoverIndex(); }
    int CaptureIndex() const { return m_router.captureIndex(); }
    // The hit-test code of a window point.
    int HitTest(QPoint windowPoint) const;
    // The whole window as it is painted: frame and client area.
    QImage renderFrame();
    void drawObject(TkvActiveSkinObject& object);
    void startMorphTimer();
    int FormWidth() const;
    int FormHeight() const;
    // Where the pointer is, in screen coordinates; tests replace it.
    std::function<QPoint()> CursorPos;

    // Frame object routing, window coordinates.
    void TestActive(int X, int Y, bool tracking)
    {
        m_router.testActive({X, Y}, tracking ? FrameTracking::On : FrameTracking::Off);
    }
    void TestMouse() { m_router.track(); }
    void MouseMove(int X, int Y) { m_router.move({X, Y}); }
    void MouseDown(Qt::MouseButton button, int X, int Y) { m_router.press(button, {X, Y}); }
    void MouseUp(Qt::MouseButton button, int X, int Y) { m_router.release(button, {X, Y}); }
    void MouseDBlClick() { m_router.doubleClick(); }
    void UpDateActiveObjects();
    void TestMorph();
    void startAnimateTimer();
    // One 25 ms tick of the animations; the timer stops when none plays.
    void TestAnimate();
    // The caption double-click: maximize, restore or roll-up.
    void CaptionDoubleClick();
    // One step of the fade-in; false once the target is reached.
    bool FadeStep() { return m_fade.step(); }
    // The opacity the frame last gave the window, 0 .. 255.
    int Opacity() const { return m_fade.opacity(); }

    TkvNotifyEvent OnActivate;
    TkvNotifyEvent OnDeActivate;
    TkvPaintEvent OnPaintEvent;
    TkvObjectEvent OnMouseEnterEvent;
    TkvObjectEvent OnMouseLeaveEvent;
    TkvObjectMouseEvent OnMouseDownEvent;
    TkvObjectMouseEvent OnMouseUpEvent;
    TkvObjectMoveEvent OnMouseMoveEvent;
    TkvActivateCustomObjectEvent OnActivateCustomObject;
    TkvNotifyEvent OnChangeSkinData;
    TkvNotifyEvent OnChangeRollUpState;
    TkvNotifyEvent OnSkinMenuOpen;
    TkvNotifyEvent OnSkinMenuClose;
    TkvNotifyEvent OnMinimizeToTray;
    TkvNotifyEvent OnRestoreFromTray;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Objects.
    void LoadObjects();
    void LoadDefObjects();
    void ClearObjects();
    void CheckObjects();
    void CheckObjectsHint();
    void showObjectHint(const QString& text);
    void hideObjectHint();

    // Geometry, painting and the region.
    void CreateNewForm();
    void CreateNewRegion();
    void paintFrame(QPainter& painter, const QRegion& region);
    void paintClient(QPainter& painter, const QRegion& region);
    FramePainter::Frame paintedFrame() const;
    void PaintNCSkin(QPainter& painter, const QRegion& region);
    void PaintNCDefault(QPainter& painter, const QRegion& region);
    void placeClientArea();
    TRect clientRect() const;

    // Skin messages and the control walk.
    bool skinMessage(QEvent* event);
    // Lets go of everything taken from the skin data: objects, the client
    // tile, the timers that would draw from it.
    void dropSkin();
    // The skin data was freed without a message.
    void skinDataDestroyed();
    // A menu closed: it had taken the pointer from the object that opened it.
    void letGoAfterMenu();

    // Window events.
    void FormChangeActive(bool update);
    // Moves the window state by event and does to the window what the
    // transition asks.
    void changeState(FrameStateEvent event);
    void runStateActions(FrameStateActions actions);

    QWidget* m_form;
    QWidget* m_client;
    FrameMenuHost m_menus;
    FrameTray m_tray{*this, m_menus};
    QPointer<TkvSkinData> m_skinData;
    QMetaObject::Connection m_skinDataWatch;
    QPointer<TkvSkinData> m_menusSkinData;
    bool m_skinInUse = false;
    TkvBorderIcons m_borderIcons{TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize, TkvBorderIcon::biMaximize,
        TkvBorderIcon::biRollUp};
    bool m_hideCaptionButtons = false;
    bool m_showIcon = false;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_sizeable = true;

    FrameLayout m_layout;
    FramePainter m_painter;
    QImage m_logoBitMap;
    bool m_logoBitMapTransparent = false;
    FrameFade m_fade{this, m_form, AlphaBlendAnimation};

    FrameWindowState m_state;
    FrameSizer m_sizer{*this};

    FrameObjectList m_objects;
    FrameObjectRouter m_router;
    FrameMouse m_mouse{*this, m_router};
    QTimer* m_morphTimer;
    QTimer* m_animateTimer;
    QPointer<TkvSkinHint> m_skinHint;
};

// The first frame of form, or nullptr.
TkvSorvane* GetSorvaneComponent(const QWidget* form);

} // namespace skin
