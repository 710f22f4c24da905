// The "ComPort" panel: the port list and the connect button.

#include "app/Unit1.h"

#include "app/TelemetryRecorder.h"

#include "platform/MessageBox.h"
#include "serial/PortNames.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"

namespace {

const QString kConnect = QStringLiteral("Connect");
const QString kDisconnect = QStringLiteral("DisConnect");

} // namespace

void TForm1::kvSorvane1Activate()
{
    fillPortList();
}

void TForm1::kvSkinButton1Click()
{
    fillPortList();
}

void TForm1::fillPortList()
{
    skin::TkvSkinComboBox* ports = comboBox("kvSkinComboBox1");
    ports->SetItems(m_portNames());
    ports->SetItemIndex(0);
}

void TForm1::kvSkinButton2Click()
{
    skin::TkvSkinButton* connect = button("kvSkinButton2");
    if (connect->Caption() != kConnect) {
        connect->SetCaption(kConnect);
        m_comm->SetPortOpen(false);
        m_connected = false;
        return;
    }
    const QString port = comboBox("kvSkinComboBox1")->Text();
    if (port.isEmpty())
        return;
    // "COM1" ... "COM15" keep their numbers; any other name is the device's
    // own path, as the system lists it.
    if (const auto number = serial::portNumberForName(port))
        m_comm->SetCommPort(*number);
    else
        m_comm->SetDevicePath(port);
    m_comm->SetPortOpen(true);
    // A port that did not open leaves the window disconnected; the serial
    // component has already said why.
    if (!m_comm->PortOpen())
        return;
    connect->SetCaption(kDisconnect);
    m_connected = true;
    if (m_recorder)
        m_recorder->connected(m_comm->deviceName());
}

void TForm1::connectionLost()
{
    const QString device = m_comm->deviceName();
    button("kvSkinButton2")->SetCaption(kConnect);
    m_connected = false;
    platform::ShowMessage(QStringLiteral("Connection lost\n%1 is no longer available. Check the cable, then "
                                         "press \"Connect\" again.")
                              .arg(device));
}
