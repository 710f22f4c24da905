#pragma once

#include <string_view>

// A skinned control described as data: its kind, name, panel, position,
// text, font, range and skin object. The windows' layout tables are lists
// of these; makeControl builds the control one describes.
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

// The window's own font and the defaults of each kind.
inline constexpr Font kWindowFont = {"MS Sans Serif", 11, Weight::Regular};
inline constexpr Font kPanelFont = {"Arial Narrow", 15, Weight::Bold};
inline constexpr Font kLabelFont = {"MS Sans Serif", 11, Weight::Bold};
inline constexpr Font kFieldFont = {"Arial", 14, Weight::Regular};
// Value and setting fields are 33 pixels wide: at 12 pixels five
// characters ("24.00", "1500") fit, at 14 they would be cut.
inline constexpr Font kValueFont = {"Arial", 12, Weight::Regular};
inline constexpr int kPanelCaptionHeight = 22;

} // namespace layout
