#include "app/window/MainWindow.h"

#include "app/link/PortLister.h"
#include "app/link/TelemetryRecorder.h"
#include "app/widgets/ControlFactory.h"
#include "app/window/MainWindowLayout.h"
#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "platform/BmpCodec.h"
#include "platform/ClassicErrors.h"
#include "platform/Color.h"
#include "platform/TImage.h"
#include "protocol/CommandFrame.h"
#include "serial/PortNames.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/controls/TkvSkinStdLabel.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QEvent>
#include <QResource>

using namespace skin;
using layout::Kind;

namespace {

// Numbers rewritten more than ten times a second cannot be read, and each
// rewrite of the thirty fields (and the gauges and sliders that follow
// them) costs a paint of every one.
constexpr int kTextFrameMs = 100;

// The airframe strip travels inside the program, as a 24-bit BMP stored
// uncompressed, so it is decoded where it lies instead of copied first.
platform::BmpImage airframeStrip()
{
    const QByteArray bytes = QResource(QStringLiteral(":/assets/airframes.bmp")).uncompressedData();
    return bytes.isEmpty() ? platform::BmpImage() : platform::BmpImage::fromBytes(bytes);
}

// The link counts silence on the window's clock and writes numbers with
// the system's decimal separator, as the fields show them.
LinkOptions withClockAndSeparator(LinkOptions link, const MillisecondClock& clock)
{
    link.clock = clock;
    link.decimalSeparator = platform::DecimalSeparator();
    return link;
}

} // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QWidget(parent)
    , m_clock(options.link.clock ? options.link.clock : MillisecondClock(steadyMilliseconds))
    , m_portLister(new PortLister(options.link.ports, this))
    , m_link(new LinkController(withClockAndSeparator(std::move(options.link), m_clock), *this, this))
    , m_skinData(new TkvSkinData(this))
    , m_storedSkin(new TkvCompressedStoredSkin(this))
    , m_textPacer(new DisplayPacer(this, kTextFrameMs, m_clock, [this] { showLatestTexts(); }, "textFrame"))
{
    m_searchPortsInBackground = options.searchPortsInBackground;
    m_link->addListener(this);
    Q_INIT_RESOURCE(resources);
    m_settings = options.settings;
    pickStartSkin(options.skinFile);
    setWindowTitle(layoutText(layout::kCaption));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgb(platform::toQRgb(platform::clBtnFace)));
    setPalette(background);
    setAutoFillBackground(true);

    setUpFrame();
    buildControls();
    bindControlsToSkin();
    showStoredSkin();
    hookHandlers();
    hookPanelLinks();
    hookInstruments();
    hookLinkHealth();
    showStartValues();
    // A pilot starts by connecting; no field or lamp holds the focus.
    m_controls.connectButton->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

MainWindowOptions::MainWindowOptions() = default;
MainWindowOptions::~MainWindowOptions() = default;
MainWindowOptions::MainWindowOptions(MainWindowOptions&&) = default;
MainWindowOptions& MainWindowOptions::operator=(MainWindowOptions&&) = default;

void MainWindow::buildControls()
{
    for (const layout::Control& control : layout::controls()) {
        QWidget* parent = control.parent.empty() ? m_frame->ClientArea() : this->control(layoutText(control.parent));
        QWidget* widget = makeControl(control, parent);
        widget->setObjectName(layoutText(control.name));
    }
    m_controls.bind([this](const QString& name) { return control(name); });
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i)
        m_fields[static_cast<size_t>(i)] = edit(layoutText(layout::fieldControl(static_cast<protocol::TelemetryField>(i))));
    // Lamps of each group from the high end of the stick travel to the low end.
    m_ch5Lamps = {m_controls.manualLamp, m_controls.altitudeHoldLamp, m_controls.gpsHoldLamp};
    m_ch6Lamps = {m_controls.ch6OffLamp, m_controls.careFreeLamp, m_controls.comeHomeLamp};
    // The strip's place in the layout lies under the airframe picture.
    m_airframeStrip = airframeStrip();
    m_controls.airframePicture->raise();
}

void MainWindow::showStartValues()
{
    attitudeChanged(0, 0);
    headingChanged(0);
    airframeChanged(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The frame paints the window and keeps its paint events to itself;
    // this filter, installed after it, sees them first. What it starts
    // runs once the paint is done.
    if (watched == this && event->type() == QEvent::Paint)
        startQueuedPortSearch();
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Show)
        listPortsOnView();
    return QWidget::event(event);
}

QWidget* MainWindow::control(const QString& name) const { return findChild<QWidget*>(name); }

template <typename T>
static T* controlAs(const MainWindow& form, const QString& name)
{
    return dynamic_cast<T*>(form.control(name));
}

TkvSkinEdit* MainWindow::edit(const QString& name) const { return controlAs<TkvSkinEdit>(*this, name); }
TkvSkinButton* MainWindow::button(const QString& name) const { return controlAs<TkvSkinButton>(*this, name); }
TkvSkinComboBox* MainWindow::comboBox(const QString& name) const { return controlAs<TkvSkinComboBox>(*this, name); }
TkvSkinGauge* MainWindow::gauge(const QString& name) const { return controlAs<TkvSkinGauge>(*this, name); }
TkvSkinSlider* MainWindow::slider(const QString& name) const { return controlAs<TkvSkinSlider>(*this, name); }
platform::TImage* MainWindow::image(const QString& name) const { return controlAs<platform::TImage>(*this, name); }
