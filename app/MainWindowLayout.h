#pragma once

#include "protocol/TelemetryField.h"

#include <span>
#include <string_view>

// The main window's layout as data: every control with its class, name,
// panel, position, text, font, range and skin object. MainWindow builds the
// window's controls from this table and finds them by name; it hooks its
// handlers to them in code (MainWindow::hookHandlers), not through the table.
namespace layout {

enum class Kind {
    GroupBox,     // a panel
    Label,
    ValueField,   // read-only, maroon: values the controller reported
    SettingField, // read-only, black: values about to be sent
    InputField,   // editable, black: typed by the user
    Lamp,         // centred flight-mode lamp
    Button,
    ComboBox,
    Gauge,
    Slider,
    Picture,
};

enum class Weight { Bold, Regular };

struct Font {
    std::string_view face;
    int pixels;
    Weight weight;
};

struct Control {
    Kind kind;
    std::string_view name;
    std::string_view parent;   // empty: the window's client area
    int left, top, width, height;
    std::string_view text = {};
    Font font = {};            // face empty: the kind's default
    std::string_view skinObject = {};
    int minimum = 0, maximum = 0, value = 0;
    std::string_view hint = {};
    std::string_view items = {};  // "|"-separated
};

inline constexpr std::string_view kCaption = "Flight Controller Tool ";
inline constexpr int kClientWidth = 710;
inline constexpr int kClientHeight = 447;

// The window's own font and the defaults of each kind.
inline constexpr Font kWindowFont = {"MS Sans Serif", 11, Weight::Regular};
inline constexpr Font kPanelFont = {"Arial Narrow", 15, Weight::Bold};
inline constexpr Font kLabelFont = {"MS Sans Serif", 11, Weight::Bold};
inline constexpr Font kFieldFont = {"Arial", 14, Weight::Regular};
// Value and setting fields are 33 pixels wide: at 12 pixels five
// characters ("24.00", "1500") fit, at 14 they would be cut.
inline constexpr Font kValueFont = {"Arial", 12, Weight::Regular};
inline constexpr int kPanelCaptionHeight = 22;

std::span<const Control> controls();

// Where the decoder's texts go.
std::string_view fieldControl(protocol::TelemetryField field);

} // namespace layout
