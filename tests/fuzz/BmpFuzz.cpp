// Reads arbitrary bytes as a BMP record; a record that is accepted must
// decode and write back as the same bytes.

#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    platform::MemoryStream stream(bytes);
    platform::BmpImage image;
    try {
        image = platform::BmpImage::readRecord(stream);
    } catch (const platform::Exception&) {
        return 0;
    }
    if (image.bytes() != bytes.left(stream.position()))
        std::abort();
    const QImage decoded = image.toQImage();
    if (decoded.width() != image.width() || decoded.height() != image.height())
        std::abort();
    if (image.topDown24().size() != qint64(image.width()) * image.height() * 3)
        std::abort();
    platform::MemoryStream out;
    image.writeRecord(out);
    if (out.bytes() != image.bytes())
        std::abort();
    return 0;
}
