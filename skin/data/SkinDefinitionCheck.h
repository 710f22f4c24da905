#pragma once

#include <QStringList>

namespace platform {
class MemIniFile;
}

namespace skin {

class TkvSkinData;

// What a skin's definition text holds that the engine does not read, one
// line each naming the section and key: an object or control of a kind it
// does not know, a key no record of that section has, a section nothing
// reads. data is the skin loaded from definition; the keys it writes back
// are the keys it understands.
QStringList notUnderstood(const platform::MemIniFile& definition, TkvSkinData& data);

} // namespace skin
