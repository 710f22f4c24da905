#include "app/widgets/ControlFactory.h"

#include "platform/Color.h"
#include "platform/TImage.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/controls/TkvSkinStdLabel.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/TkvSkinData.h"

using namespace skin;
using layout::Kind;

QString layoutText(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

namespace {

platform::TFont font(const layout::Font& font, platform::TColor colour)
{
    platform::TFont result;
    result.Name = layoutText(font.face);
    result.Height = font.pixels;
    if (font.weight == layout::Weight::Bold)
        result.Style |= platform::FontStyle::Bold;
    result.Color = colour;
    return result;
}

layout::Font fontOr(const layout::Control& control, const layout::Font& fallback)
{
    return control.font.face.empty() ? fallback : control.font;
}

QWidget* makeEdit(const layout::Control& control, QWidget* parent)
{
    auto* edit = new TkvSkinEdit(parent);
    const bool maroon = control.kind == Kind::ValueField;
    const platform::TFont face = font(layout::kValueFont, maroon ? platform::clMaroon : platform::clWindowText);
    edit->SetDefaultFont(face);
    edit->SetFont(face);
    edit->SetReadOnly(control.kind == Kind::ValueField || control.kind == Kind::SettingField);
    if (control.kind == Kind::Lamp)
        edit->SetAlignment(TAlignment::taCenter);
    edit->SetText(layoutText(control.text));
    edit->SetBounds(control.left, control.top, control.width, control.height);
    return edit;
}

} // namespace

QWidget* makeControl(const layout::Control& control, QWidget* parent)
{
    switch (control.kind) {
    case Kind::GroupBox: {
        auto* panel = new TkvSkinGroupBox(parent);
        panel->SetBorderStyle(TkvSkinBorderStyle::bvFrame);
        panel->SetDefaultCaptionHeight(layout::kPanelCaptionHeight);
        panel->SetDefaultFont(font(layout::kPanelFont, platform::clWindowText));
        panel->SetCaption(layoutText(control.text));
        panel->SetBounds(control.left, control.top, control.width, control.height);
        return panel;
    }
    case Kind::Label: {
        auto* label = new TkvSkinStdLabel(parent);
        // Measured once, when everything is set: a label measures its text
        // at each change, and the window starts with forty of them.
        label->SetAutoSize(false);
        const platform::TFont face = font(fontOr(control, layout::kLabelFont), platform::clBlack);
        label->SetDefaultFont(face);
        label->SetFont(face);
        label->SetCaption(layoutText(control.text));
        label->SetBounds(control.left, control.top, control.width, control.height);
        label->SetAutoSize(true);
        return label;
    }
    case Kind::ValueField:
    case Kind::SettingField:
    case Kind::InputField:
    case Kind::Lamp:
        return makeEdit(control, parent);
    case Kind::Button: {
        auto* button = new TkvSkinButton(parent);
        button->SetDefaultFont(font(layout::kFieldFont, platform::clBtnText));
        button->SetCaption(layoutText(control.text));
        button->setToolTip(layoutText(control.hint));
        button->SetBounds(control.left, control.top, control.width, control.height);
        return button;
    }
    case Kind::ComboBox: {
        auto* combo = new TkvSkinComboBox(parent);
        combo->SetFont(font(fontOr(control, layout::kFieldFont), platform::clWindowText));
        combo->SetItems(layoutText(control.items).split(u'|', Qt::SkipEmptyParts));
        combo->SetText(layoutText(control.text));
        combo->SetBounds(control.left, control.top, control.width, control.height);
        return combo;
    }
    case Kind::Gauge: {
        auto* gauge = new TkvSkinGauge(parent);
        gauge->SetShowProgressText(false);
        gauge->SetMinValue(control.minimum);
        gauge->SetMaxValue(control.maximum);
        gauge->SetValue(control.value);
        gauge->SetBounds(control.left, control.top, control.width, control.height);
        return gauge;
    }
    case Kind::Slider: {
        auto* slider = new TkvSkinSlider(parent);
        slider->SetTransparent(false);
        slider->SetIncrement(1);
        slider->SetRange(control.minimum, control.maximum);
        slider->SetValue(control.value);
        slider->SetBounds(control.left, control.top, control.width, control.height);
        return slider;
    }
    case Kind::Picture: {
        auto* picture = new platform::TImage(parent);
        picture->SetBounds(control.left, control.top, control.width, control.height);
        return picture;
    }
    }
    return nullptr;
}

void bindToSkin(const layout::Control& control, QWidget* widget, skin::TkvSkinData* skinData)
{
    const QString skinObject = layoutText(control.skinObject);
    switch (control.kind) {
    case Kind::GroupBox:
    case Kind::Button:
    case Kind::ComboBox:
    case Kind::Gauge:
    case Kind::Slider:
        if (auto* skinned = qobject_cast<skin::TkvSkinControl*>(widget)) {
            if (!skinObject.isEmpty())
                skinned->SetSkinDataName(skinObject);
            skinned->SetSkinData(skinData);
        }
        break;
    case Kind::Lamp:
        // Of all the fields only the flight-mode lamps are bound.
        if (auto* lamp = qobject_cast<skin::TkvSkinEdit*>(widget))
            lamp->SetSkinData(skinData);
        break;
    case Kind::Label:
    case Kind::ValueField:
    case Kind::SettingField:
    case Kind::InputField:
    case Kind::Picture:
        break;
    }
}

LampColours lampColours(const skin::TkvSkinData* skinData)
{
    if (skinData) {
        const int index = skinData->GetControlIndex(QStringLiteral("lamp"));
        if (index >= 0) {
            if (const auto* lamp = dynamic_cast<const skin::TkvDataSkinEditControl*>(skinData->SkinControls[index].get()))
                return {lamp->activefontcolor, lamp->fontcolor};
        }
    }
    return {platform::clRed, platform::clBlack};
}
