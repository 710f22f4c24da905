// Reads arbitrary text as a skin definition: the INI layout, every value
// reader through the records, the list of what the engine does not read,
// then writes the skin and checks that the written text reads back to the
// same text.

#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/SkinDefinitionCheck.h"
#include "skin/data/SkinIniValues.h"
#include "skin/data/TkvSkinData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const platform::MemIniFile ini(platform::MemIniFile::splitLines(text));
    skin::CheckSkinSections(ini);

    skin::TkvSkinData skinData;
    try {
        skinData.mask = ini.readString(QStringLiteral("PICTURES"), QStringLiteral("mask"), QString());
        skinData.ReadFormInfo(ini);
        skinData.PopupWindowRecord.LoadFromFile(ini);
        skinData.HintWindowRecord.LoadFromFile(ini);
        skinData.ReadObjects(ini);
        skinData.ReadCtrls(ini);
    } catch (const platform::EConvertError&) {
        return 0;
    }

    skin::notUnderstood(ini, skinData);
    platform::MemIniFile written;
    skinData.SaveToCustomIniFile(written);
    const platform::MemIniFile again(written.getStrings());
    if (again.toText() != written.toText())
        std::abort();
    return 0;
}
