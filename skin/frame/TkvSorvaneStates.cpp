// Window states, roll-up, size limits, the fade-in and snapping to the
// work area.

#include "skin/frame/TkvSorvane.h"

#include "skin/data/SkinWindowHelpers.h"
#include "skin/data/TkvSkinData.h"

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
    const QPoint snapped
        = FrameLayout::snapped(m_form->pos(), m_form->size(), GetMonitorWorkArea(m_form), MagneticSize);
    if (snapped == m_form->pos())
        return;
    m_snapping = true;
    m_form->move(snapped);
    m_snapping = false;
}

void TkvSorvane::letGoAfterMenu()
{
    m_router.releaseCapture();
    m_objects.liftMenuButton();
}

} // namespace skin
