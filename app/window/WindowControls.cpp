#include "app/window/WindowControls.h"

#include "platform/TImage.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"

#include <stdexcept>

namespace {

template <typename T>
void find(T*& member, const char* name, const std::function<QWidget*(const QString&)>& byName)
{
    member = dynamic_cast<T*>(byName(QString::fromLatin1(name)));
    if (!member)
        throw std::logic_error(std::string("the layout has no control ") + name + " of the class the window needs");
}

} // namespace

void WindowControls::bind(const std::function<QWidget*(const QString&)>& byName)
{
#define FIND(member) find(member, #member, byName)
    FIND(refreshButton);
    FIND(portList);
    FIND(connectButton);
    FIND(gyroGainReported);
    FIND(gyroGainSlider);
    FIND(gyroGainSetting);
    FIND(gyroGainSave);
    FIND(auxGainReported);
    FIND(auxGainSlider);
    FIND(auxGainSetting);
    FIND(auxGainSave);
    FIND(altitudeGainReported);
    FIND(altitudeGainSlider);
    FIND(altitudeGainSetting);
    FIND(altitudeGainSave);
    FIND(lowVoltageReported);
    FIND(lowVoltageSlider);
    FIND(lowVoltageSetting);
    FIND(lowVoltageSave);
    FIND(rangeLimitSetting);
    FIND(rangeLimitSave);
    FIND(heightLimitSetting);
    FIND(heightLimitSave);
    FIND(airframePicture);
    FIND(airframeList);
    FIND(airframeSave);
    FIND(ch1Value);
    FIND(ch2Value);
    FIND(ch3Value);
    FIND(ch4Value);
    FIND(ch5Value);
    FIND(ch6Value);
    FIND(ch1Gauge);
    FIND(ch2Gauge);
    FIND(ch3Gauge);
    FIND(ch4Gauge);
    FIND(ch5Slider);
    FIND(ch6Slider);
    FIND(gpsHoldLamp);
    FIND(altitudeHoldLamp);
    FIND(manualLamp);
    FIND(comeHomeLamp);
    FIND(careFreeLamp);
    FIND(ch6OffLamp);
    FIND(receiverList);
    FIND(receiverSave);
    FIND(startStickCalibrationButton);
    FIND(stopStickCalibrationButton);
    FIND(imuCalibrationButton);
    FIND(attitudeIndicator);
    FIND(headingIndicator);
#undef FIND
}
