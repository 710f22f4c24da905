// The plots window draws from the link's history of frames.

#include "app/window/MainWindow.h"

#include "app/plots/PlotsWindow.h"
#include "app/widgets/WindowPlacement.h"
#include "platform/TImage.h"

std::vector<const QWidget*> MainWindow::instruments() const
{
    return {m_controls.attitudeIndicator, m_controls.headingIndicator};
}

PlotsWindow* MainWindow::showPlots()
{
    if (!m_plotsWindow) {
        m_plotsWindow = new PlotsWindow(m_skinData, m_link->history(), [this] { return m_link->historyTimeUs(); },
            m_settings, this);
        // A place of its own, unless it remembers one.
        if (!m_plotsWindow->hasRememberedPlace())
            placeBeside(*m_plotsWindow, *this, instruments());
    }
    m_plotsWindow->show();
    m_plotsWindow->raise();
    m_plotsWindow->activateWindow();
    return m_plotsWindow;
}
