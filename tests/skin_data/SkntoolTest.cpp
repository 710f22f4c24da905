#include "tests/skin_data/DrawnSkin.h"
#include "tests/skin_data/TestSkin.h"
#include "tests/support/TestOutput.h"

#include "platform/ByteStream.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QImage>
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
    EXPECT_TRUE(info.out.contains("not understood: 0")) << info.out.toStdString();
    const ToolRun folderInfo = skntool({"info", definition});
    ASSERT_EQ(folderInfo.exitCode, 0) << folderInfo.err.toStdString();
    EXPECT_TRUE(folderInfo.out.contains("controls: 6"));
    EXPECT_TRUE(folderInfo.out.contains("not understood: 0")) << folderInfo.out.toStdString();
}

TEST(Skntool, InfoNamesWhatTheEngineDoesNotRead)
{
    QTemporaryDir dir;
    QByteArray text = skintest::definitionText();
    text.replace("[caption]\r\n", "[caption]\r\nglowcolor=255\r\n");
    skintest::writeFolderSkin(QDir(dir.path()));
    const QString definition = skintest::writeDefinition(QDir(dir.path()), text);
    const ToolRun info = skntool({"info", definition});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("not understood: 1\n  [caption] glowcolor: no such key in this section"))
        << info.out.toStdString();
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
    EXPECT_TRUE(info.err.contains(root.filePath("bad.skn") + ": reading stopped at byte 8: the file ends inside the "
                                  "compressed skin (cut short after 1 of its 16 bytes)"))
        << info.err.toStdString();
    EXPECT_EQ(skntool({"unpack", root.filePath("missing.skn"), root.filePath("o")}).exitCode, 1);
}

TEST(Skntool, InfoOnACutFileNamesItAndWhereReadingStopped)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath("skin");
    const QString skn = root.filePath("whole.skn");
    ASSERT_EQ(skntool({"pack", skintest::writeFolderSkin(QDir(root.filePath("skin"))), skn}).exitCode, 0);
    const QByteArray whole = platform::readWholeFile(skn);
    const qsizetype compressed = whole.size() - 8;

    struct Cut {
        qsizetype keep;
        QString says;
    } const cuts[] = {
        {whole.size() - 1, QStringLiteral(": reading stopped at byte 8: the file ends inside the compressed skin (cut "
                                          "short after %1 of its %2 bytes)")
                               .arg(compressed - 1)
                               .arg(compressed)},
        {20, QStringLiteral(": reading stopped at byte 8: the file ends inside the compressed skin (cut short after 12 "
                            "of its %1 bytes)")
                 .arg(compressed)},
        // Too short for the version and the length: the tool says so before reading.
        {5, QStringLiteral(" is not a skin file: it is too short")},
    };
    for (const Cut& cut : cuts) {
        const QString file = root.filePath(QStringLiteral("cut%1.skn").arg(cut.keep));
        platform::writeWholeFile(file, whole.left(cut.keep));
        const ToolRun info = skntool({"info", file});
        EXPECT_EQ(info.exitCode, 1) << cut.keep;
        EXPECT_EQ(info.err.toStdString(), QStringLiteral("skntool: %1%2\n").arg(file, cut.says).toStdString());
    }
}

