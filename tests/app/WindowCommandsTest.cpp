#include "WindowFixture.h"

#include <QKeyEvent>

using Bytes = std::vector<uint8_t>;

using WindowCommands = WindowFixture;

TEST_F(WindowCommands, EveryButtonSendsItsFrame)
{
    connect();
    struct Case {
        const char* button;
        std::function<void()> prepare;
        Bytes bytes;
    } cases[] = {
        {"kvSkinButton7", [&] { form->edit("kvSkinEdit23")->SetText("24"); }, {0x55, 0x18, 0x00, 0xAC}},
        {"kvSkinButton3", [&] { form->edit("kvSkinEdit8")->SetText("6.8"); }, {0x55, 0x44, 0x00, 0xAB}},
        {"kvSkinButton5", [&] { form->edit("kvSkinEdit16")->SetText("10.5"); }, {0x55, 0x69, 0x00, 0xAE}},
        {"kvSkinButton4", [&] { form->edit("kvSkinEdit14")->SetText("11"); }, {0x55, 0x4C, 0x04, 0xAD}},
        {"kvSkinButton6", [&] { form->comboBox("kvSkinComboBox2")->SetItemIndex(6); }, {0x55, 0x06, 0x00, 0xAF}},
        {"kvSkinButton8", [&] { form->comboBox("kvSkinComboBox3")->SetItemIndex(1); }, {0x55, 0x01, 0x00, 0xBB}},
        {"kvSkinButton9", [] {}, {0x55, 0x01, 0x00, 0xBA}},
        {"kvSkinButton10", [] {}, {0x55, 0x00, 0x00, 0xBA}},
        {"kvSkinButton11", [] {}, {0x55, 0x00, 0x00, 0xAA}},
        {"kvSkinButton12", [&] { form->edit("kvSkinEdit44")->SetText("6000"); }, {0x66, 0x88, 0x13, 0xAA}},
        {"kvSkinButton13", [&] { form->edit("kvSkinEdit46")->SetText("500"); }, {0x66, 0xF4, 0x01, 0xAB}},
        {"kvSkinButton12", [&] { form->edit("kvSkinEdit44")->SetText("65535"); }, {0x66, 0x88, 0x13, 0xAA}},
    };
    for (const Case& c : cases) {
        device->written.clear();
        device->writeSizes.clear();
        c.prepare();
        click(form->button(c.button));
        EXPECT_EQ(device->written, c.bytes) << c.button;
        EXPECT_EQ(device->writeSizes, (std::vector<size_t>{1, 1, 1, 1})) << c.button;
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
}

TEST_F(WindowCommands, NothingIsSentWhileDisconnected)
{
    for (int n = 3; n <= 13; ++n)
        click(form->button(QStringLiteral("kvSkinButton%1").arg(n)));
    EXPECT_TRUE(device->written.empty());
    EXPECT_TRUE(messages.isEmpty());
    // The buffer was still filled: the last one written is the height limit.
    EXPECT_EQ(form->commandBuffer(), QByteArray("\x66\xF4\x01\xAB", 4));
}

TEST_F(WindowCommands, SliderMovesThenSaveSendsThePosition)
{
    connect();
    auto* lowVoltage = form->slider("kvSkinSlider3");
    lowVoltage->setFocus();
    lowVoltage->SetValue(122);
    QTest::keyClick(lowVoltage, Qt::Key_Right);
    EXPECT_EQ(lowVoltage->Value(), 123);
    EXPECT_EQ(text("kvSkinEdit16"), "12.3");
    click(form->button("kvSkinButton5"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x7B, 0x00, 0xAE}));
}

TEST_F(WindowCommands, TextThatIsNotANumberShowsTheErrorAndSendsNothing)
{
    connect();
    form->edit("kvSkinEdit44")->SetText("12a");
    click(form->button("kvSkinButton12"));
    EXPECT_EQ(errors, QStringList{"'12a' is not a valid integer value"});
    EXPECT_TRUE(device->written.empty());

    errors.clear();
    form->edit("kvSkinEdit16")->SetText("ten");
    click(form->button("kvSkinButton5"));
    EXPECT_EQ(errors, QStringList{"'ten' is not a valid floating point value"});
    EXPECT_TRUE(device->written.empty());
}

TEST_F(WindowCommands, ListsSendOnlyTheItemTheyShow)
{
    connect();
    // At start both lists show no item: "Save" sends nothing, although the
    // layout gives them start texts.
    click(form->button("kvSkinButton6"));
    click(form->button("kvSkinButton8"));
    EXPECT_TRUE(device->written.empty());

    form->comboBox("kvSkinComboBox2")->SetItemIndex(1);
    click(form->button("kvSkinButton6"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x01, 0x00, 0xAF}));

    device->written.clear();
    form->comboBox("kvSkinComboBox3")->SetItemIndex(0);
    form->comboBox("kvSkinComboBox3")->SetText("SBUS");
    click(form->button("kvSkinButton8"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x00, 0x00, 0xBB})) << "the shown item, not a text it does not show";
}

TEST_F(WindowCommands, LimitsThatWouldWrapAreRefusedWithTheirRange)
{
    connect();
    for (const char* typed : {"70000", "-1", "65536"}) {
        errors.clear();
        form->edit("kvSkinEdit44")->SetText(typed);
        click(form->button("kvSkinButton12"));
        ASSERT_EQ(errors.size(), 1) << typed;
        EXPECT_TRUE(errors[0].contains("from 0 to 5000")) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains("range limit")) << errors[0].toStdString();
    }
    errors.clear();
    form->edit("kvSkinEdit46")->SetText("99999");
    click(form->button("kvSkinButton13"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("height limit") && errors[0].contains("from 0 to 2500")) << errors[0].toStdString();
    EXPECT_TRUE(device->written.empty());
    EXPECT_TRUE(form->connected());
}

TEST_F(WindowCommands, AFailedWriteEndsTheConnectionWithAMessage)
{
    connect();
    device->failing.insert(serial::MemorySerialDevice::Operation::Write);
    click(form->button("kvSkinButton11"));
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(form->button("kvSkinButton2")->Caption(), "Connect");
    EXPECT_FALSE(form->Comm1()->PortOpen());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Command not sent\n")) << messages[0].toStdString();

    device->failing.clear();
    click(form->button("kvSkinButton2"));
    ASSERT_TRUE(form->connected());
    device->written.clear();
    click(form->button("kvSkinButton11"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x00, 0x00, 0xAA}));
}
