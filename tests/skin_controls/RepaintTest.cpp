// Every property change that alters a control's face must reach the
// screen. A widget grab paints afresh and cannot tell; the window's backing
// store, which the platform grabs as the screen, shows only what was
// repainted. Each case changes one property of a shown control and then
// compares the screen with a fresh paint of the same window.

#include "ControlTestSupport.h"
#include "ProgramSkin.h"

#include "platform/TImage.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/controls/TkvSkinStdLabel.h"

#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

using namespace skin;
using namespace testsupport;

namespace {

void settle()
{
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
}

QImage screenOf(QWidget* window)
{
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage freshPaintOf(QWidget* window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

enum class Skinned { No, Yes };

struct Change {
    const char* name;
    // A record's colour wins over the program's for this control.
    bool recordDecides = false;
    // Makes the control in parent and returns the change to apply once shown.
    std::function<std::function<void()>(QWidget* parent)> make;
};

platform::TFont colouredFont(platform::TFont font, platform::TColor colour)
{
    font.Color = colour;
    return font;
}

std::vector<Change> changes()
{
    return {
        {"edit text colour (a lamp lighting)", false, [](QWidget* parent) -> std::function<void()> {
             auto* edit = new TkvSkinEdit(parent);
             edit->SetText(QStringLiteral("Alt. Hold"));
             edit->SetBounds(10, 10, 65, 18);
             return [edit] { edit->SetFont(colouredFont(edit->Font(), platform::clRed)); };
         }},
        {"edit font size", false, [](QWidget* parent) -> std::function<void()> {
             auto* edit = new TkvSkinEdit(parent);
             edit->SetUseSkinFont(false);
             edit->SetText(QStringLiteral("1500"));
             edit->SetBounds(10, 10, 80, 30);
             return [edit] {
                 platform::TFont font = edit->Font();
                 font.Height = 20;
                 edit->SetFont(font);
             };
         }},
        {"edit alignment", false, [](QWidget* parent) -> std::function<void()> {
             auto* edit = new TkvSkinEdit(parent);
             edit->SetText(QStringLiteral("12"));
             edit->SetBounds(10, 10, 100, 20);
             return [edit] { edit->SetAlignment(TAlignment::taRightJustify); };
         }},
        {"edit text", false, [](QWidget* parent) -> std::function<void()> {
             auto* edit = new TkvSkinEdit(parent);
             edit->SetReadOnly(true);
             edit->SetText(QStringLiteral("12"));
             edit->SetBounds(10, 10, 100, 20);
             return [edit] { edit->SetText(QStringLiteral("-47.5")); };
         }},
        {"edit disabled", false, [](QWidget* parent) -> std::function<void()> {
             auto* edit = new TkvSkinEdit(parent);
             edit->SetText(QStringLiteral("12"));
             edit->SetBounds(10, 10, 100, 20);
             return [edit] { edit->setEnabled(false); };
         }},
        {"label caption", false, [](QWidget* parent) -> std::function<void()> {
             auto* label = new TkvSkinStdLabel(parent);
             label->SetCaption(QStringLiteral("Roll"));
             label->SetBounds(10, 10, 60, 16);
             return [label] { label->SetCaption(QStringLiteral("Pitch")); };
         }},
        {"label colour", true, [](QWidget* parent) -> std::function<void()> {
             auto* label = new TkvSkinStdLabel(parent);
             label->SetUseSkinFont(false);
             label->SetCaption(QStringLiteral("Roll"));
             label->SetBounds(10, 10, 60, 16);
             return [label] { label->SetFont(colouredFont(label->Font(), platform::clRed)); };
         }},
        {"button caption", false, [](QWidget* parent) -> std::function<void()> {
             auto* button = new TkvSkinButton(parent);
             button->SetCaption(QStringLiteral("Connect"));
             button->SetBounds(10, 10, 90, 25);
             return [button] { button->SetCaption(QStringLiteral("DisConnect")); };
         }},
        {"button disabled", false, [](QWidget* parent) -> std::function<void()> {
             auto* button = new TkvSkinButton(parent);
             button->SetCaption(QStringLiteral("Save"));
             button->SetBounds(10, 10, 90, 25);
             return [button] { button->setEnabled(false); };
         }},
        {"gauge value", false, [](QWidget* parent) -> std::function<void()> {
             auto* gauge = new TkvSkinGauge(parent);
             gauge->SetMinValue(1000);
             gauge->SetMaxValue(2000);
             gauge->SetValue(1200);
             gauge->SetBounds(10, 10, 105, 14);
             return [gauge] { gauge->SetValue(1800); };
         }},
        {"slider value", false, [](QWidget* parent) -> std::function<void()> {
             auto* slider = new TkvSkinSlider(parent);
             slider->SetTransparent(false);
             slider->SetRange(1000, 2000);
             slider->SetValue(1100);
             slider->SetBounds(10, 10, 185, 25);
             return [slider] { slider->SetValue(1900); };
         }},
        {"combo box item", false, [](QWidget* parent) -> std::function<void()> {
             auto* combo = new TkvSkinComboBox(parent);
             combo->SetItems(numbered(3));
             combo->SetItemIndex(0);
             combo->SetBounds(10, 10, 89, 21);
             return [combo] { combo->SetItemIndex(2); };
         }},
        {"group box caption", false, [](QWidget* parent) -> std::function<void()> {
             auto* panel = new TkvSkinGroupBox(parent);
             panel->SetCaption(QStringLiteral("ComPort"));
             panel->SetBounds(10, 10, 120, 80);
             return [panel] { panel->SetCaption(QStringLiteral("Sensor Data")); };
         }},
        {"picture redrawn", false, [](QWidget* parent) -> std::function<void()> {
             auto* image = new platform::TImage(parent);
             auto colour = std::make_shared<platform::TColor>(platform::clBlack);
             image->SetDrawing([colour](platform::TBitmap& picture) {
                 picture.Canvas().Brush.Color = *colour;
                 picture.Canvas().FillRect({0, 0, picture.Width(), picture.Height()});
             });
             image->SetBounds(10, 10, 40, 40);
             return [image, colour] {
                 *colour = platform::clRed;
                 image->InvalidateDrawing();
             };
         }},
        // Stale values: the dimming of each kind of control the telemetry
        // feeds.
        {"edit dimmed", false, [](QWidget* parent) -> std::function<void()> {
             auto* edit = new TkvSkinEdit(parent);
             edit->SetReadOnly(true);
             edit->SetText(QStringLiteral("21.50"));
             edit->SetBounds(10, 10, 40, 18);
             return [edit] { edit->setDimming({true, {}}); };
         }},
        {"gauge dimmed", false, [](QWidget* parent) -> std::function<void()> {
             auto* gauge = new TkvSkinGauge(parent);
             gauge->SetMinValue(1000);
             gauge->SetMaxValue(2000);
             gauge->SetValue(1500);
             gauge->SetBounds(10, 10, 105, 14);
             return [gauge] { gauge->setDimming({true, {}}); };
         }},
        {"label dimmed", false, [](QWidget* parent) -> std::function<void()> {
             auto* label = new TkvSkinStdLabel(parent);
             label->SetCaption(QStringLiteral("Roll"));
             label->SetBounds(10, 10, 60, 16);
             return [label] { label->setDimming({true, {}}); };
         }},
        {"picture marked NO DATA", false, [](QWidget* parent) -> std::function<void()> {
             auto* image = new platform::TImage(parent);
             image->SetBounds(10, 10, 105, 105);
             return [image] { image->setDimming({true, QStringLiteral("NO DATA")}); };
         }},
    };
}

class RepaintTest : public ::testing::TestWithParam<Skinned> {};

TEST_P(RepaintTest, EveryFaceChangeReachesTheScreen)
{
    const std::unique_ptr<TkvSkinData> skinData = GetParam() == Skinned::Yes ? loadProgramSkin() : nullptr;
    for (const Change& change : changes()) {
        SCOPED_TRACE(change.name);
        HostWindow host(240, 120);
        const std::function<void()> apply = change.make(host.widget());
        if (skinData && change.recordDecides)
            continue;
        if (skinData) {
            for (QObject* child : host.widget()->children()) {
                if (auto* link = dynamic_cast<SkinLink*>(child))
                    link->SetSkinData(skinData.get());
            }
        }
        // The window keeps the focus, so no control is shown as a pilot
        // working in it would see it, but as telemetry leaves it.
        host.widget()->setFocusPolicy(Qt::StrongFocus);
        host.widget()->setFocus();
        host.show();
        settle();
        ASSERT_EQ(QApplication::focusWidget(), host.widget());
        const QImage before = screenOf(host.widget());
        ASSERT_EQ(before, freshPaintOf(host.widget())) << "the first picture is on the screen";

        apply();
        settle();
        const QImage shown = screenOf(host.widget());
        const QImage after = freshPaintOf(host.widget());
        EXPECT_NE(after, before) << "the change alters the face";
        EXPECT_EQ(shown, after) << "the screen shows the changed face";
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, RepaintTest, ::testing::Values(Skinned::No, Skinned::Yes),
    [](const auto& info) { return std::string(info.param == Skinned::Yes ? "Skinned" : "DefaultLook"); });

} // namespace
