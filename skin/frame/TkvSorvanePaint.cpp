// The frame's picture: the layout applied to the window, the region, and
// painting through the frame's painter.

#include "skin/frame/TkvSorvane.h"

#include "platform/RegionPaint.h"
#include "skin/data/TkvSkinData.h"

#include <QPainter>
#include <QWidget>

namespace skin {

TRect TkvSorvane::clientRect() const { return m_layout.clientRect(skinInUse(), m_form->size()); }

void TkvSorvane::placeClientArea()
{
    const TRect r = clientRect();
    m_client->setGeometry(r.left, r.top, r.width(), r.height());
    m_client->setVisible(r.width() > 0 && r.height() > 0);
}

void TkvSorvane::CreateNewForm()
{
    if (m_skinInUse) {
        m_layout.layOutSkin(*m_skinData, m_form->size(), m_objects.items(), sysMenuFace());
        CreateNewRegion();
    } else {
        if (m_objects.empty())
            LoadDefObjects();
        m_layout.layOutDefault(m_form->size(), m_objects.items(), sysMenuFace());
    }
    placeClientArea();
}

void TkvSorvane::CreateNewRegion()
{
    switch (m_layout.updateRegion(skinInUse(), m_form->size())) {
    case RegionChange::Set:
        m_form->setMask(m_layout.region());
        break;
    case RegionChange::Cleared:
        m_form->clearMask();
        break;
    case RegionChange::Unchanged:
        break;
    }
}

void TkvSorvane::paintFrame(QPainter& painter, const QRegion& region)
{
    if (m_skinInUse)
        PaintNCSkin(painter, region);
    else
        PaintNCDefault(painter, region);
}

void TkvSorvane::PaintNCSkin(QPainter& painter, const QRegion& region)
{
    if (FormWidth() < GetMinWidth() || FormHeight() < GetMinHeight())
        return;
    m_painter.paintSkin(painter, region, paintedFrame(), *m_skinData);
}

void TkvSorvane::PaintNCDefault(QPainter& painter, const QRegion& region)
{
    if (FormWidth() <= 0 || FormHeight() <= 0)
        return;
    if (m_objects.empty())
        CreateNewForm();
    m_painter.paintDefault(painter, region, paintedFrame(), m_form->windowTitle());
}

FramePainter::Frame TkvSorvane::paintedFrame() const
{
    return {m_form->size(), m_layout.geometry(), m_objects.items(),
        GetFormActive() ? FrameActivity::Active : FrameActivity::Inactive};
}

void TkvSorvane::paintClient(QPainter& painter, const QRegion& region)
{
    m_painter.paintClient(painter, region, skinInUse(), m_client->size());
}

void TkvSorvane::drawObject(TkvActiveSkinObject& object)
{
    const TRect& r = object.ObjectRect;
    platform::updatePart(*m_form, {r.left, r.top, r.width(), r.height()});
}

QImage TkvSorvane::renderFrame() { return m_form->grab().toImage(); }

} // namespace skin
