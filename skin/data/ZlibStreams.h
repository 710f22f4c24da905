#pragma once

#include "platform/ClassicErrors.h"

namespace platform {
class Stream;
}

namespace skin {

// Raised when deflate fails ("error") or inflate meets damaged data
// ("compression error").
class ECompressionError : public platform::Exception {
public:
    using Exception::Exception;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

// Inflated data larger than this is treated as damaged (a zlib bomb).
constexpr qint64 maxInflatedSize = 128 * 1024 * 1024;

// Rewinds source and deflates all of it into one zlib stream appended at
// target's position; skins are packed with clMax (header 78 DA).
void CompressStream(platform::Stream& source, platform::Stream& target,
    TCompressionLevel level = TCompressionLevel::clMax);

// Note the argument order: rewinds source and inflates its zlib stream into
// target at target's position. Bytes after the end of the zlib stream are
// ignored.
void DeCompressStream(platform::Stream& target, platform::Stream& source, qint64 maxOutput = maxInflatedSize);

} // namespace skin
