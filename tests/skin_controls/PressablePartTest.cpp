#include "skin/controls/PressablePart.h"
#include "tests/support/TestTimers.h"

#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

// The behaviour of one pressable part, driven input by input and checked
// by its face, its clicks and repeat steps and its timer, without a widget.
using namespace skin;
using namespace testsupport;

namespace {

enum class Input { Press, PressOutside, MoveIn, MoveOut, ReleaseIn, ReleaseOut, Cancel, Tick, KeyDown, KeyUp, Focus, Blur, Disable, Enable };

constexpr int kStopped = -1;

struct Step {
    Input input;
    PartFace face;
    int clicks = 0;
    int steps = 0;
    // The timer's interval while it runs, kStopped otherwise.
    int timer = kStopped;
};

struct Case {
    const char* name;
    PartRules rules;
    RepeatTiming repeat;
    std::vector<Step> steps;
};

constexpr PartFace normal{PartLook::Normal};
constexpr PartFace hot{PartLook::Hot};
constexpr PartFace pressed{PartLook::Pressed};
constexpr PartFace disabled{PartLook::Normal, true, false};
constexpr PartFace focusedHot{PartLook::Hot, false, true};
constexpr PartFace focusedPressed{PartLook::Pressed, false, true};

constexpr PartRules pushButton{PressedLook::UnderPointer, FocusLook::Hot};
constexpr PartRules thumb{PressedLook::WhileDown, FocusLook::Pressed};
constexpr PartRules groupButton{PressedLook::WhileDown, FocusLook::Hot, HotLook::Shown, ReleaseRule::Latch};
constexpr PartRules sliderThumb{PressedLook::WhileDown, FocusLook::None, HotLook::Hidden};
constexpr RepeatTiming scrollRepeat{500, 50};

class Harness {
public:
    explicit Harness(const Case& c) : m_part(c.rules)
    {
        m_timer->setObjectName(QStringLiteral("repeat"));
        m_part.setRepeat(m_timer, c.repeat);
        QObject::connect(m_timer, &QTimer::timeout, [this] {
            if (m_part.tick())
                ++steps;
        });
    }

    void apply(Input input)
    {
        switch (input) {
        case Input::Press: m_part.press(Pointer::Inside); break;
        case Input::PressOutside: m_part.press(Pointer::Outside); break;
        case Input::MoveIn: m_part.move(Pointer::Inside); break;
        case Input::MoveOut: m_part.move(Pointer::Outside); break;
        case Input::ReleaseIn: clicks += m_part.release(Pointer::Inside); break;
        case Input::ReleaseOut: clicks += m_part.release(Pointer::Outside); break;
        case Input::Cancel: m_part.cancel(); break;
        case Input::Tick: fireTimer(&m_owner, "repeat"); break;
        case Input::KeyDown: m_part.setDown(true); break;
        case Input::KeyUp: m_part.setDown(false); break;
        case Input::Focus: m_part.setFocused(true); break;
        case Input::Blur: m_part.setFocused(false); break;
        case Input::Disable: m_part.setEnabled(false); break;
        case Input::Enable: m_part.setEnabled(true); break;
        }
    }

    PartFace face() const { return m_part.face(); }
    int timer() const { return m_timer->isActive() ? m_timer->interval() : kStopped; }

