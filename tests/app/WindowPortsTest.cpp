#include "WindowFixture.h"

#include "serial/PortNames.h"

#include <QShowEvent>

using WindowPorts = WindowFixture;

TEST_F(WindowPorts, RefreshRefillsTheListAndSelectsTheFirstPort)
{
    form->kvSkinButton1Click();
    form->kvSkinButton1Click();
    auto* list = form->comboBox("kvSkinComboBox1");
    EXPECT_EQ(list->Items(), (QStringList{"COM3", "ttyUSB0"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->Text(), "COM3");

    ports = {"/dev/ttyACM0"};
    click(form->button("kvSkinButton1"));
    EXPECT_EQ(list->Items(), QStringList{"ttyACM0"});
}

TEST_F(WindowPorts, SimilarDevicesAreToldApartAndOpenedByTheirPath)
{
    ports = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    form->kvSkinButton1Click();
    auto* list = form->comboBox("kvSkinComboBox1");
    EXPECT_EQ(list->Items(), (QStringList{"ttyUSB0", "ttyUSB1"}));
    EXPECT_EQ(list->toolTip(), "/dev/ttyUSB0");
    list->SetItemIndex(1);
    EXPECT_EQ(list->toolTip(), "/dev/ttyUSB1") << "the full path of the shown port";
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(device->openedDevice, "/dev/ttyUSB1");
}

TEST_F(WindowPorts, AnEmptiedListShowsNothingAndConnectsNothing)
{
    form->kvSkinButton1Click();
    ports.clear();
    form->kvSkinButton1Click();
    auto* list = form->comboBox("kvSkinComboBox1");
    EXPECT_TRUE(list->Items().isEmpty());
    EXPECT_EQ(list->Text(), "") << "the unplugged port's name must go";
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "Connect");
    EXPECT_TRUE(device->calls.empty());
}

TEST_F(WindowPorts, ConnectOpensTheChosenPortAndDisconnectCloses)
{
    form->kvSkinButton1Click();
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "DisConnect");
    EXPECT_TRUE(form->connected());
    EXPECT_EQ(form->Comm1()->CommPort(), serial::pnCOM3);
    EXPECT_EQ(device->openedDevice, serial::devicePathForPort(serial::pnCOM3).toStdString());
    EXPECT_EQ(form->Comm1()->BaudRate(), 115200);

    // Refreshing while connected keeps the link.
    ports = {"/dev/ttyUSB0", "COM3"};
    form->kvSkinButton1Click();
    EXPECT_TRUE(device->open);
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "DisConnect");

    click(form->button("kvSkinButton2"));
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "Connect");
    EXPECT_FALSE(form->connected());
    EXPECT_FALSE(device->open);

    // The next connection uses the port now chosen, by its own path.
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(device->openedDevice, "/dev/ttyUSB0");
}

TEST_F(WindowPorts, EmptyListConnectsNothing)
{
    ports.clear();
    form->kvSkinButton1Click();
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "Connect");
    EXPECT_TRUE(device->calls.empty());
}

TEST_F(WindowPorts, PortThatCannotOpenLeavesTheWindowDisconnected)
{
    device->failing.insert(serial::MemorySerialDevice::Operation::Open);
    device->openResult = {serial::OpenError::PermissionDenied, {}};
    ports = {"/dev/ttyUSB0"};
    form->kvSkinButton1Click();
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "Connect");
    EXPECT_FALSE(form->connected());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Error opening serial port\n"));
    EXPECT_TRUE(messages[0].contains("dialout"));

    click(form->button("kvSkinButton7"));
    EXPECT_TRUE(device->written.empty());
    EXPECT_EQ(messages.size(), 1) << "no second message from a send";
}

TEST_F(WindowPorts, PulledCableReturnsToConnectAndReconnectWorks)
{
    connect();
    device->failing.insert(serial::MemorySerialDevice::Operation::ClearError);
    form->Comm1()->ProcTimer();
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "Connect");
    EXPECT_FALSE(form->connected());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Connection lost")) << messages[0].toStdString();

    device->failing.clear();
    click(form->button("kvSkinButton2"));
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "DisConnect");
    EXPECT_TRUE(form->Comm1()->PortOpen());
}

TEST_F(WindowPorts, ShowingTheWindowListsThePortsWithoutActivation)
{
    // The window shown by a desktop that keeps it inactive until clicked
    // (the offscreen platform activates every window it shows).
    QShowEvent shown;
    QApplication::sendEvent(form.get(), &shown);
    EXPECT_FALSE(form->isActiveWindow());
    EXPECT_EQ(form->comboBox("kvSkinComboBox1")->Items(), (QStringList{"COM3", "ttyUSB0"}));

    ports = {"/dev/ttyACM0"};
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->comboBox("kvSkinComboBox1")->Items(), QStringList{"ttyACM0"}) << "activation lists them again";
}

TEST_F(WindowPorts, TheFocusStartsOnConnect)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->button("kvSkinButton2"));
}
