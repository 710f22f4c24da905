#include "WindowFixture.h"

#include "skin/data/SkinControlRecords.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSorvane.h"

#include "platform/BmpCodec.h"
#include "platform/Color.h"
#include "protocol/TelemetryFrame.h"

using protocol::FrameType;
using protocol::makeFrame;

namespace {

std::vector<uint8_t> frame(FrameType type, uint16_t v1, uint16_t v2, uint16_t v3)
{
    const auto bytes = makeFrame(type, v1, v2, v3);
    return {bytes.begin(), bytes.end()};
}

QRgb pixel(platform::TImage* image, int x, int y)
{
    return image->Picture().image().pixel(x, y) & 0xFFFFFF;
}

// One 137 x 137 cell of the airframe strip as the asset holds it.
QImage airframeCell(int type)
{
    return platform::BmpImage::loadFromFile(QStringLiteral(FCT_ASSETS_DIR "/airframes.bmp"))
        .toQImage()
        .copy(type * 137, 0, 137, 137);
}

platform::TColor lampColour(MainWindow& form, const char* lamp)
{
    return form.edit(lamp)->Font().Color;
}

} // namespace

using WindowTelemetry = WindowFixture;

TEST_F(WindowTelemetry, StartsWithTheLayoutsValues)
{
    EXPECT_EQ(form->windowTitle(), "Flight Controller Tool ");
    EXPECT_EQ(form->frame()->ClientArea()->size(), QSize(710, 447));
    EXPECT_EQ(form->size(), QSize(720, 476)) << "the skin's frame adds 10 x 29";
    EXPECT_EQ(form->gauge("ch1Gauge")->Value(), 1500);
    EXPECT_EQ(form->gauge("ch3Gauge")->Value(), 1000);
    EXPECT_EQ(text("gyroGainSetting"), "16");
    EXPECT_EQ(form->slider("gyroGainSlider")->Value(), 24);
    EXPECT_EQ(form->comboBox("airframeList")->Text(), "X4");
    EXPECT_EQ(form->comboBox("airframeList")->ItemIndex(), -1);
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_EQ(form->commandBuffer().size(), 4);
    // Level horizon, and the "+4" cell of the strip.
    EXPECT_EQ(pixel(form->image("attitudeIndicator"), 52, 30), 0xA6CAF0u);
    EXPECT_EQ(pixel(form->image("attitudeIndicator"), 52, 75), 0xCD853Fu);
    EXPECT_EQ(form->image("airframePicture")->Picture().image(), airframeCell(0));
}

TEST_F(WindowTelemetry, FramesFillTheirFields)
{
    connect();
    receive({0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB});
    receive({0x55, 0xA1, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBB});
    receive({0x55, 0xA6, 0x00, 0x80, 0x00, 0x00, 0x10, 0x27, 0xBB});
    receive({0x55, 0xAA, 0x00, 0x01, 0x6C, 0x00, 0x00, 0x00, 0xBB});
    receive(frame(FrameType::Limits, 500, 120, 0));
    EXPECT_EQ(text("rollValue"), "0.00");
    EXPECT_EQ(text("yawValue"), "0.00");
    EXPECT_EQ(text("gyroXValue"), "-300.00");
    EXPECT_EQ(text("altitudeValue"), "0");
    EXPECT_EQ(text("climbRateValue"), "-32768");
    EXPECT_EQ(text("receiverReported"), "SBUS");
    EXPECT_EQ(text("rangeLimitReported"), "500");
    EXPECT_EQ(text("heightLimitReported"), "120");
}

