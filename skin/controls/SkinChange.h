#pragma once

#include <QEvent>

class QWidget;

namespace skin {

// Hands a skin message to root and every control below it that is linked
// to the message's skin data; controls of another skin data or none are
// not touched. Before the change each drops its record and pictures, so
// that paints until the change show the default look; on the change each
// re-reads its record and refits its size; after it, the after-change
// hook runs. Returns false for events that are not skin messages.
bool forwardSkinMessage(QWidget* root, QEvent* event);

} // namespace skin
