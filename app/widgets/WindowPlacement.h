#pragma once

#include <QRect>

#include <functional>
#include <vector>

class QWidget;

// Puts a window beside the main window by the rule of placeBeside in
// BesidePlacement.h on the screens there are, so both stay in view; the
// main window moves only to make room for both. The uncovered widgets (the
// instruments) stay in view even where the screen is too small for both.
void placeBeside(QWidget& window, QWidget& mainWindow, const std::vector<const QWidget*>& uncovered = {});

// Gives the window the frame the user left it in (logical desktop
// coordinates), when that is on a screen; false, and the window as it
// was, when not.
bool restorePlace(QWidget& window, const QRect& place);

// Runs the action once, after the window's first paint: by then the desktop
// has put the window where it stays, so what is placed beside it stays
// beside it.
void afterFirstPaint(QWidget& window, std::function<void()> action);
