#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"

#include <gtest/gtest.h>

using platform::EFOpenError;
using platform::EReadError;
using platform::FileStream;
using platform::MemoryStream;

TEST(ByteStream, IntegersAreLittleEndianAndSigned)
{
    MemoryStream stream;
    stream.writeInt32(-2);
    stream.writeInt32(0x01020304);
    stream.writeUInt8(0xAB);
    EXPECT_EQ(stream.bytes(), QByteArray("\xFE\xFF\xFF\xFF\x04\x03\x02\x01\xAB", 9));
    stream.setPosition(0);
    EXPECT_EQ(stream.readInt32(), -2);
    EXPECT_EQ(stream.readInt32(), 0x01020304);
    EXPECT_EQ(stream.readUInt8(), 0xAB);
}

TEST(ByteStream, ReadsNeverPassTheEnd)
{
    MemoryStream stream(QByteArray("abc"));
    EXPECT_THROW(stream.readInt32(), EReadError);
    EXPECT_EQ(stream.position(), 0);
    EXPECT_THROW(stream.readBytes(1LL << 40), EReadError);
    EXPECT_THROW(stream.readBytes(-1), EReadError);
    EXPECT_EQ(stream.readBytes(2), QByteArray("ab"));
    EXPECT_EQ(stream.readAll(), QByteArray("c"));
    char c = 0;
    EXPECT_EQ(stream.read(&c, 1), 0);
}

TEST(ByteStream, WritesOverwriteAndGrowAtThePosition)
{
    MemoryStream stream(QByteArray("abcdef"));
    stream.setPosition(4);
    stream.writeBytes("XYZ");
    EXPECT_EQ(stream.bytes(), QByteArray("abcdXYZ"));
    stream.setPosition(100);
    EXPECT_EQ(stream.position(), 7);
}

TEST(ByteStream, MissingFileNamesItInTheError)
{
    try {
        FileStream stream("/nonexistent/dir/file.skn", FileStream::Mode::Read);
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.message(), "Cannot open file /nonexistent/dir/file.skn");
    }
}
