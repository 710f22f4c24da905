#pragma once

#include "skin/controls/TkvSkinCustomControl.h"

namespace skin {

// Progress bar: fills the part of its area that Value takes of the range,
// optionally with a text and the percentage on top.
class TkvSkinGauge : public TkvSkinCustomControl {
    Q_OBJECT

public:
    explicit TkvSkinGauge(QWidget* parent = nullptr);

    int MinValue() const { return m_minValue; }
    void SetMinValue(int value);
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int value);
    int Value() const { return m_value; }
    void SetValue(int value);
    bool Vertical() const { return m_vertical; }
    void SetVertical(bool value);
    bool UseSkinSize() const { return m_useSkinSize; }
    void SetUseSkinSize(bool value);
    bool ShowProgressText() const { return m_showProgressText; }
    void SetShowProgressText(bool value);
    const QString& ProgressText() const { return m_progressText; }
    void SetProgressText(const QString& value);
    bool ShowPercent() const { return m_showPercent; }
    void SetShowPercent(bool value);

    // The filled part of area r for the current value.
    platform::TRect CalcProgressRect(const platform::TRect& r) const;
    // The record's progress area moved to the current size.
    platform::TRect adjustedProgressArea() const;
    void GetSkinData() override;
    void CalcSize(int& width, int& height) override;
    // A stretched skin image has no mask to match, so no region.
    void SetControlRegion() override;
    // The text drawn over the progress; empty when nothing is shown.
    QString progressCaption() const;

protected:
    void DrawProgressText(platform::TCanvas& canvas);
    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;
    // The skin image at the control's width with the progress tiles.
    void CreateImage(platform::TBitmap& bitmap);

private:
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_value = 50;
    bool m_vertical = false;
    bool m_useSkinSize = true;
    bool m_showProgressText = false;
    QString m_progressText;
    bool m_showPercent = false;
};

} // namespace skin
