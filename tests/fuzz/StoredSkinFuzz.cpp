// Reads arbitrary bytes as an uncompressed stored skin and its text.

#include "platform/ByteStream.h"
#include "platform/IniFile.h"
#include "skin/data/StoredSkinStream.h"
#include "skin/data/TkvSkinData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::MemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    std::optional<skin::StoredSkin> stored;
    try {
        stored = skin::readStoredSkin(stream);
    } catch (const platform::Exception&) {
        return 0;
    }
    if (!stored)
        return 0;
    if (stream.remaining() != 0 || stored->version > skin::StoredSkin::currentVersion)
        std::abort();
    const platform::MemIniFile ini(stored->lines);
    skin::TkvSkinData skinData;
    try {
        skinData.ReadFormInfo(ini);
        skinData.ReadObjects(ini);
        skinData.ReadCtrls(ini);
    } catch (const platform::Exception&) {
    }
    return 0;
}
