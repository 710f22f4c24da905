#pragma once

#include "skin/controls/PressablePart.h"
#include "skin/controls/TkvSkinControl.h"

#include <QTimer>

namespace skin {

// What the slider shows besides its geometry: the thumb's look (pressed
// while dragged; disabled) and whether the focus rectangle is drawn.
struct SliderFace {
    PartFace thumb;
    bool showFocus = false;

    friend bool operator==(const SliderFace&, const SliderFace&) = default;
};

// Called instead of the built-in tick marks: the canvas of the face and
// the area below (or beside) the ruler that holds the ticks.
using TkvDrawPointsEvent = std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& TickArea)>;

// Slider: a ruler, optional tick marks and a thumb that maps pixels to
// values. Dragging the thumb, holding the mouse on the ruler (a step every
// 400 ms until the thumb passes the pointer), the arrow, Home and End keys
// change Value; OnChange follows every real change, OnChanged the end of
// each user action.
class TkvSkinCustomSlider : public TkvSkinControl {
    Q_OBJECT

public:
    explicit TkvSkinCustomSlider(QWidget* parent = nullptr);

    int MinValue() const { return m_minValue; }
    void SetMinValue(int value) { SetRange(value, m_maxValue); }
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int value) { SetRange(m_minValue, value); }
    // Refused when min >= max.
    void SetRange(int min, int max);
    int Value() const { return m_value; }
    void SetValue(int value);
    int Increment() const { return m_increment; }
    void SetIncrement(int value);
    TkvSliderOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TkvSliderOrientation value);
    TkvSliderOptions Options() const { return m_options; }
    void SetOptions(TkvSliderOptions value);
    int EdgeSize() const { return m_edgeSize; }
    void SetEdgeSize(int value);
    int NumThumbStates() const { return m_numThumbStates; }
    void SetNumThumbStates(int value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool UseSkinThumb() const { return m_useSkinThumb; }
    // The thumb's size follows, so the slider is laid out again.
    void SetUseSkinThumb(bool value);
    platform::TColor Color() const { return m_color; }
    void SetColor(platform::TColor value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);

    // A null bitmap gives the built-in picture back.
    const platform::TBitmap& ImageHThumb() const { return m_images[kHThumb]; }
    void SetImageHThumb(const platform::TBitmap* value) { setImage(kHThumb, value); }
    const platform::TBitmap& ImageHRuler() const { return m_images[kHRuler]; }
    void SetImageHRuler(const platform::TBitmap* value) { setImage(kHRuler, value); }
    const platform::TBitmap& ImageVThumb() const { return m_images[kVThumb]; }
    void SetImageVThumb(const platform::TBitmap* value) { setImage(kVThumb, value); }
    const platform::TBitmap& ImageVRuler() const { return m_images[kVRuler]; }
    void SetImageVRuler(const platform::TBitmap* value) { setImage(kVRuler, value); }

    // Geometry of the current layout, in control coordinates.
    platform::TRect ThumbBounds() const { return m_thumbBounds; }
    platform::TPoint RulerOrigin() const { return m_rulerOrigin; }
    platform::TRect TickArea() const { return m_tickArea; }
    const platform::TBitmap& RulerImage() const { return m_rulerImage; }
    bool Sliding() const { return m_thumb.captured(); }
    bool Tracking() const { return m_tracking; }
    SliderFace face() const;

    int GetRulerLength() const;
    int GetOffsetByValue(int value) const;
    int GetValueByOffset(int offset) const;
    void ChangeSkinData() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanged;
    TkvDrawPointsEvent OnDrawPoints;

protected:
    // Where the face's pieces come from: the built-in or user pictures, or
    // the record.
    struct Look {
        platform::TColor background = 0;
        bool rulerOpaque = false;
        const platform::TBitmap* thumbPicture = nullptr;
        // Both thumb states side by side, in thumbPicture.
        platform::TRect thumbSource;
        int thumbStates = 1;
        bool thumbOpaque = false;
        // The transparent colour is each state's own lower-left pixel (skin
        // thumbs) rather than the whole picture's.
        bool keyPerState = false;
    };
    virtual bool CanModify() const { return true; }
    virtual platform::TRect GetSliderRect() const { return {0, 0, width(), height()}; }
    virtual int GetSliderValue() const { return m_value; }
    virtual void Sized() { AdjustElements(); }
    virtual void RangeChanged() {}
    virtual void ThumbMouseDown(QMouseEvent* event);
    virtual void ThumbMouseMove(QMouseEvent* event);
    virtual void ThumbMouseUp(QMouseEvent* event);
    virtual void DefaultDrawPoints(platform::TCanvas& canvas);

    void AdjustElements();
    void BuildRuler();
    void BuildSkinRuler();
    QPoint GetThumbPosition(int& offset) const;
    void SetThumbOffset(int offset);
    void InternalDrawPoints(platform::TCanvas& canvas, int Step, int EndLength, int MidLength);
    void DrawThumb(platform::TCanvas& canvas, const SliderFace& face, const Look& look);
    void ThumbJump(TkvJumpMode mode);
    TkvJumpMode JumpTo(int x, int y) const;
    void TimerTrack();
    void StopTracking();
    void Change();
    void Changed();

    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;
    void sizeChanged() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum ImageSlot { kHThumb, kHRuler, kVThumb, kVRuler, kImageCount };

    void paintFace(platform::TBitmap& bitmap, const Look& look);
    // The record's thumb rectangle when the thumb comes from the record.
    const platform::TRect* skinThumbRect() const;
    platform::TColor pointsColour() const;

    bool horizontal() const { return m_orientation == TkvSliderOrientation::soHorizontal; }
    const platform::TBitmap& thumbImage() const { return m_images[horizontal() ? kHThumb : kVThumb]; }
    const platform::TBitmap& rulerSource() const { return m_images[horizontal() ? kHRuler : kVRuler]; }
    int thumbWidth() const;
    int thumbHeight() const;
    int start() const;
    bool userMayChange() const { return CanModify() && !m_readOnly; }
    void setImage(ImageSlot slot, const platform::TBitmap* value);
    void loadBuiltInImage(ImageSlot slot);
    void invalidateThumb();

    int m_minValue = 0;
    int m_maxValue = 100;
    int m_value = 0;
    int m_increment = 10;
    TkvSliderOrientation m_orientation = TkvSliderOrientation::soHorizontal;
    TkvSliderOptions m_options = TkvSliderOption::soShowFocus | TkvSliderOption::soShowPoints | TkvSliderOption::soSmooth;
    int m_edgeSize = 2;
    int m_numThumbStates = 2;
    bool m_transparent = false;
    bool m_useSkinThumb = true;
    platform::TColor m_color = platform::clBtnFace;
    bool m_readOnly = false;
    platform::TBitmap m_images[kImageCount];
    // Bit i set: image i was given by the user, not built in.
    unsigned m_userImages = 0;

    platform::TBitmap m_rulerImage;
    platform::TPoint m_rulerOrigin;
    platform::TRect m_thumbBounds;
    platform::TRect m_tickArea;
    // Held while dragged; it never looks hot.
    PressablePart m_thumb{{PressedLook::WhileDown, FocusLook::None, HotLook::Hidden}};
    bool m_tracking = false;
    TkvJumpMode m_startJump = TkvJumpMode::jmNone;
    QPoint m_lastMouse;
    int m_grabOffset = 0;
    QTimer m_trackTimer{this};
};

} // namespace skin
