#include "CommFixture.h"

#include <numeric>

using namespace serial;

using CommReadWrite = CommFixture;

namespace {

std::vector<uint8_t> counting(size_t size)
{
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), uint8_t(0));
    return bytes;
}

} // namespace

TEST_F(CommReadWrite, ReadsUpToTheBufferAndDiscardsAnOverflow)
{
    openAt115200();
    device->queue(counting(4096));
    EXPECT_EQ(comm->ReadInputByte().size(), 4096);
    EXPECT_TRUE(device->incoming.empty());

    device->queue({7, 8, 9});
    const QByteArray previous = comm->ReadInputByte();
    EXPECT_EQ(previous, QByteArray("\x07\x08\x09", 3));

    device->queue(counting(4097));
    EXPECT_TRUE(comm->ReadInputByte().isEmpty()) << "4097 waiting: discarded, and nothing handed over";
    EXPECT_TRUE(device->incoming.empty());

    device->queue({7, 8, 9});
    comm->ReadInputByte();
    EXPECT_TRUE(comm->ReadInputByte().isEmpty()) << "nothing waiting: the previous batch is not handed over again";
}

TEST_F(CommReadWrite, InputLenLimitsOneRead)
{
    openAt115200();
    comm->SetInputLen(2);
    device->queue({1, 2, 3});
    EXPECT_EQ(comm->ReadInputByte(), QByteArray("\x01\x02", 2));
    EXPECT_EQ(comm->Input(), QString(QChar(3)));

    comm->SetInputLen(100000);
    device->queue(counting(10));
    EXPECT_EQ(comm->ReadInputByte().size(), 10) << "never more than waits, never past the buffer";
}

TEST_F(CommReadWrite, FailedReadHandsOverNothing)
{
    openAt115200();
    device->queue({1});
    comm->ReadInputByte();
    device->queue({2});
    device->failing.insert(Op::Read);
    EXPECT_TRUE(comm->ReadInputByte().isEmpty());
}

TEST_F(CommReadWrite, ReadWithoutAPortShowsTheMessageAndReturnsThePreviousInput)
{
    EXPECT_TRUE(comm->ReadInputByte().isEmpty());
    EXPECT_TRUE(comm->Input().isEmpty());
    EXPECT_EQ(messages, (QStringList{"COM Port is not opened yet!", "COM Port is not opened yet!"}));
}

TEST_F(CommReadWrite, OutputByteWritesOneCallPerByte)
{
    openAt115200();
    EXPECT_TRUE(comm->OutputByte(QByteArray("\x55\x18\x00\xAC", 4)));
    EXPECT_EQ(device->written, (std::vector<uint8_t>{0x55, 0x18, 0x00, 0xAC}));
    EXPECT_EQ(device->writeSizes, (std::vector<size_t>{1, 1, 1, 1}));

    EXPECT_TRUE(comm->OutputByte(QByteArray()));
    EXPECT_EQ(device->written.size(), 4u);

    device->failing.insert(Op::Write);
    EXPECT_FALSE(comm->OutputByte(QByteArray("\x01\x02", 2))) << "a failed write is reported";
    EXPECT_EQ(device->written.size(), 4u);
}

TEST_F(CommReadWrite, OutputStringIsOneWriteThatReportsItsResult)
{
    openAt115200();
    EXPECT_TRUE(comm->OutputString("AT\r"));
    EXPECT_EQ(device->writeSizes, std::vector<size_t>{3});
    device->failing.insert(Op::Write);
    EXPECT_FALSE(comm->OutputString("x"));
}

TEST_F(CommReadWrite, WritesWithoutAPortAreRefused)
{
    EXPECT_FALSE(comm->OutputByte(QByteArray("\x55", 1)));
    EXPECT_FALSE(comm->OutputString("x"));
    EXPECT_EQ(messages, (QStringList{"COM Port is not opened yet!", "COM Port is not opened yet!"}));
    EXPECT_TRUE(device->written.empty());
}

TEST_F(CommReadWrite, InDataCountAndItsReset)
{
    openAt115200();
    device->queue({1, 2, 3});
    EXPECT_EQ(comm->ReadInDataCount(), 3u);
    comm->SetInDataCount(5);
    EXPECT_EQ(comm->ReadInDataCount(), 3u);
    comm->SetInDataCount(0);
    EXPECT_EQ(comm->ReadInDataCount(), 0u);
    EXPECT_TRUE(called("purge 8"));
}
