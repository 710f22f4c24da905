#pragma once

class QWidget;

// Puts a window right of the main window where the screen has room, else
// left of it, so both stay in view.
void placeBeside(QWidget& window, const QWidget& mainWindow);
