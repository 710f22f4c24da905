// Reads arbitrary text as a skin definition: the INI layout, the check of
// its sections and every value reader through the records. What walks the
// whole skin afterwards has targets of its own (skin_ini_check,
// skin_ini_write), so this one stays as quick as reading.

#include "ReadSkinRecords.h"

#include "skin/data/SkinIniValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::MemIniFile ini(
        platform::MemIniFile::splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    skin::CheckSkinSections(ini);
    skin::TkvSkinData skinData;
    readSkinRecords(ini, skinData);
    return 0;
}
