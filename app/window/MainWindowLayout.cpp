#include "app/window/MainWindowLayout.h"

#include <array>

namespace layout {
namespace {

using K = Kind;
constexpr Font kUnitFont = {"MS Sans Serif", 11, Weight::Regular};
constexpr Font kChannelLabelFont = {"MS Sans Serif", 13, Weight::Bold};
constexpr Font kPortLabelFont = {"MS Sans Serif", 16, Weight::Bold};
constexpr Font kAirframeListFont = {"Arial Narrow", 15, Weight::Bold};

// Sensor Data rows: labels 13 high, fields 18 high.
constexpr int kRow1 = 32, kRow2 = 56, kRow3 = 80;

constexpr auto kControls = std::to_array<Control>({
    // Panel "ComPort"
    {K::GroupBox, "portPanel", "", 8, 8, 105, 129, "ComPort"},
    {K::Button, "refreshButton", "portPanel", 8, 24, 89, 25, "Refresh ", {}, "button", 0, 0, 0,
        "Refresh Windows Com Port Number"},
    {K::Label, "portLabel", "portPanel", 16, 52, 78, 16, "COM Port   ", kPortLabelFont},
    {K::ComboBox, "portList", "portPanel", 8, 68, 89, 21},
    {K::Button, "connectButton", "portPanel", 8, 96, 89, 25, "Connect", {}, "button", 0, 0, 0,
        "Connect to Flight Controller"},

    // Panel "Sensor Data"
    {K::GroupBox, "sensorPanel", "", 8, 136, 609, 105, "Sensor Data"},
    {K::Label, "rollLabel", "sensorPanel", 8, kRow1, 27, 13, "Roll "},
    {K::Label, "pitchLabel", "sensorPanel", 8, kRow2, 34, 13, "Pitch "},
    {K::Label, "yawLabel", "sensorPanel", 8, kRow3, 29, 13, "Yaw "},
    {K::ValueField, "rollValue", "sensorPanel", 40, kRow1, 41, 18, "0"},
    {K::ValueField, "pitchValue", "sensorPanel", 40, kRow2, 41, 18, "0"},
    {K::ValueField, "yawValue", "sensorPanel", 40, kRow3, 41, 18, "0"},
    {K::Label, "gyroXLabel", "sensorPanel", 88, kRow1, 39, 13, "GyroX "},
    {K::Label, "gyroYLabel", "sensorPanel", 88, kRow2, 39, 13, "GyroY "},
    {K::Label, "gyroZLabel", "sensorPanel", 88, kRow3, 39, 13, "GyroZ "},
    {K::ValueField, "gyroXValue", "sensorPanel", 128, kRow1, 41, 18, "0"},
    {K::ValueField, "gyroYValue", "sensorPanel", 128, kRow2, 41, 18, "0"},
    {K::ValueField, "gyroZValue", "sensorPanel", 128, kRow3, 41, 18, "0"},
    {K::Label, "accelXLabel", "sensorPanel", 176, kRow1, 19, 13, "Ax "},
    {K::Label, "accelYLabel", "sensorPanel", 176, kRow2, 19, 13, "Ay "},
    {K::Label, "accelZLabel", "sensorPanel", 176, kRow3, 19, 13, "Az "},
    {K::ValueField, "accelXValue", "sensorPanel", 200, kRow1, 33, 18, "0"},
    {K::ValueField, "accelYValue", "sensorPanel", 200, kRow2, 33, 18, "0"},
    {K::ValueField, "accelZValue", "sensorPanel", 200, kRow3, 33, 18, "0"},
    {K::Label, "magXLabel", "sensorPanel", 240, kRow1, 21, 13, "Mx "},
    {K::Label, "magYLabel", "sensorPanel", 240, kRow2, 21, 13, "My "},
    {K::Label, "magZLabel", "sensorPanel", 240, kRow3, 21, 13, "Mz "},
    {K::ValueField, "magXValue", "sensorPanel", 264, kRow1, 33, 18, "0"},
    {K::ValueField, "magYValue", "sensorPanel", 264, kRow2, 33, 18, "0"},
    {K::ValueField, "magZValue", "sensorPanel", 264, kRow3, 33, 18, "0"},
    {K::Label, "latitudeLabel", "sensorPanel", 304, kRow1, 27, 13, "Lat. "},
    {K::Label, "longitudeLabel", "sensorPanel", 304, kRow2, 30, 13, "Lon. "},
    {K::Label, "accuracyLabel", "sensorPanel", 304, kRow3, 30, 13, "HAC "},
    {K::ValueField, "latitudeValue", "sensorPanel", 336, kRow1, 41, 18, "0"},
    {K::ValueField, "longitudeValue", "sensorPanel", 336, kRow2, 41, 18, "0"},
    {K::ValueField, "accuracyValue", "sensorPanel", 336, kRow3, 41, 18, "0"},
    {K::Label, "azimuthLabel", "sensorPanel", 384, kRow1, 45, 13, "Azimuth"},
    {K::Label, "headingLabel", "sensorPanel", 384, kRow2, 52, 13, "Heading "},
    {K::Label, "versionLabel", "sensorPanel", 384, kRow3, 47, 13, "Version "},
    {K::ValueField, "azimuthValue", "sensorPanel", 440, kRow1, 41, 18, "0"},
    {K::ValueField, "headingValue", "sensorPanel", 440, kRow2, 41, 18, "0"},
    {K::ValueField, "versionValue", "sensorPanel", 440, kRow3, 41, 18, "0"},
    {K::Label, "altitudeLabel", "sensorPanel", 488, kRow1, 48, 13, "Altitude "},
    {K::Label, "climbRateLabel", "sensorPanel", 488, kRow2, 46, 13, "Alt Vel  "},
    {K::Label, "batteryLabel", "sensorPanel", 488, kRow3, 45, 13, "Battery "},
    {K::ValueField, "altitudeValue", "sensorPanel", 536, kRow1, 41, 18, "0"},
    {K::ValueField, "climbRateValue", "sensorPanel", 536, kRow2, 41, 18, "0"},
    {K::ValueField, "batteryValue", "sensorPanel", 536, kRow3, 41, 18, "0"},
    {K::Label, "altitudeUnit", "sensorPanel", 580, kRow1, 17, 13, "cm ", kUnitFont},
    {K::Label, "climbRateUnit", "sensorPanel", 580, kRow2, 30, 13, "cm/s  ", kUnitFont},
    {K::Label, "batteryUnit", "sensorPanel", 580, kRow3, 10, 13, "V ", kUnitFont},

    // Panels "Attitude" and "Heading"
    {K::GroupBox, "attitudePanel", "", 112, 8, 105, 129, "Attitude"},
    {K::Picture, "attitudeIndicator", "attitudePanel", 0, 24, 105, 105},
    {K::GroupBox, "headingPanel", "", 216, 8, 105, 129, "Heading"},
    {K::Picture, "headingIndicator", "headingPanel", 0, 24, 105, 105},

    // Panel "Parameter Adj.": label, reported value, setting, slider, Save.
    {K::GroupBox, "parameterPanel", "", 320, 8, 297, 129, "Parameter Adj."},
    {K::Label, "gyroGainLabel", "parameterPanel", 16, 24, 69, 13, "Gyro Gain   "},
    {K::ValueField, "gyroGainReported", "parameterPanel", 8, 40, 33, 18, "0"},
    {K::SettingField, "gyroGainSetting", "parameterPanel", 40, 40, 33, 18, "16"},
    {K::Slider, "gyroGainSlider", "parameterPanel", 8, 56, 65, 33, {}, {}, "slider", 4, 64, 24},
    {K::Button, "gyroGainSave", "parameterPanel", 8, 96, 65, 25, "Save", {}, "resizebutton"},
    {K::Label, "auxGainLabel", "parameterPanel", 88, 24, 68, 13, "AUX Gain   "},
    {K::ValueField, "auxGainReported", "parameterPanel", 80, 40, 33, 18, "0"},
    {K::SettingField, "auxGainSetting", "parameterPanel", 112, 40, 33, 18, "6.8"},
    {K::Slider, "auxGainSlider", "parameterPanel", 80, 56, 65, 33, {}, {}, "slider", 48, 96, 60},
    {K::Button, "auxGainSave", "parameterPanel", 80, 96, 65, 25, "Save", {}, "resizebutton"},
    {K::Label, "altitudeGainLabel", "parameterPanel", 160, 24, 54, 13, "Alt Gain  "},
    {K::ValueField, "altitudeGainReported", "parameterPanel", 152, 40, 33, 18, "0"},
    {K::SettingField, "altitudeGainSetting", "parameterPanel", 184, 40, 33, 18, "12"},
    {K::Slider, "altitudeGainSlider", "parameterPanel", 152, 56, 65, 33, {}, {}, "slider", 4, 20, 11},
    {K::Button, "altitudeGainSave", "parameterPanel", 152, 96, 65, 25, "Save", {}, "resizebutton"},
    {K::Label, "lowVoltageLabel", "parameterPanel", 224, 24, 79, 13, "Low Voltage  "},
    {K::ValueField, "lowVoltageReported", "parameterPanel", 224, 40, 33, 18, "0"},
    {K::SettingField, "lowVoltageSetting", "parameterPanel", 256, 40, 33, 18, "10.8"},
    {K::Slider, "lowVoltageSlider", "parameterPanel", 224, 56, 65, 33, {}, {}, "slider", 30, 250, 105},
    {K::Button, "lowVoltageSave", "parameterPanel", 224, 96, 65, 25, "Save", {}, "resizebutton"},

    // Panel "Limit"
    {K::GroupBox, "limitPanel", "", 616, 8, 89, 169, "Limit"},
    {K::Label, "rangeLimitLabel", "limitPanel", 10, 24, 72, 13, "Range Limit "},
    {K::ValueField, "rangeLimitReported", "limitPanel", 8, 40, 41, 18, "0"},
    {K::InputField, "rangeLimitSetting", "limitPanel", 48, 40, 33, 18, "1000"},
    {K::Button, "rangeLimitSave", "limitPanel", 8, 64, 73, 25, "Save", {}, "resizebutton"},
    {K::Label, "heightLimitLabel", "limitPanel", 9, 96, 68, 13, "Heigh Limit "},
    {K::ValueField, "heightLimitReported", "limitPanel", 8, 112, 41, 18, "0"},
    {K::InputField, "heightLimitSetting", "limitPanel", 48, 112, 33, 18, "500"},
    {K::Button, "heightLimitSave", "limitPanel", 8, 136, 73, 25, "Save", {}, "resizebutton"},

    // Panel "Flight Mode": the strip lies under the airframe picture.
    {K::GroupBox, "flightModePanel", "", 8, 240, 153, 201, "Flight Mode"},
    {K::Picture, "airframeStrip", "flightModePanel", 8, 24, 41, 41},
    {K::Picture, "airframePicture", "flightModePanel", 8, 24, 137, 137},
    {K::ComboBox, "airframeList", "flightModePanel", 8, 168, 65, 25, "X4", kAirframeListFont, "combobox", 0, 0, 0,
        {}, "+4|X4|+6|X6|Y6|Fh8|X8"},
    {K::Button, "airframeSave", "flightModePanel", 80, 168, 65, 25, "Save", {}, "button"},

    // Panel "Remote Controller Signal"
    {K::GroupBox, "receiverPanel", "", 160, 240, 457, 201, "Remote Controller Signal"},
    {K::Label, "ch1Label", "receiverPanel", 8, 32, 48, 16, "CH1 A ", kChannelLabelFont},
    {K::Gauge, "ch1Gauge", "receiverPanel", 56, 32, 105, 17, {}, {}, "gauge", 1000, 2000, 1500},
    {K::ValueField, "ch1Value", "receiverPanel", 168, 32, 33, 18, "1500"},
    {K::Label, "ch2Label", "receiverPanel", 8, 56, 48, 16, "CH2 E ", kChannelLabelFont},
    {K::Gauge, "ch2Gauge", "receiverPanel", 56, 56, 105, 17, {}, {}, "gauge", 1000, 2000, 1500},
    {K::ValueField, "ch2Value", "receiverPanel", 168, 56, 33, 18, "1500"},
    {K::Label, "ch3Label", "receiverPanel", 8, 80, 52, 16, "CH3 T  ", kChannelLabelFont},
    {K::Gauge, "ch3Gauge", "receiverPanel", 56, 80, 105, 17, {}, {}, "gauge", 1000, 2000, 1000},
    {K::ValueField, "ch3Value", "receiverPanel", 168, 80, 33, 18, "1000"},
    {K::Label, "ch4Label", "receiverPanel", 8, 104, 53, 16, "CH4 R  ", kChannelLabelFont},
    {K::Gauge, "ch4Gauge", "receiverPanel", 56, 104, 105, 17, {}, {}, "gauge", 1000, 2000, 1500},
    {K::ValueField, "ch4Value", "receiverPanel", 168, 104, 33, 18, "1500"},
    {K::Label, "ch5Label", "receiverPanel", 216, 40, 38, 16, "CH5  ", kChannelLabelFont},
    {K::ValueField, "ch5Value", "receiverPanel", 216, 56, 33, 18, "1000"},
    {K::Slider, "ch5Slider", "receiverPanel", 248, 32, 201, 25, {}, {}, "slider", 1000, 2000, 1000},
    {K::Label, "ch6Label", "receiverPanel", 216, 88, 38, 16, "CH6  ", kChannelLabelFont},
    {K::ValueField, "ch6Value", "receiverPanel", 216, 104, 33, 18, "1000"},
    {K::Slider, "ch6Slider", "receiverPanel", 248, 80, 201, 25, {}, {}, "slider", 1000, 2000, 1000},
    {K::Lamp, "gpsHoldLamp", "receiverPanel", 256, 56, 65, 18, "GPS Hold"},
    {K::Lamp, "altitudeHoldLamp", "receiverPanel", 320, 56, 65, 18, "Alt. Hold"},
    {K::Lamp, "manualLamp", "receiverPanel", 384, 56, 57, 18, "Manual"},
    {K::Lamp, "comeHomeLamp", "receiverPanel", 256, 104, 65, 18, "Com Home"},
    {K::Lamp, "careFreeLamp", "receiverPanel", 320, 104, 65, 18, "Care Free"},
    {K::Lamp, "ch6OffLamp", "receiverPanel", 384, 104, 57, 18, "OFF"},
    {K::ValueField, "receiverReported", "receiverPanel", 8, 136, 41, 18, "PWM"},
    {K::ComboBox, "receiverList", "receiverPanel", 56, 136, 65, 25, "PWM", {}, "combobox", 0, 0, 0, {},
        "PWM|SBUS"},
    {K::Button, "receiverSave", "receiverPanel", 8, 168, 113, 25, "Save", {}, "button"},
    {K::Button, "startStickCalibrationButton", "receiverPanel", 136, 136, 145, 25, "Start RC Stick Calibration", {}, "button"},
    {K::Button, "stopStickCalibrationButton", "receiverPanel", 136, 168, 145, 25, "Stop RC Stick Calibration", {}, "button"},
    {K::Button, "imuCalibrationButton", "receiverPanel", 288, 152, 153, 25, "IMU Calibration", {}, "button"},
});

using F = protocol::TelemetryField;
constexpr std::array<std::string_view, protocol::kTelemetryFieldCount> kFieldControls = {
    "rollValue", "pitchValue", "yawValue",     // Roll, Pitch, Yaw
    "gyroXValue", "gyroYValue", "gyroZValue",     // GyroX..Z
    "ch1Value", "ch2Value", "ch3Value",  // CH1..CH3
    "ch4Value", "ch5Value", "ch6Value",  // CH4..CH6
    "gyroGainReported", "auxGainReported", "versionValue",   // Gyro Gain, AUX Gain, Version
    "batteryValue", "azimuthValue", "headingValue",  // Battery, Azimuth, Heading
    "altitudeValue", "climbRateValue", "altitudeGainReported",   // Altitude, Alt Vel, Alt Gain
    "latitudeValue", "longitudeValue", "accuracyValue",  // Lat., Lon., HAC
    "magXValue", "magYValue", "magZValue",  // Mx, My, Mz
    "accelXValue", "accelYValue", "accelZValue",  // Ax, Ay, Az
    "receiverReported", "lowVoltageReported",                  // Receiver, Low Voltage
    "rangeLimitReported", "heightLimitReported",                  // Range Limit, Heigh Limit
};

} // namespace

std::span<const Control> controls()
{
    return kControls;
}

std::string_view fieldControl(protocol::TelemetryField field)
{
    return kFieldControls[static_cast<size_t>(field)];
}

} // namespace layout
