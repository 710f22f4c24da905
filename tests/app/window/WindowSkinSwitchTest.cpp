// Switching skins from the system menu at run time: frame and controls
// follow, the choice is remembered, and a hundred switches keep memory flat.

#include "tests/app/WindowFixture.h"

#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"
#include "tests/support/TestOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Resident memory in kB, from /proc; 0 where there is none.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

skin::TkvMenuItem* skinEntry(skin::TkvSorvane& frame, const QString& name)
{
    skin::TkvMenuItem* menu = frame.GetSystemMenu();
    skin::TkvMenuItem* skins = menu->Find(QStringLiteral("SkinMenu"));
    return skins ? skins->Find(QStringLiteral("Skin") + name) : nullptr;
}

QStringList visibleCaptions(const skin::TkvMenuItem& menu)
{
    QStringList captions;
    for (int i = 0; i < menu.Count(); ++i) {
        if (menu.Items(i)->Visible)
            captions << menu.Items(i)->Caption;
    }
    return captions;
}

} // namespace

using WindowSkinSwitch = WindowFixture;

TEST_F(WindowSkinSwitch, SystemMenuEndsWithTheSkins)
{
    skin::TkvMenuItem* menu = form->frame()->GetSystemMenu();
    QStringList items;
    for (int i = 0; i < menu->Count(); ++i)
        items << menu->Items(i)->Caption;
    EXPECT_EQ(items, QStringList({"Mi&nimize", "Ro&llUp", "-", "&Close", "-", "Record telemetry…", "Stop recording",
                         "Plots…", "Reconnect automatically", "Link statistics…", "Skin"}));
    skin::TkvMenuItem* skins = menu->Find("SkinMenu");
    ASSERT_NE(skins, nullptr);
    EXPECT_EQ(visibleCaptions(*skins), QStringList({"Graphite", "Daylight", "Open skin file…"}));
}

// The skin the window wears is checked in the menu, a skin file under its
// own name; a skin that fails to load changes no mark.
TEST_F(WindowSkinSwitch, TheSkinInUseIsChecked)
{
    skin::TkvSorvane& frame = *form->frame();
    // The frame copies the menu each time it is opened.
    const auto skins = [&] { return frame.GetSystemMenu()->Find("SkinMenu"); };
    const auto checked = [&] {
        QStringList marked;
        const skin::TkvMenuItem* menu = skins();
        for (int i = 0; i < menu->Count(); ++i) {
            if (menu->Items(i)->Visible && menu->Items(i)->Checked)
                marked << menu->Items(i)->Caption;
        }
        return marked;
    };
    EXPECT_EQ(checked(), QStringList{"Graphite"});
    skinEntry(frame, "Daylight")->Click();
    EXPECT_EQ(checked(), QStringList{"Daylight"});

    ASSERT_TRUE(form->chooseSkin(QStringLiteral(FCT_TEST_SKINS_DIR) + "/features"));
    EXPECT_EQ(checked(), QStringList{"features"});
    EXPECT_EQ(visibleCaptions(*skins()), QStringList({"Graphite", "Daylight", "features", "Open skin file…"}));

    EXPECT_FALSE(form->chooseSkin(QStringLiteral("/nonexistent/skin.skn")));
    EXPECT_EQ(checked(), QStringList{"features"});
    messages.clear();
    skinEntry(frame, "Graphite")->Click();
    EXPECT_EQ(checked(), QStringList{"Graphite"});
    EXPECT_EQ(visibleCaptions(*skins()), QStringList({"Graphite", "Daylight", "Open skin file…"}));
}

