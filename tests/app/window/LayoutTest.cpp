#include "app/window/MainWindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using layout::Control;
using layout::Kind;

namespace {

const Control* find(std::string_view name)
{
    for (const Control& control : layout::controls())
        if (control.name == name)
            return &control;
    return nullptr;
}

struct Box {
    int left, top, right, bottom;
};
Box box(const Control& c) { return {c.left, c.top, c.left + c.width, c.top + c.height}; }

} // namespace

TEST(MainWindowLayout, NamesAreUniqueAndParentsArePanels)
{
    std::set<std::string_view> names;
    for (const Control& control : layout::controls()) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        if (control.kind == Kind::GroupBox) {
            EXPECT_TRUE(control.parent.empty());
            continue;
        }
        const Control* parent = find(control.parent);
        ASSERT_NE(parent, nullptr) << control.name;
        EXPECT_EQ(parent->kind, Kind::GroupBox) << control.name;
    }
    EXPECT_EQ(std::count_if(layout::controls().begin(), layout::controls().end(),
                  [](const Control& c) { return c.kind == Kind::GroupBox; }),
        8);
}

TEST(MainWindowLayout, EverythingFitsItsPanelAndPanelsFitTheWindow)
{
    for (const Control& control : layout::controls()) {
        const Box b = box(control);
        if (control.kind == Kind::GroupBox) {
            EXPECT_GE(b.left, 0);
            EXPECT_LE(b.right, layout::kClientWidth) << control.name;
            EXPECT_LE(b.bottom, layout::kClientHeight) << control.name;
            continue;
        }
        // Labels are transparent and end in blanks; only their text must fit.
        if (control.kind == Kind::Label)
            continue;
        const Control& panel = *find(control.parent);
        EXPECT_GE(b.left, 0) << control.name;
        EXPECT_GE(b.top, layout::kPanelCaptionHeight) << control.name;
        EXPECT_LE(b.right, panel.width) << control.name;
        EXPECT_LE(b.bottom, panel.height) << control.name;
    }
}

TEST(MainWindowLayout, ControlsOverlapAtMostAtTheirBorders)
{
    // Neighbouring fields share a border column and fields sit two pixels
    // into the slider below them; labels are transparent; the airframe
    // strip lies under the airframe picture on purpose.
    const auto controls = layout::controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const Control& a = controls[i];
            const Control& b = controls[j];
            if (a.kind == Kind::GroupBox || a.kind == Kind::Label || b.kind == Kind::Label || a.parent != b.parent
                || (a.name == "airframeStrip" && b.name == "airframePicture"))
                continue;
            const Box x = box(a), y = box(b);
            const int overlapWidth = std::min(x.right, y.right) - std::max(x.left, y.left);
            const int overlapHeight = std::min(x.bottom, y.bottom) - std::max(x.top, y.top);
            EXPECT_FALSE(overlapWidth > 2 && overlapHeight > 2) << a.name << " overlaps " << b.name;
        }
    }
}

TEST(MainWindowLayout, EveryTelemetryFieldIsAValueFieldBesideItsLabel)
{
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
        const auto field = static_cast<protocol::TelemetryField>(i);
        const Control* control = find(layout::fieldControl(field));
        ASSERT_NE(control, nullptr) << protocol::fieldName(field);
        EXPECT_EQ(control->kind, Kind::ValueField) << protocol::fieldName(field);
        if (field == protocol::TelemetryField::Receiver)
            continue;
        const bool labelled = std::any_of(layout::controls().begin(), layout::controls().end(), [&](const Control& c) {
            return c.kind == Kind::Label && c.parent == control->parent && c.text == protocol::fieldCaption(field);
        });
        EXPECT_TRUE(labelled) << protocol::fieldName(field);
    }
}