    int clicks = 0;
    int steps = 0;

private:
    QObject m_owner;
    QTimer* m_timer = new QTimer(&m_owner);
    PressablePart m_part;
};

void run(const Case& c)
{
    Harness h(c);
    for (size_t i = 0; i < c.steps.size(); ++i) {
        const Step& s = c.steps[i];
        h.apply(s.input);
        EXPECT_EQ(h.face(), s.face) << c.name << ", step " << i;
        EXPECT_EQ(h.clicks, s.clicks) << c.name << ", step " << i;
        EXPECT_EQ(h.steps, s.steps) << c.name << ", step " << i;
        EXPECT_EQ(h.timer(), s.timer) << c.name << ", step " << i;
    }
}

TEST(PressablePartTest, PressAndRelease)
{
    const Case cases[] = {
        {"release inside clicks", {}, {},
            {{Input::MoveIn, hot}, {Input::Press, pressed}, {Input::ReleaseIn, hot, 1}}},
        {"release outside does not click", {}, {},
            {{Input::Press, pressed}, {Input::MoveOut, normal}, {Input::ReleaseOut, normal, 0}}},
        {"out and back in while held clicks once", {}, {},
            {{Input::Press, pressed}, {Input::MoveOut, normal}, {Input::MoveIn, pressed}, {Input::ReleaseIn, hot, 1},
                {Input::ReleaseIn, hot, 1}}},
        {"a release without a press does nothing", {}, {}, {{Input::MoveIn, hot}, {Input::ReleaseIn, hot, 0}}},
        {"a cancelled hold does not click", {}, {},
            {{Input::Press, pressed}, {Input::Cancel, hot}, {Input::ReleaseIn, hot, 0}}},
        {"a press on the control outside the part shows pressed only over it", {}, scrollRepeat,
            {{Input::PressOutside, normal}, {Input::MoveIn, pressed, 0, 0, 50}, {Input::ReleaseOut, normal, 0}}},
    };
    for (const Case& c : cases)
        run(c);
}

TEST(PressablePartTest, LooksByRules)
{
    const Case cases[] = {
        {"a focused push button held outside looks hot", pushButton, {},
            {{Input::Focus, focusedHot}, {Input::Press, focusedPressed}, {Input::MoveOut, focusedHot},
                {Input::ReleaseOut, focusedHot, 0}}},
        {"a key press shows pressed while focused", pushButton, {},
            {{Input::KeyDown, normal}, {Input::Focus, focusedPressed}, {Input::KeyUp, focusedHot},
                {Input::Blur, normal}}},
        {"a thumb stays pressed while dragged off it, and with the focus", thumb, {},
            {{Input::MoveIn, hot}, {Input::Press, pressed}, {Input::MoveOut, pressed}, {Input::ReleaseOut, normal},
                {Input::Focus, focusedPressed}}},
        {"a latched part stays down and does not click", groupButton, {},
            {{Input::Press, pressed}, {Input::ReleaseIn, pressed, 0}, {Input::MoveOut, pressed},
                {Input::Press, pressed}, {Input::ReleaseIn, pressed, 0}, {Input::KeyUp, hot}}},
        {"a part that hides hot shows only the pressed look", sliderThumb, {},
            {{Input::MoveIn, normal}, {Input::Press, pressed}, {Input::ReleaseIn, normal, 1}}},
    };
    for (const Case& c : cases)
        run(c);
}

TEST(PressablePartTest, Repeat)
{
    const Case cases[] = {
        {"after the first delay a step each period, stopping outside and resuming at the period", {}, scrollRepeat,
            {{Input::Press, pressed, 0, 0, 500}, {Input::Tick, pressed, 0, 0, 50}, {Input::Tick, pressed, 0, 1, 50},
                {Input::Tick, pressed, 0, 2, 50}, {Input::MoveOut, normal, 0, 2}, {Input::MoveIn, pressed, 0, 2, 50},
                {Input::Tick, pressed, 0, 3, 50}, {Input::ReleaseIn, hot, 1, 3}}},
        {"without a first delay the first step comes one period after the press", {}, {0, 100},
            {{Input::Press, pressed, 0, 0, 100}, {Input::Tick, pressed, 0, 1, 100}, {Input::Tick, pressed, 0, 2, 100},
                {Input::ReleaseOut, normal, 0, 2}}},
        {"a part down by a key repeats once the pointer comes over it", {}, {0, 100},
            {{Input::KeyDown, normal}, {Input::MoveIn, pressed, 0, 0, 100}, {Input::Tick, pressed, 0, 1, 100},
                {Input::KeyUp, hot, 0, 1}}},
        {"a press on a part already down does not start a repeat", {}, scrollRepeat,
            {{Input::KeyDown, normal}, {Input::Press, pressed}, {Input::ReleaseIn, hot, 1}}},
        {"a part that is not down never repeats", {}, scrollRepeat,
            {{Input::MoveIn, hot}, {Input::MoveOut, normal}, {Input::MoveIn, hot}}},
    };
    for (const Case& c : cases)
        run(c);
}

TEST(PressablePartTest, DisabledIgnoresInput)
{
    const Case cases[] = {
        {"a disabled part neither lights, presses nor clicks", {}, scrollRepeat,
            {{Input::Disable, disabled}, {Input::MoveIn, disabled}, {Input::Press, disabled},
                {Input::ReleaseIn, disabled, 0}, {Input::Enable, normal}, {Input::Press, pressed, 0, 0, 500}}},
        {"disabling while held drops the hold and the repeat", {}, scrollRepeat,
            {{Input::Press, pressed, 0, 0, 500}, {Input::Tick, pressed, 0, 0, 50}, {Input::Disable, disabled},
                {Input::Enable, normal}, {Input::ReleaseIn, normal, 0}}},
        {"disabling keeps a latched part down", groupButton, {},
            {{Input::Press, pressed}, {Input::Disable, {PartLook::Pressed, true, false}},
                {Input::Enable, pressed}}},
    };
    for (const Case& c : cases)
        run(c);
}

// The repeat is a new interval on the owner's running timer.
TEST(PressablePartTest, NewTimingReachesARunningRepeat)
{
    QObject owner;
    auto* timer = new QTimer(&owner);
    PressablePart part;
    part.setRepeat(timer, {0, 100});
    part.press(Pointer::Inside);
    part.setRepeat(timer, {0, 30});
    EXPECT_EQ(timer->interval(), 30);
    part.setRepeat(timer, {});
    EXPECT_FALSE(timer->isActive()) << "a period of 0 turns repeating off";
    EXPECT_FALSE(part.repeating());
}

} // namespace
