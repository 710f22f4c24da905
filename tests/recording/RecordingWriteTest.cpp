#include "CollectingHandler.h"
#include "MemoryOutput.h"

#include "recording/FileOutput.h"
#include "recording/LiveRecording.h"
#include "recording/RecordingWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using recording::RecordingWriter;

std::vector<std::string> readBack(const std::vector<uint8_t>& bytes, std::optional<recording::ReadProblem>* problem = nullptr)
{
    CollectingHandler handler;
    recording::RecordingParser parser(handler);
    parser.feed(bytes);
    parser.finish();
    if (problem)
        *problem = parser.problem();
    return handler.events;
}

std::string tempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()))).string();
}

} // namespace

TEST(RecordingWrite, ReachesTheOutputOnceASecondOfRecordedTime)
{
    MemoryOutput output;
    RecordingWriter writer(output, 0);
    // The header goes out at once.
    EXPECT_EQ(output.data.size(), recording::kHeaderSize);
    EXPECT_EQ(output.syncs, 1);

    const std::vector<uint8_t> batch(115, 0x55);
    const uint64_t interval = RecordingWriter::kFlushIntervalUs;
    writer.connection(0, "dev");
    for (uint64_t t = 10000; t < interval; t += 10000)
        EXPECT_TRUE(writer.received(t, batch));
    EXPECT_EQ(output.writes, 1) << "nothing before the interval has passed";
    EXPECT_TRUE(writer.received(interval, batch));
    EXPECT_EQ(output.writes, 2);
    EXPECT_EQ(output.syncs, 2);

    // A quiet link: the timer's call gets the last bytes out.
    EXPECT_TRUE(writer.received(interval + 500000, batch));
    EXPECT_TRUE(writer.flushIfDue(2 * interval - 1));
    EXPECT_EQ(output.writes, 2);
    EXPECT_TRUE(writer.flushIfDue(2 * interval));
    EXPECT_EQ(output.writes, 3);
    EXPECT_EQ(readBack(output.data).size(), 1u + 1u + interval / 10000 + 1u);
}

TEST(RecordingWrite, GeneratedRecordingsGoOutOnlyWhenTheBufferIsFull)
{
    MemoryOutput output;
    RecordingWriter writer(output, 0, RecordingWriter::Flush::WhenFull);
    const std::vector<uint8_t> batch(128, 0xBB);
    uint64_t t = 0;
    while (output.writes < 2)
        writer.received(t += 10000, batch);
    EXPECT_GT(t, 10'000'000u) << "many recorded seconds per write";
    writer.flush();
    EXPECT_EQ(readBack(output.data).size(), 1 + t / 10000);
}

TEST(RecordingWrite, SplitsLargeBatchesAndHoldsAClockThatStepsBack)
{
    MemoryOutput output;
    RecordingWriter writer(output, 0);
    std::vector<uint8_t> large(recording::kMaxPayload * 2 + 5);
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<uint8_t>(i);
    EXPECT_TRUE(writer.received(500, large));
    EXPECT_TRUE(writer.received(400, std::vector<uint8_t>{1}));
    EXPECT_TRUE(writer.received(600, {}));
    EXPECT_TRUE(writer.flush());

    CollectingHandler handler;
    recording::RecordingParser parser(handler);
    parser.feed(output.data);
    EXPECT_TRUE(parser.finish());
    EXPECT_EQ(handler.receivedBytes, large.size() + 1);
    ASSERT_EQ(handler.events.size(), 5u);
    EXPECT_EQ(handler.events[4], "500 received 1");
}

TEST(RecordingWrite, AFullDiskEndsTheRecordingWithItsReason)
{
    MemoryOutput output(recording::kHeaderSize + 100);
    RecordingWriter writer(output, 0);
    EXPECT_TRUE(writer.connection(0, "dev"));
    EXPECT_FALSE(writer.received(2000000, std::vector<uint8_t>(200, 0x55)));
    EXPECT_TRUE(writer.failed());
    EXPECT_EQ(writer.error(), "cannot write memory: No space left on device");
    // Later calls do nothing.
    const int writes = output.writes;
    EXPECT_FALSE(writer.received(3000000, std::vector<uint8_t>(1, 0x55)));
    EXPECT_FALSE(writer.flush());
    EXPECT_EQ(output.writes, writes);
    // What reached the disk reads up to the cut.
    std::optional<recording::ReadProblem> problem;
    EXPECT_EQ(readBack(output.data, &problem).size(), 2u);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->offset, recording::kHeaderSize + recording::kChunkHeadSize + 3 + recording::kChunkTailSize);
}

TEST(RecordingFile, ADeviceThatRefusesWritesFailsAtTheHeader)
{
    std::string error;
    auto output = recording::FileOutput::create("/dev/full", error);
    ASSERT_TRUE(output) << error;
    RecordingWriter writer(*output, 0);
    EXPECT_TRUE(writer.failed());
    EXPECT_EQ(writer.error(), "cannot write /dev/full: No space left on device");
}

TEST(RecordingFile, WritesAFileAndNoticesItsRemoval)
{
    const std::string path = tempPath("fct-recording");
    std::string error;
    auto output = recording::FileOutput::create(path, error);
    ASSERT_TRUE(output) << error;
    RecordingWriter writer(*output, 42);
    EXPECT_TRUE(writer.received(5, std::vector<uint8_t>{9, 8}));
    EXPECT_TRUE(writer.flush());
    {
        std::ifstream file(path, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
        EXPECT_EQ(readBack(bytes), (std::vector<std::string>{"start v1 42", "5 received 9 8"}));
    }
    std::filesystem::remove(path);
    EXPECT_TRUE(writer.received(6, std::vector<uint8_t>{7}));
    EXPECT_FALSE(writer.flush());
    EXPECT_EQ(writer.error(), path + " was removed or replaced");
}

TEST(RecordingFile, NamesTheFileItCannotCreate)
{
    std::string error;
    EXPECT_FALSE(recording::FileOutput::create("/nonexistent-dir/x.fcrec", error));
    EXPECT_EQ(error, "cannot create /nonexistent-dir/x.fcrec: No such file or directory");
}

TEST(LiveRecording, TimesFromItsClockAndOneReportOfAFailure)
{
    auto output = std::make_unique<MemoryOutput>(recording::kHeaderSize + 60);
    MemoryOutput& memory = *output;
    uint64_t clock = 5'000'000;
    recording::LiveRecording live(std::move(output), [&] { return clock; });
    std::vector<std::string> reasons;
    live.onStopped = [&](const std::string& reason) { reasons.push_back(reason); };

    live.connection("dev");
    clock += 250;
    live.received(std::vector<uint8_t>{1, 2});
    clock += 1'000'000;
    live.tick();
    const std::vector<std::string> events = readBack(memory.data);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1], "0 connection dev");
    EXPECT_EQ(events[2], "250 received 1 2");
    EXPECT_TRUE(live.recording());

    live.received(std::vector<uint8_t>(100, 7));
    clock += 1'000'000;
    live.tick();
    live.received(std::vector<uint8_t>(1, 7));
    live.tick();
    EXPECT_FALSE(live.recording());
    EXPECT_EQ(reasons, std::vector<std::string>{"cannot write memory: No space left on device"});
}
