#include "app/MainWindowLayout.h"

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
    {K::GroupBox, "kvSkinGroupBox1", "", 8, 8, 105, 129, "ComPort"},
    {K::Button, "kvSkinButton1", "kvSkinGroupBox1", 8, 24, 89, 25, "Refresh ", {}, "button", 0, 0, 0,
        "Refresh Windows Com Port Number"},
    {K::Label, "kvSkinStdLabel7", "kvSkinGroupBox1", 16, 52, 78, 16, "COM Port   ", kPortLabelFont},
    {K::ComboBox, "kvSkinComboBox1", "kvSkinGroupBox1", 8, 68, 89, 21},
    {K::Button, "kvSkinButton2", "kvSkinGroupBox1", 8, 96, 89, 25, "Connect", {}, "button", 0, 0, 0,
        "Connect to Flight Controller"},

    // Panel "Sensor Data"
    {K::GroupBox, "kvSkinGroupBox2", "", 8, 136, 609, 105, "Sensor Data"},
    {K::Label, "kvSkinStdLabel1", "kvSkinGroupBox2", 8, kRow1, 27, 13, "Roll "},
    {K::Label, "kvSkinStdLabel2", "kvSkinGroupBox2", 8, kRow2, 34, 13, "Pitch "},
    {K::Label, "kvSkinStdLabel3", "kvSkinGroupBox2", 8, kRow3, 29, 13, "Yaw "},
    {K::ValueField, "kvSkinEdit1", "kvSkinGroupBox2", 40, kRow1, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit2", "kvSkinGroupBox2", 40, kRow2, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit3", "kvSkinGroupBox2", 40, kRow3, 41, 18, "0"},
    {K::Label, "kvSkinStdLabel4", "kvSkinGroupBox2", 88, kRow1, 39, 13, "GyroX "},
    {K::Label, "kvSkinStdLabel5", "kvSkinGroupBox2", 88, kRow2, 39, 13, "GyroY "},
    {K::Label, "kvSkinStdLabel6", "kvSkinGroupBox2", 88, kRow3, 39, 13, "GyroZ "},
    {K::ValueField, "kvSkinEdit4", "kvSkinGroupBox2", 128, kRow1, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit5", "kvSkinGroupBox2", 128, kRow2, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit6", "kvSkinGroupBox2", 128, kRow3, 41, 18, "0"},
    {K::Label, "kvSkinStdLabel33", "kvSkinGroupBox2", 176, kRow1, 19, 13, "Ax "},
    {K::Label, "kvSkinStdLabel34", "kvSkinGroupBox2", 176, kRow2, 19, 13, "Ay "},
    {K::Label, "kvSkinStdLabel35", "kvSkinGroupBox2", 176, kRow3, 19, 13, "Az "},
    {K::ValueField, "kvSkinEdit29", "kvSkinGroupBox2", 200, kRow1, 33, 18, "0"},
    {K::ValueField, "kvSkinEdit32", "kvSkinGroupBox2", 200, kRow2, 33, 18, "0"},
    {K::ValueField, "kvSkinEdit33", "kvSkinGroupBox2", 200, kRow3, 33, 18, "0"},
    {K::Label, "kvSkinStdLabel30", "kvSkinGroupBox2", 240, kRow1, 21, 13, "Mx "},
    {K::Label, "kvSkinStdLabel31", "kvSkinGroupBox2", 240, kRow2, 21, 13, "My "},
    {K::Label, "kvSkinStdLabel32", "kvSkinGroupBox2", 240, kRow3, 21, 13, "Mz "},
    {K::ValueField, "kvSkinEdit13", "kvSkinGroupBox2", 264, kRow1, 33, 18, "0"},
    {K::ValueField, "kvSkinEdit17", "kvSkinGroupBox2", 264, kRow2, 33, 18, "0"},
    {K::ValueField, "kvSkinEdit28", "kvSkinGroupBox2", 264, kRow3, 33, 18, "0"},
    {K::Label, "kvSkinStdLabel23", "kvSkinGroupBox2", 304, kRow1, 27, 13, "Lat. "},
    {K::Label, "kvSkinStdLabel24", "kvSkinGroupBox2", 304, kRow2, 30, 13, "Lon. "},
    {K::Label, "kvSkinStdLabel25", "kvSkinGroupBox2", 304, kRow3, 30, 13, "HAC "},
    {K::ValueField, "kvSkinEdit26", "kvSkinGroupBox2", 336, kRow1, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit27", "kvSkinGroupBox2", 336, kRow2, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit30", "kvSkinGroupBox2", 336, kRow3, 41, 18, "0"},
    {K::Label, "kvSkinStdLabel22", "kvSkinGroupBox2", 384, kRow1, 45, 13, "Azimuth"},
    {K::Label, "kvSkinStdLabel29", "kvSkinGroupBox2", 384, kRow2, 52, 13, "Heading "},
    {K::Label, "kvSkinStdLabel27", "kvSkinGroupBox2", 384, kRow3, 47, 13, "Version "},
    {K::ValueField, "kvSkinEdit31", "kvSkinGroupBox2", 440, kRow1, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit37", "kvSkinGroupBox2", 440, kRow2, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit36", "kvSkinGroupBox2", 440, kRow3, 41, 18, "0"},
    {K::Label, "kvSkinStdLabel18", "kvSkinGroupBox2", 488, kRow1, 48, 13, "Altitude "},
    {K::Label, "kvSkinStdLabel19", "kvSkinGroupBox2", 488, kRow2, 46, 13, "Alt Vel  "},
    {K::Label, "kvSkinStdLabel26", "kvSkinGroupBox2", 488, kRow3, 45, 13, "Battery "},
    {K::ValueField, "kvSkinEdit18", "kvSkinGroupBox2", 536, kRow1, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit24", "kvSkinGroupBox2", 536, kRow2, 41, 18, "0"},
    {K::ValueField, "kvSkinEdit25", "kvSkinGroupBox2", 536, kRow3, 41, 18, "0"},
    {K::Label, "kvSkinStdLabel20", "kvSkinGroupBox2", 580, kRow1, 17, 13, "cm ", kUnitFont},
    {K::Label, "kvSkinStdLabel21", "kvSkinGroupBox2", 580, kRow2, 30, 13, "cm/s  ", kUnitFont},
    {K::Label, "kvSkinStdLabel28", "kvSkinGroupBox2", 580, kRow3, 10, 13, "V ", kUnitFont},

    // Panels "Attitude" and "Heading"
    {K::GroupBox, "kvSkinGroupBox3", "", 112, 8, 105, 129, "Attitude"},
    {K::Picture, "Image1", "kvSkinGroupBox3", 0, 24, 105, 105},
    {K::GroupBox, "kvSkinGroupBox6", "", 216, 8, 105, 129, "Heading"},
    {K::Picture, "Image2", "kvSkinGroupBox6", 0, 24, 105, 105},

    // Panel "Parameter Adj.": label, reported value, setting, slider, Save.
    {K::GroupBox, "kvSkinGroupBox7", "", 320, 8, 297, 129, "Parameter Adj."},
    {K::Label, "kvSkinStdLabel8", "kvSkinGroupBox7", 16, 24, 69, 13, "Gyro Gain   "},
    {K::ValueField, "kvSkinEdit22", "kvSkinGroupBox7", 8, 40, 33, 18, "0"},
    {K::SettingField, "kvSkinEdit23", "kvSkinGroupBox7", 40, 40, 33, 18, "16"},
    {K::Slider, "kvSkinSlider4", "kvSkinGroupBox7", 8, 56, 65, 33, {}, {}, "slider", 4, 64, 24},
    {K::Button, "kvSkinButton7", "kvSkinGroupBox7", 8, 96, 65, 25, "Save", {}, "resizebutton"},
    {K::Label, "kvSkinStdLabel9", "kvSkinGroupBox7", 88, 24, 68, 13, "AUX Gain   "},
    {K::ValueField, "kvSkinEdit7", "kvSkinGroupBox7", 80, 40, 33, 18, "0"},
    {K::SettingField, "kvSkinEdit8", "kvSkinGroupBox7", 112, 40, 33, 18, "6.8"},
    {K::Slider, "kvSkinSlider1", "kvSkinGroupBox7", 80, 56, 65, 33, {}, {}, "slider", 48, 96, 60},
    {K::Button, "kvSkinButton3", "kvSkinGroupBox7", 80, 96, 65, 25, "Save", {}, "resizebutton"},
    {K::Label, "kvSkinStdLabel10", "kvSkinGroupBox7", 160, 24, 54, 13, "Alt Gain  "},
    {K::ValueField, "kvSkinEdit9", "kvSkinGroupBox7", 152, 40, 33, 18, "0"},
    {K::SettingField, "kvSkinEdit14", "kvSkinGroupBox7", 184, 40, 33, 18, "12"},
    {K::Slider, "kvSkinSlider2", "kvSkinGroupBox7", 152, 56, 65, 33, {}, {}, "slider", 4, 20, 11},
    {K::Button, "kvSkinButton4", "kvSkinGroupBox7", 152, 96, 65, 25, "Save", {}, "resizebutton"},
    {K::Label, "kvSkinStdLabel11", "kvSkinGroupBox7", 224, 24, 79, 13, "Low Voltage  "},
    {K::ValueField, "kvSkinEdit15", "kvSkinGroupBox7", 224, 40, 33, 18, "0"},
    {K::SettingField, "kvSkinEdit16", "kvSkinGroupBox7", 256, 40, 33, 18, "10.8"},
    {K::Slider, "kvSkinSlider3", "kvSkinGroupBox7", 224, 56, 65, 33, {}, {}, "slider", 30, 250, 105},
    {K::Button, "kvSkinButton5", "kvSkinGroupBox7", 224, 96, 65, 25, "Save", {}, "resizebutton"},

    // Panel "Limit"
    {K::GroupBox, "kvSkinGroupBox4", "", 616, 8, 89, 169, "Limit"},
    {K::Label, "kvSkinStdLabel36", "kvSkinGroupBox4", 10, 24, 72, 13, "Range Limit "},
    {K::ValueField, "kvSkinEdit43", "kvSkinGroupBox4", 8, 40, 41, 18, "0"},
    {K::InputField, "kvSkinEdit44", "kvSkinGroupBox4", 48, 40, 33, 18, "1000"},
    {K::Button, "kvSkinButton12", "kvSkinGroupBox4", 8, 64, 73, 25, "Save", {}, "resizebutton"},
    {K::Label, "kvSkinStdLabel37", "kvSkinGroupBox4", 9, 96, 68, 13, "Heigh Limit "},
    {K::ValueField, "kvSkinEdit45", "kvSkinGroupBox4", 8, 112, 41, 18, "0"},
    {K::InputField, "kvSkinEdit46", "kvSkinGroupBox4", 48, 112, 33, 18, "500"},
    {K::Button, "kvSkinButton13", "kvSkinGroupBox4", 8, 136, 73, 25, "Save", {}, "resizebutton"},

    // Panel "Flight Mode": the strip lies under the airframe picture.
    {K::GroupBox, "kvSkinGroupBox8", "", 8, 240, 153, 201, "Flight Mode"},
    {K::Picture, "Image3", "kvSkinGroupBox8", 8, 24, 41, 41},
    {K::Picture, "Image4", "kvSkinGroupBox8", 8, 24, 137, 137},
    {K::ComboBox, "kvSkinComboBox2", "kvSkinGroupBox8", 8, 168, 65, 25, "X4", kAirframeListFont, "combobox", 0, 0, 0,
        {}, "+4|X4|+6|X6|Y6|Fh8|X8"},
    {K::Button, "kvSkinButton6", "kvSkinGroupBox8", 80, 168, 65, 25, "Save", {}, "button"},

    // Panel "Remote Controller Signal"
    {K::GroupBox, "kvSkinGroupBox5", "", 160, 240, 457, 201, "Remote Controller Signal"},
    {K::Label, "kvSkinStdLabel17", "kvSkinGroupBox5", 8, 32, 48, 16, "CH1 A ", kChannelLabelFont},
    {K::Gauge, "kvSkinGauge1", "kvSkinGroupBox5", 56, 32, 105, 17, {}, {}, "gauge", 1000, 2000, 1500},
    {K::ValueField, "kvSkinEdit10", "kvSkinGroupBox5", 168, 32, 33, 18, "1500"},
    {K::Label, "kvSkinStdLabel14", "kvSkinGroupBox5", 8, 56, 48, 16, "CH2 E ", kChannelLabelFont},
    {K::Gauge, "kvSkinGauge2", "kvSkinGroupBox5", 56, 56, 105, 17, {}, {}, "gauge", 1000, 2000, 1500},
    {K::ValueField, "kvSkinEdit11", "kvSkinGroupBox5", 168, 56, 33, 18, "1500"},
    {K::Label, "kvSkinStdLabel12", "kvSkinGroupBox5", 8, 80, 52, 16, "CH3 T  ", kChannelLabelFont},
    {K::Gauge, "kvSkinGauge3", "kvSkinGroupBox5", 56, 80, 105, 17, {}, {}, "gauge", 1000, 2000, 1000},
    {K::ValueField, "kvSkinEdit12", "kvSkinGroupBox5", 168, 80, 33, 18, "1000"},
    {K::Label, "kvSkinStdLabel16", "kvSkinGroupBox5", 8, 104, 53, 16, "CH4 R  ", kChannelLabelFont},
    {K::Gauge, "kvSkinGauge4", "kvSkinGroupBox5", 56, 104, 105, 17, {}, {}, "gauge", 1000, 2000, 1500},
    {K::ValueField, "kvSkinEdit19", "kvSkinGroupBox5", 168, 104, 33, 18, "1500"},
    {K::Label, "kvSkinStdLabel13", "kvSkinGroupBox5", 216, 40, 38, 16, "CH5  ", kChannelLabelFont},
    {K::ValueField, "kvSkinEdit20", "kvSkinGroupBox5", 216, 56, 33, 18, "1000"},
    {K::Slider, "kvSkinSlider5", "kvSkinGroupBox5", 248, 32, 201, 25, {}, {}, "slider", 1000, 2000, 1000},
    {K::Label, "kvSkinStdLabel15", "kvSkinGroupBox5", 216, 88, 38, 16, "CH6  ", kChannelLabelFont},
    {K::ValueField, "kvSkinEdit21", "kvSkinGroupBox5", 216, 104, 33, 18, "1000"},
    {K::Slider, "kvSkinSlider6", "kvSkinGroupBox5", 248, 80, 201, 25, {}, {}, "slider", 1000, 2000, 1000},
    {K::Lamp, "kvSkinEdit35", "kvSkinGroupBox5", 256, 56, 65, 18, "GPS Hold"},
    {K::Lamp, "kvSkinEdit38", "kvSkinGroupBox5", 320, 56, 65, 18, "Alt. Hold"},
    {K::Lamp, "kvSkinEdit39", "kvSkinGroupBox5", 384, 56, 57, 18, "Manual"},
    {K::Lamp, "kvSkinEdit40", "kvSkinGroupBox5", 256, 104, 65, 18, "Com Home"},
    {K::Lamp, "kvSkinEdit41", "kvSkinGroupBox5", 320, 104, 65, 18, "Care Free"},
    {K::Lamp, "kvSkinEdit42", "kvSkinGroupBox5", 384, 104, 57, 18, "OFF"},
    {K::ValueField, "kvSkinEdit34", "kvSkinGroupBox5", 8, 136, 41, 18, "PWM"},
    {K::ComboBox, "kvSkinComboBox3", "kvSkinGroupBox5", 56, 136, 65, 25, "PWM", {}, "combobox", 0, 0, 0, {},
        "PWM|SBUS"},
    {K::Button, "kvSkinButton8", "kvSkinGroupBox5", 8, 168, 113, 25, "Save", {}, "button"},
    {K::Button, "kvSkinButton9", "kvSkinGroupBox5", 136, 136, 145, 25, "Start RC Stick Calibration", {}, "button"},
    {K::Button, "kvSkinButton10", "kvSkinGroupBox5", 136, 168, 145, 25, "Stop RC Stick Calibration", {}, "button"},
    {K::Button, "kvSkinButton11", "kvSkinGroupBox5", 288, 152, 153, 25, "IMU Calibration", {}, "button"},
});