TEST(Skntool, HelpVersionAndUsageErrors)
{
    const ToolRun help = skntool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty());
    for (const char* line : {"pack SKIN.ini OUT.skn", "unpack IN.skn DIR", "info FILE", "render SKIN NAME",
             "\"form\"", "\"hintwindow\"", "\"popupwindow\"", "--state STATE", "inactive", "--frame N", "--restore",
             "--text-frame", "--scale N", "--out FILE.png", "--help", "--version"})
        EXPECT_TRUE(help.out.contains(line)) << line;
    const ToolRun version = skntool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("skntool ")) << version.out.toStdString();

    const struct {
        QStringList args;
        const char* named;
    } wrong[] = {
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"info"}, "info takes 1 argument"},
        {{"render", "skin", "button", "10x10"}, "--out"},
        {{"render", "skin", "button", "10by10", "--out", "x.png"}, "10by10"},
        {{"render", "skin", "button", "0x10", "--out", "x.png"}, "0x10"},
        {{"render", "skin", "button", "10x10", "--state", "sleepy", "--out", "x.png"}, "sleepy"},
        {{"render", "skin", "button", "10x10", "--scale", "0", "--out", "x.png"}, "--scale"},
        {{"render", "skin", "button", "10x10", "--colour", "red", "--out", "x.png"}, "--colour"},
        {{"render", "skin", "10x10", "--out", "x.png"}, "SKIN, NAME and WIDTHxHEIGHT"},
        {{"render", "skin", "spin", "10x10", "--frame", "first", "--out", "x.png"}, "--frame takes a frame number"},
        {{"render", "skin", "spin", "10x10", "--frame", "-1", "--out", "x.png"}, "--frame takes a frame number"},
        {{"render", "skin", "caption", "10x10", "--restore", "--text-frame", "--out", "x.png"}, "give one"},
    };
    for (const auto& w : wrong) {
        const ToolRun run = skntool(w.args);
        EXPECT_EQ(run.exitCode, 2) << w.named;
        EXPECT_TRUE(run.err.contains(w.named)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Usage: skntool")) << w.named;
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(Skntool, InfoTellsAFileThatIsNotASkin)
{
    QTemporaryDir dir;
    const QString text = QDir(dir.path()).filePath("notes.skn");
    platform::writeWholeFile(text, "this is a text file, not a skin\n");
    const ToolRun run = skntool({"info", text});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(text + " is not a skin file")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("newer"));

    const QString future = QDir(dir.path()).filePath("future.skn");
    platform::writeWholeFile(future, QByteArray("\x09\x00\x00\x00\x03\x00\x00\x00\x78\xDA\x01", 11));
    const ToolRun newer = skntool({"info", future});
    EXPECT_EQ(newer.exitCode, 1);
    EXPECT_TRUE(newer.err.contains("version 9, newer than this program reads")) << newer.err.toStdString();
    EXPECT_EQ(skntool({"unpack", text, QDir(dir.path()).filePath("out")}).exitCode, 1);
}

namespace {

// A ".skn" of the folder test skin after change() edited its data.
template<typename Change>
QString changedSkn(const QDir& root, Change&& change)
{
    root.mkpath("skin");
    skin::TkvSkinData data;
    data.LoadFromFile(skintest::writeFolderSkin(QDir(root.filePath("skin"))));
    change(data);
    const QString skn = root.filePath("changed.skn");
    data.SaveToCompressedFile(skn);
    return skn;
}

} // namespace

TEST(Skntool, UnpackRefusesAnUnsafeNameBeforeWritingAnything)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    const QString skn = changedSkn(root, [](skin::TkvSkinData& data) { data.ActivePictureNames[2] = "../evil.bmp"; });
    const ToolRun run = skntool({"unpack", skn, root.filePath("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("../evil.bmp")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(root.filePath("out"))) << "nothing written";
    EXPECT_FALSE(QFileInfo::exists(root.filePath("evil.bmp")));
}

TEST(Skntool, UnpackNamesPicturesThatHaveNoName)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    const QString skn = changedSkn(root, [](skin::TkvSkinData& data) { data.ActivePictureNames[1].clear(); });
    const ToolRun run = skntool({"unpack", skn, root.filePath("out")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(platform::readWholeFile(root.filePath("out/active1.bmp")),
        platform::readWholeFile(root.filePath("skin/a1.bmp")));
    EXPECT_TRUE(platform::readWholeFile(root.filePath("out/changed.ini")).contains("1=active1.bmp"));
    skin::TkvSkinData again;
    again.LoadFromFile(root.filePath("out/changed.ini"));
    EXPECT_EQ(again.ActiveBitmaps.size(), 3);
}

namespace {

QString renderOutput(const QString& name)
{
    const QDir dir(testsupport::testOutputDir());
    dir.mkpath("skntool");
    return dir.filePath("skntool/" + name + ".png");
}

} // namespace

TEST(Skntool, RenderDrawsTheButtonInEachStateAndTheFrame)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath("drawn");
    const QString definition = skintest::writeDrawnSkin(QDir(root.filePath("drawn")));
    const QImage controls = platform::BmpImage::loadFromFile(root.filePath("drawn/controls.bmp")).toQImage();
    const struct {
        const char* state;
        int imageTop;
    } states[] = {{"normal", 0}, {"hot", 25}, {"pressed", 50}, {"disabled", 0}, {"focused", 25}};
    for (const auto& s : states) {
        const QString out = renderOutput(QStringLiteral("button_%1").arg(s.state));
        const ToolRun run = skntool({"render", root.filePath("drawn"), "button", "100x40", "--state", s.state, "--out", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(out);
        ASSERT_EQ(image.size(), QSize(100, 25)) << "the height is the skin's";
        EXPECT_EQ(image.pixel(50, 12), controls.pixel(17, s.imageTop + 12)) << s.state;
        EXPECT_EQ(image.pixel(99, 12), controls.pixel(34, s.imageTop + 12)) << s.state;
        skntool({"render", definition, "button", "100x40", "--state", s.state, "--scale", "4", "--out",
            renderOutput(QStringLiteral("button_%1_x4").arg(s.state))});
    }

    const QString frame = renderOutput("form_720x476");
    const ToolRun run = skntool({"render", root.filePath("drawn"), "form", "720x476", "--out", frame});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(frame);
    ASSERT_EQ(image.size(), QSize(720, 476));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the mask cuts the corner";
    EXPECT_EQ(qAlpha(image.pixel(3, 0)), 255);
    EXPECT_EQ(image.pixel(360, 240), qRgb(225, 228, 235)) << "client background";
    EXPECT_EQ(image.pixel(700, 10), qRgb(200, 60, 60)) << "the top-right corner moves with the width";

    const QString inactive = renderOutput("form_720x476_inactive");
    ASSERT_EQ(skntool({"render", definition, "form", "720x476", "--state", "disabled", "--out", inactive}).exitCode, 0);
    const QRgb grey = QImage(inactive).pixel(700, 10);
    EXPECT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey)) << "the skin's inactive effect is grey";

    const QString skn = root.filePath("drawn.skn");
    ASSERT_EQ(skntool({"pack", definition, skn}).exitCode, 0);
    const QString fromSkn = renderOutput("form_from_skn");
    ASSERT_EQ(skntool({"render", skn, "form", "720x476", "--out", fromSkn}).exitCode, 0);
    EXPECT_EQ(QImage(fromSkn), image);

    ASSERT_EQ(skntool({"render", skn, "groupbox", "105x129", "--scale", "3", "--out", renderOutput("groupbox_105x129")})
                  .exitCode,
        0);
    EXPECT_EQ(QImage(renderOutput("groupbox_105x129")).pixel(150, 180), qRgb(235, 238, 245)) << "client tiles";
    ASSERT_EQ(skntool({"render", skn, "closebutton", "14x14", "--state", "hot", "--out", renderOutput("closebutton_hot")})
                  .exitCode,
        0);
    EXPECT_EQ(QImage(renderOutput("closebutton_hot")).pixel(7, 7), qRgb(240, 90, 90));

    const ToolRun missing = skntool({"render", skn, "Button", "10x10", "--out", renderOutput("x")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no control or object named \"Button\"")) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains(skn));
}
