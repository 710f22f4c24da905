// The "ComPort" panel: the port list and the connect button.

#include "app/Unit1.h"

#include "app/TelemetryRecorder.h"

#include "platform/MessageBox.h"
#include "serial/PortNames.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"

#include <QTimer>

namespace {

const QString kConnect = QStringLiteral("Connect");
const QString kDisconnect = QStringLiteral("DisConnect");

} // namespace

void TForm1::kvSorvane1Activate() { listPortsOnView(); }

void TForm1::listPortsOnView()
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
    if (m_portSearchQueued || m_portSearch.valid())
        return;
    fillPortList();
}

void TForm1::startQueuedPortSearch()
{
    if (!m_portSearchQueued)
        return;
    m_portSearchQueued = false;
    removeEventFilter(this);
    QTimer::singleShot(0, this, [this] { searchPortsInBackground(); });
}

void TForm1::searchPortsInBackground()
{
    m_portSearch = std::async(std::launch::async, [this, search = m_availablePorts] {
        QList<serial::PortEntry> ports = search();
        QMetaObject::invokeMethod(this, [this] { showFoundPorts(); }, Qt::QueuedConnection);
        return ports;
    });
}

void TForm1::showFoundPorts()
{
    // Gone when "Refresh " listed the ports meanwhile.
    if (m_portSearch.valid())
        showPorts(m_portSearch.get());
}

void TForm1::kvSkinButton1Click()
{
    fillPortList();
}

void TForm1::fillPortList()
{
    // An answer still to come would be older than this one.
    if (m_portSearch.valid())
        m_portSearch.get();
    showPorts(m_availablePorts());
}

void TForm1::showPorts(QList<serial::PortEntry> ports)
{
    skin::TkvSkinComboBox* list = m_controls.kvSkinComboBox1;
    m_ports = std::move(ports);
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

void TForm1::showPortLocation()
{
    skin::TkvSkinComboBox* list = m_controls.kvSkinComboBox1;
    const int index = list->ItemIndex();
    list->setToolTip(index >= 0 && index < m_ports.size() ? m_ports[index].location : QString());
}

void TForm1::kvSkinButton2Click()
{
    skin::TkvSkinButton* connect = button("kvSkinButton2");
    if (connect->Caption() != kConnect) {
        disconnect();
        return;
    }
    const skin::TkvSkinComboBox* list = m_controls.kvSkinComboBox1;
    const int index = list->ItemIndex();
    if (list->Text().isEmpty() || index < 0 || index >= m_ports.size())
        return;
    const serial::PortEntry& port = m_ports[index];
    // "COM1" ... "COM15" keep their numbers; any other port opens its own
    // device.
    if (const auto number = serial::portNumberForName(port.name))
        m_comm->SetCommPort(*number);
    else
        m_comm->SetDevicePath(port.location);
    m_comm->SetPortOpen(true);
    // A port that did not open leaves the window disconnected; the serial
    // component has already said why.
    if (!m_comm->PortOpen())
        return;
    m_linkPort = port;
    linkOpened();
}

void TForm1::linkOpened()
{
    // The graphs do not join what came before to what comes now.
    m_history.markBreak(historyTimeUs());
    setLinkState(LinkState::Open);
    if (m_recorder)
        m_recorder->connected(m_comm->deviceName());
}

void TForm1::setLinkState(LinkState state)
{
    m_linkState = state;
    m_controls.kvSkinButton2->SetCaption(state == LinkState::Closed ? kConnect : kDisconnect);
    if (state == LinkState::Open)
        m_freshness.start(m_clock());
    if (state == LinkState::WaitingForDevice) {
        m_returnChecks = 0;
        m_returnProblem.clear();
        m_returnTimer->start();
    } else {
        m_returnTimer->stop();
    }
    if (state == LinkState::Closed)
        m_healthTimer->stop();
    else
        m_healthTimer->start();
    showLinkHealth();
}

void TForm1::disconnect()
{
    m_comm->SetPortOpen(false);
    setLinkState(LinkState::Closed);
}

void TForm1::connectionLost()
{
    // The wait shows in the caption and blocks nothing.
    if (m_reconnectAutomatically) {
        setLinkState(LinkState::WaitingForDevice);
        return;
    }
    const QString device = m_comm->deviceName();
    setLinkState(LinkState::Closed);
    platform::ShowMessage(QStringLiteral("Connection lost\n%1 is no longer available. Check the cable, then "
                                         "press \"Connect\" again.")
                              .arg(device));
}
