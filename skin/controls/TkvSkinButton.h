#pragma once

#include "skin/controls/FaceState.h"
#include "skin/controls/TkvSkinCustomControl.h"

#include <QTimer>

namespace skin {

// What the button shows, as its behaviour decides it: the face's look
// (pressed, hot, normal; disabled and focused), the state behind it, the
// glyph image and the font by the font rule.
struct ButtonFace {
    PartFace part;
    bool mouseIn = false;
    bool down = false;
    double morphFactor = 0.0;
    int glyphIndex = 1;
    platform::TFont font;
};

// Push button: normal, hot, pressed, disabled and focused looks, optional
// auto-repeat while held, radio-like groups, and the Enter/Esc keys of a
// default or cancel button.
//
// States (MouseIn: pointer over the button, ButtonHeld: left button went
// down on it):
//   press             -> Down, pressed look while the pointer stays inside
//   release inside    -> Down off, OnClick
//   release outside   -> Down off, no click
//   space down / up   -> Down on / Down off and OnClick
class TkvSkinButton : public TkvSkinCustomControl {
    Q_OBJECT

public:
    explicit TkvSkinButton(QWidget* parent = nullptr);
    ~TkvSkinButton() override;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    const platform::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const platform::TBitmap& value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    TkvButtonLayout Layout() const { return m_layout; }
    void SetLayout(TkvButtonLayout value);
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    bool RepeatMode() const { return m_repeatMode; }
    void SetRepeatMode(bool value) { m_repeatMode = value; }
    int RepeatInterval() const { return m_repeatInterval; }
    void SetRepeatInterval(int value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool value);
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int value) { m_modalResult = value; }

    bool MouseIn() const { return m_mouseIn; }
    bool ActiveDefault() const { return m_activeDefault; }
    double MorphFactor() const { return m_morphFactor; }
    bool IsFocused() const;
    ButtonFace face() const;

    // Raises OnClick (and closes a dialog with ModalResult).
    virtual void ButtonClick();
    void GetSkinData() override;
    void ChangeSkinData() override;

    TNotifyEvent OnClick;

protected:
    int GetGlyphNum(bool ADown, bool AMouseIn) const;

    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;
    // Image r of the record fitted to the button, with glyph and caption in
    // the colour of the state ADown and AMouseIn describe.
    virtual void CreateButtonImage(platform::TBitmap& bitmap, const platform::TRect& r, bool ADown, bool AMouseIn);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // True when the pressed look shows (also the pressed-image rule with a record).
    bool showsPressed() const;
    void pointerEntered();
    void pointerLeft();
    void ReDrawControl();
    void StartMorph();
    void DoMorph();
    void StopMorph();
    void startRepeat();
    void stopRepeat();
    void formFocusChanged(QWidget* now);
    void updateAccelerator();
    void updateDialogKeyFilter();
    bool handleDialogKey(QKeyEvent* event);

    QString m_caption;
    platform::TBitmap m_glyph;
    int m_numGlyphs = 1;
    TkvButtonLayout m_layout = TkvButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 1;
    bool m_repeatMode = false;
    int m_repeatInterval = 100;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_allowAllUp = false;
    bool m_canFocused = true;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;

    bool m_mouseIn = false;
    bool m_buttonHeld = false;
    bool m_activeDefault = false;
    bool m_groupReleasePending = false;
    double m_morphFactor = 0.0;
    // Copied from the record; without one there is no cross-fade.
    bool m_morphing = false;
    int m_accelShortcut = 0;
    bool m_dialogKeyFilter = false;
    QMetaObject::Connection m_focusWatch;
    QTimer m_repeatTimer{this};
    QTimer m_morphTimer{this};
};

} // namespace skin
