#pragma once

#include <QString>

class QDir;

namespace skintest {

// A small skin drawn by the tests so that rendered pictures look like a
// skin: a 162 x 140 frame (client 5,24,157,135) with rounded corners in its
// mask, a 35 x 25 "button" with normal, hot and pressed images (cut at
// LT.x 10, RT.x 24) and a 59 x 52 "groupbox". Writes "drawn.ini" and its
// pictures into folder and returns the definition's path.
QString writeDrawnSkin(const QDir& folder);

} // namespace skintest
