#pragma once

#include "recording/MonitorOutput.h"

#include <string>
#include <vector>

// Decoded frames as CSV that a spreadsheet or pandas reads as it is: a
// header row, the time in seconds, then one column per decoded value
// holding its latest text (empty until the value first arrives). One row
// per frame, or with an interval one row per interval that saw a frame,
// stamped with the interval's start. Numbers always use a decimal point.
class CsvPrinter : public MonitorOutput {
public:
    // everyUs 0: a row per frame.
    explicit CsvPrinter(uint64_t everyUs = 0);

    void setTime(std::optional<uint64_t> timeUs) override;
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override;
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit) override;
    void airframeChanged(int index) override;
    void frameFinished(uint8_t type) override;
    void finish() override;

private:
    void setCell(int column, std::string_view text);
    void writeRow(std::string_view time);

    uint64_t m_everyUs;
    uint64_t m_intervalEnd;
    bool m_framesInInterval = false;
    std::string m_timeText;
    // The row after its time: ",cell,cell,...", changed in place as values
    // arrive, with the position of the comma before each cell (and the
    // row's end last), so writing a row is a single append.
    std::string m_cells;
    std::vector<size_t> m_commas;
};
