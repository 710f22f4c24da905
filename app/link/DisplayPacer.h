#pragma once

#include "app/link/SteadyClock.h"

#include <QObject>

#include <cstdint>
#include <functional>

class QTimer;

// Holds an action to the display's pace: telemetry changes some control a
// thousand times a second, and no screen shows that many pictures. The
// action runs at most once a frame; asked for within a frame, it runs
// when the frame is over.
//
//   state | admit() within the frame  | admit() after it        | the frame's timer
//   Ready | false, Held: the timer is | true, stamped           | -
//         | set for the rest of it    |                         |
//   Held  | false (already due)       | true, stamped, timer    | stamped, the held
//         |                           | stopped, Ready          | action runs, Ready
//
// The first admit() is after a frame.
class DisplayPacer : public QObject {
public:
    using Clock = MillisecondClock;

    // timerName names the frame's timer, for tests to drive it.
    DisplayPacer(QObject* parent, int frameMs, Clock clock, std::function<void()> heldAction, const char* timerName);

    // Whether the action may run now (it then counts as run); otherwise
    // the held action runs when the frame is over.
    bool admit();
    bool held() const { return m_state == State::Held; }

private:
    enum class State { Ready, Held };

    int64_t now() const;

    int m_frameMs;
    Clock m_clock;
    std::function<void()> m_heldAction;
    QTimer* m_frameTimer;
    State m_state = State::Ready;
    bool m_ranOnce = false;
    int64_t m_lastRun = 0;
};
