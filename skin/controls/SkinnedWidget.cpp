#include "skin/controls/SkinnedWidget.h"

namespace skin {

SkinnedWidget::SkinnedWidget(QWidget* parent, QString recordName)
    : QWidget(parent)
    , SkinLink(std::move(recordName))
{
}

void SkinnedWidget::SetBounds(int left, int top, int width, int height)
{
    // A move alone fits nothing.
    if (QSize(width, height) == size() && size() == m_fittedSize) {
        move(left, top);
        return;
    }
    applyBounds(fitBounds(QRect(left, top, width, height)));
}

void SkinnedWidget::refit() { applyBounds(fitBounds(geometry())); }

void SkinnedWidget::applyBounds(const QRect& fitted)
{
    m_fittedSize = fitted.size();
    setGeometry(fitted);
    // A visible widget has heard of its size in the resize event already;
    // Qt holds a hidden one's until it is shown.
    announceSize();
}

void SkinnedWidget::announceSize()
{
    if (size() == m_announcedSize)
        return;
    m_announcedSize = size();
    sizeChanged();
}

void SkinnedWidget::resizeEvent(QResizeEvent*)
{
    // Qt's own resize and setGeometry come here unfitted.
    if (size() != m_fittedSize) {
        applyBounds(fitBounds(geometry()));
        return;
    }
    announceSize();
}

void SkinnedWidget::setDimming(const platform::Dimming& dimming)
{
    if (dimming == m_dimming)
        return;
    m_dimming = dimming;
    update();
}

} // namespace skin
