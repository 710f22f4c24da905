// The window state without a window: every transition of the table, the
// events that change nothing, and what the caption's double click and the
// system menu's "Restore" ask for in each state.

#include "skin/frame/FrameWindowState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skin;

namespace {

using A = FrameStateAction;
using E = FrameStateEvent;
using W = TWindowState;
using Roll = FrameRollUp;
using Origin = FrameRollOrigin;

constexpr FrameWindowState state(W window, Roll roll = Roll::Down, Origin origin = Origin::Normal)
{
    return {window, roll, origin};
}

const char* name(W w)
{
    return w == W::wsNormal ? "normal" : w == W::wsMinimized ? "minimized" : "maximized";
}

const char* name(E e)
{
    switch (e) {
    case E::Minimize:
        return "Minimize";
    case E::Maximize:
        return "Maximize";
    case E::Restore:
        return "Restore";
    case E::RestoredByPlatform:
        return "RestoredByPlatform";
    case E::RollUp:
        return "RollUp";
    case E::RollDown:
        return "RollDown";
    }
    return "?";
}

std::string describe(const FrameWindowState& s)
{
    return std::string(name(s.window)) + (s.rolledUp() ? " rolled up" : "")
        + (s.rolledUpWhileMaximized() ? " (roll taken maximized)" : "");
}

// All twelve states the three fields can make.
std::vector<FrameWindowState> everyState()
{
    std::vector<FrameWindowState> all;
    for (const W w : {W::wsNormal, W::wsMinimized, W::wsMaximized})
        for (const Roll r : {Roll::Down, Roll::Up})
            for (const Origin o : {Origin::Normal, Origin::Maximized})
                all.push_back(state(w, r, o));
    return all;
}

struct Step {
    FrameWindowState from;
    E event;
    FrameWindowState to;
    FrameStateActions actions;
};

const FrameStateActions kRollUpWork{A::ShrinkToCaption, A::Relayout, A::NotifyRollUp};
const FrameStateActions kRollDownWork{A::GrowBack, A::Relayout, A::NotifyRollUp};

} // namespace

TEST(FrameWindowState, EveryAcceptedTransitionLandsAndAsksForItsWork)
{
    const Step steps[] = {
        {state(W::wsNormal), E::Minimize, state(W::wsMinimized), {A::ShowMinimized}},
        {state(W::wsNormal, Roll::Up), E::Minimize, state(W::wsMinimized, Roll::Up), {A::ShowMinimized}},
        {state(W::wsMaximized, Roll::Up, Origin::Maximized), E::Minimize,
            state(W::wsMinimized, Roll::Up, Origin::Maximized), {A::ShowMinimized}},
        {state(W::wsNormal), E::Maximize, state(W::wsMaximized), {A::KeepRestoreBounds, A::FillWorkArea}},
        {state(W::wsNormal, Roll::Up), E::Maximize, state(W::wsMaximized, Roll::Up),
            {A::KeepRestoreBounds, A::FillWorkArea}},
        {state(W::wsMinimized), E::Maximize, state(W::wsMaximized),
            {A::KeepRestoreBounds, A::ShowNormal, A::FillWorkArea}},
        {state(W::wsMaximized), E::Restore, state(W::wsNormal),
            {A::ReturnToRestoreBounds, A::Relayout, A::ForgetRestoreBounds}},
        // Restoring forgets where the roll-up was taken but keeps it.
        {state(W::wsMaximized, Roll::Up, Origin::Maximized), E::Restore, state(W::wsNormal, Roll::Up),
            {A::ReturnToRestoreBounds, A::Relayout, A::ForgetRestoreBounds}},
        {state(W::wsMinimized, Roll::Up, Origin::Maximized), E::Restore, state(W::wsNormal, Roll::Up),
            {A::ShowNormal, A::Relayout, A::ForgetRestoreBounds}},
        // The platform restored it: nothing to do, and nothing forgotten.
        {state(W::wsMinimized, Roll::Up, Origin::Maximized), E::RestoredByPlatform,
            state(W::wsNormal, Roll::Up, Origin::Maximized), {}},
        {state(W::wsNormal), E::RollUp, state(W::wsNormal, Roll::Up), kRollUpWork},
        {state(W::wsMaximized), E::RollUp, state(W::wsMaximized, Roll::Up, Origin::Maximized), kRollUpWork},
        {state(W::wsNormal, Roll::Up), E::RollDown, state(W::wsNormal), kRollDownWork},
        {state(W::wsMaximized, Roll::Up, Origin::Maximized), E::RollDown, state(W::wsMaximized), kRollDownWork},
        // A normal window keeps the mark of a roll-up taken maximized.
        {state(W::wsNormal, Roll::Up, Origin::Maximized), E::RollDown,
            state(W::wsNormal, Roll::Down, Origin::Maximized), kRollDownWork},
    };
    for (const Step& step : steps) {
        const FrameStateTransition t = step.from.next(step.event);
        SCOPED_TRACE(describe(step.from) + " + " + name(step.event));
        EXPECT_TRUE(t.accepted);
        EXPECT_EQ(describe(t.to), describe(step.to));
        EXPECT_EQ(t.actions.bits, step.actions.bits);
    }
}

