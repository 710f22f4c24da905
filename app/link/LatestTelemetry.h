#pragma once

#include "protocol/TelemetrySink.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>

// The newest of what decoded frames show, kept until it is handed to a
// view: frames come a thousand a second, and a view that shows twenty
// pictures a second needs only the last value of each thing per picture.
class LatestTelemetry : public protocol::TelemetrySink {
public:
    LatestTelemetry();

    // Whether anything has changed since the last hand-over.
    bool waiting() const;
    // Tells view what changed since the last hand-over, in the order a
    // frame does: the attitude, the fields, the heading, the flight modes
    // (CH5, then CH6), the airframe.
    void handTo(protocol::TelemetrySink& view);

    void attitudeChanged(double rollRadians, double pitchRadians) override;
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override;
    void headingChanged(double headingRadians) override;
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit) override;
    void airframeChanged(int index) override;

private:
    struct Attitude {
        double roll;
        double pitch;
    };

    std::optional<Attitude> m_attitude;
    std::array<std::string, protocol::kTelemetryFieldCount> m_texts;
    std::bitset<protocol::kTelemetryFieldCount> m_changedTexts;
    std::optional<double> m_heading;
    std::array<std::optional<protocol::ModeLamp>, 2> m_lamps;
    std::optional<int> m_airframe;
};
