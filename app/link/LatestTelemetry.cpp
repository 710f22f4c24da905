#include "app/link/LatestTelemetry.h"

namespace {

// Longer than any field's text, so that keeping one never allocates.
constexpr size_t kTextCapacity = 32;

} // namespace

LatestTelemetry::LatestTelemetry()
{
    for (std::string& text : m_texts)
        text.reserve(kTextCapacity);
}

bool LatestTelemetry::waiting() const
{
    return m_attitude || m_changedTexts.any() || m_heading || m_lamps[0] || m_lamps[1] || m_airframe;
}

void LatestTelemetry::handTo(protocol::TelemetrySink& view)
{
    if (m_attitude)
        view.attitudeChanged(m_attitude->roll, m_attitude->pitch);
    for (size_t i = 0; i < m_texts.size(); ++i) {
        if (m_changedTexts.test(i))
            view.fieldChanged(static_cast<protocol::TelemetryField>(i), m_texts[i]);
    }
    if (m_heading)
        view.headingChanged(*m_heading);
    for (size_t group = 0; group < m_lamps.size(); ++group) {
        if (m_lamps[group])
            view.flightModeChanged(static_cast<protocol::ModeSwitch>(group), *m_lamps[group]);
    }
    if (m_airframe)
        view.airframeChanged(*m_airframe);
    m_attitude.reset();
    m_changedTexts.reset();
    m_heading.reset();
    m_lamps = {};
    m_airframe.reset();
}

void LatestTelemetry::attitudeChanged(double rollRadians, double pitchRadians)
{
    m_attitude = Attitude{rollRadians, pitchRadians};
}

void LatestTelemetry::fieldChanged(protocol::TelemetryField field, std::string_view text)
{
    const auto index = static_cast<size_t>(field);
    m_texts[index].assign(text);
    m_changedTexts.set(index);
}

void LatestTelemetry::headingChanged(double headingRadians) { m_heading = headingRadians; }

void LatestTelemetry::flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit)
{
    m_lamps[static_cast<size_t>(group)] = lit;
}

void LatestTelemetry::airframeChanged(int index) { m_airframe = index; }
