#pragma once

#include "serial/SerialDriver.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace serial {

enum TComPortNumber : uint8_t {
    pnCOM1, pnCOM2, pnCOM3, pnCOM4, pnCOM5, pnCOM6, pnCOM7, pnCOM8,
    pnCOM9, pnCOM10, pnCOM11, pnCOM12, pnCOM13, pnCOM14, pnCOM15, pnCOM16,
};
enum THwHandShaking : uint8_t { hhNone, hhNoneRTSON, hhRTSCTS };
enum TSwHandShaking : uint8_t { shNone, shXonXoff };
enum TDataBits : uint8_t { DB5, DB6, DB7, DB8 };
enum TParity : uint8_t { None, Odd, Even, Mark, Space };
enum TStopBits : uint8_t { SB1, SB1_5, SB2 };
using TBaudRate = int32_t;

// Modem-line weights in CommEvent.
enum CommEventFlag : uint32_t {
    EV_CTS = 0x08,
    EV_DSR = 0x10,
    EV_RLSD = 0x20,
    EV_RING = 0x100,
};

inline constexpr int kReadBufferSize = 4096;
inline constexpr int kPollIntervalMs = 10;

// The serial port component: opens one port, polls it every 10 ms on the
// user-interface thread, raises events for waiting data, modem lines and
// line errors, and reads and writes bytes with plain blocking calls.
class TComm : public QObject {
public:
    using NotifyEvent = std::function<void(TComm* Sender)>;
    using MaskEvent = std::function<void(TComm* Sender, uint32_t EventMask)>;

    explicit TComm(QObject* owner = nullptr, std::unique_ptr<SerialDriver> driver = nullptr);
    ~TComm() override;

    TComPortNumber CommPort() const { return m_commPort; }
    // Takes effect at the next open; forgets a device path given before.
    void SetCommPort(TComPortNumber port);
    // Opens this device (a system name from the port list) instead of the
    // numbered port; an empty path returns to the number.
    void SetDevicePath(const QString& path);
    QString DevicePath() const { return m_devicePath; }
    // The device the next open uses.
    QString deviceName() const;

    TBaudRate BaudRate() const { return m_baudRate; }
    void SetBaudRate(TBaudRate value);
    THwHandShaking GetHwHandShaking() const { return m_hwHandShaking; }
    void SetHwHandShaking(THwHandShaking value);
    TSwHandShaking GetSwHandShaking() const { return m_swHandShaking; }
    void SetSwHandShaking(TSwHandShaking value);
    TDataBits DataBits() const { return m_dataBits; }
    void SetDataBits(TDataBits value);
    TParity Parity() const { return m_parity; }
    void SetParity(TParity value);
    TStopBits StopBits() const { return m_stopBits; }
    void SetStopBits(TStopBits value);

    uint32_t CommEvent() const { return m_commEvent; }
    uint32_t CommError() const { return m_commError; }
    int32_t InputLen() const { return m_inputLen; }
    void SetInputLen(int32_t value) { m_inputLen = value; }
    int32_t RThreshold() const { return m_rThreshold; }
    void SetRThreshold(int32_t value) { m_rThreshold = value; }
    bool CDHolding() const { return m_cdHolding; }
    bool DSRHolding() const { return m_dsrHolding; }
    bool RIHolding() const { return m_riHolding; }
    bool CTSHolding() const { return m_ctsHolding; }

    void SetPortOpen(bool open);
    // Opens the port as SetPortOpen(true) does, but says what went wrong
    // instead of showing it: for retries nobody asked for.
    std::optional<QString> TryOpen();
    // True while a port is open and polled.
    bool PortOpen() const { return m_opened; }

    bool OutputByte(const QByteArray& bytes);
    bool OutputString(const QString& text);
    QByteArray ReadInputByte();
    QString Input();
    uint32_t ReadInDataCount();
    void SetInDataCount(uint32_t count);
    bool GetDTRStatus() const { return m_dtrStatus; }
    void SetDTRStatus(bool on);
    bool GetRTSStatus() const { return m_rtsStatus; }
    void SetRTSStatus(bool on);

    // One poll tick; the timer calls it every 10 ms while a port is open.
    // Public so that tests drive ticks without waiting.
    void ProcTimer();
    bool pollTimerActive() const;
    int pollInterval() const;

    NotifyEvent OnReceiveData;
    MaskEvent OnReceiveError;
    MaskEvent OnModemStateChange;
    // The device stopped answering while open (for instance it was
    // unplugged): the component has closed it and stopped polling.
    NotifyEvent OnDeviceLost;

private:
    std::optional<QString> OpenComm();
    void _SetCommState();
    void CloseComm();
    void GetModemState();
    void ReadProcess();
    void ReceiveData();
    void ModemStateChange(uint32_t mask);
    void ReceiveError(uint32_t mask);

    bool queryStatus(CommStatus& status);
    void loseDevice();
    void applyStateIfOpen();
    void updateLine(bool on, bool& flag, uint32_t weight);
    QString openFailureText(const OpenResult& result) const;

    std::unique_ptr<SerialDriver> m_driver;
    QTimer* m_timer = nullptr;
    std::array<uint8_t, kReadBufferSize> m_readBuffer{};
    bool m_handle = false;
    bool m_lost = false;
    TComPortNumber m_commPort = pnCOM1;
    QString m_devicePath;
    bool m_opened = false;
    TBaudRate m_baudRate = 9600;
    bool m_parityInUse = false;
    THwHandShaking m_hwHandShaking = hhNone;
    TSwHandShaking m_swHandShaking = shNone;
    TDataBits m_dataBits = DB8;
    TParity m_parity = None;
    TStopBits m_stopBits = SB1;
    int32_t m_inputLen = 0;
    int32_t m_rThreshold = 0;
    bool m_dtrStatus = false;
    bool m_rtsStatus = false;
    QByteArray m_input;
    uint32_t m_commEvent = 0;
    uint32_t m_commError = 0;
    bool m_cdHolding = false;
    bool m_ctsHolding = false;
    bool m_dsrHolding = false;
    bool m_riHolding = false;
};

} // namespace serial
