// Window states and roll-up, and letting go after a menu.

#include "skin/frame/TkvSorvane.h"

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

void TkvSorvane::letGoAfterMenu()
{
    m_router.releaseCapture();
    m_objects.liftMenuButton();
}

} // namespace skin
