#pragma once

#include "skin/controls/TkvSkinCustomControl.h"

namespace skin {

// Container with an optional caption strip that may carry a check box
// (enabling or disabling the children) and a roll-up arrow (collapsing the
// panel to its caption).
class TkvSkinPanel : public TkvSkinCustomControl {
    Q_OBJECT

public:
    explicit TkvSkinPanel(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    bool CaptionMode() const { return m_captionMode; }
    virtual void SetCaptionMode(bool value);
    int DefaultCaptionHeight() const { return m_defaultCaptionHeight; }
    virtual void SetDefaultCaptionHeight(int value);
    TAlignment DefaultAlignment() const { return m_defaultAlignment; }
    void SetDefaultAlignment(TAlignment value);
    TkvSkinBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TkvSkinBorderStyle value);
    const platform::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const platform::TBitmap& value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    bool CheckedMode() const { return m_checkedMode; }
    void SetCheckedMode(bool value);
    bool Checked() const { return m_checked; }
    void SetChecked(bool value);
    bool AutoEnabledControls() const { return m_autoEnabledControls; }
    void SetAutoEnabledControls(bool value) { m_autoEnabledControls = value; }
    bool RollUpMode() const { return m_rollUpMode; }
    void SetRollUpMode(bool value);
    bool RollUpState() const { return m_rollUpState; }
    void SetRollUpState(bool value);
    int RealHeight() const { return m_realHeight; }

    // The area left to aligned children.
    platform::TRect GetSkinClientRect() const;
    // The caption strip: where the caption is drawn and where a click
    // checks or rolls up. With a record it is the record's caption
    // rectangle moved to the current size.
    platform::TRect captionRect() const;

    void GetSkinData() override;
    void ChangeSkinData() override;
    void sizeChanged() override;

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

protected:
    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void DoRollUp(bool up);
    void defaultChanged();
    void drawDefaultCaption(platform::TCanvas& canvas);
    void drawSkinCaption(platform::TCanvas& canvas);
    // Glyph and caption in r by alignment; indent from the left edge for
    // left and centred captions.
    void drawCaptionLine(platform::TCanvas& canvas, const platform::TRect& r, TAlignment alignment, int indent);
    // Keeps aligned children and layouts inside the client area.
    void applyClientMargins();
    // Without a frame and caption a nine-part record only lends its client
    // area, repeated over the whole panel.
    bool plainClientLook() const;

    QString m_caption;
    bool m_captionMode = false;
    int m_defaultCaptionHeight = 22;
    TAlignment m_defaultAlignment = TAlignment::taLeftJustify;
    TkvSkinBorderStyle m_borderStyle = TkvSkinBorderStyle::bvFrame;
    platform::TBitmap m_glyph;
    int m_numGlyphs = 1;
    int m_spacing = 2;
    bool m_checkedMode = false;
    bool m_checked = false;
    bool m_autoEnabledControls = true;
    bool m_rollUpMode = false;
    bool m_rollUpState = false;
    int m_realHeight = -1;
    // The record's background picture, repeated over the panel instead of
    // its image.
    platform::TBitmap m_bgPicture;
};

} // namespace skin
