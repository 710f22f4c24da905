#include "skin/data/ZlibStreams.h"

#include "platform/ByteStream.h"

#include <zlib.h>

namespace skin {

namespace {

constexpr int bufferSize = 4096;

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

// Ends the zlib stream on every way out.
template<auto End>
struct ZStream : z_stream {
    ZStream() : z_stream {} { }
    ~ZStream() { End(this); }
};

} // namespace

void CompressStream(platform::Stream& source, platform::Stream& target, TCompressionLevel level)
{
    ZStream<deflateEnd> z;
    if (deflateInit(&z, zlibLevel(level)) != Z_OK)
        deflateFailed();
    source.setPosition(0);
    char in[bufferSize];
    char out[bufferSize];
    int flush = Z_NO_FLUSH;
    do {
        const qint64 n = source.read(in, bufferSize);
        flush = source.remaining() == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = reinterpret_cast<Bytef*>(in);
        z.avail_in = uInt(n);
        do {
            z.next_out = reinterpret_cast<Bytef*>(out);
            z.avail_out = bufferSize;
            if (deflate(&z, flush) == Z_STREAM_ERROR)
                deflateFailed();
            target.write(out, bufferSize - z.avail_out);
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
}

void DeCompressStream(platform::Stream& target, platform::Stream& source, qint64 maxOutput)
{
    ZStream<inflateEnd> z;
    if (inflateInit(&z) != Z_OK)
        inflateFailed();
    source.setPosition(0);
    char in[bufferSize];
    char out[bufferSize];
    qint64 produced = 0;
    for (;;) {
        const qint64 n = source.read(in, bufferSize);
        if (n == 0)
            inflateFailed(); // the zlib stream ended early
        z.next_in = reinterpret_cast<Bytef*>(in);
        z.avail_in = uInt(n);
        do {
            z.next_out = reinterpret_cast<Bytef*>(out);
            z.avail_out = bufferSize;
            const int result = inflate(&z, Z_NO_FLUSH);
            if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
                inflateFailed();
            const qint64 got = bufferSize - z.avail_out;
            produced += got;
            if (produced > maxOutput)
                inflateFailed();
            target.write(out, got);
            if (result == Z_STREAM_END)
                return;
            if (result == Z_BUF_ERROR && got == 0)
                break;
        } while (z.avail_out == 0 || z.avail_in > 0);
    }
}

} // namespace skin