TEST_F(WindowTelemetry, ReportedValuesMoveSlidersAndRewriteSettings)
{
    connect();
    receive(frame(FrameType::Settings, 2400, 0, 68));  // gyro 24.00 (slider already 24), AUX 6.80
    EXPECT_EQ(text("gyroGainReported"), "24.00");
    EXPECT_EQ(form->slider("gyroGainSlider")->Value(), 24);
    EXPECT_EQ(text("gyroGainSetting"), "24") << "the slider did not move, but the setting shows what it and the report agree on";
    EXPECT_EQ(form->slider("auxGainSlider")->Value(), 68);
    EXPECT_EQ(text("auxGainSetting"), "6.8");

    receive(frame(FrameType::Settings, 24, 0, 68));  // gyro 0.24: held at the minimum
    EXPECT_EQ(form->slider("gyroGainSlider")->Value(), 4);
    EXPECT_EQ(text("gyroGainSetting"), "4");

    receive(frame(FrameType::Receiver, 0, 108, 0));
    EXPECT_EQ(form->slider("lowVoltageSlider")->Value(), 108);
    EXPECT_EQ(text("lowVoltageSetting"), "10.8");

    receive(frame(FrameType::Altitude, 32768, 32768, 1600));
    EXPECT_EQ(form->slider("altitudeGainSlider")->Value(), 16);
    EXPECT_EQ(text("altitudeGainSetting"), "16");
}

TEST_F(WindowTelemetry, ChannelsDriveGaugesMirroredAndTheSwitchSliders)
{
    connect();
    receive(frame(FrameType::Channels123, 1000 * 12, 2000 * 12, 1500 * 12));
    EXPECT_EQ(form->gauge("ch1Gauge")->Value(), 2000) << "CH1 1000 shows full";
    EXPECT_EQ(form->gauge("ch2Gauge")->Value(), 2000);
    EXPECT_EQ(form->gauge("ch3Gauge")->Value(), 1500);
    receive(frame(FrameType::Channels456, 2000 * 12, 1234 * 12, 3000 * 12));
    EXPECT_EQ(form->gauge("ch4Gauge")->Value(), 1000) << "CH4 2000 shows empty";
    EXPECT_EQ(form->slider("ch5Slider")->Value(), 1234);
    EXPECT_EQ(form->slider("ch6Slider")->Value(), 2000) << "held at the end of the range";
}

TEST_F(WindowTelemetry, FlightModeLampsFollowTheSwitches)
{
    connect();
    receive(frame(FrameType::Channels456, 18000, 1701 * 12, 1000 * 12));
    EXPECT_EQ(lampColour(*form, "manualLamp"), platform::clRed);    // Manual
    EXPECT_EQ(lampColour(*form, "altitudeHoldLamp"), platform::clBlack);
    EXPECT_EQ(lampColour(*form, "gpsHoldLamp"), platform::clBlack);
    EXPECT_EQ(lampColour(*form, "comeHomeLamp"), platform::clRed);    // Com Home
    EXPECT_EQ(lampColour(*form, "ch6OffLamp"), platform::clBlack);

    receive(frame(FrameType::Channels456, 18000, 1700 * 12, 1500 * 12));
    EXPECT_EQ(lampColour(*form, "manualLamp"), platform::clRed) << "1700 leaves the group";
    EXPECT_EQ(lampColour(*form, "careFreeLamp"), platform::clRed);    // Care Free
    EXPECT_EQ(lampColour(*form, "comeHomeLamp"), platform::clBlack);
}

