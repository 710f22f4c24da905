#pragma once

#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"

#include <zlib.h>

namespace skin {

// Raised when deflate fails ("error"), inflate meets damaged data
// ("compression error"), or a zlib stream is used the wrong way
// ("Invalid stream operation").
class ECompressionError : public platform::Exception {
public:
    using Exception::Exception;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

// Inflated data larger than this is treated as damaged (a zlib bomb).
constexpr qint64 maxInflatedSize = 128 * 1024 * 1024;

// A one-way stream over zlib that moves data through a 4096-byte buffer.
// Its position counts the uncompressed bytes passed through; its size is
// unknown and it cannot seek.
class TCustomZlibStream : public platform::Stream {
public:
    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

    qint64 size() const override;
    qint64 position() const override { return m_position; }
    void setPosition(qint64 position) override;

protected:
    explicit TCustomZlibStream(platform::Stream& stream) : m_stream(stream) {}
    [[noreturn]] static void invalidOperation();

    static constexpr int bufferSize = 4096;
    platform::Stream& m_stream;
    z_stream m_z {};
    char m_buffer[bufferSize] {};
    qint64 m_position = 0;
};

// Write-only: deflates everything written into one zlib stream appended to
// the target; finish() writes its end.
class TCompressionStream final : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel level, platform::Stream& target);
    ~TCompressionStream() override;

    qint64 read(char* buffer, qint64 count) override;
    void write(const char* buffer, qint64 count) override;
    void finish();

private:
    void deflateInto(int flush);

    bool m_finished = false;
};

// Read-only: inflates the zlib stream that starts at the source's position.
// Reading returns 0 once the zlib stream has ended; bytes after it are
// left unused.
class TDecompressionStream final : public TCustomZlibStream {
public:
    explicit TDecompressionStream(platform::Stream& source, qint64 maxOutput = maxInflatedSize);
    ~TDecompressionStream() override;

    qint64 read(char* buffer, qint64 count) override;
    void write(const char* buffer, qint64 count) override;

private:
    qint64 m_maxOutput;
    bool m_ended = false;
};

// Rewinds source and deflates all of it into one zlib stream appended at
// target's position; skins are packed with clMax (header 78 DA).
void CompressStream(platform::Stream& source, platform::Stream& target,
    TCompressionLevel level = TCompressionLevel::clMax);

// Note the argument order: rewinds source and inflates its zlib stream into
// target at target's position. Bytes after the end of the zlib stream are
// ignored.
void DeCompressStream(platform::Stream& target, platform::Stream& source, qint64 maxOutput = maxInflatedSize);

} // namespace skin
