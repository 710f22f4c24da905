// The plots window draws from the link's history of frames.

#include "app/Unit1.h"

#include "app/PlotsWindow.h"
#include "app/WindowPlacement.h"
#include "platform/TImage.h"

std::vector<const QWidget*> TForm1::instruments() const
{
    return {m_controls.Image1, m_controls.Image2};
}

PlotsWindow* TForm1::showPlots()
{
    if (!m_plotsWindow) {
        m_plotsWindow = new PlotsWindow(m_kvSkinData1, m_link->history(), [this] { return m_link->historyTimeUs(); },
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
