#include "protocol/FieldValue.h"
#include "protocol/FlightModes.h"
#include "protocol/NumberFormat.h"
#include "protocol/TelemetryDecoder.h"

#include "tests/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace protocol;

// What a graph plots is what the field shows: for random frames of every
// type, the value agrees with the decoder's text to the text's last digit.
TEST(FieldValue, AgreesWithTheTextTheWindowShows)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        FrameBytes frame{kFrameHeader, static_cast<uint8_t>(kFirstFrameType + round % 12)};
        for (size_t i = 2; i < 8; ++i)
            frame[i] = static_cast<uint8_t>(byte(random));
        frame[8] = kFrameTrailer;
        if (round % 7 == 0)
            frame[3] = static_cast<uint8_t>(round % 3);  // a known receiver now and then
        RecordingSink sink;
        TelemetryDecoder decoder(sink);
        decoder.feed(frame);
        for (int i = 0; i < kTelemetryFieldCount; ++i) {
            const auto field = static_cast<TelemetryField>(i);
            const std::optional<double> value = fieldValue(field, frame);
            const auto shown = sink.fields.find(field);
            ASSERT_EQ(value.has_value(), shown != sink.fields.end()) << fieldName(field) << " round " << round;
            if (!value)
                continue;
            if (field == TelemetryField::Receiver) {
                EXPECT_EQ(kReceiverNames[size_t(*value)], shown->second);
                continue;
            }
            const double text = double(parseNumber(shown->second, '.').value_or(NAN));
            const size_t point = shown->second.find('.');
            const int decimals = point == std::string::npos ? 0 : int(shown->second.size() - point - 1);
            EXPECT_NEAR(*value, text, 0.5 * std::pow(10.0, -decimals) + 1e-4)
                << fieldName(field) << " shows " << shown->second;
        }
    }
}
