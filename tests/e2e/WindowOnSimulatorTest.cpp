#include "SimulatorProcess.h"

#include "app/window/MainWindow.h"
#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinSlider.h"

#include <QTest>

#include <gtest/gtest.h>

// The whole path: the window on fcsim's pseudo-terminal, a slider moved and
// "Save" clicked by mouse, the command seen by the simulator and its new
// value coming back through telemetry.
TEST(WindowOnSimulator, GyroGainSaveRoundTrip)
{
    QStringList messages;
    platform::ScopedMessageSink sink([&](const QString& text) { messages << text; });
    SimulatorProcess simulator;
    ASSERT_TRUE(simulator.started());

    MainWindowOptions options;
    options.link.ports = [&] { return QList<serial::PortEntry>{serial::portEntryForDevice(simulator.device())}; };
    MainWindow form(std::move(options));
    form.show();
    form.refreshClicked();
    QTest::mouseClick(form.button("connectButton"), Qt::LeftButton, {}, form.button("connectButton")->rect().center());
    ASSERT_TRUE(form.connected()) << messages.join('|').toStdString();

    auto* gain = form.edit("gyroGainReported");
    auto* slider = form.slider("gyroGainSlider");
    auto* setting = form.edit("gyroGainSetting");
    ASSERT_TRUE(waitFor([&] { return gain->Text() == "20.00"; }));
    EXPECT_EQ(slider->Value(), 20);
    EXPECT_EQ(setting->Text(), "20");

    // Lists showing no item and limits that would wrap send nothing.
    const auto clickOn = [](QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    };
    clickOn(form.button("airframeSave"));
    clickOn(form.button("receiverSave"));
    // The refusal is an error the application's error box shows.
    form.edit("rangeLimitSetting")->SetText("70000");
    EXPECT_THROW(clickOn(form.button("rangeLimitSave")), platform::EConvertError);
    form.edit("heightLimitSetting")->SetText("-1");
    EXPECT_THROW(clickOn(form.button("heightLimitSave")), platform::EConvertError);

    // Four steps right with the keyboard, then Save.
    slider->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(setting->Text(), "24");
    auto* save = form.button("gyroGainSave");
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());

    ASSERT_TRUE(waitFor([&] { return simulator.commandLines().contains("55 18 00 AC"); }));
    ASSERT_TRUE(waitFor([&] { return gain->Text() == "24.00"; }));
    EXPECT_EQ(slider->Value(), 24);
    EXPECT_EQ(setting->Text(), "24");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(simulator.commandLines(), QStringList{"55 18 00 AC"}) << "the only command that should have gone";
}
