#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QEvent;
class QWidget;

namespace skin {
class TkvCompressedStoredSkin;
class TkvSkinData;
}

// The skin the main window carries, and the one a user may choose instead.
namespace windowskin {

// The compressed data of the skin built into the program (its layout's
// "CompressedData").
QByteArray builtinSkinData();

// Fills stored from a ".skn" file, a skin definition file, or a folder
// holding one ("skin.ini", or its only ".ini" file), after checking that
// the skin loads. When it cannot be used, stored is left as it was and the
// result says why, naming the file.
std::optional<QString> loadSkinFile(const QString& file, skin::TkvCompressedStoredSkin& stored);

// Until the skinned frame forwards skin changes to the controls of its
// window, the window does: a skin message of skinData goes to every
// skinned control on window that is bound to skinData. False for any other
// event.
bool dispatchSkinMessage(QWidget& window, const skin::TkvSkinData* skinData, QEvent* event);

} // namespace windowskin
