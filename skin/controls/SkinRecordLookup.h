#pragma once

#include "skin/data/TkvSkinData.h"

namespace skin {

// The record a control may draw from: the first one named name, taken
// only when usable(record) says the record is of the control's class and
// the control can draw itself from it. Otherwise -1, and the control keeps
// its default look rather than painting a face it has no drawing for.
template <typename Usable>
int usableRecordIndex(const TkvSkinData* data, const QString& name, Usable&& usable)
{
    if (!data || data->IsEmpty())
        return -1;
    const int index = data->GetControlIndex(name);
    return index != -1 && usable(*data->SkinControls[static_cast<size_t>(index)]) ? index : -1;
}

} // namespace skin
