#include "MonitorPrinter.h"

#include <cstdio>

void MonitorPrinter::frameStarted(uint8_t type)
{
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
