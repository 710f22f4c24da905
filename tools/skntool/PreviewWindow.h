#pragma once

#include <QString>

class QWidget;

namespace skntool {

// What the preview opens after it shows, for a picture of that state.
enum class PreviewOpen { Nothing, SystemMenu, List, Hint };

struct PreviewRequest {
    QString skin;
    PreviewOpen open = PreviewOpen::Nothing;
    // Empty: the window stays until it is closed.
    QString screenshot;
    int afterMs = 600;
};

// A window in the skin with every frame and control feature switched on:
// the window icon, object hints, translucent fading menus with a
// submenu, the animations started, a button edit, an editable combo box
// with pictures, a translucent drop-down list, a gauge, a slider and a list
// box. For a skin author to try a skin by hand or take a picture of it.
int preview(const PreviewRequest& request);

} // namespace skntool
