#include "WindowFixture.h"

#include "serial/PortNames.h"

#include "platform/TImage.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"
#include "tests/support/TestTimers.h"

#include <QFile>
#include <QSettings>
#include <QShowEvent>
#include <QTemporaryDir>

using WindowPorts = WindowFixture;

TEST_F(WindowPorts, RefreshRefillsTheListAndSelectsTheFirstPort)
{
    form->refreshClicked();
    form->refreshClicked();
    auto* list = form->comboBox("portList");
    EXPECT_EQ(list->Items(), (QStringList{"COM3", "ttyUSB0"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->Text(), "COM3");

    ports = {"/dev/ttyACM0"};
    click(form->button("refreshButton"));
    EXPECT_EQ(list->Items(), QStringList{"ttyACM0"});
}

TEST_F(WindowPorts, SimilarDevicesAreToldApartAndOpenedByTheirPath)
{
    ports = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    form->refreshClicked();
    auto* list = form->comboBox("portList");
    EXPECT_EQ(list->Items(), (QStringList{"ttyUSB0", "ttyUSB1"}));
    EXPECT_EQ(list->toolTip(), "/dev/ttyUSB0");
    list->SetItemIndex(1);
    EXPECT_EQ(list->toolTip(), "/dev/ttyUSB1") << "the full path of the shown port";
    click(form->button("connectButton"));
    EXPECT_EQ(device->openedDevice, "/dev/ttyUSB1");
}

TEST_F(WindowPorts, AnEmptiedListShowsNothingAndConnectsNothing)
{
    form->refreshClicked();
    ports.clear();
    form->refreshClicked();
    auto* list = form->comboBox("portList");
    EXPECT_TRUE(list->Items().isEmpty());
    EXPECT_EQ(list->Text(), "") << "the unplugged port's name must go";
    click(form->button("connectButton"));
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_TRUE(device->calls.empty());
}

TEST_F(WindowPorts, ConnectOpensTheChosenPortAndDisconnectCloses)
{
    form->refreshClicked();
    click(form->button("connectButton"));
    EXPECT_EQ(form->button("connectButton")->Caption(), "DisConnect");
    EXPECT_TRUE(form->connected());
    EXPECT_EQ(form->comm()->CommPort(), serial::pnCOM3);
    EXPECT_EQ(device->openedDevice, serial::devicePathForPort(serial::pnCOM3).toStdString());
    EXPECT_EQ(form->comm()->BaudRate(), 115200);

    // Refreshing while connected keeps the link.
    ports = {"/dev/ttyUSB0", "COM3"};
    form->refreshClicked();
    EXPECT_TRUE(device->open);
    EXPECT_EQ(form->button("connectButton")->Caption(), "DisConnect");

    click(form->button("connectButton"));
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_FALSE(form->connected());
    EXPECT_FALSE(device->open);

    // The next connection uses the port now chosen, by its own path.
    click(form->button("connectButton"));
    EXPECT_EQ(device->openedDevice, "/dev/ttyUSB0");
}

TEST_F(WindowPorts, EmptyListConnectsNothing)
{
    ports.clear();
    form->refreshClicked();
    click(form->button("connectButton"));
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_TRUE(device->calls.empty());
}

TEST_F(WindowPorts, PortThatCannotOpenLeavesTheWindowDisconnected)
{
    device->failing.insert(serial::MemorySerialDevice::Operation::Open);
    device->openResult = {serial::OpenError::PermissionDenied, {}};
    ports = {"/dev/ttyUSB0"};
    form->refreshClicked();
    click(form->button("connectButton"));
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_FALSE(form->connected());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Error opening serial port\n"));
    EXPECT_TRUE(messages[0].contains("dialout"));

    click(form->button("gyroGainSave"));
    EXPECT_TRUE(device->written.empty());
    EXPECT_EQ(messages.size(), 1) << "no second message from a send";
}

TEST_F(WindowPorts, WithoutReconnectingAPulledCableReturnsToConnectAndReconnectWorks)
{
    form->setReconnectAutomatically(false);
    connect();
    device->failing.insert(serial::MemorySerialDevice::Operation::ClearError);
    form->comm()->ProcTimer();
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_FALSE(form->connected());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Connection lost")) << messages[0].toStdString();

    device->failing.clear();
    click(form->button("connectButton"));
    EXPECT_EQ(form->button("connectButton")->Caption(), "DisConnect");
    EXPECT_TRUE(form->comm()->PortOpen());
}

namespace {

// A device path that can be taken away and brought back, as a device node.
struct DeviceNode {
    QTemporaryDir folder;
    QString path = folder.filePath("ttyUSB7");

    void plugIn() { QFile(path).open(QIODevice::WriteOnly); }
    void pull() { QFile::remove(path); }
};

void checkForTheDevice(MainWindow& form)
{
    testsupport::fireTimer(&form.link(), "deviceReturn");
}

} // namespace

TEST_F(WindowPorts, APulledCableIsWaitedForWithoutAMessageAndTheLinkComesBack)
{
    DeviceNode node;
    node.plugIn();
    ports = {node.path};
    connect();
    ASSERT_TRUE(form->connected());
    node.pull();
    device->failing.insert(serial::MemorySerialDevice::Operation::ClearError);
    form->comm()->ProcTimer();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_TRUE(form->waitingForDevice());
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(form->button("connectButton")->Caption(), "DisConnect") << "the pilot can stop the wait";
    // The port by the name the list gave it.
    EXPECT_EQ(form->windowTitle(), "Flight Controller Tool — " + node.path + " is gone, waiting for it to return");
    EXPECT_TRUE(form->staleTypesShown().all());
    EXPECT_EQ(form->image("attitudeIndicator")->dimming().mark, "NO DATA");

    device->failing.clear();
    checkForTheDevice(*form);
    EXPECT_TRUE(form->waitingForDevice()) << "the path is not there yet";
    node.plugIn();
    // Back, but taken by another program for a moment.
    device->failing.insert(serial::MemorySerialDevice::Operation::Open);
    device->openResult = {serial::OpenError::InUse, {}};
    checkForTheDevice(*form);
    EXPECT_TRUE(form->waitingForDevice());
    EXPECT_EQ(form->windowTitle(),
        "Flight Controller Tool — " + node.path + " is back but does not open: " + node.path
            + " is in use by another program.");
    EXPECT_TRUE(messages.isEmpty()) << "retries show no message";
    device->failing.clear();
    checkForTheDevice(*form);
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(form->comm()->PortOpen());
    EXPECT_EQ(device->openedDevice, node.path.toStdString());
    EXPECT_EQ(form->windowTitle(), "Flight Controller Tool ");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WindowPorts, DisconnectStopsTheWaitAndTurningReconnectingOffIsRemembered)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("fctool.ini"), QSettings::IniFormat);
    DeviceNode node;
    node.plugIn();
    ports = {node.path};
    connect();
    node.pull();
    device->failing.insert(serial::MemorySerialDevice::Operation::ClearError);
    form->comm()->ProcTimer();
    ASSERT_TRUE(form->waitingForDevice());
    click(form->button("connectButton"));
    EXPECT_FALSE(form->waitingForDevice());
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_FALSE(testsupport::timerActive(&form->link(), "deviceReturn"));
    EXPECT_TRUE(form->staleTypesShown().none()) << "a closed link shows no staleness";
    EXPECT_EQ(form->windowTitle(), "Flight Controller Tool ");

    auto first = windowRemembering(settings);
    EXPECT_TRUE(first->reconnectsAutomatically()) << "on by default";
    skin::TkvMenuItem* entry = first->frame()->GetSystemMenu()->Find("ReconnectAutomatically");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->Checked);
    entry->Click();
    EXPECT_FALSE(first->reconnectsAutomatically());
    first.reset();
    const auto second = windowRemembering(settings);
    EXPECT_FALSE(second->reconnectsAutomatically());
    EXPECT_FALSE(second->frame()->GetSystemMenu()->Find("ReconnectAutomatically")->Checked);
}

TEST_F(WindowPorts, ShowingTheWindowListsThePortsWithoutActivation)
{
    // The window shown by a desktop that keeps it inactive until clicked
    // (the offscreen platform activates every window it shows).
    QShowEvent shown;
    QApplication::sendEvent(form.get(), &shown);
    EXPECT_FALSE(form->isActiveWindow());
    EXPECT_EQ(form->comboBox("portList")->Items(), (QStringList{"COM3", "ttyUSB0"}));

    ports = {"/dev/ttyACM0"};
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->comboBox("portList")->Items(), QStringList{"ttyACM0"}) << "activation lists them again";
}

TEST_F(WindowPorts, TheFocusStartsOnConnect)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->button("connectButton"));
}