TEST_F(WindowSkinSwitch, ChoosingASkinRepaintsFrameAndControlsAndIsRemembered)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("fctool.ini"), QSettings::IniFormat);
    auto window = windowRemembering(settings);
    skin::TkvSorvane& frame = *window->frame();
    window->show();
    const QImage graphite = window->grab().toImage();
    skinEntry(frame, "Daylight")->Click();
    EXPECT_EQ(window->skinData()->skinname, "Daylight");
    EXPECT_EQ(settings.value("skin").toString(), "Daylight");
    EXPECT_EQ(window->size(), QSize(720, 476));
    EXPECT_EQ(frame.Objects().size(), 6u);
    const QImage daylight = window->grab().toImage();
    daylight.save(testsupport::testOutputDir() + "/window-daylight.png");
    EXPECT_NE(graphite.copy(0, 0, 720, 24), daylight.copy(0, 0, 720, 24)) << "the frame follows the skin";
    EXPECT_NE(graphite.copy(5, 24, 710, 447), daylight.copy(5, 24, 710, 447)) << "so does the client";
    window.reset();

    // The next start takes the remembered skin.
    EXPECT_EQ(windowRemembering(settings)->skinData()->skinname, "Daylight");
}

TEST_F(WindowSkinSwitch, TheFeatureSkinRunsInTheWindow)
{
    // No picture for the skin's user object in the working directory.
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    form->show();
    const QImage graphite = form->grab().toImage();
    ASSERT_TRUE(form->chooseSkin(QStringLiteral(FCT_TEST_SKINS_DIR) + "/features"));
    skin::TkvSorvane& frame = *form->frame();
    const int roll = frame.GetIndex("rollupbutton");
    ASSERT_GE(roll, 0);
    auto* animation = dynamic_cast<skin::TkvSkinAnimateObject*>(frame.Objects()[size_t(roll)].get());
    ASSERT_NE(animation, nullptr) << "the roll-up button is an animation in this skin";
    EXPECT_TRUE(animation->visible);
    const QImage features = form->grab().toImage();
    features.save(testsupport::testOutputDir() + "/window-features.png");
    EXPECT_NE(graphite.copy(0, 0, 720, 24), features.copy(0, 0, 720, 24));
    EXPECT_EQ(form->size(), QSize(720, 476)) << "the client keeps its size";
    QDir::setCurrent(before);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(WindowSkinSwitch, HundredSwitchesKeepMemoryFlat)
{
    skin::TkvSorvane& frame = *form->frame();
    form->show();
    const auto switchTo = [&](const char* name) {
        skinEntry(frame, QString::fromLatin1(name))->Click();
        form->grab();
    };
    // Caches and allocator pools settle in the first rounds.
    for (int i = 0; i < 10; ++i)
        switchTo(i % 2 ? "Graphite" : "Daylight");
    const long before = residentKb();
    for (int i = 0; i < 100; ++i)
        switchTo(i % 2 ? "Graphite" : "Daylight");
    const long after = residentKb();
    EXPECT_EQ(form->skinData()->skinname, "Graphite");
    EXPECT_EQ(frame.Objects().size(), 6u);
    EXPECT_LT(after - before, 4096) << "kB grown over 100 switches: " << before << " -> " << after;
}

TEST_F(WindowSkinSwitch, SystemMenuStartsAndStopsARecording)
{
    skin::TkvSorvane& frame = *form->frame();
    const auto entry = [&frame](const char* name) { return frame.GetSystemMenu()->Find(QString::fromLatin1(name)); };
    ASSERT_NE(entry("RecordTelemetry"), nullptr);
    EXPECT_EQ(entry("RecordTelemetry")->Caption, "Record telemetry…");
    EXPECT_TRUE(entry("RecordTelemetry")->Enabled);
    EXPECT_FALSE(entry("StopRecording")->Enabled);

    EXPECT_FALSE(form->startRecording("/nonexistent-folder/recording.bin"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains("/nonexistent-folder/recording.bin")) << messages.first().toStdString();
    EXPECT_FALSE(form->recording());

    QTemporaryDir dir;
    const QString file = dir.filePath("recording.bin");
    ASSERT_TRUE(form->startRecording(file));
    EXPECT_TRUE(form->recording());
    EXPECT_FALSE(entry("RecordTelemetry")->Enabled);
    EXPECT_TRUE(entry("StopRecording")->Enabled);
    entry("StopRecording")->Click();
    EXPECT_FALSE(form->recording());
    EXPECT_GT(QFileInfo(file).size(), 0) << "the recording starts with its header";
}
