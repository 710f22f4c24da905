#include "recording/CsvPrinter.h"

#include "protocol/FlightModes.h"

#include <array>

namespace {

using protocol::TelemetryField;

// Columns after the time: the fields in the window's order, the lit lamps
// after the channels and the airframe after the version.
constexpr int kModeColumns = 2;
constexpr int kColumnCount = protocol::kTelemetryFieldCount + kModeColumns + 1;

constexpr int fieldColumn(TelemetryField field)
{
    const int index = static_cast<int>(field);
    return index + (field > TelemetryField::Ch6 ? kModeColumns : 0) + (field > TelemetryField::Version ? 1 : 0);
}

constexpr int modeColumn(protocol::ModeSwitch group)
{
    return fieldColumn(TelemetryField::Ch6) + 1 + static_cast<int>(group);
}

constexpr int kAirframeColumn = fieldColumn(TelemetryField::Version) + 1;

std::array<std::string_view, kColumnCount> columnNames()
{
    std::array<std::string_view, kColumnCount> names{};
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
        const auto field = static_cast<TelemetryField>(i);
        names[static_cast<size_t>(fieldColumn(field))] = protocol::fieldName(field);
    }
    names[static_cast<size_t>(modeColumn(protocol::ModeSwitch::Ch5))] = "CH5 mode";
    names[static_cast<size_t>(modeColumn(protocol::ModeSwitch::Ch6))] = "CH6 mode";
    names[static_cast<size_t>(kAirframeColumn)] = "Airframe";
    return names;
}

// Quotes a cell only when it would otherwise break the row.
void appendCell(std::string& row, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        row += text;
        return;
    }
    row += '"';
    for (const char c : text) {
        if (c == '"')
            row += '"';
        row += c;
    }
    row += '"';
}

} // namespace

CsvPrinter::CsvPrinter(uint64_t everyUs)
    : m_everyUs(everyUs)
    , m_intervalEnd(everyUs)
    , m_cells(kColumnCount, ',')
{
    for (size_t i = 0; i <= kColumnCount; ++i)
        m_commas.push_back(i);
    m_output += "Time";
    for (std::string_view name : columnNames()) {
        m_output += ',';
        appendCell(m_output, name);
    }
    m_output += '\n';
}

void CsvPrinter::setTime(std::optional<uint64_t> timeUs)
{
    if (timeUs == m_time && !m_timeText.empty())
        return;
    if (m_everyUs > 0 && timeUs && *timeUs >= m_intervalEnd) {
        // The interval before this time is over; quiet intervals get no row.
        if (m_framesInInterval) {
            std::string start;
            appendSeconds(start, m_intervalEnd - m_everyUs);
            writeRow(start);
            m_framesInInterval = false;
        }
        m_intervalEnd = (*timeUs / m_everyUs + 1) * m_everyUs;
    }
    m_time = timeUs;
    m_timeText.clear();
    if (timeUs)
        appendSeconds(m_timeText, *timeUs);
}

void CsvPrinter::fieldChanged(protocol::TelemetryField field, std::string_view text)
{
    setCell(fieldColumn(field), text);
}

void CsvPrinter::flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit)
{
    setCell(modeColumn(group), protocol::lampName(group, lit));
}

void CsvPrinter::airframeChanged(int index)
{
    setCell(kAirframeColumn, protocol::kAirframeNames[static_cast<size_t>(index)]);
}

void CsvPrinter::frameFinished(uint8_t)
{
    ++m_frames;
    if (m_everyUs == 0)
        writeRow(m_timeText);
    else
        m_framesInInterval = true;
}

void CsvPrinter::finish()
{
    if (m_everyUs == 0 || !m_framesInInterval)
        return;
    std::string start;
    appendSeconds(start, m_intervalEnd - m_everyUs);
    writeRow(start);
    m_framesInInterval = false;
}

void CsvPrinter::setCell(int column, std::string_view text)
{
    std::string cell;
    appendCell(cell, text);
    const auto index = static_cast<size_t>(column);
    const size_t start = m_commas[index] + 1;
    const size_t oldSize = m_commas[index + 1] - start;
    m_cells.replace(start, oldSize, cell);
    if (cell.size() != oldSize)
        for (size_t i = index + 1; i < m_commas.size(); ++i)
            m_commas[i] = m_commas[i] + cell.size() - oldSize;
}

void CsvPrinter::writeRow(std::string_view time)
{
    m_output += time;
    m_output += m_cells;
    m_output += '\n';
}
