#pragma once

#include "app/link/DisplayPacer.h"
#include "app/link/LinkController.h"
#include "app/window/WindowControls.h"
#include "platform/BmpCodec.h"
#include "platform/Color.h"
#include "protocol/CommandFrame.h"
#include "protocol/TelemetryDecoder.h"
#include "serial/PortNames.h"
#include "skin/data/SkinTypes.h"

#include <QByteArray>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LinkStatisticsWindow;
class PlotsWindow;
class PortLister;
class QSettings;
class TelemetryRecorder;

namespace platform {
class Dimmable;
class TCanvas;
class TImage;
}
namespace skin {
class TkvCompressedStoredSkin;
class TkvSkinButton;
class TkvSkinComboBox;
class TkvSkinData;
class TkvSkinEdit;
class TkvSkinGauge;
class TkvSkinSlider;
class TkvSorvane;
class TkvMenuItem;
}

// What the window is started with: the link's options (the serial driver,
// where the port list comes from, a recorder, the clock that also paces
// the repaints) and the window's own.
struct MainWindowOptions {
    MainWindowOptions();
    ~MainWindowOptions();
    MainWindowOptions(MainWindowOptions&&);
    MainWindowOptions& operator=(MainWindowOptions&&);

    LinkOptions link;
    // A ".skn" file or a skin folder used instead of the built-in skin.
    QString skinFile;
    // The first activation asks the system for its ports on a thread of its
    // own, and the list follows when the answer comes: it takes tens of
    // milliseconds, which the first picture need not wait for.
    bool searchPortsInBackground = false;
    // Where the choices of the system menu (the skin, reconnecting
    // automatically) are remembered for the next start (none: nothing is
    // remembered or read back).
    QSettings* settings = nullptr;
};

// The main window: eight panels of controls built from the layout table,
// the serial component, the telemetry decoder and the command handlers.
class MainWindow : public QWidget, private protocol::TelemetrySink, private LinkListener {
public:
    explicit MainWindow(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Controls by their layout name, for tests and tools that look at the
    // window; nullptr for an unknown name or kind. The window itself works
    // with its typed members.
    skin::TkvSkinEdit* edit(const QString& name) const;
    skin::TkvSkinButton* button(const QString& name) const;
    skin::TkvSkinComboBox* comboBox(const QString& name) const;
    skin::TkvSkinGauge* gauge(const QString& name) const;
    skin::TkvSkinSlider* slider(const QString& name) const;
    platform::TImage* image(const QString& name) const;
    QWidget* control(const QString& name) const;
    // The controls the window works with, typed.
    const WindowControls& controls() const { return m_controls; }

    serial::TComm* comm() const { return &m_link->comm(); }
    LinkController& link() const { return *m_link; }
    skin::TkvSkinData* skinData() const { return m_skinData; }
    skin::TkvCompressedStoredSkin* storedSkin() const { return m_storedSkin; }
    skin::TkvSorvane* frame() const { return m_frame; }
    // Loads a built-in skin by name ("Graphite", "Daylight") or a skin file
    // and remembers the choice; false (with a message) when it cannot be used.
    bool chooseSkin(const QString& choice);
    // Records what is received into file from now on (the system menu's
    // "Record telemetry…"); false with a message naming the file when it
    // cannot be created. stopRecording ends any recording.
    bool startRecording(const QString& file);
    void stopRecording();
    bool recording() const { return m_link->recording(); }
    bool connected() const { return m_link->connected(); }
    // The device went away while connected; the window waits for it to
    // come back and connects again (the system menu's "Reconnect
    // automatically", on unless the pilot turned it off).
    bool waitingForDevice() const { return m_link->state() == LinkState::WaitingForDevice; }
    bool reconnectsAutomatically() const { return m_link->reconnectsAutomatically(); }
    void setReconnectAutomatically(bool on);
    // The frame types whose controls show their values as stale.
    FrameFreshness::Types staleTypesShown() const { return m_dimmedTypes; }
    const protocol::LinkCounters& linkCounters() const { return m_link->counters(); }
    // The small window of link statistics ("Link statistics…").
    void showLinkStatistics();
    // The plots window ("Plots…", --plots); its graphs draw from the
    // history the window keeps whether it is open or not.
    PlotsWindow* showPlots();
    // The attitude and heading indicators: what a window opened beside this
    // one must leave in view.
    std::vector<const QWidget*> instruments() const;
    const FrameHistory& history() const { return m_link->history(); }
    const QByteArray& commandBuffer() const { return m_link->commandBuffer(); }

    // Handlers, named after their component and event.
    void showStartValues();
    void frameActivated();
    void paintUserObject(const QString& IDName, platform::TCanvas& Canvas, const skin::TRect& ObjectRect);
    void refreshClicked();
    void connectClicked();
    void auxGainSaveClicked();
    void altitudeGainSaveClicked();
    void lowVoltageSaveClicked();
    void airframeSaveClicked();
    void gyroGainSaveClicked();
    void receiverSaveClicked();
    void startStickCalibrationClicked();
    void stopStickCalibrationClicked();
    void imuCalibrationClicked();
    void rangeLimitSaveClicked();
    void heightLimitSaveClicked();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame: configured as the layout stores it, with the skin entries
    // at the end of its system menu.
    void setUpFrame();
    void buildSkinMenu();
    void updateRecordingEntries();
    void buildControls();
    // Binds the controls the layout binds to the skin data.
    void bindControlsToSkin();
    // Puts a built-in skin (by name) or a skin file into the stored skin;
    // what is wrong when it cannot be used, leaving the stored skin as it was.
    std::optional<QString> storeSkin(const QString& choice);
    // Picks the skin named on the command line, else the one chosen last
    // time, else the one the window carries, and has it unpacked while the
    // controls are built.
    void pickStartSkin(const QString& skinFile);
    // The one way a skin reaches the window: the stored skin is loaded into
    // the skin data, which the frame and the controls draw from, and the
    // lamps, the graphs and the system menu follow it.
    void showStoredSkin();
    void hookHandlers();
    void hookPanelLinks();
    void hookInstruments();
    // Each activation lists the ports, and so does showing the window: a
    // desktop may keep a new window inactive until it is clicked.
    void listPortsOnView();
    void fillPortList();
    // The first search, queued until the window's first picture is painted.
    void startQueuedPortSearch();
    void showPorts(const QList<serial::PortEntry>& ports);
    void showPortLocation();

    // The link's side: the connect button's caption shows its state
    // ("DisConnect" also while waiting, to stop the wait); what is stale is
    // dimmed, and the caption says why.
    void linkStateChanged(LinkState state) override;
    void linkHealthChanged() override;
    void telemetryHandedOver() override;
    void linkProblem(const QString& message) override;
    void recordingChanged(bool recording) override;
    void hookLinkHealth();
    void addLinkSystemMenuEntries();
    void showStaleTypes(FrameFreshness::Types stale);
    // What the caption adds to the window's name: silence or a wait.
    QString linkNote() const;
    void setCaptionNote(const QString& note);
    // Sends the command while connected.
    void sendCommand(protocol::Command command, uint16_t argument);
    // Sends the item the list shows; nothing while it shows none.
    void sendListCommand(const skin::TkvSkinComboBox& list, bool airframe, protocol::Command command);

    void attitudeChanged(double rollRadians, double pitchRadians) override;
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override;
    void showLatestTexts();
    // Now, or when the next picture is due.
    void showTextsAtPicturePace();
    void headingChanged(double headingRadians) override;
    void flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit) override;
    // Colours the group's lamps in the skin's lamp colours.
    void showLitLamp(protocol::ModeSwitch group);
    // The skin's lamp colours, read when a skin is loaded.
    void takeLampColours();
    // Checks the system menu's entry of the skin in use.
    void markSkinInUse();
    void airframeChanged(int index) override;

