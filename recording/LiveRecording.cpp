#include "recording/LiveRecording.h"

#include "recording/FileOutput.h"

#include <chrono>

namespace recording {
namespace {

uint64_t steadyMicroseconds()
{
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

uint64_t unixMicroseconds()
{
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch()).count());
}

} // namespace

std::unique_ptr<LiveRecording> LiveRecording::create(const std::string& path, std::string& error, Clock clock)
{
    auto output = FileOutput::create(path, error);
    if (!output)
        return nullptr;
    auto recording = std::make_unique<LiveRecording>(std::move(output), std::move(clock));
    if (!recording->recording()) {
        error = recording->m_writer.error();
        return nullptr;
    }
    return recording;
}

LiveRecording::LiveRecording(std::unique_ptr<RecordingOutput> output, Clock clock)
    : m_output(std::move(output))
    , m_clock(clock ? std::move(clock) : Clock(steadyMicroseconds))
    , m_start(m_clock())
    , m_writer(*m_output, unixMicroseconds())
{
}

LiveRecording::~LiveRecording()
{
    m_writer.flush();
}

void LiveRecording::connection(std::string_view device)
{
    check(m_writer.connection(now(), device));
}

void LiveRecording::received(std::span<const uint8_t> bytes)
{
    check(m_writer.received(now(), bytes));
}

void LiveRecording::tick()
{
    check(m_writer.flushIfDue(now()));
}

uint64_t LiveRecording::now() const
{
    return m_clock() - m_start;
}

void LiveRecording::check(bool ok)
{
    if (ok || m_reported)
        return;
    m_reported = true;
    if (onStopped)
        onStopped(m_writer.error());
}

} // namespace recording
