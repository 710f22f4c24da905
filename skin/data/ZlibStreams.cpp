#include "skin/data/ZlibStreams.h"

#include <algorithm>

namespace skin {

namespace {

int zlibLevel(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::clNone:
        return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest:
        return Z_BEST_SPEED;
    case TCompressionLevel::clDefault:
        return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax:
        break;
    }
    return Z_BEST_COMPRESSION;
}

[[noreturn]] void deflateFailed() { throw ECompressionError(QStringLiteral("error")); }
[[noreturn]] void inflateFailed() { throw ECompressionError(QStringLiteral("compression error")); }

// zlib counts in uInt; larger requests go in slices.
constexpr qint64 maxSlice = 1 << 30;

} // namespace

qint64 TCustomZlibStream::size() const { invalidOperation(); }

void TCustomZlibStream::setPosition(qint64 position)
{
    if (position != m_position)
        invalidOperation();
}

void TCustomZlibStream::invalidOperation() { throw ECompressionError(QStringLiteral("Invalid stream operation")); }

TCompressionStream::TCompressionStream(TCompressionLevel level, platform::Stream& target)
    : TCustomZlibStream(target)
{
    if (deflateInit(&m_z, zlibLevel(level)) != Z_OK)
        deflateFailed();
}

TCompressionStream::~TCompressionStream() { deflateEnd(&m_z); }

qint64 TCompressionStream::read(char*, qint64) { invalidOperation(); }

void TCompressionStream::deflateInto(int flush)
{
    do {
        m_z.next_out = reinterpret_cast<Bytef*>(m_buffer);
        m_z.avail_out = bufferSize;
        if (deflate(&m_z, flush) == Z_STREAM_ERROR)
            deflateFailed();
        m_stream.write(m_buffer, bufferSize - m_z.avail_out);
    } while (m_z.avail_out == 0);
}

void TCompressionStream::write(const char* buffer, qint64 count)
{
    if (m_finished)
        invalidOperation();
    while (count > 0) {
        const qint64 slice = std::min(count, maxSlice);
        m_z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(buffer));
        m_z.avail_in = uInt(slice);
        deflateInto(Z_NO_FLUSH);
        buffer += slice;
        count -= slice;
        m_position += slice;
    }
}

void TCompressionStream::finish()
{
    if (m_finished)
        return;
    m_z.avail_in = 0;
    deflateInto(Z_FINISH);
    m_finished = true;
}

TDecompressionStream::TDecompressionStream(platform::Stream& source, qint64 maxOutput)
    : TCustomZlibStream(source)
    , m_maxOutput(maxOutput)
{
    if (inflateInit(&m_z) != Z_OK)
        inflateFailed();
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&m_z); }

void TDecompressionStream::write(const char*, qint64) { invalidOperation(); }

qint64 TDecompressionStream::read(char* buffer, qint64 count)
{
    count = std::clamp<qint64>(count, 0, maxSlice);
    m_z.next_out = reinterpret_cast<Bytef*>(buffer);
    m_z.avail_out = uInt(count);
    while (m_z.avail_out > 0 && !m_ended) {
        if (m_z.avail_in == 0) {
            const qint64 n = m_stream.read(m_buffer, bufferSize);
            if (n <= 0)
                inflateFailed(); // the zlib stream ended early
            m_z.next_in = reinterpret_cast<Bytef*>(m_buffer);
            m_z.avail_in = uInt(n);
        }
        const int result = inflate(&m_z, Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            m_ended = true;
        else if (result != Z_OK && !(result == Z_BUF_ERROR && m_z.avail_in == 0))
            inflateFailed();
    }
    const qint64 got = count - m_z.avail_out;
    m_position += got;
    if (m_position > m_maxOutput)
        inflateFailed();
    return got;
}

void CompressStream(platform::Stream& source, platform::Stream& target, TCompressionLevel level)
{
    source.setPosition(0);
    TCompressionStream z(level, target);
    char buffer[4096];
    for (qint64 n; (n = source.read(buffer, sizeof buffer)) > 0;)
        z.write(buffer, n);
    z.finish();
}

void DeCompressStream(platform::Stream& target, platform::Stream& source, qint64 maxOutput)
{
    source.setPosition(0);
    TDecompressionStream z(source, maxOutput);
    char buffer[4096];
    for (qint64 n; (n = z.read(buffer, sizeof buffer)) > 0;)
        target.write(buffer, n);
}

} // namespace skin
