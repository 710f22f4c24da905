#pragma once

#include "app/widgets/ControlDescription.h"

#include "platform/Color.h"

#include <QString>

#include <string_view>

class QWidget;

namespace skin {
class TkvSkinData;
}

// A layout's text as the controls take it.
QString layoutText(std::string_view view);

// The control a layout entry describes, with its kind's font, colours and
// behaviour, placed in parent.
QWidget* makeControl(const layout::Control& control, QWidget* parent);

// Binds the control to the skin data as its kind is bound: panels,
// buttons, lists, gauges, sliders and lamps wear the skin; labels, fields
// and pictures keep their own look.
void bindToSkin(const layout::Control& control, QWidget* widget, skin::TkvSkinData* skinData);

// The text colours of a lit and an unlit flight-mode lamp. A skin gives
// them in a "lamp" record of the edit kind, as its active and its normal
// text; the lamps still wear the "edit" record's face, so a skin without
// a "lamp" record looks as before: pure red and black.
struct LampColours {
    platform::TColor lit;
    platform::TColor unlit;
};
LampColours lampColours(const skin::TkvSkinData* skinData);
