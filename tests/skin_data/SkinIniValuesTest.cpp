#include "skin/data/SkinIniValues.h"

#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

using namespace skin;
using platform::EConvertError;
using platform::MemIniFile;

namespace {

MemIniFile iniWith(const QString& key, const QString& value)
{
    MemIniFile ini;
    ini.writeString("s", key, value);
    return ini;
}

} // namespace

TEST(GetRect, WalksDigitsPerField)
{
    const struct {
        const char* text;
        TRect expected;
    } cases[] = {
        {"1,22,68,42", {1, 22, 68, 42}},
        {"-5,0,3,4", {5, 0, 3, 4}},
        {"1 2,3,4,5", {12, 3, 4, 5}},
        {" +7 , x8y , 9px, 10 ", {7, 8, 9, 10}},
        {"1,2,3,4,5,6", {1, 2, 3, 4}}, // extra fields are ignored
        {"0,0,0,0", {0, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetRect(c.text), c.expected) << c.text;
}

TEST(GetRect, FieldsWithoutDigitsAreConversionErrors)
{
    for (const char* text : {"", "1,2,3", "1,,3,4", "12", "a,b,c,d", "1,2,3,", "99999999999,1,2,3"})
        EXPECT_THROW(GetRect(text), EConvertError) << text;
}

TEST(GetPoint, WalksDigitsAndRejectsMissingFields)
{
    EXPECT_EQ(GetPoint("34,26"), (TPoint {34, 26}));
    EXPECT_EQ(GetPoint("-3, 4,9"), (TPoint {3, 4}));
    EXPECT_THROW(GetPoint("34"), EConvertError);
    EXPECT_THROW(GetPoint(",1"), EConvertError);
}

TEST(SkinValues, NullRectanglesAndPoints)
{
    EXPECT_TRUE(isNullRect(TRect {5, 1, 5, 9}));
    EXPECT_TRUE(isNullRect(TRect {1, 9, 5, 2}));
    EXPECT_FALSE(isNullRect(TRect {1, 2, 3, 4}));
    EXPECT_TRUE(isNullPoint(TPoint {12, 0}));
    EXPECT_TRUE(isNullPoint(TPoint {0, 3}));
    EXPECT_FALSE(isNullPoint(TPoint {1, 1}));
    EXPECT_TRUE(rectContains(TRect {1, 1, 4, 4}, 4, 4));
    EXPECT_FALSE(rectContains(TRect {1, 1, 4, 4}, 5, 4));
}

TEST(SkinValues, RectAndPointReadersDefaultAndReportTheKey)
{
    MemIniFile ini;
    ini.writeString("Btn", "SkinRect", "1,2,3,4");
    ini.writeString("Btn", "bad", "1,,3,4");
    EXPECT_EQ(ReadRect(ini, "btn", "skinrect"), (TRect {1, 2, 3, 4}));
    EXPECT_EQ(ReadRect(ini, "btn", "absent"), TRect {});
    EXPECT_EQ(ReadPoint(ini, "btn", "absent"), TPoint {});
    try {
        ReadRect(ini, "btn", "bad");
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_TRUE(error.message().startsWith("'' is not a valid integer value")) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("[btn]"));
        EXPECT_TRUE(error.message().contains("\"bad\""));
    }
    WriteRect(ini, "out", "r", {1, 22, 68, 42});
    WritePoint(ini, "out", "p", {34, 26});
    EXPECT_EQ(ini.readString("out", "r", ""), "1,22,68,42");
    EXPECT_EQ(ini.readString("out", "p", ""), "34,26");
}

TEST(SkinValues, BooleansAreTrueOnlyForOne)
{
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"1", true}, {" 1 ", true}, {"0", false}, {"2", false}, {"true", false}, {"", false}, {"0x1", true}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadBoolean(iniWith("b", c.text), "s", "b"), c.expected) << c.text;
    EXPECT_FALSE(ReadBoolean(MemIniFile(), "s", "b"));
    MemIniFile out;
    WriteBoolean(out, "s", "t", true);
    WriteBoolean(out, "s", "f", false);
    EXPECT_EQ(out.toText(), QByteArray("[s]\r\nt=1\r\nf=0\r\n\r\n"));
}

