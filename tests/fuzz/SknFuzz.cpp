// Reads arbitrary bytes as a ".skn" file and loads the skin it carries.

#include "platform/ByteStream.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::MemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    skin::TkvCompressedStoredSkin stored;
    skin::TkvSkinData skinData;
    try {
        stored.loadFromCompressStream(stream);
        skinData.LoadCompressedStoredSkin(&stored);
    } catch (const platform::Exception&) {
        if (!skinData.IsEmpty())
            std::abort();
        return 0;
    }
    if (stored.GetEmpty() && !skinData.IsEmpty())
        std::abort();
    return 0;
}
