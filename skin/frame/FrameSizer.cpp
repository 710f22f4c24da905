// The frame's window sizes: limits, the fixed client, the state changes'
// geometry and snapping.

#include "skin/frame/FrameSizer.h"

#include "skin/data/SkinWindowHelpers.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameLayout.h"
#include "skin/frame/TkvSorvane.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace skin {

namespace {

QRect toQRect(const TRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// The frame's part of the picture's width or height around the client,
// never less than none nor more than the picture: a client rectangle
// beyond the picture or inverted would shrink the window to nothing or
// stretch it past any screen.
int frameMargin(int picture, int client) { return std::clamp(picture - client, 0, std::max(picture, 0)); }

} // namespace

int FrameSizer::minWidth() const
{
    if (const TkvSkinData* skin = m_frame.skinInUse()) {
        const int pw = skin->PictureBitmap.width();
        return m_frame.MinWidth > pw && !m_frame.frameState().minimized() ? m_frame.MinWidth : pw;
    }
    return m_frame.MinWidth > 0 ? m_frame.MinWidth : 120;
}

int FrameSizer::minHeight() const
{
    const TkvSkinData* skin = m_frame.skinInUse();
    const int frameOnly
        = skin ? frameMargin(skin->PictureBitmap.height(), skin->clientrect.height()) : kDefCaptionHeight + 6;
    const FrameWindowState& state = m_frame.frameState();
    if (frameOnly >= m_frame.MinHeight || state.rolledUp() || state.minimized())
        return frameOnly;
    return m_frame.MinHeight;
}

QSize FrameSizer::screenLimit() const
{
    const QWidget* form = m_frame.Form();
    const QScreen* screen = form->screen();
    if (!screen) {
        const TRect area = GetMonitorWorkArea(form);
        return {area.width(), area.height()};
    }
    return (m_frame.MaximizeOnFullScreen ? screen->geometry() : screen->availableGeometry()).size();
}

int FrameSizer::maxWidth() const
{
    const int w = screenLimit().width();
    return m_frame.MaxWidth != 0 && m_frame.MaxWidth < w ? m_frame.MaxWidth : w;
}

int FrameSizer::maxHeight() const
{
    const int h = screenLimit().height();
    return m_frame.MaxHeight != 0 && m_frame.MaxHeight < h ? m_frame.MaxHeight : h;
}

int FrameSizer::realHeight() const
{
    return m_frame.frameState().rolledUp() ? m_heightBeforeRollUp : m_frame.FormHeight();
}

void FrameSizer::applySize(int width, int height)
{
    QWidget* form = m_frame.Form();
    if (m_frame.Sizeable() && m_frame.frameState().userSizable()) {
        form->setMinimumSize(minWidth(), minHeight());
        form->setMaximumSize(std::max(maxWidth(), minWidth()), std::max(maxHeight(), minHeight()));
        form->resize(width, height);
    } else {
        // The user cannot size it: the frame alone decides. Fixed to the
        // limits it already has, the window is not resized by them.
        form->setFixedSize(width, height);
        form->resize(width, height);
    }
}

void FrameSizer::followScale()
{
    const QWidget* form = m_frame.Form();
    const qreal scale = form->devicePixelRatioF();
    const QSizeF pixels = QSizeF(form->size()) * scale;
    const QSizeF pixelsBefore = QSizeF(m_sizeAtScale) * m_scale;
    const bool pixelsKept = std::abs(pixels.width() - pixelsBefore.width()) <= 1
        && std::abs(pixels.height() - pixelsBefore.height()) <= 1;
    const bool restore = m_scale != 0 && scale != m_scale && pixelsKept && form->size() != m_sizeAtScale;
    m_scale = scale;
    if (restore) {
        applySize(m_sizeAtScale.width(), m_sizeAtScale.height());
        return;
    }
    m_sizeAtScale = form->size();
}

void FrameSizer::fitClient()
{
    const TkvSkinData* skin = m_frame.skinInUse();
    int width = m_frame.FormWidth();
    int height = realHeight();
    // Each applies on its own: a window may fix only its client width.
    if (m_frame.ClientWidth() > 0) {
        const int marginX = skin ? frameMargin(skin->PictureBitmap.width(), skin->clientrect.width()) : 2 * kDefBorder;
        width = m_frame.ClientWidth() + marginX;
    }
    if (m_frame.ClientHeight() > 0) {
        const int marginY = skin ? frameMargin(skin->PictureBitmap.height(), skin->clientrect.height())
                                 : kDefCaptionHeight + 2 * kDefBorder;
        height = m_frame.ClientHeight() + marginY;
    }
    width = std::max(width, minWidth());
    height = std::max(height, minHeight());
    if (m_frame.frameState().rolledUp()) {
        m_heightBeforeRollUp = height;
        height = minHeight();
    }
    applySize(width, height);
}

QRect FrameSizer::maximizedArea() const
{
    const QWidget* form = m_frame.Form();
    const QScreen* screen = form->screen();
    QRect area = screen ? (m_frame.MaximizeOnFullScreen ? screen->geometry() : screen->availableGeometry())
                        : toQRect(GetMonitorWorkArea(form));
    // A work area as large as the monitor would hide an auto-hidden task
    // bar for good.
    if (screen && area == screen->geometry())
        area.adjust(1, 1, -1, -1);
    return area;
}

void FrameSizer::run(FrameStateActions actions)
{
    using A = FrameStateAction;
    QWidget* form = m_frame.Form();
    if (actions.has(A::KeepRestoreBounds) && m_restoreBounds.isNull())
        m_restoreBounds = form->geometry();
    if (actions.has(A::ShowNormal))
        form->showNormal();
    if (actions.has(A::ShowMinimized))
        form->showMinimized();
    if (actions.has(A::FillWorkArea)) {
        form->setMinimumSize(0, 0);
        form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        form->setGeometry(maximizedArea());
    }
    if (actions.has(A::ReturnToRestoreBounds) && !m_restoreBounds.isNull()) {
        form->move(m_restoreBounds.topLeft());
        applySize(m_restoreBounds.width(), m_restoreBounds.height());
    }
    if (actions.has(A::ShrinkToCaption)) {
        m_heightBeforeRollUp = m_frame.FormHeight();
        applySize(m_frame.FormWidth(), minHeight());
    }
    if (actions.has(A::GrowBack))
        applySize(m_frame.FormWidth(), m_heightBeforeRollUp);
    if (actions.has(A::ForgetRestoreBounds))
        m_restoreBounds = {};
}

void FrameSizer::snap()
{
    QWidget* form = m_frame.Form();
    if (!m_frame.Magnetic || m_snapping || !m_frame.frameState().normal())
        return;
    const QPoint snapped
        = FrameLayout::snapped(form->pos(), form->size(), GetMonitorWorkArea(form), m_frame.MagneticSize);
    if (snapped == form->pos())
        return;
    m_snapping = true;
    form->move(snapped);
    m_snapping = false;
}

} // namespace skin
