// The plots: every decoded frame goes into the history with its time, and
// the plots window draws from it.

#include "app/Unit1.h"

#include "app/PlotsWindow.h"
#include "app/WindowPlacement.h"
#include "platform/TImage.h"

void TForm1::frameDecoded(const protocol::FrameBytes& frame)
{
    m_history.append((m_batchMs - m_historyStartMs) * 1000, frame);
}

int64_t TForm1::historyTimeUs() const
{
    return (m_clock() - m_historyStartMs) * 1000;
}

std::vector<const QWidget*> TForm1::instruments() const
{
    return {m_controls.Image1, m_controls.Image2};
}

PlotsWindow* TForm1::showPlots()
{
    if (!m_plotsWindow) {
        m_plotsWindow = new PlotsWindow(m_kvSkinData1, m_history, [this] { return historyTimeUs(); }, m_settings, this);
        // A place of its own, unless it remembers one.
        if (!m_plotsWindow->hasRememberedPlace())
            placeBeside(*m_plotsWindow, *this, instruments());
    }
    m_plotsWindow->show();
    m_plotsWindow->raise();
    m_plotsWindow->activateWindow();
    return m_plotsWindow;
}
