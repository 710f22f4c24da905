#pragma once

#include "SkinPalette.h"

#include "skin/data/TkvSkinData.h"

namespace skingen {

// Picture file names of the definition, in [PICTURES] order.
inline const QString kMainFile = QStringLiteral("frame.bmp");
inline const QString kMaskFile = QStringLiteral("mask.bmp");
inline const QStringList kActiveFiles = {QStringLiteral("menu.bmp"), QStringLiteral("popup.bmp"),
    QStringLiteral("hint.bmp"), QStringLiteral("splitter.bmp"), QStringLiteral("controls.bmp")};
inline const QString kDefinitionFile = QStringLiteral("skin.ini");
// The feature skin's pictures after the program skin's five.
inline const QStringList kFeatureFiles = {
    QStringLiteral("features.bmp"), QStringLiteral("popupmask.bmp"), QStringLiteral("hintmask.bmp")};

// Fills everything the definition text holds: [VERSION], the picture
// names, [FORMINFO], the popup and hint windows, 12 objects and 59 controls.
void defineSkin(skin::TkvSkinData& data, const SkinPalette& palette);
void defineObjects(skin::TkvSkinData& data, const SkinPalette& palette);
void defineControls(skin::TkvSkinData& data, const SkinPalette& palette);
// The program skin's definition plus one of every frame feature: hints,
// animations, a caption text frame, a plain button, a user object, caption
// buttons with restore, inactive and disabled faces, shaped hint and popup
// windows.
void defineFeatureSkin(skin::TkvSkinData& data, const SkinPalette& palette);

// Platform colour value (red in the low byte) of a drawing colour.
skin::TColor colourValue(QRgb rgb);

} // namespace skingen