using F = protocol::TelemetryField;
constexpr std::array<std::string_view, protocol::kTelemetryFieldCount> kFieldControls = {
    "kvSkinEdit1", "kvSkinEdit2", "kvSkinEdit3",     // Roll, Pitch, Yaw
    "kvSkinEdit4", "kvSkinEdit5", "kvSkinEdit6",     // GyroX..Z
    "kvSkinEdit10", "kvSkinEdit11", "kvSkinEdit12",  // CH1..CH3
    "kvSkinEdit19", "kvSkinEdit20", "kvSkinEdit21",  // CH4..CH6
    "kvSkinEdit22", "kvSkinEdit7", "kvSkinEdit36",   // Gyro Gain, AUX Gain, Version
    "kvSkinEdit25", "kvSkinEdit31", "kvSkinEdit37",  // Battery, Azimuth, Heading
    "kvSkinEdit18", "kvSkinEdit24", "kvSkinEdit9",   // Altitude, Alt Vel, Alt Gain
    "kvSkinEdit26", "kvSkinEdit27", "kvSkinEdit30",  // Lat., Lon., HAC
    "kvSkinEdit13", "kvSkinEdit17", "kvSkinEdit28",  // Mx, My, Mz
    "kvSkinEdit29", "kvSkinEdit32", "kvSkinEdit33",  // Ax, Ay, Az
    "kvSkinEdit34", "kvSkinEdit15",                  // Receiver, Low Voltage
    "kvSkinEdit43", "kvSkinEdit45",                  // Range Limit, Heigh Limit
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
