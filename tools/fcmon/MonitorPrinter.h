#pragma once

#include "protocol/TelemetrySink.h"

#include <string>

// Turns decoded frames into the monitor's lines: the type in hex, then
// tab-separated Caption=text pairs in the order the window shows them.
class MonitorPrinter : public protocol::TelemetrySink {
public:
    void frameStarted(uint8_t type) override;
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override;
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit) override;
    void airframeChanged(int index) override;
    void frameFinished(uint8_t type) override;

    // Lines finished so far; the caller writes and clears them.
    std::string& output() { return m_output; }
    long long frames() const { return m_frames; }

private:
    void pair(std::string_view name, std::string_view text);

    std::string m_output;
    long long m_frames = 0;
};
