#pragma once

#include "skin/controls/ControlTypes.h"
#include "skin/controls/SkinnedWidget.h"

#include "platform/Bitmap.h"

namespace skin {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

// Transparent text label. It is not a skinned control: it draws only its
// caption and borrows font and colour from a record when it has one.
class TkvSkinStdLabel : public SkinnedWidget {
    Q_OBJECT

public:
    explicit TkvSkinStdLabel(QWidget* parent = nullptr);

    // Applied even to an empty skin data, unlike the skinned controls.
    void SetSkinData(TkvSkinData* value) override;
    void ChangeSkinData() override;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    const platform::TFont& Font() const { return m_font; }
    void SetFont(const platform::TFont& value);
    const platform::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const platform::TFont& value);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool value);

    // The caption drawn on a transparent picture of the label's size.
    QImage renderText();

protected:
    // Measures the caption (into rect's size) or draws it.
    void DoDrawText(platform::TCanvas& canvas, platform::TRect& rect, bool measure);
    // With AutoSize the size follows the caption.
    QRect fitBounds(const QRect& requested) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    platform::TFont textFont() const;

    QString m_caption;
    platform::TFont m_font;
    platform::TFont m_defaultFont;
    bool m_useSkinFont = true;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TTextLayout m_layout = TTextLayout::tlTop;
    bool m_autoSize = true;
    bool m_showAccelChar = true;
};

} // namespace skin
