#pragma once

#include "platform/Dimming.h"
#include "skin/controls/SkinLink.h"

#include <QWidget>

namespace skin {

// A widget that draws from a skin record: the skinned controls, the edit
// and the standard label. Its bounds follow one rule, fitBounds, however
// they were changed: through SetBounds or through Qt's own resize and
// setGeometry, which are fitted when their resize arrives.
class SkinnedWidget : public QWidget, public SkinLink, public platform::Dimmable {
    Q_OBJECT

public:
    SkinnedWidget(QWidget* parent, QString recordName);

    // Position and size in the parent's coordinates, as fitBounds fits them.
    void SetBounds(int left, int top, int width, int height);
    // SetBounds at the current position.
    void setSize(int width, int height) { SetBounds(x(), y(), width, height); }

    void setDimming(const platform::Dimming& dimming) override;
    const platform::Dimming& dimming() const override { return m_dimming; }

protected:
    // The bounds the control takes when asked for requested: fitted to its
    // record, its font or its text. Must give back bounds it would keep.
    virtual QRect fitBounds(const QRect& requested) { return requested; }
    // The size changed and is fitted: inner widgets, the region and the
    // face follow it here.
    virtual void sizeChanged() {}
    // Fits the current bounds again after something fitBounds reads changed.
    void refit();

    void resizeEvent(QResizeEvent* event) final;

private:
    void applyBounds(const QRect& fitted);
    // sizeChanged once for each new size, whether the resize event or
    // SetBounds brings it first.
    void announceSize();

    // The size fitted last: its resize needs no second fitting.
    QSize m_fittedSize;
    QSize m_announcedSize;
    platform::Dimming m_dimming;
};

} // namespace skin
