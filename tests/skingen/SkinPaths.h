#pragma once

#include <QString>

// The skins the generator tests read: the feature skin and the built-in one.
namespace skingentest {

inline const QString kFeatureSkin = QStringLiteral(FCT_TESTS_DIR "/skins/features");
inline const QString kGraphiteSkin = QStringLiteral(FCT_ASSETS_DIR "/skin");

} // namespace skingentest
