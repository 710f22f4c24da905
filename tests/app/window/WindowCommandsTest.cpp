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
        {"gyroGainSave", [&] { form->edit("gyroGainSetting")->SetText("24"); }, {0x55, 0x18, 0x00, 0xAC}},
        {"auxGainSave", [&] { form->edit("auxGainSetting")->SetText("6.8"); }, {0x55, 0x44, 0x00, 0xAB}},
        {"lowVoltageSave", [&] { form->edit("lowVoltageSetting")->SetText("10.5"); }, {0x55, 0x69, 0x00, 0xAE}},
        {"altitudeGainSave", [&] { form->edit("altitudeGainSetting")->SetText("11"); }, {0x55, 0x4C, 0x04, 0xAD}},
        {"airframeSave", [&] { form->comboBox("airframeList")->SetItemIndex(6); }, {0x55, 0x06, 0x00, 0xAF}},
        {"receiverSave", [&] { form->comboBox("receiverList")->SetItemIndex(1); }, {0x55, 0x01, 0x00, 0xBB}},
        {"startStickCalibrationButton", [] {}, {0x55, 0x01, 0x00, 0xBA}},
        {"stopStickCalibrationButton", [] {}, {0x55, 0x00, 0x00, 0xBA}},
        {"imuCalibrationButton", [] {}, {0x55, 0x00, 0x00, 0xAA}},
        {"rangeLimitSave", [&] { form->edit("rangeLimitSetting")->SetText("6000"); }, {0x66, 0x88, 0x13, 0xAA}},
        {"heightLimitSave", [&] { form->edit("heightLimitSetting")->SetText("500"); }, {0x66, 0xF4, 0x01, 0xAB}},
        {"rangeLimitSave", [&] { form->edit("rangeLimitSetting")->SetText("65535"); }, {0x66, 0x88, 0x13, 0xAA}},
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
    const WindowControls& controls = form->controls();
    for (skin::TkvSkinButton* save : {controls.auxGainSave, controls.altitudeGainSave, controls.lowVoltageSave,
             controls.airframeSave, controls.gyroGainSave, controls.receiverSave, controls.startStickCalibrationButton,
             controls.stopStickCalibrationButton, controls.imuCalibrationButton, controls.rangeLimitSave,
             controls.heightLimitSave})
        click(save);
    EXPECT_TRUE(device->written.empty());
    EXPECT_TRUE(messages.isEmpty());
    // The buffer was still filled: the last one written is the height limit.
    EXPECT_EQ(form->commandBuffer(), QByteArray("\x66\xF4\x01\xAB", 4));
}

TEST_F(WindowCommands, SliderMovesThenSaveSendsThePosition)
{
    connect();
    auto* lowVoltage = form->slider("lowVoltageSlider");
    lowVoltage->setFocus();
    lowVoltage->SetValue(122);
    QTest::keyClick(lowVoltage, Qt::Key_Right);
    EXPECT_EQ(lowVoltage->Value(), 123);
    EXPECT_EQ(text("lowVoltageSetting"), "12.3");
    click(form->button("lowVoltageSave"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x7B, 0x00, 0xAE}));
}

TEST_F(WindowCommands, TextThatIsNotANumberShowsTheErrorAndSendsNothing)
{
    connect();
    form->edit("rangeLimitSetting")->SetText("12a");
    click(form->button("rangeLimitSave"));
    EXPECT_EQ(errors, QStringList{"'12a' is not a valid integer value"});
    EXPECT_TRUE(device->written.empty());

    errors.clear();
    form->edit("lowVoltageSetting")->SetText("ten");
    click(form->button("lowVoltageSave"));
    EXPECT_EQ(errors, QStringList{"'ten' is not a valid floating point value"});
    EXPECT_TRUE(device->written.empty());
}

TEST_F(WindowCommands, ListsSendOnlyTheItemTheyShow)
{
    connect();
    // At start both lists show no item: "Save" sends nothing, although the
    // layout gives them start texts.
    click(form->button("airframeSave"));
    click(form->button("receiverSave"));
    EXPECT_TRUE(device->written.empty());

    form->comboBox("airframeList")->SetItemIndex(1);
    click(form->button("airframeSave"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x01, 0x00, 0xAF}));

    device->written.clear();
    form->comboBox("receiverList")->SetItemIndex(0);
    form->comboBox("receiverList")->SetText("SBUS");
    click(form->button("receiverSave"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x00, 0x00, 0xBB})) << "the shown item, not a text it does not show";
}

TEST_F(WindowCommands, LimitsThatWouldWrapAreRefusedWithTheirRange)
{
    connect();
    for (const char* typed : {"70000", "-1", "65536"}) {
        errors.clear();
        form->edit("rangeLimitSetting")->SetText(typed);
        click(form->button("rangeLimitSave"));
        ASSERT_EQ(errors.size(), 1) << typed;
        EXPECT_TRUE(errors[0].contains("from 0 to 5000")) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains("range limit")) << errors[0].toStdString();
    }
    errors.clear();
    form->edit("heightLimitSetting")->SetText("99999");
    click(form->button("heightLimitSave"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("height limit") && errors[0].contains("from 0 to 2500")) << errors[0].toStdString();
    EXPECT_TRUE(device->written.empty());
    EXPECT_TRUE(form->connected());
}

TEST_F(WindowCommands, AFailedWriteEndsTheConnectionWithAMessage)
{
    connect();
    device->failing.insert(serial::MemorySerialDevice::Operation::Write);
    click(form->button("imuCalibrationButton"));
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(form->button("connectButton")->Caption(), "Connect");
    EXPECT_FALSE(form->comm()->PortOpen());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Command not sent\n")) << messages[0].toStdString();

    device->failing.clear();
    click(form->button("connectButton"));
    ASSERT_TRUE(form->connected());
    device->written.clear();
    click(form->button("imuCalibrationButton"));
    EXPECT_EQ(device->written, (Bytes{0x55, 0x00, 0x00, 0xAA}));
}
