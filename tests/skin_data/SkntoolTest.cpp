#include "tests/skin_data/TestSkin.h"
#include "tests/support/TestOutput.h"

#include "platform/ByteStream.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun skntool(const QStringList& args)
{
    QProcess process;
    process.start(QDir(testsupport::binDir()).filePath("skntool"), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(Skntool, PackUnpackAndInfo)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath("skin");
    const QString definition = skintest::writeFolderSkin(QDir(root.filePath("skin")));
    const QString skn = root.filePath("test.skn");

    const ToolRun pack = skntool({"pack", definition, skn});
    ASSERT_EQ(pack.exitCode, 0) << pack.err.toStdString();
    ASSERT_TRUE(QFile::exists(skn));

    const ToolRun unpack = skntool({"unpack", skn, root.filePath("out")});
    ASSERT_EQ(unpack.exitCode, 0) << unpack.err.toStdString();
    EXPECT_TRUE(QFile::exists(root.filePath("out/test.ini")));
    EXPECT_EQ(platform::readWholeFile(root.filePath("out/sub/a2.bmp")),
        platform::readWholeFile(root.filePath("skin/sub/a2.bmp")));

    const ToolRun info = skntool({"info", skn});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    for (const char* line : {"compressed skin file, version 3", "stored version: 3", "picture: main.bmp 40x32, 8 bit",
             "inactive picture: none", "mask: mask.bmp 40x32, 1 bit", "active pictures: 3",
             "2 sub/a2.bmp 48x36, 24 bit", "objects: 4", "closebutton (stdbutton)", "controls: 6",
             "vupdown (updown)"}) {
        EXPECT_TRUE(info.out.contains(line)) << line << "\n" << info.out.toStdString();
    }
    const ToolRun folderInfo = skntool({"info", definition});
    ASSERT_EQ(folderInfo.exitCode, 0) << folderInfo.err.toStdString();
    EXPECT_TRUE(folderInfo.out.contains("controls: 6"));
}

TEST(Skntool, ErrorsAndUsage)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    EXPECT_EQ(skntool({}).exitCode, 2);
    EXPECT_EQ(skntool({"pack", "only-one"}).exitCode, 2);

    const QString notSkin = skintest::writeDefinition(root, "[VERSION]\r\n");
    const ToolRun pack = skntool({"pack", notSkin, root.filePath("x.skn")});
    EXPECT_EQ(pack.exitCode, 1);
    EXPECT_TRUE(pack.err.contains("[SKINCONTROLS]")) << pack.err.toStdString();
    EXPECT_FALSE(QFile::exists(root.filePath("x.skn")));

    platform::writeWholeFile(root.filePath("bad.skn"), QByteArray("\x03\x00\x00\x00\x10\x00\x00\x00\x78", 9));
    const ToolRun info = skntool({"info", root.filePath("bad.skn")});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_TRUE(info.err.contains("Stream read error")) << info.err.toStdString();
    EXPECT_EQ(skntool({"unpack", root.filePath("missing.skn"), root.filePath("o")}).exitCode, 1);
}
