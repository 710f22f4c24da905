#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {
class TImage;
}
namespace skin {
class TkvSkinButton;
class TkvSkinComboBox;
class TkvSkinEdit;
class TkvSkinGauge;
class TkvSkinSlider;
}

// The controls the window's handlers work with, typed and named as in the
// layout, found once when the window is built.
struct WindowControls {
    // "ComPort": "Refresh ", the port list, "Connect".
    skin::TkvSkinButton* refreshButton = nullptr;
    skin::TkvSkinComboBox* portList = nullptr;
    skin::TkvSkinButton* connectButton = nullptr;

    // "Parameter Adj.": reported value, slider, setting and "Save" of the
    // gyro, auxiliary and altitude gains and the low-voltage threshold.
    skin::TkvSkinEdit* gyroGainReported = nullptr;
    skin::TkvSkinSlider* gyroGainSlider = nullptr;
    skin::TkvSkinEdit* gyroGainSetting = nullptr;
    skin::TkvSkinButton* gyroGainSave = nullptr;
    skin::TkvSkinEdit* auxGainReported = nullptr;
    skin::TkvSkinSlider* auxGainSlider = nullptr;
    skin::TkvSkinEdit* auxGainSetting = nullptr;
    skin::TkvSkinButton* auxGainSave = nullptr;
    skin::TkvSkinEdit* altitudeGainReported = nullptr;
    skin::TkvSkinSlider* altitudeGainSlider = nullptr;
    skin::TkvSkinEdit* altitudeGainSetting = nullptr;
    skin::TkvSkinButton* altitudeGainSave = nullptr;
    skin::TkvSkinEdit* lowVoltageReported = nullptr;
    skin::TkvSkinSlider* lowVoltageSlider = nullptr;
    skin::TkvSkinEdit* lowVoltageSetting = nullptr;
    skin::TkvSkinButton* lowVoltageSave = nullptr;

    // "Limit": the typed limits and their "Save" buttons.
    skin::TkvSkinEdit* rangeLimitSetting = nullptr;
    skin::TkvSkinButton* rangeLimitSave = nullptr;
    skin::TkvSkinEdit* heightLimitSetting = nullptr;
    skin::TkvSkinButton* heightLimitSave = nullptr;

    // "Flight Mode": the airframe picture, list and "Save".
    platform::TImage* airframePicture = nullptr;
    skin::TkvSkinComboBox* airframeList = nullptr;
    skin::TkvSkinButton* airframeSave = nullptr;

    // "Remote Controller Signal": channel fields, their gauges and switch
    // sliders, the lamps, the receiver list and the calibration buttons.
    skin::TkvSkinEdit* ch1Value = nullptr;
    skin::TkvSkinEdit* ch2Value = nullptr;
    skin::TkvSkinEdit* ch3Value = nullptr;
    skin::TkvSkinEdit* ch4Value = nullptr;
    skin::TkvSkinEdit* ch5Value = nullptr;
    skin::TkvSkinEdit* ch6Value = nullptr;
    skin::TkvSkinGauge* ch1Gauge = nullptr;
    skin::TkvSkinGauge* ch2Gauge = nullptr;
    skin::TkvSkinGauge* ch3Gauge = nullptr;
    skin::TkvSkinGauge* ch4Gauge = nullptr;
    skin::TkvSkinSlider* ch5Slider = nullptr;
    skin::TkvSkinSlider* ch6Slider = nullptr;
    skin::TkvSkinEdit* gpsHoldLamp = nullptr;
    skin::TkvSkinEdit* altitudeHoldLamp = nullptr;
    skin::TkvSkinEdit* manualLamp = nullptr;
    skin::TkvSkinEdit* comeHomeLamp = nullptr;
    skin::TkvSkinEdit* careFreeLamp = nullptr;
    skin::TkvSkinEdit* ch6OffLamp = nullptr;
    skin::TkvSkinComboBox* receiverList = nullptr;
    skin::TkvSkinButton* receiverSave = nullptr;
    skin::TkvSkinButton* startStickCalibrationButton = nullptr;
    skin::TkvSkinButton* stopStickCalibrationButton = nullptr;
    skin::TkvSkinButton* imuCalibrationButton = nullptr;

    // The instruments.
    platform::TImage* attitudeIndicator = nullptr;
    platform::TImage* headingIndicator = nullptr;

    // Fills every member from the built controls; throws std::logic_error
    // naming a control the layout lacks or holds of another class.
    void bind(const std::function<QWidget*(const QString& name)>& byName);
};
