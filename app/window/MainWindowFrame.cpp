// The window's frame: its settings as the layout stores them, the handler
// of its user-drawn objects, and the skin entries of its system menu.

#include "app/window/MainWindow.h"

#include "app/link/TelemetryRecorder.h"
#include "app/widgets/SaveFileDialog.h"
#include "app/window/MainWindowLayout.h"
#include "app/window/WindowSkin.h"
#include "platform/BmpCodec.h"
#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QFileDialog>

using namespace skin;

void MainWindow::setUpFrame()
{
    m_frame = new TkvSorvane(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->SetBorderIcons({TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize, TkvBorderIcon::biRollUp});
    m_frame->UseDefaultSysMenu = true;
    m_frame->SetAlphaBlend(false);
    m_frame->AlphaBlendAnimation = true;
    m_frame->SetAlphaBlendValue(200);
    m_frame->Magnetic = false;
    m_frame->MagneticSize = 5;
    m_frame->SetShowIcon(false);
    m_frame->SetDefMenuItemHeight(20);
    // A dialog frame: the layout is fixed, so the client keeps its size
    // under every skin.
    m_frame->SetSizeable(false);
    m_frame->SetClientWidth(layout::kClientWidth);
    m_frame->SetClientHeight(layout::kClientHeight);
    m_frame->OnPaintEvent = [this](const QString& IDName, platform::TCanvas& Canvas, const TRect& ObjectRect) {
        paintUserObject(IDName, Canvas, ObjectRect);
    };
    m_frame->OnActivate = [this](QObject*) { frameActivated(); };
    buildSkinMenu();
    m_frame->SetSkinData(m_skinData);
}

void MainWindow::paintUserObject(const QString&, platform::TCanvas&, const TRect&)
{
    // The picture is read and let go; nothing is drawn with it. So a missing
    // or damaged file is nothing to report, and must not cost the frame the
    // rest of its paint.
    try {
        platform::BmpImage::loadFromFile(QStringLiteral("carbon.bmp"));
    } catch (const platform::Exception&) {
    }
}

void MainWindow::buildSkinMenu()
{
    m_systemMenuTail = std::make_unique<TkvMenuItem>();
    m_systemMenuTail->Add(QStringLiteral("RecordTelemetry"), QStringLiteral("Record telemetry…"), [this] {
        const QString file = askSaveFileName(this, kRecordingFile, m_settings);
        if (!file.isEmpty())
            startRecording(file);
    });
    m_systemMenuTail->Add(QStringLiteral("StopRecording"), QStringLiteral("Stop recording"), [this] { stopRecording(); });
    m_systemMenuTail->Add(QStringLiteral("Plots"), QStringLiteral("Plots…"), [this] { showPlots(); });
    addLinkSystemMenuEntries();
    TkvMenuItem* skins = m_systemMenuTail->Add(QStringLiteral("SkinMenu"), QStringLiteral("Skin"));
    for (const QString& name : windowskin::builtinSkinNames())
        skins->Add(QStringLiteral("Skin") + name, name, [this, name] { chooseSkin(name); });
    skins->Add(QStringLiteral("SkinFile"), QString(), [this] { chooseSkin(m_skinInUse); });
    skins->Add(QStringLiteral("SkinOpen"), QStringLiteral("Open skin file…"), [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open skin file"), QString(),
            QStringLiteral("Skins (*.skn *.ini);;All files (*)"));
        if (!file.isEmpty())
            chooseSkin(file);
    });
    m_frame->SystemMenuTail = m_systemMenuTail.get();
    updateRecordingEntries();
}

void MainWindow::updateRecordingEntries()
{
    if (!m_systemMenuTail)
        return;
    m_systemMenuTail->Find(QStringLiteral("RecordTelemetry"))->Enabled = !recording();
    m_systemMenuTail->Find(QStringLiteral("StopRecording"))->Enabled = recording();
}

bool MainWindow::startRecording(const QString& file)
{
    if (const auto problem = m_link->startRecording(file)) {
        platform::ShowMessage(*problem);
        return false;
    }
    return true;
}

void MainWindow::stopRecording() { m_link->stopRecording(); }

void MainWindow::recordingChanged(bool) { updateRecordingEntries(); }
