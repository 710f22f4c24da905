// Every reading must land in the field that its label names on screen: the
// expectation comes from the decoder on its own and from where the labels
// stand, never from the window's own table of which field is which.

#include "WindowFixture.h"

#include "app/window/MainWindowLayout.h"
#include "protocol/TelemetryDecoder.h"
#include "protocol/TelemetryFrame.h"
#include "tests/support/RecordingSink.h"

#include <QRect>

#include <set>

using protocol::FrameType;
using protocol::TelemetryField;

namespace {

QString trimmed(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

QRect rectOf(const layout::Control& control)
{
    return {control.left, control.top, control.width, control.height};
}

// The value field a label captions: directly below it (the one it overlaps
// most), else the nearest one to its right on the same row.
const layout::Control* captionedField(const layout::Control& label)
{
    const QRect place = rectOf(label);
    const layout::Control* below = nullptr;
    int bestOverlap = 0;
    const layout::Control* right = nullptr;
    for (const layout::Control& control : layout::controls()) {
        if (control.kind != layout::Kind::ValueField || control.parent != label.parent)
            continue;
        const QRect field = rectOf(control);
        const int gap = field.top() - (place.top() + place.height());
        const int overlap = std::min(field.right(), place.right()) - std::max(field.left(), place.left()) + 1;
        if (gap >= 0 && gap <= 8 && overlap > bestOverlap) {
            below = &control;
            bestOverlap = overlap;
        }
        const bool sameRow = field.top() <= place.bottom() && place.top() <= field.bottom();
        // Labels may reach a pixel or two into their field.
        if (sameRow && field.left() > place.center().x() && (!right || field.left() < right->left))
            right = &control;
    }
    return below ? below : right;
}

std::vector<std::vector<uint8_t>> distinctReadings()
{
    const auto frame = [](FrameType type, uint16_t v1, uint16_t v2, uint16_t v3) {
        const auto bytes = protocol::makeFrame(type, v1, v2, v3);
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    };
    return {
        frame(FrameType::Attitude, 1001, 2002, 3003),
        frame(FrameType::Gyro, 4004, 5005, 6006),
        frame(FrameType::Channels123, 12 * 1101, 12 * 1202, 12 * 1303),
        frame(FrameType::Channels456, 12 * 1404, 12 * 1505, 12 * 1606),
        frame(FrameType::Settings, 2345, 2 | 17 << 8, 67),
        frame(FrameType::Heading, 118, 4567, 12345),
        frame(FrameType::Altitude, 32768 + 250, 32768 - 13, 1234),
        frame(FrameType::Position, 45123, 6789, 7),
        frame(FrameType::Magnetometer, 111, 222, 333),
        frame(FrameType::Accelerometer, 1444, 1555, 1666),
        frame(FrameType::Receiver, 1 << 8, 109, 0),
        frame(FrameType::Limits, 4321, 1987, 0),
    };
}

} // namespace

using WindowFieldPlaces = WindowFixture;

TEST_F(WindowFieldPlaces, EveryReadingLandsInTheFieldItsLabelNames)
{
    RecordingSink expected;
    protocol::TelemetryDecoder decoder(expected, platform::DecimalSeparator());
    connect();
    for (const auto& bytes : distinctReadings()) {
        decoder.feed(bytes);
        receive(bytes);
    }
    ASSERT_EQ(expected.fields.size(), size_t(protocol::kTelemetryFieldCount));
    std::set<std::string> texts;
    for (const auto& [field, text] : expected.fields)
        texts.insert(text);
    ASSERT_EQ(texts.size(), expected.fields.size()) << "the readings must tell every field apart";

    std::set<std::string_view> claimed;
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
        const auto field = static_cast<TelemetryField>(i);
        if (field == TelemetryField::Receiver)
            continue;
        const QString caption = trimmed(protocol::fieldCaption(field));
        const layout::Control* label = nullptr;
        for (const layout::Control& control : layout::controls())
            if (control.kind == layout::Kind::Label && trimmed(control.text) == caption)
                label = &control;
        ASSERT_NE(label, nullptr) << caption.toStdString();
        const layout::Control* place = captionedField(*label);
        ASSERT_NE(place, nullptr) << caption.toStdString();
        claimed.insert(place->name);
        EXPECT_EQ(form->edit(trimmed(place->name))->Text().toStdString(), expected.fields[field])
            << caption.toStdString() << " shows in " << place->name;
    }

    // The receiver type is the one value field no label claims.
    std::vector<std::string_view> unclaimed;
    for (const layout::Control& control : layout::controls())
        if (control.kind == layout::Kind::ValueField && !claimed.contains(control.name))
            unclaimed.push_back(control.name);
    ASSERT_EQ(unclaimed.size(), 1u);
    EXPECT_EQ(form->edit(trimmed(unclaimed[0]))->Text(), "SBUS");
}
