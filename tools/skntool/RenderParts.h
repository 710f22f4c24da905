#pragma once

#include "tools/skntool/SkntoolCommands.h"

#include "platform/Bitmap.h"
#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/SkinIniValues.h"

#include <QRegion>

#include <optional>

namespace skin {
class TkvDataSkinObject;
class TkvSkinData;
}

// The pieces of render: each draws one kind of thing into image and
// returns the window region that cuts it, if any.
namespace skntool {

[[noreturn]] inline void fail(const QString& message) { throw platform::Exception(message); }

// The rectangle a record keeps under key, read back from its own section
// so that every record class is served alike; null when it has none.
template<typename Record>
skin::TRect rectOf(Record& record, const char* key)
{
    if (!key)
        return {};
    platform::MemIniFile ini;
    record.SaveToFile(ini);
    return skin::ReadRect(ini, record.IDName, QLatin1String(key));
}

// An object of the frame: a caption, a caption button, a plain button, an
// animation frame or a caption's text frame.
void renderObject(const skin::TkvSkinData& data, skin::TkvDataSkinObject& record, const RenderRequest& request,
    platform::TBitmap& image);

// The hint window ("hintwindow") or the popup-menu window ("popupwindow")
// at the requested size, with the region its mask cuts.
bool isWindowName(const QString& name);
std::optional<QRegion> renderWindow(const skin::TkvSkinData& data, const RenderRequest& request,
    platform::TBitmap& image);

} // namespace skntool
