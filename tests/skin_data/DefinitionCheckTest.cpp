// A definition's entries that the engine does not read are named, so that a
// misspelt key or an unknown kind does not vanish without a word.

#include "tests/skin_data/TestSkin.h"

#include "platform/IniFile.h"
#include "skin/data/SkinDefinitionCheck.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList checked(const QByteArray& text)
{
    QTemporaryDir dir;
    skintest::writeFolderSkin(QDir(dir.path()));
    const QString definition = skintest::writeDefinition(QDir(dir.path()), text);
    skin::TkvSkinData data;
    data.LoadFromFile(definition);
    return skin::notUnderstood(platform::IniFile(definition), data);
}

QByteArray withLines(QByteArray text, const QByteArray& after, const QByteArray& lines)
{
    const qsizetype at = text.indexOf(after);
    EXPECT_GE(at, 0) << after.toStdString();
    return text.insert(at + after.size(), lines);
}

} // namespace

TEST(DefinitionCheck, AWhollyReadDefinitionHasNothingToSay)
{
    EXPECT_EQ(checked(skintest::definitionText()), QStringList());
}

TEST(DefinitionCheck, NamesUnknownKeysKindsSectionsAndEntries)
{
    QByteArray text = skintest::definitionText();
    text = withLines(text, "[caption]\r\n", "glowcolor=255\r\n");
    text.replace("[SKINOBJECTS]\r\ncount=4\r\n", "[SKINOBJECTS]\r\ncount=5\r\n4=sparkle:glitter\r\n");
    text += "[sparkle]\r\nskinrect=1,1,4,4\r\n\r\n[extras]\r\nfoo=1\r\n\r\n";
    text = withLines(text, "[SKINCONTROLS]\r\n", "99=late:button\r\n");
    const QStringList lines = checked(text);
    ASSERT_EQ(lines.size(), 4) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("[caption] glowcolor: no such key in this section")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("[SKINOBJECTS] 4=sparkle:glitter: no object of the kind \"glitter\"; it is left out")));
    EXPECT_TRUE(lines.contains(QStringLiteral("[extras]: no record or listing of this name")));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
        [](const QString& line) { return line.startsWith(QStringLiteral("[SKINCONTROLS] 99: not an entry below")); }));
}

TEST(DefinitionCheck, KeysAndSectionsMatchWhateverTheirLetterCase)
{
    QByteArray text = skintest::definitionText();
    text.replace("[caption]\r\nskinrect=", "[Caption]\r\nSkinRect=");
    EXPECT_EQ(checked(text), QStringList());
}
