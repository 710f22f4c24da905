// Window states and roll-up, the fade-in, and letting go after a menu.

#include "skin/frame/TkvSorvane.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

namespace skin {

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

void TkvSorvane::runStateActions(FrameStateActions actions)
{
    m_sizer.run(actions);
    if (actions.has(FrameStateAction::Relayout))
        UpDateForm();
    if (actions.has(FrameStateAction::NotifyRollUp) && OnChangeRollUpState)
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

void TkvSorvane::letGoAfterMenu()
{
    m_router.releaseCapture();
    m_objects.liftMenuButton();
}

} // namespace skin
