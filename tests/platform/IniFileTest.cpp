#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using platform::IniFile;
using platform::MemIniFile;

namespace {

MemIniFile fromText(const char* text) { return MemIniFile(MemIniFile::splitLines(QByteArray(text))); }

} // namespace

TEST(IniText, SplitsLinesAtCrLfAndCrLf)
{
    EXPECT_EQ(MemIniFile::splitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(MemIniFile::splitLines("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(MemIniFile::splitLines("\n"), QStringList({""}));
    EXPECT_TRUE(MemIniFile::splitLines("").isEmpty());
}

TEST(IniText, ReadingFollowsTheLayoutRules)
{
    const MemIniFile ini = fromText(
        "orphan=1\r\n"
        "  [ Main ]  \r\n"
        "; comment=9\n"
        "\n"
        "  Key = some value = with equals  \r"
        "novalue\n"
        "dup=first\n"
        "DUP=second\n"
        "[other]\n"
        "x=\n");
    EXPECT_TRUE(ini.sectionExists("MAIN"));
    EXPECT_TRUE(ini.sectionExists("main"));
    EXPECT_FALSE(ini.sectionExists("orphan"));
    EXPECT_EQ(ini.readString("main", "KEY", "d"), "some value = with equals");
    EXPECT_EQ(ini.readString("main", "comment", "d"), "d");
    EXPECT_EQ(ini.readString("main", "novalue", "d"), "d");
    EXPECT_EQ(ini.readString("main", "dup", "d"), "first");
    EXPECT_EQ(ini.readString(" Main ", " key ", "d"), "some value = with equals");
    EXPECT_EQ(ini.readString("other", "x", "d"), "");
    EXPECT_EQ(ini.readString("other", "y", "d"), "d");
    EXPECT_EQ(ini.readString("none", "x", "d"), "d");
    EXPECT_EQ(ini.sectionKeys("Main"), QStringList({"Key", "dup", "DUP"}));
}

TEST(IniText, ReadIntegerRules)
{
    const MemIniFile ini = fromText("[s]\na=12\nb=-3\nc=+4\nd=0x1F\ne=$ff\nf=0x\ng=12a\nh=\ni= 7 \nj=true\nk=0X10\n");
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"a", 12}, {"b", -3}, {"c", 4}, {"d", 31}, {"e", 255}, {"f", -1}, {"g", -1}, {"h", -1},
        {"i", 7}, {"j", -1}, {"k", 16}, {"absent", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ini.readInteger("s", c.key, -1), c.expected) << c.key;
}

TEST(IniText, WriterLayoutAndSectionOrder)
{
    MemIniFile ini;
    ini.writeString("First", "b", "2");
    ini.writeString("Second", "x", " spaced ");
    ini.writeInteger("first", "A", -7);
    ini.writeString("FIRST", "B", "3"); // replaces "b" in place
    EXPECT_EQ(ini.toText(), QByteArray("[First]\r\nb=3\r\nA=-7\r\n\r\n[Second]\r\nx= spaced \r\n\r\n"));

    ini.writeString(" Second ", " y ", "2");
    EXPECT_EQ(ini.sectionKeys("second"), QStringList({"x", "y"}));
    ini.eraseSection("first");
    EXPECT_FALSE(ini.sectionExists("First"));
    ini.writeString("First", "c", "1");
    EXPECT_EQ(ini.getStrings(), QStringList({"[Second]", "x= spaced ", "y=2", "", "[First]", "c=1", ""}));
}

TEST(IniText, TextRoundTripsThroughGetStrings)
{
    const MemIniFile ini = fromText("[a]\nk=v\nloose line\n[b]\n");
    EXPECT_EQ(ini.getStrings(), QStringList({"[a]", "k=v", "loose line", "", "[b]", ""}));
    const MemIniFile again(ini.getStrings());
    EXPECT_EQ(again.toText(), ini.toText());
}

TEST(IniFileBacked, ReadsMissingFileAsEmptyAndWritesOnUpdate)
{
    const QString path = QDir::temp().filePath(QStringLiteral("fct_inifile_%1.ini").arg(QCoreApplication::applicationPid()));
    QFile::remove(path);
    {
        IniFile ini(path);
        EXPECT_FALSE(ini.sectionExists("s"));
        ini.writeString("s", "k", "v");
        ini.updateFile();
        EXPECT_TRUE(QFile::exists(path));
        ini.writeString("s", "k2", "w");
        // The destructor writes the change that updateFile did not.
    }
    IniFile again(path);
    EXPECT_EQ(again.readString("S", "K2", ""), "w");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[s]\r\nk=v\r\nk2=w\r\n\r\n"));
    file.close();
    QFile::remove(path);
}
