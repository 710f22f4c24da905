#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// Where a window opened from the main window goes, as a rule on rectangles
// in the desktop's logical coordinates, so it can be checked on any set of
// screens without one.
struct BesideRequest {
    // Each screen's available geometry (without panels and docks).
    std::vector<QRect> screens;
    // The main window's frame.
    QRect main;
    // Parts of the main window that stay in view whatever happens: its
    // instruments.
    std::vector<QRect> uncovered;
    // The window's frame size as it would open, and the least it can be
    // shrunk to and still be used.
    QSize size;
    QSize minimum;
};

struct BesidePlace {
    QRect window;
    // Where the main window goes: moved only when that makes room for both.
    QRect main;
};

// The rule, first that applies:
// 1. beside the main window on its screen, right or left, at full size;
// 2. on the side with more room, shrunk to it, when that is at least the
//    window's minimum;
// 3. on another screen that holds it at least at its minimum;
// 4. when the screen is wide enough for both, the main window moves toward
//    its nearer edge just far enough for the window to reach full size;
// 5. else the window, at its minimum, covers as little of the main window
//    as it can and never its instruments: where the screen is too small
//    even for that, it rather reaches past the screen's right or bottom
//    edge.
BesidePlace placeBeside(const BesideRequest& request);

// Whether a place the user chose can be given back as it is: its caption
// strip lies on a screen, so the window can be seen and taken hold of.
bool onAScreen(const QRect& place, const std::vector<QRect>& screens);
