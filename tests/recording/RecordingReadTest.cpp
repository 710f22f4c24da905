#include "CollectingHandler.h"
#include "MemoryOutput.h"

#include "recording/RecordingWriter.h"

#include <gtest/gtest.h>

namespace {

using recording::RecordingParser;
using recording::RecordingWriter;

// A small recording and the file offsets where its header and each chunk
// end.
struct SmallRecording {
    std::vector<uint8_t> bytes;
    std::vector<size_t> boundaries;
    std::vector<std::string> events;
};

SmallRecording smallRecording()
{
    MemoryOutput output;
    RecordingWriter writer(output, 1234567);
    SmallRecording result;
    result.boundaries.push_back(output.data.size());
    const auto mark = [&] {
        writer.flush();
        result.boundaries.push_back(output.data.size());
    };
    writer.connection(0, "/dev/ttyUSB0");
    mark();
    writer.received(10000, std::vector<uint8_t>{0x55, 0xA0, 1, 2});
    mark();
    writer.received(20000, std::vector<uint8_t>{3, 4, 5, 6, 0xBB});
    mark();
    writer.connection(3000000, "/dev/ttyUSB1");
    mark();
    writer.received(3000500, std::vector<uint8_t>{7});
    mark();
    result.bytes = output.data;
    result.events = {"start v1 1234567", "0 connection /dev/ttyUSB0", "10000 received 85 160 1 2",
        "20000 received 3 4 5 6 187", "3000000 connection /dev/ttyUSB1", "3000500 received 7"};
    return result;
}

struct ReadResult {
    std::vector<std::string> events;
    std::optional<recording::ReadProblem> problem;
};

ReadResult read(std::span<const uint8_t> bytes, size_t piece)
{
    CollectingHandler handler;
    RecordingParser parser(handler);
    for (size_t at = 0; at < bytes.size(); at += piece)
        if (!parser.feed(bytes.subspan(at, std::min(piece, bytes.size() - at))))
            break;
    parser.finish();
    return {handler.events, parser.problem()};
}

} // namespace

TEST(RecordingRead, ReadsBackWhatWasWrittenInPiecesOfAnySize)
{
    const SmallRecording recording = smallRecording();
    for (size_t piece : {size_t{1}, size_t{3}, size_t{17}, recording.bytes.size()}) {
        const ReadResult result = read(recording.bytes, piece);
        EXPECT_EQ(result.events, recording.events) << "pieces of " << piece;
        EXPECT_FALSE(result.problem) << result.problem->describe();
    }
}

TEST(RecordingRead, ACutAnywhereReadsEveryWholeChunkBeforeIt)
{
    const SmallRecording recording = smallRecording();
    for (size_t cut = 0; cut <= recording.bytes.size(); ++cut) {
        // Chunks that end at or before the cut are read; the first event is
        // the header.
        size_t whole = 0;
        while (whole < recording.boundaries.size() && recording.boundaries[whole] <= cut)
            ++whole;
        const std::vector<std::string> expected(recording.events.begin(), recording.events.begin() + static_cast<std::ptrdiff_t>(whole));
        for (size_t piece : {size_t{1}, size_t{64}}) {
            const ReadResult result = read(std::span<const uint8_t>(recording.bytes).first(cut), piece);
            EXPECT_EQ(result.events, expected) << "cut at " << cut;
            const bool atBoundary = whole > 0 && recording.boundaries[whole - 1] == cut;
            ASSERT_EQ(result.problem.has_value(), !atBoundary) << "cut at " << cut;
            if (result.problem) {
                EXPECT_EQ(result.problem->offset, whole == 0 ? 0 : recording.boundaries[whole - 1]) << "cut at " << cut;
            }
        }
    }
}

TEST(RecordingRead, EveryDamagedByteStopsTheReadingAtItsChunk)
{
    const SmallRecording recording = smallRecording();
    for (size_t at = recording.boundaries[0]; at < recording.bytes.size(); ++at) {
        size_t chunk = 0;
        while (recording.boundaries[chunk + 1] <= at)
            ++chunk;
        for (uint8_t flip : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}}) {
            std::vector<uint8_t> damaged = recording.bytes;
            damaged[at] ^= flip;
            const ReadResult result = read(damaged, damaged.size());
            ASSERT_TRUE(result.problem) << "byte " << at << " ^ " << int(flip);
            EXPECT_EQ(result.problem->offset, recording.boundaries[chunk]) << "byte " << at;
            EXPECT_EQ(result.events, std::vector<std::string>(recording.events.begin(),
                                         recording.events.begin() + static_cast<std::ptrdiff_t>(chunk + 1)))
                << "byte " << at;
        }
    }
}

TEST(RecordingRead, RefusesForeignFilesAndNewerVersions)
{
    SmallRecording recording = smallRecording();

    std::vector<uint8_t> capture = {0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB};
    ReadResult result = read(capture, capture.size());
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->offset, 0u);
    EXPECT_EQ(result.problem->describe(),
        "reading stopped at byte 0: not a recording (it does not start with the recording mark)");
    EXPECT_TRUE(result.events.empty());

    // A text-mode copy turns CR LF into LF.
    std::vector<uint8_t> mangled = recording.bytes;
    mangled.erase(mangled.begin() + 6);
    result = read(mangled, 5);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->offset, 0u);

    std::vector<uint8_t> newer = recording.bytes;
    newer[8] = 2;
    result = read(newer, newer.size());
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->describe(),
        "reading stopped at byte 8: recording version 2 is newer than this program reads (up to 1)");
    EXPECT_TRUE(result.events.empty());

    result = read({}, 1);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->message, "the file is empty, not a recording");
}

TEST(RecordingRead, TellsRecordingsFromRawCaptures)
{
    const SmallRecording recording = smallRecording();
    EXPECT_TRUE(recording::startsLikeRecording(recording.bytes));
    EXPECT_TRUE(recording::startsLikeRecording(std::span<const uint8_t>(recording.bytes).first(3)));
    EXPECT_FALSE(recording::startsLikeRecording({}));
    const std::vector<uint8_t> capture = {0x55, 0xA0, 0x50, 0x46};
    EXPECT_FALSE(recording::startsLikeRecording(capture));
}
