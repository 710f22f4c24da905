#pragma once

#include "skin/controls/TkvSkinControl.h"

#include "platform/CanvasTools.h"
#include "skin/data/SkinCut.h"

namespace skin {

// Windowed skinned control with a font of its own and a size that follows
// its record. Without a record it keeps its size unless DefaultWidth or
// DefaultHeight force one, and draws its default image.
class TkvSkinCustomControl : public TkvSkinControl {
    Q_OBJECT

public:
    explicit TkvSkinCustomControl(QWidget* parent = nullptr);

    const platform::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const platform::TFont& value);
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int value);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool value);

    // Looks the record up and copies its cut and resize mode.
    void GetSkinData() override;
    void ChangeSkinData() override;
    // Fits a requested size to the record; nothing changes without one.
    virtual void CalcSize(int& width, int& height);
    // Sets or removes the window region taken from the record's mask.
    virtual void SetControlRegion();

    // The rectangle inside which the control draws its content: the
    // record's client rectangle fitted to the current size, or the whole
    // control without a record.
    platform::TRect RealClientRect() const;
    // How the record's image follows the size; None without a record.
    ResizeMode GetResizeMode() const { return hasRecord() ? m_resizeMode : ResizeMode::None; }
    // A rectangle on the skin image (a caption, a part) moved to the
    // current size.
    platform::TRect GetNewRect(const platform::TRect& r) const;

protected:
    // Resolves the record and fits the size to it.
    QRect fitBounds(const QRect& requested) override;
    // A fitted size updates the region and the face.
    void sizeChanged() override;
    virtual void DefaultFontChange();
    // The font a control draws its text with, by the font rule.
    platform::TFont controlFont() const { return skinFont(m_defaultFont, m_useSkinFont); }

    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    // The record's normal image at the control's size.
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;
    // The image of area r of the record's picture (skinrect or a state
    // image of its size) fitted to the control's size by the resize mode.
    void CreateSkinControlImage(platform::TBitmap& bitmap, const platform::TRect& r) const;
    // The record's cut at the current size.
    CutTarget currentTarget() const;
    const TRect& recordSkinRect() const { return m_skinRect; }

private:
    platform::TFont m_defaultFont{QStringLiteral("Arial"), 14, {}, platform::clWindowText};
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_useSkinFont = true;
    // Copied from the record at each lookup.
    SkinCut m_cut;
    TRect m_skinRect;
    ResizeMode m_resizeMode = ResizeMode::None;
};

} // namespace skin
