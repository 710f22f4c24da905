#pragma once

#include "skin/controls/FaceState.h"

class QTimer;

namespace skin {

// Where the pointer is, seen from a part.
enum class Pointer { Outside, Inside };

// Where a down part shows its pressed look: only while the pointer is over
// it (a push button, an arrow), or for as long as it is down (a dragged
// thumb, a latched group button).
enum class PressedLook { UnderPointer, WhileDown };
// What the keyboard focus adds to the look: nothing, the hot look (a push
// button), or the pressed look (a scroll bar's thumb).
enum class FocusLook { None, Hot, Pressed };
// Whether the pointer over the part lights it; a slider's thumb never does.
enum class HotLook { Shown, Hidden };
// Whether letting go of the part releases it, or leaves it down (a group
// button latches until another of its group is pressed).
enum class ReleaseRule { LetGo, Latch };

struct PartRules {
    PressedLook pressed = PressedLook::UnderPointer;
    FocusLook focus = FocusLook::None;
    HotLook hot = HotLook::Shown;
    ReleaseRule release = ReleaseRule::LetGo;
};

// How a held part repeats. With a first delay the timer's first tick only
// ends the delay and the steps follow one period apart; without one the
// first step comes one period after the press. A period of 0 turns
// repeating off.
struct RepeatTiming {
    int firstDelay = 0;
    int period = 0;
};

// The behaviour of one pressable piece of a control (a push button, the
// drop-down button of a combo box, the end buttons, page areas and thumb of
// a scroll bar, a slider's thumb): hot, down, captured and repeating, and
// the face those give. The owner reports the pointer and the keys, runs the
// timer it hands over and acts on clicks and repeat steps; the painters
// only see face().
//
// Transitions (a disabled part ignores every input):
//   input         state before        state after
//   press in      up                  down, captured, hot; repeat starts with its first delay
//   press out     up                  down, captured, not hot (the control presses the part as a whole)
//   press in      down (latched)      captured, hot; no repeat
//   move in       any                 hot; a down part that is not repeating resumes at the period
//   move out      any                 not hot; the repeat stops
//   release in    captured            not captured, hot, up (Latch: stays down); click (Latch: none)
//   release out   captured            not captured, not hot, up (Latch: stays down); no click
//   release       not captured        nothing
//   cancel        captured            not captured, up (Latch: stays down); no click
//   tick          first delay         repeating at the period; no step
//   tick          period              a step
//   disable       any                 not hot, as cancel; the repeat stops
// Every release, cancel and setDown(false) stops the repeat.
//
// The look, first match:
//   Pressed   down, and hot or PressedLook::WhileDown or (focused and not captured: down by a key)
//   Pressed   focused, with FocusLook::Pressed
//   Hot       hot, with HotLook::Shown
//   Hot       focused, with FocusLook::Hot
//   Normal    otherwise
class PressablePart {
public:
    PressablePart() = default;
    explicit PressablePart(PartRules rules) : m_rules(rules) {}

    void setRules(PartRules rules) { m_rules = rules; }
    // The owner's timer, shared by parts of which only one is held at a
    // time; the owner sends its timeouts to tick().
    void setRepeat(QTimer* timer, RepeatTiming timing);

    void press(Pointer where);
    void move(Pointer where);
    // True when the release clicks.
    bool release(Pointer where);
    void cancel();
    // The owner's timer fired; true when the part steps now.
    [[nodiscard]] bool tick();
    // Ends the repeat while the part stays held (a page repeat that reached
    // the pointer).
    void stopRepeat();

    // A part pressed by a key, latched, or released by the program.
    void setDown(bool value);
    // A part lit without the pointer (a form's default button).
    void setHot(bool value) { m_hot = value; }
    void setEnabled(bool value);
    void setFocused(bool value) { m_focused = value; }

    bool down() const { return m_down; }
    bool hot() const { return m_hot; }
    bool captured() const { return m_captured; }
    bool repeating() const { return m_repeat != RepeatPhase::Idle; }
    bool enabled() const { return m_enabled; }
    bool focused() const { return m_focused; }
    PartFace face() const;

private:
    enum class RepeatPhase { Idle, FirstDelay, Period };

    void startRepeat(RepeatPhase phase);
    void letGo();

    PartRules m_rules;
    QTimer* m_timer = nullptr;
    RepeatTiming m_timing;
    RepeatPhase m_repeat = RepeatPhase::Idle;
    bool m_down = false;
    bool m_hot = false;
    bool m_captured = false;
    bool m_enabled = true;
    bool m_focused = false;
};

} // namespace skin
