#pragma once

#include "app/MainWindowLayout.h"

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