TEST_F(WindowTelemetry, ALitLampWearsTheSkinsRedThroughAChangeOfSkin)
{
    // Graphite has no lamp record: its lamps light pure red, as always.
    ASSERT_LT(form->skinData()->GetControlIndex("lamp"), 0);
    connect();
    receive(frame(FrameType::Channels456, 18000, 1701 * 12, 1000 * 12));
    EXPECT_EQ(lampColour(*form, "manualLamp"), platform::clRed);    // Manual
    EXPECT_EQ(lampColour(*form, "comeHomeLamp"), platform::clRed);    // Com Home

    // Daylight's lamp record: unlit in its normal text, lit in its active
    // text, a red deep enough for its white face.
    ASSERT_TRUE(form->chooseSkin("Daylight"));
    const int index = form->skinData()->GetControlIndex("lamp");
    ASSERT_GE(index, 0);
    const auto* lamp = dynamic_cast<const skin::TkvDataSkinEditControl*>(form->skinData()->SkinControls[index].get());
    ASSERT_NE(lamp, nullptr);
    const platform::TColor red = lamp->activefontcolor;
    EXPECT_NE(red, platform::clRed);
    EXPECT_EQ(lampColour(*form, "manualLamp"), red) << "the lit lamps follow the skin";
    EXPECT_EQ(lampColour(*form, "comeHomeLamp"), red);
    EXPECT_EQ(lampColour(*form, "altitudeHoldLamp"), lamp->fontcolor);
    EXPECT_EQ(lampColour(*form, "ch6OffLamp"), lamp->fontcolor);

    receive(frame(FrameType::Channels456, 18000, 1500 * 12, 1500 * 12));
    EXPECT_EQ(lampColour(*form, "altitudeHoldLamp"), red);    // Alt. Hold
    EXPECT_EQ(lampColour(*form, "careFreeLamp"), red);    // Care Free
    EXPECT_EQ(lampColour(*form, "manualLamp"), lamp->fontcolor);
    EXPECT_EQ(lampColour(*form, "comeHomeLamp"), lamp->fontcolor);

    ASSERT_TRUE(form->chooseSkin("Graphite"));
    EXPECT_EQ(lampColour(*form, "altitudeHoldLamp"), platform::clRed);
    EXPECT_EQ(lampColour(*form, "careFreeLamp"), platform::clRed);
    EXPECT_EQ(lampColour(*form, "manualLamp"), platform::clBlack);
}

TEST_F(WindowTelemetry, InstrumentsAndAirframeFollowTheirFrames)
{
    connect();
    receive(frame(FrameType::Attitude, 18000, 21000, 18000));  // pitch +30: horizon 26 px down
    EXPECT_EQ(pixel(form->image("attitudeIndicator"), 20, 70), 0xA6CAF0u);
    receive(frame(FrameType::Heading, 126, 0, 9000));
    EXPECT_EQ(text("headingValue"), "90");
    EXPECT_EQ(pixel(form->image("headingIndicator"), 96, 51), 0x0000FFu) << "needle towards (98, 51)";

    receive({0x55, 0xA4, 0x60, 0x09, 0x06, 0x17, 0x44, 0x00, 0xBB});
    EXPECT_EQ(form->image("airframePicture")->Picture().image(), airframeCell(6));
    receive({0x55, 0xA4, 0x60, 0x09, 0x07, 0x17, 0x44, 0x00, 0xBB});
    EXPECT_EQ(form->image("airframePicture")->Picture().image(), airframeCell(6)) << "type 7 keeps it";
    EXPECT_EQ(text("versionValue"), "2.3");
}

TEST_F(WindowTelemetry, FieldChangeEventsFireOnlyForNewTexts)
{
    connect();
    int changes = 0;
    form->edit("rangeLimitReported")->OnChange = [&](QObject*) { ++changes; };
    receive(frame(FrameType::Limits, 500, 120, 0));
    receive(frame(FrameType::Limits, 500, 130, 0));
    EXPECT_EQ(changes, 1);
}

TEST_F(WindowTelemetry, ADiscardedOverflowDecodesNothingAgain)
{
    connect();
    receive(frame(FrameType::Limits, 500, 120, 0));
    form->edit("rangeLimitReported")->SetText("marker");
    // More than the driver queue holds: the serial component discards it all.
    receive(std::vector<uint8_t>(4097, 0x00));
    EXPECT_EQ(text("rangeLimitReported"), "marker") << "the previous batch must not be decoded a second time";
    receive(frame(FrameType::Limits, 600, 120, 0));
    EXPECT_EQ(text("rangeLimitReported"), "600");
}
