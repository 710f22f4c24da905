// Pointer input of the frame: the hit test, the morph steps and the animations.

#include "skin/frame/TkvSorvane.h"

#include "skin/data/TkvSkinData.h"

#include <QTimer>

namespace skin {

int TkvSorvane::HitTest(QPoint p) const
{
    HitTestState s;
    s.width = FormWidth();
    s.height = FormHeight();
    s.rolledUp = m_state.rolledUp();
    s.minimized = m_state.minimized();
    s.maximized = m_state.maximized();
    s.sizeable = m_sizeable;
    s.inSizeMove = m_mouse.drag().inSizeMove();
    s.objectHovered = m_router.hoverIndex() != -1;
    return m_layout.hitTest(std::move(s), skinInUse(), m_objects.items(), p);
}

void TkvSorvane::UpDateActiveObjects() { m_objects.dropHover(); }

void TkvSorvane::startMorphTimer()
{
    if (!m_morphTimer->isActive())
        m_morphTimer->start();
}

void TkvSorvane::TestMorph()
{
    if (!m_objects.morphStep())
        m_morphTimer->stop();
}

void TkvSorvane::startAnimateTimer()
{
    if (!m_animateTimer->isActive())
        m_animateTimer->start();
}

void TkvSorvane::TestAnimate()
{
    if (!m_objects.animateStep())
        m_animateTimer->stop();
}

} // namespace skin
