#pragma once

#include "app/widgets/ControlDescription.h"
#include "protocol/TelemetryField.h"

#include <span>
#include <string_view>

// The main window's layout as data: every control with its kind, name,
// panel, position, text, font, range and skin object. MainWindow builds the
// window's controls from this table and binds them to its typed members
// once; it hooks its handlers to them in code (MainWindow::hookHandlers).
namespace layout {

inline constexpr std::string_view kCaption = "Flight Controller Tool ";
inline constexpr int kClientWidth = 710;
inline constexpr int kClientHeight = 447;

std::span<const Control> controls();

// Where the decoder's texts go.
std::string_view fieldControl(protocol::TelemetryField field);

} // namespace layout
