// The window's side of the telemetry: decoded frames into fields, lamps,
// instruments and the airframe picture, and the links from reported values
// to sliders and gauges.

#include "app/window/MainWindow.h"

#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "platform/ClassicErrors.h"
#include "platform/Color.h"
#include "platform/TImage.h"
#include "protocol/NumberFormat.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"

#include <cmath>

namespace {

constexpr int kCell = 137;

int truncated(long double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

void MainWindow::telemetryHandedOver() { showTextsAtPicturePace(); }

void MainWindow::showTextsAtPicturePace()
{
    if (m_textsWaiting.any() && m_textPacer->admit())
        showLatestTexts();
}

void MainWindow::hookInstruments()
{
    // Attitude and heading frames arrive a hundred times a second each; the
    // instruments draw the latest angles when they are shown.
    m_controls.attitudeIndicator->SetDrawing([this](platform::TBitmap& picture) {
        instruments::DrawAttitude(m_roll, m_pitch, picture);
    });
    m_controls.headingIndicator->SetDrawing([this](platform::TBitmap& picture) {
        instruments::DrawHeading(m_headingAngle, picture);
    });
}

void MainWindow::attitudeChanged(double rollRadians, double pitchRadians)
{
    m_roll = rollRadians;
    m_pitch = pitchRadians;
    m_controls.attitudeIndicator->InvalidateDrawing();
}

void MainWindow::fieldChanged(protocol::TelemetryField field, std::string_view text)
{
    const auto index = static_cast<size_t>(field);
    m_latestTexts[index] = text;
    m_textsWaiting.set(index);
}

void MainWindow::showLatestTexts()
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (!m_textsWaiting.test(i))
            continue;
        const std::string& text = m_latestTexts[i];
        m_fields[i]->SetText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    m_textsWaiting.reset();
}

void MainWindow::headingChanged(double headingRadians)
{
    m_headingAngle = headingRadians;
    m_controls.headingIndicator->InvalidateDrawing();
}

void MainWindow::flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit)
{
    m_litLamps[static_cast<size_t>(group)] = lit;
    showLitLamp(group);
}

void MainWindow::showLitLamp(protocol::ModeSwitch group)
{
    const std::optional<protocol::ModeLamp> lit = m_litLamps[static_cast<size_t>(group)];
    if (!lit)
        return;
    const auto& lamps = group == protocol::ModeSwitch::Ch5 ? m_ch5Lamps : m_ch6Lamps;
    for (size_t i = 0; i < lamps.size(); ++i) {
        const platform::TColor colour = i == static_cast<size_t>(*lit) ? m_litLampColour : m_unlitLampColour;
        if (lamps[i]->Font().Color == colour)
            continue;
        platform::TFont font = lamps[i]->Font();
        font.Color = colour;
        lamps[i]->SetFont(font);
    }
}

void MainWindow::airframeChanged(int index)
{
    // Settings frames repeat the airframe a hundred times a second; the
    // picture changes only when the airframe does.
    if (index == m_airframeShown)
        return;
    m_airframeShown = index;
    platform::TBitmap cell;
    cell.setImage(m_airframeStrip.toQImage(QRect(kCell * index, 0, kCell, kCell)));
    m_controls.airframePicture->Picture().Canvas().CopyRect({0, 0, kCell, kCell}, cell.Canvas(), {0, 0, kCell, kCell});
    m_controls.airframePicture->Invalidate();
}

namespace {

// One column of the "Parameter Adj." panel: the reported value moves the
// slider, and the setting field always shows the slider's position in
// display units, so what "Save" sends is what slider and report agree on.
struct SettingColumn {
    skin::TkvSkinEdit* reported;
    skin::TkvSkinSlider* slider;
    skin::TkvSkinEdit* setting;
    // Reported value to slider position.
    long double scale;
    // Slider position to the setting text.
    std::function<QString(int position)> settingText;
};

void linkColumn(const SettingColumn& column)
{
    const auto showSetting = [column] { column.setting->SetText(column.settingText(column.slider->Value())); };
    column.slider->OnChange = [showSetting](QObject*) { showSetting(); };
    column.reported->OnChange = [column, showSetting](QObject*) {
        column.slider->SetValue(truncated(platform::StrToFloat(column.reported->Text()) * column.scale));
        // A report equal to the slider's position does not move it; the
        // setting field must still show it instead of its start text.
        showSetting();
    };
}

} // namespace

void MainWindow::hookPanelLinks()
{
    const auto whole = [](int position) { return QString::number(position); };
    const auto tenths = [this](int position) {
        return QString::fromStdString(protocol::formatGeneral(position * 0.1L, m_link->decimalSeparator()));
    };
    linkColumn({m_controls.gyroGainReported, m_controls.gyroGainSlider, m_controls.gyroGainSetting, 1, whole});
    linkColumn({m_controls.auxGainReported, m_controls.auxGainSlider, m_controls.auxGainSetting, 10, tenths});
    linkColumn({m_controls.altitudeGainReported, m_controls.altitudeGainSlider, m_controls.altitudeGainSetting, 1, whole});
    linkColumn({m_controls.lowVoltageReported, m_controls.lowVoltageSlider, m_controls.lowVoltageSetting, 10, tenths});

    // Channels drive the gauges (CH1 and CH4 mirrored) and the switch sliders.
    const auto follow = [](skin::TkvSkinEdit* channel, auto* control, bool mirrored) {
        channel->OnChange = [channel, control, mirrored](QObject*) {
            const int value = platform::StrToInt(channel->Text());
            control->SetValue(mirrored ? 3000 - value : value);
        };
    };
    follow(m_controls.ch1Value, m_controls.ch1Gauge, true);
    follow(m_controls.ch2Value, m_controls.ch2Gauge, false);
    follow(m_controls.ch3Value, m_controls.ch3Gauge, false);
    follow(m_controls.ch4Value, m_controls.ch4Gauge, true);
    follow(m_controls.ch5Value, m_controls.ch5Slider, false);
    follow(m_controls.ch6Value, m_controls.ch6Slider, false);
}
