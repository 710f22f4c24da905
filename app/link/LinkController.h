#pragma once

#include "app/link/DisplayPacer.h"
#include "app/link/FrameFreshness.h"
#include "app/link/FrameHistory.h"
#include "app/link/LatestTelemetry.h"
#include "app/link/LinkState.h"
#include "app/link/PortLister.h"
#include "app/link/SteadyClock.h"
#include "protocol/CommandFrame.h"
#include "protocol/TelemetryDecoder.h"
#include "serial/PortNames.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTimer;
class TelemetryRecorder;

namespace serial {
class SerialDriver;
class TComm;
}

// What the views of the link hear, each after the change.
class LinkListener {
public:
    virtual ~LinkListener() = default;

    virtual void linkStateChanged(LinkState /*state*/) {}
    // What is stale, how long the link has been silent, or why a device
    // that came back does not open.
    virtual void linkHealthChanged() {}
    // The view has been handed the newest decoded values.
    virtual void telemetryHandedOver() {}
    // What the pilot must be told: a device lost with nobody waiting for
    // it, a command that did not go out.
    virtual void linkProblem(const QString& /*message*/) {}
    virtual void recordingChanged(bool /*recording*/) {}
};

struct LinkOptions {
    LinkOptions();
    ~LinkOptions();
    LinkOptions(LinkOptions&&);
    LinkOptions& operator=(LinkOptions&&);

    // The platform's driver when none.
    std::unique_ptr<serial::SerialDriver> driver;
    // The system's ports when none.
    PortLister::Listing ports;
    // A recording under way from the start (none: no recording).
    std::unique_ptr<TelemetryRecorder> recorder;
    // The system's steady clock when none.
    MillisecondClock clock;
    char decimalSeparator = '.';
};

// The link to the flight controller, without a window: the serial
// component, the link's state and its transitions, the watch for a device
// that went away, the freshness of every frame type, the recording and the
// history of frames. The newest decoded values go to the telemetry sink it
// is given at most once a frame of the display; what happens to the link
// goes to its listeners.
class LinkController : public QObject, private protocol::TelemetrySink {
public:
    LinkController(LinkOptions options, protocol::TelemetrySink& view, QObject* parent = nullptr);
    ~LinkController() override;

    void addListener(LinkListener* listener) { m_listeners.push_back(listener); }

    LinkState state() const { return m_state; }
    bool connected() const { return portHeld(m_state); }
    // Opens port; what went wrong when it did not open (the link stays
    // closed).
    std::optional<QString> connectTo(const serial::PortEntry& port);
    void disconnect();
    // The port connected to, or waited for.
    const serial::PortEntry& port() const { return m_port; }
    bool reconnectsAutomatically() const { return m_reconnect == Reconnect::On; }
    void setReconnectAutomatically(bool on);
    // Why the device, back, did not open at the last try (empty: not back).
    const QString& returnProblem() const { return m_returnProblem; }

    // The frame types whose values are old: every one while the link is
    // silent or the device is gone.
    FrameFreshness::Types staleTypes() const { return m_staleTypes; }
    int64_t silentMs() const { return m_silentMs; }

    // Writes the command into the command buffer and sends it while
    // connected. False when it was not sent: not connected, or the device
    // did not take it (then the link is closed and the listeners told).
    bool send(protocol::Command command, uint16_t argument);
    const QByteArray& commandBuffer() const { return m_commandBuffer; }

    // Records what is received into file from now on; what went wrong when
    // the file cannot be created.
    std::optional<QString> startRecording(const QString& file);
    void stopRecording();
    bool recording() const { return m_recorder != nullptr; }

    const FrameHistory& history() const { return m_history; }
    // Microseconds since the controller was made: the history's clock.
    int64_t historyTimeUs() const;
    const protocol::LinkCounters& counters() const { return m_decoder.counters(); }
    char decimalSeparator() const { return m_decoder.decimalSeparator(); }
    const MillisecondClock& clock() const { return m_clock; }
    serial::TComm& comm() { return *m_comm; }

private:
    void apply(LinkEvent event);
    void run(LinkActions actions);
    void receive();
    // Looks at the link's freshness and tells the listeners what changed.
    void checkHealth();
    void setHealth(FrameFreshness::Types stale, int64_t silentMs);
    void handOverTelemetry();
    void lookForReturnedDevice();
    void tryReturnedDevice(const QString& location);
    template <typename Call>
    void tell(Call call);

    void frameStarted(uint8_t type) override;
    void frameDecoded(const protocol::FrameBytes& frame) override;
    void attitudeChanged(double rollRadians, double pitchRadians) override;
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override;
    void headingChanged(double headingRadians) override;
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit) override;
    void airframeChanged(int index) override;

    protocol::TelemetrySink& m_view;
    MillisecondClock m_clock;
    serial::TComm* m_comm;
    PortLister* m_returnLister;
    protocol::TelemetryDecoder m_decoder;
    LatestTelemetry m_latest;
    DisplayPacer* m_viewPacer;
    std::unique_ptr<TelemetryRecorder> m_recorder;
    std::vector<LinkListener*> m_listeners;
    LinkState m_state = LinkState::Closed;
    Reconnect m_reconnect = Reconnect::On;
    serial::PortEntry m_port;
    QByteArray m_commandBuffer;
    FrameFreshness m_freshness;
    FrameFreshness::Types m_staleTypes;
    int64_t m_silentMs = 0;
    // When the batch being decoded was read.
    int64_t m_batchMs = 0;
    QTimer* m_healthTimer;
    QTimer* m_returnTimer;
    int m_returnChecks = 0;
    QString m_returnProblem;
    FrameHistory m_history;
    int64_t m_historyStartMs = 0;
};
