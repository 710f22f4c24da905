#include "InputDecoding.h"

#include "recording/RecordingFormat.h"
#include "recording/RecordingParser.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kBlockSize = 1 << 16;

class RecordingFeeder : public recording::RecordingParser::Handler {
public:
    RecordingFeeder(protocol::TelemetryDecoder& decoder, MonitorOutput& output, long long count)
        : m_decoder(decoder)
        , m_output(output)
        , m_count(count)
    {
    }

    void connection(uint64_t timeUs, std::string_view device) override
    {
        if (!done)
            m_output.connection(timeUs, device);
    }
    void received(uint64_t timeUs, std::span<const uint8_t> bytes) override
    {
        if (done)
            return;
        m_output.setTime(timeUs);
        done = feedUntilCount(m_decoder, m_output, bytes, m_count);
    }

    bool done = false;

private:
    protocol::TelemetryDecoder& m_decoder;
    MonitorOutput& m_output;
    long long m_count;
};

class InputFile {
public:
    explicit InputFile(const std::string& path)
        : m_file(path == "-" ? stdin : std::fopen(path.c_str(), "rb"))
    {
    }
    ~InputFile()
    {
        if (m_file && m_file != stdin)
            std::fclose(m_file);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // Fills the buffer as far as the input goes; false at its end.
    bool read(std::vector<uint8_t>& buffer)
    {
        buffer.resize(kBlockSize);
        buffer.resize(std::fread(buffer.data(), 1, buffer.size(), m_file));
        return !buffer.empty();
    }
    bool failed() const { return std::ferror(m_file) != 0; }

private:
    std::FILE* m_file;
};

int fail(const std::string& message)
{
    std::fprintf(stderr, "fcmon: %s\n", message.c_str());
    return 1;
}

std::string displayName(const std::string& path)
{
    return path == "-" ? "standard input" : path;
}

} // namespace

bool feedUntilCount(protocol::TelemetryDecoder& decoder, MonitorOutput& output, std::span<const uint8_t> bytes,
    long long count)
{
    if (count <= 0) {
        decoder.feed(bytes);
        return false;
    }
    for (const uint8_t byte : bytes) {
        decoder.feed(byte);
        if (output.frames() >= count)
            return true;
    }
    return false;
}

void writeOutput(MonitorOutput& output)
{
    std::fwrite(output.output().data(), 1, output.output().size(), stdout);
    std::fflush(stdout);
    output.output().clear();
}

int decodeInput(const std::string& path, protocol::TelemetryDecoder& decoder, MonitorOutput& output,
    const InputOptions& options)
{
    InputFile file(path);
    if (!file.isOpen())
        return fail("cannot open " + path + ": " + std::strerror(errno));
    std::vector<uint8_t> block;
    bool more = file.read(block);
    const bool isRecording = recording::startsLikeRecording(block);
    if (!isRecording && options.needsTimes)
        return fail(displayName(path) + " is a raw capture without times; --every needs a recording");

    RecordingFeeder feeder(decoder, output, options.count);
    recording::RecordingParser parser(feeder);
    bool done = false;
    while (more && !done) {
        if (isRecording)
            done = !parser.feed(block) || feeder.done;
        else
            done = feedUntilCount(decoder, output, block, options.count);
        writeOutput(output);
        if (!done)
            more = file.read(block);
    }
    if (file.failed())
        return fail("cannot read " + displayName(path) + ": " + std::strerror(errno));
    if (isRecording && !feeder.done)
        parser.finish();
    output.finish();
    writeOutput(output);
    if (const auto& problem = parser.problem())
        return fail(displayName(path) + ": " + problem->describe());
    return 0;
}
