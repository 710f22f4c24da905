#include "MonitorPrinter.h"

#include <cstdio>

void MonitorPrinter::frameStarted(uint8_t type)
{
    if (m_time) {
        appendSeconds(m_output, *m_time);
        m_output += '\t';
    }
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", type);
    m_output += hex;
}

void MonitorPrinter::pair(std::string_view name, std::string_view text)
{
    m_output += '\t';
    m_output += name;
    m_output += '=';
    m_output += text;
}

void MonitorPrinter::fieldChanged(protocol::TelemetryField field, std::string_view text)
{
    pair(protocol::fieldName(field), text);
}

void MonitorPrinter::flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit)
{
    pair(group == protocol::ModeSwitch::Ch5 ? "CH5 mode" : "CH6 mode", protocol::lampName(group, lit));
}

void MonitorPrinter::airframeChanged(int index)
{
    pair("Airframe", protocol::kAirframeNames[static_cast<size_t>(index)]);
}

void MonitorPrinter::frameFinished(uint8_t)
{
    m_output += '\n';
    ++m_frames;
}

void MonitorPrinter::connection(uint64_t timeUs, std::string_view device)
{
    appendSeconds(m_output, timeUs);
    m_output += "\tConnected\tDevice=";
    // The name comes from the file: no control characters reach the lines.
    for (const char c : device)
        m_output += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    m_output += '\n';
}
