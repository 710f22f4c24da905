// The window's side of the telemetry: decoded frames into fields, lamps,
// instruments and the airframe picture, and the links from reported values
// to sliders and gauges.

#include "app/Unit1.h"

#include "app/TelemetryRecorder.h"

#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "platform/ClassicErrors.h"
#include "platform/Color.h"
#include "platform/TImage.h"
#include "protocol/NumberFormat.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"

#include <array>
#include <cmath>

namespace {

constexpr int kCell = 137;

// Lamps of each group from the high end of the stick travel to the low end.
const std::array<QString, 3> kCh5Lamps = {"kvSkinEdit39", "kvSkinEdit38", "kvSkinEdit35"};
const std::array<QString, 3> kCh6Lamps = {"kvSkinEdit42", "kvSkinEdit41", "kvSkinEdit40"};

int truncated(long double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

void TForm1::Comm1ReceiveData()
{
    const QByteArray batch = m_comm->ReadInputByte();
    if (m_recorder)
        m_recorder->received(batch);
    m_decoder.feed(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(batch.constData()),
        static_cast<size_t>(batch.size())));
}

void TForm1::attitudeChanged(double rollRadians, double pitchRadians)
{
    platform::TImage* picture = image("Image1");
    instruments::DrawAttitude(rollRadians, pitchRadians, picture->Picture());
    picture->Invalidate();
}

void TForm1::fieldChanged(protocol::TelemetryField field, std::string_view text)
{
    m_fields[static_cast<size_t>(field)]->SetText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm1::headingChanged(double headingRadians)
{
    platform::TImage* picture = image("Image2");
    instruments::DrawHeading(headingRadians, picture->Picture());
    picture->Invalidate();
}

void TForm1::flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit)
{
    const auto& lamps = group == protocol::ModeSwitch::Ch5 ? kCh5Lamps : kCh6Lamps;
    for (size_t i = 0; i < lamps.size(); ++i) {
        skin::TkvSkinEdit* lamp = edit(lamps[i]);
        platform::TFont font = lamp->Font();
        font.Color = i == static_cast<size_t>(lit) ? platform::clRed : platform::clBlack;
        lamp->SetFont(font);
    }
}

void TForm1::airframeChanged(int index)
{
    platform::TImage* picture = image("Image4");
    const platform::TBitmap& strip = image("Image3")->Picture();
    picture->Picture().Canvas().CopyRect({0, 0, kCell, kCell}, strip.Canvas(),
        {kCell * index, 0, kCell * index + kCell, kCell});
    picture->Invalidate();
}

void TForm1::hookPanelLinks()
{
    using platform::StrToFloat;
    using platform::StrToInt;
    const auto number = [this](const char* name) { return StrToFloat(edit(name)->Text()); };
    const auto integer = [this](const char* name) { return StrToInt(edit(name)->Text()); };
    const auto general = [this](int position) {
        return QString::fromStdString(protocol::formatGeneral(position * 0.1L, m_decoder.decimalSeparator()));
    };

    // Sliders rewrite their setting field.
    slider("kvSkinSlider4")->OnChange = [this](QObject*) {
        edit("kvSkinEdit23")->SetText(QString::number(slider("kvSkinSlider4")->Value()));
    };
    slider("kvSkinSlider1")->OnChange = [this, general](QObject*) {
        edit("kvSkinEdit8")->SetText(general(slider("kvSkinSlider1")->Value()));
    };
    slider("kvSkinSlider2")->OnChange = [this](QObject*) {
        edit("kvSkinEdit14")->SetText(QString::number(slider("kvSkinSlider2")->Value()));
    };
    slider("kvSkinSlider3")->OnChange = [this, general](QObject*) {
        edit("kvSkinEdit16")->SetText(general(slider("kvSkinSlider3")->Value()));
    };

    // Reported values move the sliders.
    edit("kvSkinEdit22")->OnChange = [=, this](QObject*) {
        slider("kvSkinSlider4")->SetValue(truncated(number("kvSkinEdit22")));
    };
    edit("kvSkinEdit7")->OnChange = [=, this](QObject*) {
        slider("kvSkinSlider1")->SetValue(truncated(number("kvSkinEdit7") * 10));
    };
    edit("kvSkinEdit9")->OnChange = [=, this](QObject*) {
        slider("kvSkinSlider2")->SetValue(truncated(number("kvSkinEdit9")));
    };
    edit("kvSkinEdit15")->OnChange = [=, this](QObject*) {
        slider("kvSkinSlider3")->SetValue(truncated(number("kvSkinEdit15") * 10));
    };

    // Channels drive the gauges (CH1 and CH4 mirrored) and the switch sliders.
    edit("kvSkinEdit10")->OnChange = [=, this](QObject*) { gauge("kvSkinGauge1")->SetValue(3000 - integer("kvSkinEdit10")); };
    edit("kvSkinEdit11")->OnChange = [=, this](QObject*) { gauge("kvSkinGauge2")->SetValue(integer("kvSkinEdit11")); };
    edit("kvSkinEdit12")->OnChange = [=, this](QObject*) { gauge("kvSkinGauge3")->SetValue(integer("kvSkinEdit12")); };
    edit("kvSkinEdit19")->OnChange = [=, this](QObject*) { gauge("kvSkinGauge4")->SetValue(3000 - integer("kvSkinEdit19")); };
    edit("kvSkinEdit20")->OnChange = [=, this](QObject*) { slider("kvSkinSlider5")->SetValue(integer("kvSkinEdit20")); };
    edit("kvSkinEdit21")->OnChange = [=, this](QObject*) { slider("kvSkinSlider6")->SetValue(integer("kvSkinEdit21")); };
}
