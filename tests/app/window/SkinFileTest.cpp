// A skin chosen instead of the built-in one: what loads, and what is
// refused with a message naming the file and what is wrong.

#include "app/window/MainWindow.h"
#include "app/window/WindowSkin.h"

#include "platform/ByteStream.h"
#include "platform/MessageBox.h"
#include "serial/MemorySerialDriver.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kAssets = QStringLiteral(FCT_ASSETS_DIR);

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + "/" + name, to + "/" + name);
}

void writeBytes(const QString& file, const QByteArray& bytes) { platform::writeWholeFile(file, bytes); }

struct Refused {
    QString file;
    const char* why;
};

} // namespace

TEST(SkinFile, LoadsACompressedSkinAFolderOrItsDefinition)
{
    for (const QString& file : {kAssets + "/skins/daylight.skn", kAssets + "/skin", kAssets + "/skin/skin.ini"}) {
        skin::TkvCompressedStoredSkin stored;
        EXPECT_EQ(windowskin::loadSkinFile(file, stored), std::nullopt) << file.toStdString();
        ASSERT_FALSE(stored.GetEmpty());
        skin::TkvSkinData data;
        data.LoadCompressedStoredSkin(&stored);
        // Daylight carries a "lamp" record besides Graphite's 59.
        EXPECT_EQ(data.SkinControls.size(), file.endsWith(".skn") ? 60u : 59u);
        EXPECT_EQ(data.skinname, file.endsWith(".skn") ? "Daylight" : "Graphite");
    }
}

TEST(SkinFile, RefusesWhatCannotBeUsedAndKeepsTheFormerSkin)
{
    QTemporaryDir dir;
    const QString good = kAssets + "/skins/daylight.skn";
    const QByteArray daylight = platform::readWholeFile(good);

    writeBytes(dir.filePath("short.skn"), daylight.left(daylight.size() / 2));
    QByteArray damaged = daylight;
    for (qsizetype i = 200; i < 400; ++i)
        damaged[i] = char(damaged[i] ^ 0x5a);
    writeBytes(dir.filePath("damaged.skn"), damaged);
    QByteArray newer = daylight;
    newer[0] = 4;
    writeBytes(dir.filePath("newer.skn"), newer);
    QDir().mkpath(dir.filePath("empty"));
    copyFolder(kAssets + "/skin", dir.filePath("nopicture"));
    QFile::remove(dir.filePath("nopicture/controls.bmp"));
    copyFolder(kAssets + "/skin", dir.filePath("badpicture"));
    writeBytes(dir.filePath("badpicture/frame.bmp"), QByteArray("BM this is no picture"));
    writeBytes(dir.filePath("notaskin.ini"), QByteArray("[VERSION]\r\nver=1\r\n"));

    const Refused cases[] = {{dir.filePath("missing.skn"), "no such file"},
        {dir.filePath("short.skn"), "reading stopped at byte 8: the file ends inside the compressed skin"},
        {dir.filePath("damaged.skn"), "compression error"},
        {dir.filePath("newer.skn"), "version"}, {dir.filePath("empty"), "no skin definition"},
        {dir.filePath("nopicture"), "controls.bmp"}, {dir.filePath("badpicture"), "not valid"},
        {dir.filePath("notaskin.ini"), "[SKINCONTROLS]"}};
    for (const Refused& refused : cases) {
        skin::TkvCompressedStoredSkin stored;
        stored.SetCompressedData("kept");
        const std::optional<QString> message = windowskin::loadSkinFile(refused.file, stored);
        ASSERT_TRUE(message) << refused.file.toStdString();
        EXPECT_TRUE(message->contains(refused.file)) << message->toStdString();
        EXPECT_TRUE(message->contains(refused.why, Qt::CaseInsensitive)) << message->toStdString();
        EXPECT_TRUE(message->contains("built-in skin")) << message->toStdString();
        EXPECT_EQ(stored.CompressedData(), QByteArray("kept"));
    }
}

TEST(SkinFile, WindowUsesTheChosenSkinOrSaysWhyNot)
{
    QStringList messages;
    const platform::ScopedMessageSink sink([&](const QString& text) { messages << text; });
    const auto window = [](const QString& skinFile) {
        MainWindowOptions options;
        options.link.driver = std::make_unique<serial::MemorySerialDriver>(std::make_shared<serial::MemorySerialDevice>());
        options.link.ports = [] { return QList<serial::PortEntry>(); };
        options.skinFile = skinFile;
        return std::make_unique<MainWindow>(std::move(options));
    };
    EXPECT_EQ(window(kAssets + "/skins/daylight.skn")->skinData()->skinname, "Daylight");
    EXPECT_EQ(window("Daylight")->skinData()->skinname, "Daylight") << "a built-in skin by its name";
    EXPECT_TRUE(messages.isEmpty());
    const auto fallback = window("/nowhere/skin.skn");
    EXPECT_EQ(fallback->skinData()->skinname, "Graphite");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("/nowhere/skin.skn"));
}
