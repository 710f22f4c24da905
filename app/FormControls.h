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
struct FormControls {
    // "ComPort": "Refresh ", the port list, "Connect".
    skin::TkvSkinButton* kvSkinButton1 = nullptr;
    skin::TkvSkinComboBox* kvSkinComboBox1 = nullptr;
    skin::TkvSkinButton* kvSkinButton2 = nullptr;

    // "Parameter Adj.": reported value, slider, setting and "Save" of the
    // gyro, auxiliary and altitude gains and the low-voltage threshold.
    skin::TkvSkinEdit* kvSkinEdit22 = nullptr;
    skin::TkvSkinSlider* kvSkinSlider4 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit23 = nullptr;
    skin::TkvSkinButton* kvSkinButton7 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit7 = nullptr;
    skin::TkvSkinSlider* kvSkinSlider1 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit8 = nullptr;
    skin::TkvSkinButton* kvSkinButton3 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit9 = nullptr;
    skin::TkvSkinSlider* kvSkinSlider2 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit14 = nullptr;
    skin::TkvSkinButton* kvSkinButton4 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit15 = nullptr;
    skin::TkvSkinSlider* kvSkinSlider3 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit16 = nullptr;
    skin::TkvSkinButton* kvSkinButton5 = nullptr;

    // "Limit": the typed limits and their "Save" buttons.
    skin::TkvSkinEdit* kvSkinEdit44 = nullptr;
    skin::TkvSkinButton* kvSkinButton12 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit46 = nullptr;
    skin::TkvSkinButton* kvSkinButton13 = nullptr;

    // "Flight Mode": the airframe picture, list and "Save".
    platform::TImage* Image4 = nullptr;
    skin::TkvSkinComboBox* kvSkinComboBox2 = nullptr;
    skin::TkvSkinButton* kvSkinButton6 = nullptr;

    // "Remote Controller Signal": channel fields, their gauges and switch
    // sliders, the lamps, the receiver list and the calibration buttons.
    skin::TkvSkinEdit* kvSkinEdit10 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit11 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit12 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit19 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit20 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit21 = nullptr;
    skin::TkvSkinGauge* kvSkinGauge1 = nullptr;
    skin::TkvSkinGauge* kvSkinGauge2 = nullptr;
    skin::TkvSkinGauge* kvSkinGauge3 = nullptr;
    skin::TkvSkinGauge* kvSkinGauge4 = nullptr;
    skin::TkvSkinSlider* kvSkinSlider5 = nullptr;
    skin::TkvSkinSlider* kvSkinSlider6 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit35 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit38 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit39 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit40 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit41 = nullptr;
    skin::TkvSkinEdit* kvSkinEdit42 = nullptr;
    skin::TkvSkinComboBox* kvSkinComboBox3 = nullptr;
    skin::TkvSkinButton* kvSkinButton8 = nullptr;
    skin::TkvSkinButton* kvSkinButton9 = nullptr;
    skin::TkvSkinButton* kvSkinButton10 = nullptr;
    skin::TkvSkinButton* kvSkinButton11 = nullptr;

    // The instruments.
    platform::TImage* Image1 = nullptr;
    platform::TImage* Image2 = nullptr;

    // Fills every member from the built controls; throws std::logic_error
    // naming a control the layout lacks or holds of another class.
    void bind(const std::function<QWidget*(const QString& name)>& byName);
};
