// The drag state of the frame: every state under every event, and a press
// on the caption that becomes a move only past the drag distance.

#include "skin/frame/FrameDrag.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

using S = FrameDragState;
using E = FrameDragEvent;

const S kStates[] = {S::None, S::CaptionPressed, S::MovingBySystem, S::MovingByFrame, S::SizingBySystem};
const E kEvents[] = {E::Press, E::PressCaption, E::StayPut, E::MoveStart, E::MoveRefused, E::SizeStart, E::Release};

} // namespace

TEST(FrameDrag, EveryStateUnderEveryEvent)
{
    struct Change {
        S from;
        E event;
        S to;
    };
    // The changes; every other pair keeps its state.
    const Change changes[] = {
        {S::None, E::PressCaption, S::CaptionPressed},
        {S::None, E::SizeStart, S::SizingBySystem},
        {S::CaptionPressed, E::StayPut, S::None},
        {S::CaptionPressed, E::MoveStart, S::MovingBySystem},
        {S::MovingBySystem, E::MoveRefused, S::MovingByFrame},
    };
    for (const S from : kStates) {
        for (const E event : kEvents) {
            S expected = from;
            if (event == E::Press || event == E::Release)
                expected = S::None;
            for (const Change& c : changes) {
                if (c.from == from && c.event == event)
                    expected = c.to;
            }
            EXPECT_EQ(int(FrameDrag::next(from, event)), int(expected))
                << "state " << int(from) << ", event " << int(event);
        }
    }
}

TEST(FrameDrag, OnlyMovingAndSizingTakeThePointerFromTheObjects)
{
    for (const S s : kStates) {
        const bool expected = s == S::MovingBySystem || s == S::MovingByFrame || s == S::SizingBySystem;
        FrameDrag drag;
        // Reach s through the events a window would see.
        switch (s) {
        case S::None:
            break;
        case S::CaptionPressed:
            drag.pressCaption({10, 10});
            break;
        case S::MovingByFrame:
        case S::MovingBySystem:
            drag.pressCaption({10, 10});
            drag.handle(E::MoveStart);
            if (s == S::MovingByFrame)
                drag.handle(E::MoveRefused);
            break;
        case S::SizingBySystem:
            drag.handle(E::SizeStart);
            break;
        }
        ASSERT_EQ(int(drag.state()), int(s));
        EXPECT_EQ(drag.inSizeMove(), expected) << int(s);
    }
}

TEST(FrameDrag, CaptionPressKeepsItsGrabPointUntilThePointerGoesFarEnough)
{
    FrameDrag drag;
    drag.handle(E::Press);
    drag.pressCaption({300, 12});
    EXPECT_EQ(drag.state(), S::CaptionPressed);
    EXPECT_FALSE(drag.pastDragDistance({302, 13}, 4)) << "three steps away";
    EXPECT_TRUE(drag.pastDragDistance({302, 14}, 4)) << "four steps away";
    EXPECT_TRUE(drag.pastDragDistance({296, 12}, 4)) << "either way";
    drag.handle(E::MoveStart);
    drag.handle(E::MoveRefused);
    // The frame moves the window by the offset of the press from its corner.
    EXPECT_EQ(drag.grabPoint(), QPoint(300, 12));
    drag.handle(E::Release);
    EXPECT_EQ(drag.state(), S::None);
}
