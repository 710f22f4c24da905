#pragma once

#include "skin/data/TkvSkinData.h"

#include <memory>

namespace testsupport {

// The program's own skin as the source tree holds it (assets/skin), so
// that the controls are checked against the records the window uses.
std::unique_ptr<skin::TkvSkinData> loadProgramSkin();

} // namespace testsupport