TEST(FrameWindowState, EventsWithoutARowChangeNothing)
{
    for (const FrameWindowState& from : everyState()) {
        for (const E event : {E::Minimize, E::Maximize, E::Restore, E::RestoredByPlatform, E::RollUp, E::RollDown}) {
            const FrameStateTransition t = from.next(event);
            SCOPED_TRACE(describe(from) + " + " + name(event));
            // Which pairs the table must leave alone.
            const bool sameWindow = (event == E::Minimize && from.minimized())
                || (event == E::Maximize && from.maximized()) || (event == E::Restore && from.normal());
            const bool notMinimized = event == E::RestoredByPlatform && !from.minimized();
            const bool rollWhileMinimized = (event == E::RollUp || event == E::RollDown) && from.minimized();
            const bool alreadyThere = (event == E::RollUp && from.rolledUp())
                || (event == E::RollDown && !from.rolledUp());
            const bool rolledBeforeMaximized = event == E::RollDown && from.maximized() && from.rolledUp()
                && !from.rolledUpWhileMaximized();
            const bool ignored
                = sameWindow || notMinimized || rollWhileMinimized || alreadyThere || rolledBeforeMaximized;
            EXPECT_EQ(t.accepted, !ignored);
            if (ignored) {
                EXPECT_TRUE(t.to == from);
                EXPECT_TRUE(t.actions.empty());
            } else {
                EXPECT_FALSE(t.to == from);
                EXPECT_FALSE(t.actions.empty() && event != E::RestoredByPlatform);
            }
        }
    }
}

TEST(FrameWindowState, MaximizeRollUpMinimizeAndBackThroughTheTaskBar)
{
    FrameWindowState s;
    for (const E event : {E::Maximize, E::RollUp, E::Minimize, E::RestoredByPlatform}) {
        const FrameStateTransition t = s.next(event);
        ASSERT_TRUE(t.accepted) << name(event);
        s = t.to;
    }
    EXPECT_EQ(describe(s), "normal rolled up (roll taken maximized)");
    // Rolled down and maximized again, the caption rolls it up rather than
    // restoring it: the mark of the old roll-up survived.
    s = s.next(E::RollDown).to;
    s = s.next(E::Maximize).to;
    EXPECT_EQ(s.captionDoubleClick({TkvBorderIcon::biMaximize, TkvBorderIcon::biRollUp}, true), E::RollUp);
}

TEST(FrameWindowState, CaptionDoubleClickAsksByStateAndSizeability)
{
    const TkvBorderIcons withMaximize{TkvBorderIcon::biMaximize, TkvBorderIcon::biRollUp};
    const TkvBorderIcons withoutMaximize{TkvBorderIcon::biRollUp};
    struct Case {
        FrameWindowState s;
        TkvBorderIcons icons;
        bool sizeable;
        E expected;
    };
    const Case cases[] = {
        {state(W::wsMinimized), withMaximize, true, E::Restore},
        {state(W::wsMinimized), withMaximize, false, E::RollUp},
        {state(W::wsNormal), withMaximize, true, E::Maximize},
        {state(W::wsNormal), withoutMaximize, true, E::RollUp},
        {state(W::wsNormal), withMaximize, false, E::RollUp},
        {state(W::wsNormal, Roll::Up), withMaximize, true, E::RollDown},
        {state(W::wsMaximized), withMaximize, true, E::Restore},
        {state(W::wsMaximized, Roll::Up), withMaximize, true, E::Restore},
        {state(W::wsMaximized, Roll::Up, Origin::Maximized), withMaximize, true, E::RollDown},
        {state(W::wsMaximized), withMaximize, false, E::RollUp},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(name(c.s.captionDoubleClick(c.icons, c.sizeable)), std::string(name(c.expected)))
            << describe(c.s) << (c.sizeable ? " sizeable" : " fixed");
    }
}

TEST(FrameWindowState, RestoreCommandUndoesTheRollUpOfTheWindowAsItIs)
{
    EXPECT_EQ(state(W::wsNormal, Roll::Up).restoreCommand(), E::RollDown);
    EXPECT_EQ(state(W::wsMaximized, Roll::Up, Origin::Maximized).restoreCommand(), E::RollDown);
    EXPECT_EQ(state(W::wsMaximized, Roll::Up).restoreCommand(), E::Restore);
    EXPECT_EQ(state(W::wsMaximized).restoreCommand(), E::Restore);
    EXPECT_EQ(state(W::wsMinimized, Roll::Up).restoreCommand(), E::Restore);
}
