#pragma once

#include "recording/MonitorOutput.h"

// Turns decoded frames into the monitor's lines: the type in hex, then
// tab-separated Caption=text pairs in the order the window shows them.
// Frames read from a recording start with their time in seconds and a tab.
class MonitorPrinter : public MonitorOutput {
public:
    void frameStarted(uint8_t type) override;
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override;
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit) override;
    void airframeChanged(int index) override;
    void frameFinished(uint8_t type) override;
    void connection(uint64_t timeUs, std::string_view device) override;

private:
    void pair(std::string_view name, std::string_view text);
};
