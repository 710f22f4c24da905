// The window's frame: its settings as the layout stores them, the handler
// of its user-drawn objects, and the skin entries of its system menu.

#include "app/Unit1.h"

#include "app/MainWindowLayout.h"
#include "app/SaveFileDialog.h"
#include "app/TelemetryRecorder.h"
#include "app/WindowSkin.h"
#include "platform/BmpCodec.h"
#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QFileDialog>

using namespace skin;

void TForm1::setUpFrame()
{
    m_kvSorvane1 = new TkvSorvane(this);
    m_kvSorvane1->setObjectName(QStringLiteral("kvSorvane1"));
    m_kvSorvane1->SetBorderIcons({TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize, TkvBorderIcon::biRollUp});
    m_kvSorvane1->UseDefaultSysMenu = true;
    m_kvSorvane1->SetAlphaBlend(false);
    m_kvSorvane1->AlphaBlendAnimation = true;
    m_kvSorvane1->SetAlphaBlendValue(200);
    m_kvSorvane1->Magnetic = false;
    m_kvSorvane1->MagneticSize = 5;
    m_kvSorvane1->SetShowIcon(false);
    m_kvSorvane1->SetDefMenuItemHeight(20);
    // A dialog frame: the layout is fixed, so the client keeps its size
    // under every skin.
    m_kvSorvane1->SetSizeable(false);
    m_kvSorvane1->SetClientWidth(layout::kClientWidth);
    m_kvSorvane1->SetClientHeight(layout::kClientHeight);
    m_kvSorvane1->OnPaintEvent = [this](const QString& IDName, platform::TCanvas& Canvas, const TRect& ObjectRect) {
        kvSorvane1PaintEvent(IDName, Canvas, ObjectRect);
    };
    m_kvSorvane1->OnActivate = [this](QObject*) { kvSorvane1Activate(); };
    buildSkinMenu();
    m_kvSorvane1->SetSkinData(m_kvSkinData1);
}

void TForm1::kvSorvane1PaintEvent(const QString&, platform::TCanvas&, const TRect&)
{
    // The picture is read and let go; nothing is drawn with it. So a missing
    // or damaged file is nothing to report, and must not cost the frame the
    // rest of its paint.
    try {
        platform::BmpImage::loadFromFile(QStringLiteral("carbon.bmp"));
    } catch (const platform::Exception&) {
    }
}

void TForm1::buildSkinMenu()
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
    skins->Add(QStringLiteral("SkinOpen"), QStringLiteral("Open skin file…"), [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open skin file"), QString(),
            QStringLiteral("Skins (*.skn *.ini);;All files (*)"));
        if (!file.isEmpty())
            chooseSkin(file);
    });
    m_kvSorvane1->SystemMenuTail = m_systemMenuTail.get();
    updateRecordingEntries();
}

void TForm1::updateRecordingEntries()
{
    if (!m_systemMenuTail)
        return;
    m_systemMenuTail->Find(QStringLiteral("RecordTelemetry"))->Enabled = !m_recorder;
    m_systemMenuTail->Find(QStringLiteral("StopRecording"))->Enabled = m_recorder != nullptr;
}

bool TForm1::startRecording(const QString& file)
{
    std::unique_ptr<TelemetryRecorder> recorder;
    try {
        recorder = std::make_unique<TelemetryRecorder>(file);
    } catch (const platform::Exception& error) {
        platform::ShowMessage(error.message());
        return false;
    }
    m_recorder = std::move(recorder);
    if (connected())
        m_recorder->connected(m_comm->deviceName());
    updateRecordingEntries();
    return true;
}

void TForm1::stopRecording()
{
    m_recorder.reset();
    updateRecordingEntries();
}
