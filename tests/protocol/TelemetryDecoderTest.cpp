#include "protocol/TelemetryDecoder.h"

#include "tests/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace protocol;
using F = TelemetryField;

namespace {

struct Decoded {
    RecordingSink sink;
    TelemetryDecoder decoder{sink};

    void feed(std::vector<uint8_t> bytes) { decoder.feed(bytes); }
    std::string operator[](F field) const { return sink.text(field); }
};

std::vector<uint8_t> frameWithChannels(uint16_t ch4, uint16_t ch5, uint16_t ch6)
{
    const auto frame = makeFrame(FrameType::Channels456, ch4, ch5, ch6);
    return {frame.begin(), frame.end()};
}

} // namespace

TEST(TelemetryDecoder, ReadsEveryFrameTypeWithItsFormulaAndFormat)
{
    Decoded d;
    d.feed({0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB});
    EXPECT_EQ(d[F::Roll], "0.00");
    EXPECT_EQ(d[F::Pitch], "0.00");
    EXPECT_EQ(d[F::Yaw], "0.00");
    ASSERT_EQ(d.sink.attitudes.size(), 1u);
    EXPECT_EQ(d.sink.attitudes[0].roll, 0.0);

    d.feed({0x55, 0xA1, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d[F::GyroX], "-300.00");
    EXPECT_EQ(d[F::GyroZ], "-300.00");

    d.feed({0x55, 0xA2, 0x50, 0x46, 0x00, 0x00, 0xFF, 0xFF, 0xBB});
    EXPECT_EQ(d[F::Ch1], "1500");
    EXPECT_EQ(d[F::Ch2], "0");
    EXPECT_EQ(d[F::Ch3], "5461");

    d.feed({0x55, 0xA6, 0x00, 0x80, 0x00, 0x00, 0x10, 0x27, 0xBB});
    EXPECT_EQ(d[F::Altitude], "0");
    EXPECT_EQ(d[F::AltVel], "-32768");
    EXPECT_EQ(d[F::AltGain], "100");

    d.feed({0x55, 0xA4, 0x60, 0x09, 0x06, 0x17, 0x44, 0x00, 0xBB});
    EXPECT_EQ(d[F::GyroGain], "24.00");
    EXPECT_EQ(d[F::AuxGain], "6.80");
    EXPECT_EQ(d[F::Version], "2.3");
    EXPECT_EQ(d.sink.airframes, std::vector<int>{6});

    d.feed({0x55, 0xA5, 0x7B, 0x00, 0xFF, 0xFF, 0x99, 0x8C, 0xBB});
    EXPECT_EQ(d[F::Battery], "12.3");
    EXPECT_EQ(d[F::Azimuth], "655.35");
    EXPECT_EQ(d[F::Heading], "359.93");

    d.feed({0x55, 0xA7, 0x01, 0x00, 0x39, 0x30, 0xFF, 0xFF, 0xBB});
    EXPECT_EQ(d[F::Lat], "0.001");
    EXPECT_EQ(d[F::Lon], "123.45");
    EXPECT_EQ(d[F::Hac], "65535");

    d.feed({0x55, 0xA8, 0x00, 0x00, 0x64, 0x00, 0xC8, 0x00, 0xBB});
    EXPECT_EQ(d[F::Mx], "-1.00");
    EXPECT_EQ(d[F::My], "0.00");
    EXPECT_EQ(d[F::Mz], "1.00");

    d.feed({0x55, 0xA9, 0xE8, 0x03, 0xE9, 0x03, 0xD0, 0x07, 0xBB});
    EXPECT_EQ(d[F::Ax], "0.00");
    EXPECT_EQ(d[F::Ay], "0.01");
    EXPECT_EQ(d[F::Az], "10.00");

    d.feed({0x55, 0xAB, 0x88, 0x13, 0xC4, 0x09, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d[F::RangeLimit], "5000");
    EXPECT_EQ(d[F::HeightLimit], "2500");
}

TEST(TelemetryDecoder, AttitudeDrawsFirstWithSinglePrecisionRadians)
{
    Decoded d;
    // roll +30 (21000), pitch -30 (15000)
    const auto frame = makeFrame(FrameType::Attitude, 21000, 15000, 18000);
    d.feed({frame.begin(), frame.end()});
    ASSERT_EQ(d.sink.events.front(), "attitude");
    EXPECT_EQ(d.sink.events[1], "Roll=30.00");
    EXPECT_DOUBLE_EQ(d.sink.attitudes[0].roll, static_cast<double>(30.0L * 0.017452778f));
    EXPECT_NEAR(d.sink.attitudes[0].pitch, -30 * 3.1415 / 180, 1e-6);
}

TEST(TelemetryDecoder, HeadingIsReadBackFromItsTextAfterTheFields)
{
    Decoded d;
    const auto frame = makeFrame(FrameType::Heading, 126, 0, 65535);
    d.feed({frame.begin(), frame.end()});
    EXPECT_EQ(d[F::Heading], "655.35");
    ASSERT_EQ(d.sink.events.back(), "heading");
    EXPECT_EQ(d.sink.headings[0], static_cast<double>(655.35L * kAngleFactor));
    // The readout of the compass shows 295 for this angle.
    EXPECT_EQ(static_cast<int>(d.sink.headings[0] * 57.3) - 360, 295);
}

TEST(TelemetryDecoder, ReceiverTypeOnlyForKnownBytes)
{
    Decoded d;
    d.feed({0x55, 0xAA, 0x00, 0x03, 0x6C, 0x00, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d[F::Receiver], "<unset>");
    EXPECT_EQ(d[F::LowVoltage], "10.8");
    d.feed({0x55, 0xAA, 0x00, 0x01, 0x6C, 0x00, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d[F::Receiver], "SBUS");
    d.feed({0x55, 0xAA, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d[F::Receiver], "PPM");
    d.feed({0x55, 0xAA, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d[F::Receiver], "PWM");
}

TEST(TelemetryDecoder, AirframeAboveSixLeavesThePictureButUpdatesTheFields)
{
    Decoded d;
    d.feed({0x55, 0xA4, 0x10, 0x27, 0x07, 0x0A, 0x00, 0x00, 0xBB});
    EXPECT_TRUE(d.sink.airframes.empty());
    EXPECT_EQ(d[F::GyroGain], "100.00");
    EXPECT_EQ(d[F::Version], "1.0");
    d.feed({0x55, 0xA4, 0x10, 0x27, 0x00, 0x0A, 0x00, 0x00, 0xBB});
    EXPECT_EQ(d.sink.airframes, std::vector<int>{0});
}

TEST(TelemetryDecoder, FlightModeLampsLeaveGroupsAtTheBoundaries)
{
    Decoded d;
    d.feed(frameWithChannels(18000, 1701 * 12, 1000 * 12));
    EXPECT_EQ(d.sink.lamps.at(ModeSwitch::Ch5), ModeLamp::High);
    EXPECT_EQ(d.sink.lamps.at(ModeSwitch::Ch6), ModeLamp::Low);

    for (uint16_t raw : {uint16_t(20400), uint16_t(20411)}) {
        d.sink.lamps.clear();
        d.feed(frameWithChannels(18000, raw, 1350 * 12 + 11));
        EXPECT_EQ(d[F::Ch5], "1700");
        EXPECT_EQ(d[F::Ch6], "1350");
        EXPECT_TRUE(d.sink.lamps.empty());
    }

    d.feed(frameWithChannels(18000, 1351 * 12, 1699 * 12));
    EXPECT_EQ(d.sink.lamps.at(ModeSwitch::Ch5), ModeLamp::Middle);
    EXPECT_EQ(d.sink.lamps.at(ModeSwitch::Ch6), ModeLamp::Middle);
    // CH5 before CH6, both after the three fields.
    const std::vector<std::string> tail(d.sink.events.end() - 5, d.sink.events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"CH4 R=1500", "CH5=1351", "CH6=1699", "CH5 mode=Alt. Hold",
                        "CH6 mode=Care Free"}));
}

TEST(TelemetryDecoder, FrameSplitAcrossReadsDecodesOnceAtTheLastByte)
{
    Decoded d;
    const std::vector<uint8_t> frame = {0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB};
    for (size_t split = 1; split < frame.size(); ++split) {
        Decoded part;
        part.feed({frame.begin(), frame.begin() + split});
        EXPECT_TRUE(part.sink.types.empty()) << split;
        part.feed({frame.begin() + split, frame.end()});
        EXPECT_EQ(part.sink.types.size(), 1u) << split;
    }
}

TEST(TelemetryDecoder, UnknownTypesAreIgnored)
{
    Decoded d;
    d.feed({0x55, 0x9F, 1, 2, 3, 4, 5, 6, 0xBB});
    d.feed({0x55, 0xAC, 1, 2, 3, 4, 5, 6, 0xBB});
    EXPECT_TRUE(d.sink.types.empty());
    EXPECT_TRUE(d.sink.events.empty());
}

TEST(TelemetryDecoder, HeaderAndTrailerInsidePayloadsCountAsAFrame)
{
    // A range-limit value 0x55 with a 0xBB eight places further on forms a
    // second, shifted frame: the window is never cleared.
    Decoded d;
    d.feed({0x55, 0xAB, 0x55, 0xA9, 0x00, 0x00, 0x00, 0x00, 0xBB, 0x07, 0xBB});
    EXPECT_EQ(d.sink.types, (std::vector<uint8_t>{0xAB, 0xA9}));
    EXPECT_EQ(d[F::RangeLimit], "43349");
    EXPECT_EQ(d[F::Ax], "-10.00");
    EXPECT_EQ(d[F::Az], "9.79");
}

TEST(TelemetryDecoder, StartsFromAnAllZeroWindow)
{
    // Eight bytes cannot complete a frame on a fresh window, whatever they are.
    Decoded d;
    d.feed({0xA0, 0, 0, 0, 0, 0, 0, 0xBB});
    EXPECT_TRUE(d.sink.types.empty());
}

TEST(TelemetryDecoder, WritesTheGivenDecimalSeparator)
{
    RecordingSink sink;
    TelemetryDecoder decoder(sink, ',');
    const auto frame = makeFrame(FrameType::Heading, 123, 1, 35999);
    decoder.feed(frame);
    EXPECT_EQ(sink.text(F::Battery), "12,3");
    EXPECT_EQ(sink.text(F::Heading), "359,99");
    EXPECT_EQ(static_cast<int>(sink.headings[0] * 57.3) - 360, 0);
}

TEST(TelemetryDecoder, EachFieldIsWrittenByTheFrameTypeItBelongsTo)
{
    std::map<TelemetryField, FrameType> writtenBy;
    for (uint8_t type = kFirstFrameType; type <= kLastFrameType; ++type) {
        Decoded d;
        // Receiver type 1 is a known one, so its field is written too.
        d.feed({kFrameHeader, type, 0x10, 0x01, 0x10, 0x01, 0x10, 0x01, kFrameTrailer});
        for (const auto& [field, text] : d.sink.fields)
            writtenBy[field] = static_cast<FrameType>(type);
    }
    ASSERT_EQ(writtenBy.size(), size_t(kTelemetryFieldCount));
    for (const auto& [field, type] : writtenBy)
        EXPECT_EQ(frameOf(field), type) << fieldName(field);
}
