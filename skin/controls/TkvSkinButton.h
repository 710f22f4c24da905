#pragma once

#include "skin/controls/PressablePart.h"
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

// What a button shows besides its state: caption and glyph laid out in its
// client rectangle.
struct ButtonContent {
    platform::TRect client;
    int margin = -1;
    int spacing = 1;
    TkvButtonLayout layout = TkvButtonLayout::blGlyphLeft;
    QString caption;
    const platform::TBitmap* glyph = nullptr;
    int numGlyphs = 1;
};

// Push button: normal, hot, pressed, disabled and focused looks, optional
// auto-repeat while held, radio-like groups, and the Enter/Esc keys of a
// default or cancel button.
//
// Hot (MouseIn), Down, held (the left button went down on it), the repeat
// and the look are its pressable part's; a group button latches:
//   press             -> Down, pressed look while the pointer stays inside
//                        (a group button: pressed look while Down, OnClick)
//   release inside    -> Down off, OnClick (a group button stays Down)
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
    void SetRepeatMode(bool value);
    int RepeatInterval() const { return m_repeatInterval; }
    void SetRepeatInterval(int value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return m_part.down(); }
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

    bool MouseIn() const { return m_part.hot(); }
    bool ActiveDefault() const { return m_activeDefault; }
    double MorphFactor() const { return m_morphFactor; }
    bool IsFocused() const;
    ButtonFace face() const;
    ButtonContent content() const;

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
    // the colour of the state ADown and AMouseIn describe; disabled and the
    // font come from the face.
    virtual void CreateButtonImage(
        platform::TBitmap& bitmap, const platform::TRect& r, const ButtonFace& face, bool ADown, bool AMouseIn);

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
    // Morph, repaint and the release of the group after Down changed.
    void downChanged();
    // A group button latches and does not repeat.
    void updatePartRules();
    void updateRepeat();
    void pointerEntered();
    void pointerLeft();
    void ReDrawControl();
    void StartMorph();
    void DoMorph();
    void StopMorph();
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
    bool m_allowAllUp = false;
    bool m_canFocused = true;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;

    PressablePart m_part;
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
