#pragma once

#include "platform/CanvasTools.h"
#include "skin/data/SkinFieldVisitor.h"

namespace skin {

// Taller text is no text a window shows: skin heights beyond it, either
// way, are held to it, so that a stranger's skin cannot ask for glyphs of
// millions of pixels.
inline constexpr int kMaxFontHeight = 256;

// The platform font of a record's font keys: its face, its height (held to
// ±kMaxFontHeight), every style its "fontstyle" names and its colour. The
// frame's caption, the menus, the hint window and the controls all take a
// record's font through this one rule.
platform::TFont recordFont(const SkinFontFields& fields);

} // namespace skin
