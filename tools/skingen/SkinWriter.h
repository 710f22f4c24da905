#pragma once

#include "SkinPalette.h"

#include "platform/BmpCodec.h"

#include <QImage>

namespace skingen {

// Which skin to draw: the program's own, or the feature skin, which adds
// one of every frame feature the engine draws.
enum class SkinKind { Program, Features };

// Draws a skin in one palette and writes it as a folder skin: the
// definition text (as the skin data writes it) and its BMP files.
// Returns the definition file's path.
QString writeSkinFolder(const SkinPalette& palette, const QString& folder, SkinKind kind = SkinKind::Program);

// 8-bit BMP whose colour table holds exactly paletteSize entries; throws
// when the picture has more colours than that.
platform::BmpImage indexedBmp(const QImage& image, int paletteSize);
// 1-bit BMP: black pixels are 0, every other colour 1.
platform::BmpImage maskBmp(const QImage& image);

} // namespace skingen
