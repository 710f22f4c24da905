// Save, calibration and limit buttons: each builds its frame in the shared
// command buffer and sends it only while connected.

#include "app/Unit1.h"

#include "app/CommandArguments.h"
#include "protocol/CommandFrame.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"

using namespace protocol;

void TForm1::hookHandlers()
{
    const auto hook = [this](skin::TkvSkinButton* button, void (TForm1::*handler)()) {
        button->OnClick = [this, handler](QObject*) { (this->*handler)(); };
    };
    hook(m_controls.kvSkinButton1, &TForm1::kvSkinButton1Click);
    hook(m_controls.kvSkinButton2, &TForm1::kvSkinButton2Click);
    hook(m_controls.kvSkinButton3, &TForm1::kvSkinButton3Click);
    hook(m_controls.kvSkinButton4, &TForm1::kvSkinButton4Click);
    hook(m_controls.kvSkinButton5, &TForm1::kvSkinButton5Click);
    hook(m_controls.kvSkinButton6, &TForm1::kvSkinButton6Click);
    hook(m_controls.kvSkinButton7, &TForm1::kvSkinButton7Click);
    hook(m_controls.kvSkinButton8, &TForm1::kvSkinButton8Click);
    hook(m_controls.kvSkinButton9, &TForm1::kvSkinButton9Click);
    hook(m_controls.kvSkinButton10, &TForm1::kvSkinButton10Click);
    hook(m_controls.kvSkinButton11, &TForm1::kvSkinButton11Click);
    hook(m_controls.kvSkinButton12, &TForm1::kvSkinButton12Click);
    hook(m_controls.kvSkinButton13, &TForm1::kvSkinButton13Click);
    m_controls.kvSkinComboBox1->OnClick = [this](QObject*) { showPortLocation(); };
}

void TForm1::sendCommand(Command command, uint16_t argument)
{
    m_link->send(command, argument);
}

void TForm1::sendListCommand(const skin::TkvSkinComboBox& list, bool airframe, Command command)
{
    // Only the item the list shows is sent: a text the list does not show
    // (its start text) must never reach the controller.
    const int shown = list.ItemIndex();
    if (shown < 0 || shown >= list.Items().size())
        return;
    if (const auto index = commands::listIndex(list.Items().at(shown), airframe))
        sendCommand(command, *index);
}

void TForm1::kvSkinButton7Click()
{
    sendCommand(Command::GyroGain, commands::scaledArgument(m_controls.kvSkinEdit23->Text(), 1));
}

void TForm1::kvSkinButton3Click()
{
    sendCommand(Command::AuxGain, commands::scaledArgument(m_controls.kvSkinEdit8->Text(), 10));
}

void TForm1::kvSkinButton4Click()
{
    sendCommand(Command::AltGain, commands::scaledArgument(m_controls.kvSkinEdit14->Text(), 100));
}

void TForm1::kvSkinButton5Click()
{
    sendCommand(Command::LowVoltage, commands::scaledArgument(m_controls.kvSkinEdit16->Text(), 10));
}

void TForm1::kvSkinButton6Click()
{
    sendListCommand(*m_controls.kvSkinComboBox2, true, Command::Airframe);
}

void TForm1::kvSkinButton8Click()
{
    sendListCommand(*m_controls.kvSkinComboBox3, false, Command::Receiver);
}

void TForm1::kvSkinButton9Click()
{
    sendCommand(Command::StickCalibration, 1);
}

void TForm1::kvSkinButton10Click()
{
    sendCommand(Command::StickCalibration, 0);
}

void TForm1::kvSkinButton11Click()
{
    sendCommand(Command::ImuCalibration, 0);
}

void TForm1::kvSkinButton12Click()
{
    sendCommand(Command::RangeLimit,
        commands::limitArgument(m_controls.kvSkinEdit44->Text(), kMaxRangeLimit, QStringLiteral("range limit")));
}

void TForm1::kvSkinButton13Click()
{
    sendCommand(Command::HeightLimit,
        commands::limitArgument(m_controls.kvSkinEdit46->Text(), kMaxHeightLimit, QStringLiteral("height limit")));
}
