#pragma once

#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/TkvSkinData.h"

// The records of a skin definition read into data as loading a skin reads
// them, pictures aside; false when a value does not convert.
inline bool readSkinRecords(const platform::MemIniFile& ini, skin::TkvSkinData& data)
{
    try {
        data.mask = ini.readString(QStringLiteral("PICTURES"), QStringLiteral("mask"), QString());
        data.ReadFormInfo(ini);
        data.PopupWindowRecord.LoadFromFile(ini);
        data.HintWindowRecord.LoadFromFile(ini);
        data.ReadObjects(ini);
        data.ReadCtrls(ini);
    } catch (const platform::EConvertError&) {
        return false;
    }
    return true;
}
