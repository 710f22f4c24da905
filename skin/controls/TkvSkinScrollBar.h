#pragma once

#include "skin/controls/PressablePart.h"
#include "skin/controls/TkvSkinCustomControl.h"

#include <QTimer>

namespace skin {

// Scroll bar with two end buttons, a track and a thumb sized by PageSize.
// Holding an end button or the track repeats after 500 ms, then every
// 50 ms; dragging the thumb sets Position continuously and OnLastChange
// follows the release.
class TkvSkinScrollBar : public TkvSkinCustomControl {
    Q_OBJECT

public:
    // The three parts, in this order.
    enum Part { kThumb = 0, kIncrease = 1, kDecrease = 2, kNone = -1 };
    // What a held press repeats.
    enum class Repeat { None, StepDecrease, StepIncrease, PageDecrease, PageIncrease };

    explicit TkvSkinScrollBar(QWidget* parent = nullptr);

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const { return m_position; }
    void SetPosition(int value);
    // As SetPosition, without OnChange.
    void SimplySetPosition(int value);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int value);
    // Stores all four and repaints; raises nothing.
    void SetRange(int min, int max, int pageSize, int position);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int value) { m_smallChange = value; }
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int value) { m_largeChange = value; }
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool value);
    bool Both() const { return m_both; }
    void SetBoth(bool value);
    int BothMarkerWidth() const { return m_bothMarkerWidth; }
    void SetBothMarkerWidth(int value);
    QString BothSkinDataName = QStringLiteral("bothhscrollbar");

    // Part rectangles and the track at the current size and position.
    void CalcRects();
    platform::TRect partRect(Part part) const { return m_rects[part]; }
    platform::TRect trackRect() const { return m_track; }
    Part partAt(int x, int y) const;
    Part hotPart() const;
    bool partPressed(Part part) const { return m_parts[part].down(); }
    // A part's look: an arrow button is pressed while held under the
    // pointer; the thumb is pressed while dragged or while the bar has the focus.
    PartFace partFace(Part part) const;
    Repeat timerMode() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    // Raised instead of the step by the increasing end (right or bottom),
    // the up button, and by the decreasing end, the down button.
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

protected:
    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    // The record's image shows both buttons at rest; hot and pressed
    // buttons and the thumb are copied over it.
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A page step moves towards Min (OnPageUp) or towards Max (OnPageDown).
    enum class PageDirection { Up, Down };

    bool horizontal() const { return m_kind == TScrollBarKind::sbHorizontal; }
    int along(const QPoint& p) const { return horizontal() ? p.x() : p.y(); }
    int clampPosition(int value) const;
    // Buttons and track without a record.
    void defaultRects();
    // Buttons and track from the record at the current size, with the
    // thumb's minimum length and its thickness across the bar.
    void recordRects(const TkvDataSkinScrollBarControl& bar, int& minThumb, int& thickness);
    void drawSkinThumb(platform::TCanvas& canvas, const TkvDataSkinScrollBarControl& bar);
    Part capturedPart() const;
    void setHotPart(Part part);
    void stepButton(Part part);
    void pageStep(PageDirection direction);
    bool pointerBeforeThumb() const;
    bool pointerAfterThumb() const;
    void timerTick();
    void pageRepeat();
    void setPartsFocused(bool value);
    void pointerMoved(const QPoint& p);
    void dragTo(int coordinate);

    TScrollBarKind m_kind = TScrollBarKind::sbHorizontal;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    int m_pageSize = 0;
    bool m_canFocused = false;
    bool m_both = false;
    int m_bothMarkerWidth = 19;

    platform::TRect m_rects[3];
    // The thumb is dragged while held; an end button steps and repeats; the
    // track repeats page steps in m_pageDirection.
    PressablePart m_parts[3];
    PressablePart m_page;
    PageDirection m_pageDirection = PageDirection::Up;
    platform::TRect m_track;
    int m_firstCentre = 0;
    int m_lastCentre = 0;
    int m_thumbOffset = 0;
    QPoint m_lastPointer;
    int m_dragStartCoordinate = 0;
    int m_dragStartOffset = 0;
    QTimer m_timer{this};
};

} // namespace skin
