#pragma once

#include "recording/RecordingOutput.h"
#include "recording/RecordingWriter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace recording {

// A recording of a live link: times come from a steady clock started with
// the recording. The owner calls tick() from a timer (every 100 ms or so)
// so bytes reach the disk within a second even when the link goes quiet.
// The first write failure ends the recording and is reported once through
// onStopped; the link itself is not affected.
class LiveRecording {
public:
    // Microseconds since any fixed point; the steady clock by default.
    using Clock = std::function<uint64_t()>;

    // Nothing when the file cannot be created; `error` then says why.
    static std::unique_ptr<LiveRecording> create(const std::string& path, std::string& error, Clock clock = {});
    LiveRecording(std::unique_ptr<RecordingOutput> output, Clock clock = {});
    ~LiveRecording();
    LiveRecording(const LiveRecording&) = delete;
    LiveRecording& operator=(const LiveRecording&) = delete;

    void connection(std::string_view device);
    void received(std::span<const uint8_t> bytes);
    void tick();

    bool recording() const { return !m_writer.failed(); }

    // Called once, with the reason, when the recording stops on a failure.
    std::function<void(const std::string& reason)> onStopped;

private:
    uint64_t now() const;
    void check(bool ok);

    std::unique_ptr<RecordingOutput> m_output;
    Clock m_clock;
    uint64_t m_start = 0;
    RecordingWriter m_writer;
    bool m_reported = false;
};

} // namespace recording
