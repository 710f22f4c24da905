#pragma once

#include "simulator/ControllerLink.h"
#include "protocol/CommandFrame.h"
#include "recording/RecordingParser.h"
#include "simulator/CommandCollector.h"
#include "simulator/PseudoTerminal.h"

#include <atomic>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace simulator {

// Serves a recording on a pseudo-terminal at its recorded pace (or a
// multiple of it), so clients connect to it as to a controller; the command
// frames they write are reported and otherwise ignored. Serving starts
// when the first client opens the device, so it sees the recording from
// its start. The file is read as it is served, never whole.
class ReplayLink : public ControllerLink {
public:
    struct Options {
        std::string path;
        double speed = 1;    // > 0
        bool loop = false;   // start again at the end
    };

    // Opens the recording and reads its start; throws std::runtime_error
    // naming the file when it cannot be opened, is not a recording or has
    // nothing to serve before a damaged part.
    explicit ReplayLink(Options options);
    ~ReplayLink();
    ReplayLink(const ReplayLink&) = delete;
    ReplayLink& operator=(const ReplayLink&) = delete;

    const std::string& devicePath() const override { return m_terminal.slavePath(); }

    // Called for every command frame received.
    std::function<void(const protocol::CommandBytes&)> onCommand;

    // Serves the recording; returns at its end (never with loop, unless the
    // file turns out bad) or once stop() is called (from any thread).
    void run() override;
    void stop() override { m_stopping = true; }

    // Why reading stopped early ("FILE: reading stopped at byte N: ..."),
    // once run() has returned; everything before that point was served.
    const std::optional<std::string>& problem() const { return m_problem; }

private:
    struct Chunk {
        uint64_t timeUs;
        std::vector<uint8_t> bytes;
    };
    class Queue : public recording::RecordingParser::Handler {
    public:
        void received(uint64_t timeUs, std::span<const uint8_t> bytes) override;
        std::deque<Chunk> chunks;
    };

    bool waitForClient();
    // The next chunk to serve, reading on as needed; nullptr at the end.
    const Chunk* nextChunk();
    bool readBlock();
    bool rewind();
    void writePending();
    void receiveCommands();
    void drain();

    Options m_options;
    PseudoTerminal m_terminal;
    std::FILE* m_file = nullptr;
    Queue m_queue;
    std::unique_ptr<recording::RecordingParser> m_parser;
    uint64_t m_passStartUs = 0;   // recording time at which this pass began
    uint64_t m_lastTimeUs = 0;    // of the last chunk served, in this pass
    bool m_servedThisPass = false;
    std::vector<uint8_t> m_pending;
    CommandCollector m_commands;
    std::atomic<bool> m_stopping{false};
    std::optional<std::string> m_problem;
};

} // namespace simulator
