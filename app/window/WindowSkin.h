#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace skin {
class TkvCompressedStoredSkin;
}

// The skin the main window carries, and the one a user may choose instead.
namespace windowskin {

// The skins built into the program, the first being the one its layout
// carries as "CompressedData".
QStringList builtinSkinNames();

// The compressed data of a built-in skin; empty for another name.
QByteArray builtinSkinData(const QString& name = builtinSkinNames().first());

// Fills stored from a ".skn" file, a skin definition file, or a folder
// holding one ("skin.ini", or its only ".ini" file), after checking that
// the skin loads. When it cannot be used, stored is left as it was and the
// result says why, naming the file.
std::optional<QString> loadSkinFile(const QString& file, skin::TkvCompressedStoredSkin& stored);

} // namespace windowskin
