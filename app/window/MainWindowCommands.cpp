// Save, calibration and limit buttons: each builds its frame in the shared
// command buffer and sends it only while connected.

#include "app/window/MainWindow.h"

#include "app/window/CommandArguments.h"
#include "protocol/CommandFrame.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"

using namespace protocol;

void MainWindow::hookHandlers()
{
    const auto hook = [this](skin::TkvSkinButton* button, void (MainWindow::*handler)()) {
        button->OnClick = [this, handler](QObject*) { (this->*handler)(); };
    };
    hook(m_controls.refreshButton, &MainWindow::refreshClicked);
    hook(m_controls.connectButton, &MainWindow::connectClicked);
    hook(m_controls.auxGainSave, &MainWindow::auxGainSaveClicked);
    hook(m_controls.altitudeGainSave, &MainWindow::altitudeGainSaveClicked);
    hook(m_controls.lowVoltageSave, &MainWindow::lowVoltageSaveClicked);
    hook(m_controls.airframeSave, &MainWindow::airframeSaveClicked);
    hook(m_controls.gyroGainSave, &MainWindow::gyroGainSaveClicked);
    hook(m_controls.receiverSave, &MainWindow::receiverSaveClicked);
    hook(m_controls.startStickCalibrationButton, &MainWindow::startStickCalibrationClicked);
    hook(m_controls.stopStickCalibrationButton, &MainWindow::stopStickCalibrationClicked);
    hook(m_controls.imuCalibrationButton, &MainWindow::imuCalibrationClicked);
    hook(m_controls.rangeLimitSave, &MainWindow::rangeLimitSaveClicked);
    hook(m_controls.heightLimitSave, &MainWindow::heightLimitSaveClicked);
    m_controls.portList->OnClick = [this](QObject*) { showPortLocation(); };
}

void MainWindow::sendCommand(Command command, uint16_t argument)
{
    m_link->send(command, argument);
}

void MainWindow::sendListCommand(const skin::TkvSkinComboBox& list, bool airframe, Command command)
{
    // Only the item the list shows is sent: a text the list does not show
    // (its start text) must never reach the controller.
    const int shown = list.ItemIndex();
    if (shown < 0 || shown >= list.Items().size())
        return;
    if (const auto index = commands::listIndex(list.Items().at(shown), airframe))
        sendCommand(command, *index);
}

void MainWindow::gyroGainSaveClicked()
{
    sendCommand(Command::GyroGain, commands::scaledArgument(m_controls.gyroGainSetting->Text(), 1));
}

void MainWindow::auxGainSaveClicked()
{
    sendCommand(Command::AuxGain, commands::scaledArgument(m_controls.auxGainSetting->Text(), 10));
}

void MainWindow::altitudeGainSaveClicked()
{
    sendCommand(Command::AltGain, commands::scaledArgument(m_controls.altitudeGainSetting->Text(), 100));
}

void MainWindow::lowVoltageSaveClicked()
{
    sendCommand(Command::LowVoltage, commands::scaledArgument(m_controls.lowVoltageSetting->Text(), 10));
}

void MainWindow::airframeSaveClicked()
{
    sendListCommand(*m_controls.airframeList, true, Command::Airframe);
}

void MainWindow::receiverSaveClicked()
{
    sendListCommand(*m_controls.receiverList, false, Command::Receiver);
}

void MainWindow::startStickCalibrationClicked()
{
    sendCommand(Command::StickCalibration, 1);
}

void MainWindow::stopStickCalibrationClicked()
{
    sendCommand(Command::StickCalibration, 0);
}

void MainWindow::imuCalibrationClicked()
{
    sendCommand(Command::ImuCalibration, 0);
}

void MainWindow::rangeLimitSaveClicked()
{
    sendCommand(Command::RangeLimit,
        commands::limitArgument(m_controls.rangeLimitSetting->Text(), kMaxRangeLimit, QStringLiteral("range limit")));
}

void MainWindow::heightLimitSaveClicked()
{
    sendCommand(Command::HeightLimit,
        commands::limitArgument(m_controls.heightLimitSetting->Text(), kMaxHeightLimit, QStringLiteral("height limit")));
}
