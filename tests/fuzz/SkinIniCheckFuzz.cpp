// Reads arbitrary text as a skin definition and lists what the engine does
// not read in it, which walks the whole skin the text makes.

#include "ReadSkinRecords.h"

#include "skin/data/SkinDefinitionCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::MemIniFile ini(
        platform::MemIniFile::splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    skin::TkvSkinData skinData;
    if (readSkinRecords(ini, skinData))
        skin::notUnderstood(ini, skinData);
    return 0;
}
