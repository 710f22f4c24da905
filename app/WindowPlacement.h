#pragma once

#include <functional>

class QWidget;

// Puts a window right of the main window where the screen has room, else
// left of it, so both stay in view.
void placeBeside(QWidget& window, const QWidget& mainWindow);

// Runs the action once, after the window's first paint: by then the desktop
// has put the window where it stays, so what is placed beside it stays
// beside it.
void afterFirstPaint(QWidget& window, std::function<void()> action);
