#include "skin/controls/PressablePart.h"

#include <QTimer>

namespace skin {

void PressablePart::setRepeat(QTimer* timer, RepeatTiming timing)
{
    m_timer = timer;
    m_timing = timing;
    if (timing.period <= 0)
        stopRepeat();
    else if (m_repeat == RepeatPhase::Period)
        m_timer->setInterval(timing.period);
}

void PressablePart::press(Pointer where)
{
    if (!m_enabled)
        return;
    m_captured = true;
    m_hot = where == Pointer::Inside;
    if (m_down)
        return;
    m_down = true;
    if (m_hot)
        startRepeat(RepeatPhase::FirstDelay);
}

void PressablePart::move(Pointer where)
{
    if (!m_enabled)
        return;
    m_hot = where == Pointer::Inside;
    if (!m_hot)
        stopRepeat();
    else if (m_down && !repeating())
        startRepeat(RepeatPhase::Period);
}

bool PressablePart::release(Pointer where)
{
    if (!m_captured)
        return false;
    m_hot = where == Pointer::Inside;
    letGo();
    return m_hot && m_rules.release == ReleaseRule::LetGo;
}

void PressablePart::cancel()
{
    if (m_captured)
        letGo();
}

void PressablePart::letGo()
{
    m_captured = false;
    stopRepeat();
    if (m_rules.release == ReleaseRule::LetGo)
        m_down = false;
}

bool PressablePart::tick()
{
    switch (m_repeat) {
    case RepeatPhase::Idle: return false;
    case RepeatPhase::FirstDelay: startRepeat(RepeatPhase::Period); return false;
    case RepeatPhase::Period: return true;
    }
    return false;
}

void PressablePart::startRepeat(RepeatPhase phase)
{
    if (!m_timer || m_timing.period <= 0)
        return;
    if (phase == RepeatPhase::FirstDelay && m_timing.firstDelay <= 0)
        phase = RepeatPhase::Period;
    m_repeat = phase;
    m_timer->start(phase == RepeatPhase::FirstDelay ? m_timing.firstDelay : m_timing.period);
}

void PressablePart::stopRepeat()
{
    if (m_repeat == RepeatPhase::Idle)
        return;
    m_repeat = RepeatPhase::Idle;
    m_timer->stop();
}

void PressablePart::setDown(bool value)
{
    m_down = value;
    if (!value)
        stopRepeat();
}

void PressablePart::setEnabled(bool value)
{
    if (m_enabled == value)
        return;
    m_enabled = value;
    if (value)
        return;
    m_hot = false;
    cancel();
    stopRepeat();
}

PartFace PressablePart::face() const
{
    PartFace f;
    f.disabled = !m_enabled;
    f.focused = m_focused;
    const bool heldLook = m_hot || m_rules.pressed == PressedLook::WhileDown || (m_focused && !m_captured);
    if ((m_down && heldLook) || (m_focused && m_rules.focus == FocusLook::Pressed))
        f.look = PartLook::Pressed;
    else if ((m_hot && m_rules.hot == HotLook::Shown) || (m_focused && m_rules.focus == FocusLook::Hot))
        f.look = PartLook::Hot;
    return f;
}

} // namespace skin
