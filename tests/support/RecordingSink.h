#pragma once

#include "protocol/TelemetrySink.h"

#include <map>
#include <string>
#include <vector>

// Keeps everything the decoder reported, as the window would show it.
class RecordingSink : public protocol::TelemetrySink {
public:
    struct Attitude {
        double roll;
        double pitch;
    };

    void frameStarted(uint8_t type) override { types.push_back(type); }
    void attitudeChanged(double roll, double pitch) override
    {
        attitudes.push_back({roll, pitch});
        events.push_back("attitude");
    }
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override
    {
        fields[field] = std::string(text);
        events.push_back(std::string(protocol::fieldName(field)) + "=" + std::string(text));
    }
    void headingChanged(double radians) override
    {
        headings.push_back(radians);
        events.push_back("heading");
    }
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lamp) override
    {
        lamps[group] = lamp;
        events.push_back(std::string(group == protocol::ModeSwitch::Ch5 ? "CH5 mode=" : "CH6 mode=")
            + std::string(protocol::lampName(group, lamp)));
    }
    void airframeChanged(int index) override
    {
        airframes.push_back(index);
        events.push_back("airframe=" + std::to_string(index));
    }

    std::string text(protocol::TelemetryField field) const
    {
        const auto it = fields.find(field);
        return it == fields.end() ? std::string("<unset>") : it->second;
    }

    std::vector<uint8_t> types;
    std::vector<Attitude> attitudes;
    std::vector<double> headings;
    std::vector<int> airframes;
    std::map<protocol::TelemetryField, std::string> fields;
    std::map<protocol::ModeSwitch, protocol::ModeLamp> lamps;
    std::vector<std::string> events;
};
