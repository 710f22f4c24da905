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
    const auto hook = [this](const char* name, void (TForm1::*handler)()) {
        button(name)->OnClick = [this, handler](QObject*) { (this->*handler)(); };
    };
    hook("kvSkinButton1", &TForm1::kvSkinButton1Click);
    hook("kvSkinButton2", &TForm1::kvSkinButton2Click);
    hook("kvSkinButton3", &TForm1::kvSkinButton3Click);
    hook("kvSkinButton4", &TForm1::kvSkinButton4Click);
    hook("kvSkinButton5", &TForm1::kvSkinButton5Click);
    hook("kvSkinButton6", &TForm1::kvSkinButton6Click);
    hook("kvSkinButton7", &TForm1::kvSkinButton7Click);
    hook("kvSkinButton8", &TForm1::kvSkinButton8Click);
    hook("kvSkinButton9", &TForm1::kvSkinButton9Click);
    hook("kvSkinButton10", &TForm1::kvSkinButton10Click);
    hook("kvSkinButton11", &TForm1::kvSkinButton11Click);
    hook("kvSkinButton12", &TForm1::kvSkinButton12Click);
    hook("kvSkinButton13", &TForm1::kvSkinButton13Click);
    m_comm->OnReceiveData = [this](serial::TComm*) { Comm1ReceiveData(); };
    m_comm->OnDeviceLost = [this](serial::TComm*) { connectionLost(); };
}

void TForm1::sendCommand(uint8_t header, uint16_t argument, uint8_t code)
{
    m_commandBuffer[0] = static_cast<char>(header);
    m_commandBuffer[1] = static_cast<char>(argument & 0xFF);
    m_commandBuffer[2] = static_cast<char>(argument >> 8);
    m_commandBuffer[3] = static_cast<char>(code);
    if (m_connected)
        m_comm->OutputByte(m_commandBuffer);
}

void TForm1::sendListCommand(const QString& text, bool airframe, uint8_t code)
{
    // Byte 1 is written only for a listed name; nothing goes out for an
    // empty list text.
    m_commandBuffer[0] = static_cast<char>(kParameterHeader);
    if (const auto index = commands::listIndex(text, airframe))
        m_commandBuffer[1] = static_cast<char>(*index);
    m_commandBuffer[2] = 0;
    m_commandBuffer[3] = static_cast<char>(code);
    if (m_connected && !text.isEmpty())
        m_comm->OutputByte(m_commandBuffer);
}

void TForm1::kvSkinButton7Click()
{
    sendCommand(kParameterHeader, commands::scaledArgument(edit("kvSkinEdit23")->Text(), 1), kGyroGainCode);
}

void TForm1::kvSkinButton3Click()
{
    sendCommand(kParameterHeader, commands::scaledArgument(edit("kvSkinEdit8")->Text(), 10), kAuxGainCode);
}

void TForm1::kvSkinButton4Click()
{
    sendCommand(kParameterHeader, commands::scaledArgument(edit("kvSkinEdit14")->Text(), 100), kAltGainCode);
}

void TForm1::kvSkinButton5Click()
{
    sendCommand(kParameterHeader, commands::scaledArgument(edit("kvSkinEdit16")->Text(), 10), kLowVoltageCode);
}

void TForm1::kvSkinButton6Click()
{
    sendListCommand(comboBox("kvSkinComboBox2")->Text(), true, kAirframeCode);
}

void TForm1::kvSkinButton8Click()
{
    sendListCommand(comboBox("kvSkinComboBox3")->Text(), false, kReceiverCode);
}

void TForm1::kvSkinButton9Click()
{
    sendCommand(kParameterHeader, 1, kStickCalibrationCode);
}

void TForm1::kvSkinButton10Click()
{
    sendCommand(kParameterHeader, 0, kStickCalibrationCode);
}

void TForm1::kvSkinButton11Click()
{
    sendCommand(kParameterHeader, 0, kImuCalibrationCode);
}

void TForm1::kvSkinButton12Click()
{
    sendCommand(kLimitHeader, commands::limitArgument(edit("kvSkinEdit44")->Text(), kMaxRangeLimit), kRangeLimitCode);
}

void TForm1::kvSkinButton13Click()
{
    sendCommand(kLimitHeader, commands::limitArgument(edit("kvSkinEdit46")->Text(), kMaxHeightLimit), kHeightLimitCode);
}
