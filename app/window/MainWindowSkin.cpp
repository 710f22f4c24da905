// The window's skin: the controls the layout binds to skinData, and the
// one way a skin is chosen, at start-up or from the system menu.

#include "app/window/MainWindow.h"

#include "app/plots/PlotsWindow.h"
#include "app/widgets/ControlFactory.h"
#include "app/window/MainWindowLayout.h"
#include "app/window/WindowSkin.h"
#include "platform/MessageBox.h"
#include "skin/controls/TkvSkinControl.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvMenuItem.h"

#include <QFileInfo>
#include <QSettings>

using layout::Kind;

namespace {

const QString kSkinKey = QStringLiteral("skin");

} // namespace

void MainWindow::bindControlsToSkin()
{
    for (const layout::Control& control : layout::controls())
        bindToSkin(control, this->control(layoutText(control.name)), m_skinData);
}

std::optional<QString> MainWindow::storeSkin(const QString& choice)
{
    if (!windowskin::builtinSkinNames().contains(choice))
        return windowskin::loadSkinFile(choice, *m_storedSkin);
    m_storedSkin->SetCompressedData(windowskin::builtinSkinData(choice));
    m_storedSkin->SetFileName(QString());
    m_storedSkin->SetCompressedFileName(QString());
    return std::nullopt;
}

void MainWindow::pickStartSkin(const QString& skinFile)
{
    // A skin named on the command line wins over the one chosen last time.
    QString choice = skinFile;
    if (choice.isEmpty() && m_settings)
        choice = m_settings->value(kSkinKey).toString();
    if (choice.isEmpty())
        choice = windowskin::builtinSkinNames().first();
    if (const std::optional<QString> problem = storeSkin(choice)) {
        platform::ShowMessage(*problem);
        choice = windowskin::builtinSkinNames().first();
        storeSkin(choice);
    }
    m_skinInUse = choice;
    m_storedSkin->UnpackAhead();
}

bool MainWindow::chooseSkin(const QString& choice)
{
    if (const std::optional<QString> problem = storeSkin(choice)) {
        platform::ShowMessage(*problem);
        return false;
    }
    m_skinInUse = choice;
    showStoredSkin();
    if (m_settings)
        m_settings->setValue(kSkinKey, choice);
    return true;
}

void MainWindow::showStoredSkin()
{
    // The frame and every control hear the change from the skin data; the
    // lamps and the graphs take their colours from it again.
    m_skinData->SetCompressedStoredSkin(m_storedSkin);
    takeLampColours();
    showLitLamp(protocol::ModeSwitch::Ch5);
    showLitLamp(protocol::ModeSwitch::Ch6);
    if (m_plotsWindow)
        m_plotsWindow->applyColours();
    markSkinInUse();
}

void MainWindow::markSkinInUse()
{
    if (!m_systemMenuTail)
        return;
    skin::TkvMenuItem* skins = m_systemMenuTail->Find(QStringLiteral("SkinMenu"));
    for (const QString& name : windowskin::builtinSkinNames())
        skins->Find(QStringLiteral("Skin") + name)->Checked = m_skinInUse == name;
    // A skin file in use has an entry of its own, named after the file.
    skin::TkvMenuItem* file = skins->Find(QStringLiteral("SkinFile"));
    const bool fromFile = !windowskin::builtinSkinNames().contains(m_skinInUse);
    file->Visible = fromFile;
    file->Checked = fromFile;
    file->Caption = fromFile ? QFileInfo(m_skinInUse).fileName() : QString();
}

void MainWindow::takeLampColours()
{
    const LampColours colours = lampColours(m_skinData);
    m_litLampColour = colours.lit;
    m_unlitLampColour = colours.unlit;
}