TEST(SkinValues, FontStylesTestEachWordAnywhere)
{
    const struct {
        const char* text;
        quint8 bits;
    } cases[] = {
        {"", 0},
        {"fsbold", 1},
        {"fsbolditalic", 1},
        {"fsitalic;fsbold", 3},
        {"xxfsunderlinexxfsstrikeout", 12},
        {"fsbold,fsitalic,fsunderline,fsstrikeout", 15},
        {"FSBOLD", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadFontStyles(iniWith("f", c.text), "s", "f").bits, c.bits) << c.text;
    EXPECT_EQ(fontStylesToText(TFontStyles {15}), "fsbold,fsitalic,fsunderline,fsstrikeout");
    EXPECT_EQ(fontStylesToText(TFontStyles {10}), "fsitalic,fsstrikeout");
    EXPECT_EQ(fontStylesToText(TFontStyles {}), "");
}

TEST(SkinValues, EnumerationWordsAreExactWithTheirFallbacks)
{
    const MemIniFile empty;
    EXPECT_EQ(ReadAlignment(empty, "s", "a"), TAlignment::taCenter);
    EXPECT_EQ(ReadAlignment(iniWith("a", "taleftjustify"), "s", "a"), TAlignment::taLeftJustify);
    EXPECT_EQ(ReadAlignment(iniWith("a", "center"), "s", "a"), TAlignment::taRightJustify);
    EXPECT_EQ(ReadAlignment(iniWith("a", "TACENTER"), "s", "a"), TAlignment::taRightJustify);

    EXPECT_EQ(ReadMorphKind(empty, "s", "m"), TkvMorphKind::mkDefault);
    EXPECT_EQ(ReadMorphKind(iniWith("m", "mkpush"), "s", "m"), TkvMorphKind::mkPush);
    EXPECT_EQ(ReadMorphKind(iniWith("m", "mkPush"), "s", "m"), TkvMorphKind::mkDefault);

    EXPECT_EQ(ReadInActiveEffect(empty, "s", "e"), TkvInActiveEffect::ieBrightness);
    EXPECT_EQ(ReadInActiveEffect(iniWith("e", "ieinvert"), "s", "e"), TkvInActiveEffect::ieInvert);
    EXPECT_EQ(ReadInActiveEffect(iniWith("e", "IEDARKNESS"), "s", "e"), TkvInActiveEffect::ieGrayScale);

    EXPECT_EQ(readStdCommand(empty, "s", "c"), TkvStdCommand::cmDefault);
    EXPECT_EQ(readStdCommand(iniWith("c", "cmrollup"), "s", "c"), TkvStdCommand::cmRollUp);
    EXPECT_EQ(readStdCommand(iniWith("c", "close"), "s", "c"), TkvStdCommand::cmMinimizeToTray);
}

TEST(SkinValues, EnumerationWritersRoundTripEveryValue)
{
    MemIniFile ini;
    for (int i = 0; i <= 6; ++i) {
        WriteMorphKind(ini, "s", "m", TkvMorphKind(i));
        EXPECT_EQ(ReadMorphKind(ini, "s", "m"), TkvMorphKind(i));
        writeStdCommand(ini, "s", "c", TkvStdCommand(i));
        EXPECT_EQ(readStdCommand(ini, "s", "c"), TkvStdCommand(i));
    }
    for (int i = 0; i <= 5; ++i) {
        WriteInActiveEffect(ini, "s", "e", TkvInActiveEffect(i));
        EXPECT_EQ(ReadInActiveEffect(ini, "s", "e"), TkvInActiveEffect(i));
    }
    for (int i = 0; i <= 2; ++i) {
        WriteAlignment(ini, "s", "a", TAlignment(i));
        EXPECT_EQ(ReadAlignment(ini, "s", "a"), TAlignment(i));
    }
    EXPECT_EQ(ini.readString("s", "e", ""), "ieinvert");
    EXPECT_EQ(ini.readString("s", "c", ""), "cmminimizetotray");
}

TEST(SkinValues, ListsUseCountAndBareIndices)
{
    MemIniFile ini;
    ini.writeString("PICTURES", "activepicturescount", "2");
    ini.writeString("PICTURES", "0", "a.bmp");
    QStringList names {"kept"};
    ReadStrings1(ini, "pictures", "activepictures", names);
    EXPECT_EQ(names, QStringList({"kept", "a.bmp", ""}));

    MemIniFile out;
    WriteStrings1(out, "P", "list", {"x", "y"});
    EXPECT_EQ(out.getStrings(), QStringList({"[P]", "listcount=2", "0=x", "1=y", ""}));

    MemIniFile huge;
    huge.writeString("P", "listcount", "1000000");
    QStringList none;
    EXPECT_THROW(ReadStrings1(huge, "P", "list", none), EConvertError);
}

TEST(SkinValues, CheckSkinSectionsNeedsAllFive)
{
    MemIniFile ini(MemIniFile::splitLines("[version]\n[Pictures]\n[FORMINFO]\n[skinobjects]\n"));
    EXPECT_FALSE(CheckSkinSections(ini));
    ini.writeString("SkinControls", "count", "0");
    EXPECT_TRUE(CheckSkinSections(ini));
}
