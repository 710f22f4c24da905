// The "ComPort" panel: the port list and the connect button.

#include "app/window/MainWindow.h"

#include "app/link/PortLister.h"
#include "platform/MessageBox.h"
#include "serial/PortNames.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"

#include <QTimer>

namespace {

const QString kConnect = QStringLiteral("Connect");
const QString kDisconnect = QStringLiteral("DisConnect");

} // namespace

void MainWindow::frameActivated() { listPortsOnView(); }

void MainWindow::listPortsOnView()
{
    if (m_searchPortsInBackground) {
        // Once the window has painted (startQueuedPortSearch): the search
        // must not slow its first picture down.
        m_searchPortsInBackground = false;
        m_portSearchQueued = true;
        installEventFilter(this);
        return;
    }
    // A search queued or still running fills the list when it ends.
    if (m_portSearchQueued || m_portLister->busy())
        return;
    fillPortList();
}

void MainWindow::startQueuedPortSearch()
{
    if (!m_portSearchQueued)
        return;
    m_portSearchQueued = false;
    removeEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        m_portLister->listInBackground([this](const QList<serial::PortEntry>& ports) { showPorts(ports); });
    });
}

void MainWindow::refreshClicked()
{
    fillPortList();
}

void MainWindow::fillPortList()
{
    showPorts(m_portLister->listNow());
}

void MainWindow::showPorts(const QList<serial::PortEntry>& ports)
{
    skin::TkvSkinComboBox* list = m_controls.portList;
    m_ports = ports;
    QStringList names;
    for (const serial::PortEntry& port : m_ports)
        names << port.name;
    list->SetItems(names);
    list->SetItemIndex(0);
    // An emptied list must not go on showing a port that is gone.
    if (m_ports.isEmpty())
        list->SetText(QString());
    showPortLocation();
}

void MainWindow::showPortLocation()
{
    skin::TkvSkinComboBox* list = m_controls.portList;
    const int index = list->ItemIndex();
    list->setToolTip(index >= 0 && index < m_ports.size() ? m_ports[index].location : QString());
}

void MainWindow::connectClicked()
{
    // While connected or waiting for the device, the button stops the link.
    if (m_link->state() != LinkState::Closed) {
        m_link->disconnect();
        return;
    }
    const skin::TkvSkinComboBox* list = m_controls.portList;
    const int index = list->ItemIndex();
    if (list->Text().isEmpty() || index < 0 || index >= m_ports.size())
        return;
    // A port that did not open leaves the window disconnected, saying why.
    if (const auto problem = m_link->connectTo(m_ports[index]))
        platform::ShowMessage(*problem);
}

void MainWindow::linkStateChanged(LinkState state)
{
    m_controls.connectButton->SetCaption(state == LinkState::Closed ? kConnect : kDisconnect);
}

void MainWindow::linkProblem(const QString& message) { platform::ShowMessage(message); }
