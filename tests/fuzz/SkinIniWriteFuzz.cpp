// Reads arbitrary text as a skin definition, writes the whole skin it makes
// back and checks that the written text reads back to the same text.

#include "ReadSkinRecords.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::MemIniFile ini(
        platform::MemIniFile::splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    skin::TkvSkinData skinData;
    if (!readSkinRecords(ini, skinData))
        return 0;
    platform::MemIniFile written;
    skinData.SaveToCustomIniFile(written);
    const platform::MemIniFile again(written.getStrings());
    if (again.toText() != written.toText())
        std::abort();
    return 0;
}