    WindowControls m_controls;
    // What telemetry writes to, looked up once.
    std::array<skin::TkvSkinEdit*, protocol::kTelemetryFieldCount> m_fields{};
    // A read carries a dozen frames of each kind and the screen shows twenty
    // pictures a second: the fields take the latest text of each at most
    // once a picture.
    std::array<std::string, protocol::kTelemetryFieldCount> m_latestTexts;
    std::bitset<protocol::kTelemetryFieldCount> m_textsWaiting;
    std::array<skin::TkvSkinEdit*, 3> m_ch5Lamps{};
    std::array<skin::TkvSkinEdit*, 3> m_ch6Lamps{};
    // The lit lamp of each group, CH5 then CH6; none before the first frame.
    std::array<std::optional<protocol::ModeLamp>, 2> m_litLamps;
    // The skin's lamp colours, looked up when the skin changes: channel
    // frames light the lamps a hundred times a second.
    platform::TColor m_litLampColour = platform::clRed;
    platform::TColor m_unlitLampColour = platform::clBlack;
    // The airframe pictures side by side, kept as stored; a cell is
    // decoded when it is shown.
    platform::BmpImage m_airframeStrip;
    // The latest angles; the instruments draw them when they are painted.
    double m_roll = 0;
    double m_pitch = 0;
    double m_headingAngle = 0;
    int m_airframeShown = -1;
    MillisecondClock m_clock;
    // Built before the link, which takes the options' port listing over.
    PortLister* m_portLister;
    LinkController* m_link;
    skin::TkvSkinData* m_skinData = nullptr;
    skin::TkvCompressedStoredSkin* m_storedSkin = nullptr;
    skin::TkvSorvane* m_frame = nullptr;
    std::unique_ptr<skin::TkvMenuItem> m_systemMenuTail;
    QSettings* m_settings = nullptr;
    // The devices behind the port list's items, in the list's order.
    QList<serial::PortEntry> m_ports;
    bool m_searchPortsInBackground = false;
    bool m_portSearchQueued = false;
    // The controls each frame type feeds.
    std::array<std::vector<platform::Dimmable*>, protocol::kFrameTypeCount> m_typeViews;
    FrameFreshness::Types m_dimmedTypes;
    // The built-in skin's name or the skin file the window wears.
    QString m_skinInUse;
    QString m_captionNote;
    QPointer<LinkStatisticsWindow> m_statisticsWindow;
    QPointer<PlotsWindow> m_plotsWindow;
    // Painting is held to the display's pace, not the telemetry's, and so
    // are the texts of the fields.
    DisplayPacer* m_textPacer;
};
