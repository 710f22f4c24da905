#include "skin/data/TkvSkinData.h"

#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TkvResourceStrData.h"
#include "tests/skin_data/TestSkin.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skin;
using platform::MemIniFile;
using skintest::MessageLog;

namespace {

MemIniFile ini(const char* text) { return MemIniFile(MemIniFile::splitLines(QByteArray(text))); }

QStringList names(const TkvSkinData& data)
{
    QStringList result;
    for (const auto& record : data.SkinControls)
        result.append(record->IDName + u'/' + skinControlKind(*record));
    return result;
}

} // namespace

TEST(SkinCatalogue, ListingEntriesCreateRecordsOfTheirKind)
{
    TkvSkinData data;
    const MemIniFile text = ini(
        "[SKINOBJECTS]\ncount=1\n0=menuitem:menuitem\n[menuitem]\nfontname=Tahoma\n"
        "[SKINCONTROLS]\ncount=6\n0=odd:nosuchkind\n1=button:button\n2=nocolon\n3=button:edit\n4=memo:memo\n5=Lower:label\n");
    data.ReadObjects(text);
    data.ReadCtrls(text);
    ASSERT_EQ(data.SkinObjects.size(), 1u);
    const auto* item = dynamic_cast<TkvDataSkinMenuItem*>(data.SkinObjects[0].get());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->IDName, "menuitem");
    EXPECT_EQ(item->fontname, "Tahoma");

    EXPECT_EQ(names(data), QStringList({"button/button", "button/edit", "memo/memo", "Lower/label"}));
    EXPECT_EQ(data.GetControlIndex("button"), 0);
    EXPECT_EQ(data.GetControlIndex("Button"), -1);
    EXPECT_EQ(data.GetControlIndex("lower"), -1);
    EXPECT_EQ(data.GetControlIndex("memo"), 2);
    EXPECT_EQ(data.GetIndex("menuitem"), 0);
    EXPECT_EQ(data.GetIndex("button"), -1);
    // A memo record serves controls that need an edit record.
    EXPECT_NE(dynamic_cast<TkvDataSkinEditControl*>(data.SkinControls[2].get()), nullptr);
}

TEST(SkinCatalogue, CountsDecideHowManyEntriesAreRead)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"[SKINCONTROLS]\n0=a:button\n", 0},
        {"[SKINCONTROLS]\ncount=0\n0=a:button\n", 0},
        {"[SKINCONTROLS]\ncount=1\n0=a:button\n1=b:button\n", 1},
        {"[SKINCONTROLS]\ncount=x\n0=a:button\n", 0},
        {"[SKINCONTROLS]\ncount=1000000\n0=a:button\n7=b:edit\n", 2},
        {"[SKINCONTROLS]\ncount=2147483647\n", 0},
        {"[SKINCONTROLS]\ncount=-5\n0=a:button\n", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        TkvSkinData data;
        data.ReadCtrls(ini(c.text));
        EXPECT_EQ(int(data.SkinControls.size()), c.expected) << c.text;
    }
}

TEST(SkinCatalogue, GetObjectTypeNameSplitsAtTheFirstColon)
{
    QString name, kind;
    TkvSkinData::GetObjectTypeName("a:b:c", name, kind);
    EXPECT_EQ(name, "a");
    EXPECT_EQ(kind, "b:c");
    TkvSkinData::GetObjectTypeName("plain", name, kind);
    EXPECT_TRUE(name.isEmpty() && kind.isEmpty());
}

TEST(SkinCatalogue, EveryKindWordWritesBackAsItself)
{
    for (const char* kind : {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton", "button", "caption",
             "animate", "userobject"}) {
        const auto record = createSkinObject(kind, "x");
        ASSERT_NE(record, nullptr) << kind;
        EXPECT_EQ(skinObjectKind(*record), kind);
    }
    for (const char* kind : {"panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter", "trackbar",
             "label", "stdlabel", "updown", "grid", "tab", "mainmenubar", "controlbar", "memo", "edit", "checklistbox",
             "listbox", "combobox", "scrollbar", "spinedit", "scrollbox", "treeview", "bevel", "slider", "listview",
             "richedit"}) {
        const auto record = createSkinControl(kind, "x");
        ASSERT_NE(record, nullptr) << kind;
        EXPECT_EQ(skinControlKind(*record), kind);
    }
    EXPECT_EQ(createSkinControl("Button", "x"), nullptr);
    EXPECT_EQ(createSkinObject("", "x"), nullptr);
}

TEST(SkinCatalogue, WriteListsBeforeRecordSectionsInListOrder)
{
    TkvSkinData data;
    data.ReadCtrls(ini("[SKINCONTROLS]\ncount=2\n0=b:memo\n1=a:checklistbox\n[b]\nbgcolor=5\n"));
    MemIniFile out;
    data.WriteCtrls(out);
    EXPECT_EQ(out.sectionNames(), QStringList({"SKINCONTROLS", "b", "a"}));
    EXPECT_EQ(out.readString("SKINCONTROLS", "0", ""), "b:memo");
    EXPECT_EQ(out.readString("SKINCONTROLS", "1", ""), "a:checklistbox");
    EXPECT_EQ(out.readString("b", "bgcolor", ""), "5");
}

TEST(SkinFormInfo, NormalisationCases)
{
    struct Case {
        const char* name;
        const char* text;
        TRect maskrectarea;
        TPoint hittestlefttoppoint;
        TPoint hittestrightbottompoint;
        TPoint lefttoppoint;
        TPoint rightbottompoint;
    };
    const Case cases[] = {
        {"mask area kept when it holds the client rect",
            "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nmaskrectarea=4,3,159,137\nclientrect=5,24,157,135\n"
            "lefttoppoint=10,30\nrightbottompoint=150,130\n",
            {4, 3, 159, 137}, {10, 30}, {150, 130}, {10, 30}, {150, 130}},
        {"absent mask area becomes the client rect",
            "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=5,24,157,135\n", {5, 24, 157, 135}, {}, {}, {}, {}},
        {"mask area widened to the client rect",
            "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nmaskrectarea=6,3,100,140\nclientrect=5,24,157,135\n",
            {5, 3, 157, 140}, {}, {}, {}, {}},
        {"no mask: hit-test points stay null",
            "[FORMINFO]\nclientrect=5,24,157,135\nlefttoppoint=10,30\nrightbottompoint=150,130\n", {}, {}, {},
            {10, 30}, {150, 130}},
        {"null hit-test point with x only takes the frame point",
            "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=0,0,200,200\nlefttoppoint=10,30\nrightbottompoint=150,130\n"
            "hittestlefttoppoint=12,0\nhittestrightbottompoint=160,140\n",
            {0, 0, 200, 200}, {10, 30}, {160, 140}, {10, 30}, {150, 130}},
        {"points clamped into the client rect",
            "[FORMINFO]\nclientrect=5,24,157,135\nlefttoppoint=1,2\nrightbottompoint=300,400\n", {}, {}, {}, {5, 24},
            {157, 135}},
        {"equal x keeps points unclamped",
            "[FORMINFO]\nclientrect=5,24,157,135\nlefttoppoint=1,2\nrightbottompoint=1,400\n", {}, {}, {}, {1, 2},
            {1, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkvSkinData data;
        const MemIniFile text = ini(c.text);
        data.mask = text.readString("PICTURES", "mask", "");
        data.ReadFormInfo(text);
        EXPECT_EQ(data.maskrectarea, c.maskrectarea);
        EXPECT_EQ(data.hittestlefttoppoint, c.hittestlefttoppoint);
        EXPECT_EQ(data.hittestrightbottompoint, c.hittestrightbottompoint);
        EXPECT_EQ(data.lefttoppoint, c.lefttoppoint);
        EXPECT_EQ(data.rightbottompoint, c.rightbottompoint);
    }
}

TEST(SkinFormInfo, ClampingMovesEachPointTowardsTheClientRect)
{
    TkvSkinData data;
    data.ReadFormInfo(ini("[FORMINFO]\nclientrect=10,20,100,200\nlefttoppoint=1,1\nrighttoppoint=500,1\n"
                          "leftbottompoint=1,500\nrightbottompoint=500,500\n"));
    EXPECT_EQ(data.lefttoppoint, (TPoint {10, 20}));
    EXPECT_EQ(data.righttoppoint, (TPoint {100, 20}));
    EXPECT_EQ(data.leftbottompoint, (TPoint {10, 200}));
    EXPECT_EQ(data.rightbottompoint, (TPoint {100, 200}));
}

TEST(SkinFormInfo, DefaultsAndWrittenKeyOrder)
{
    TkvSkinData data;
    EXPECT_EQ(data.bgpictureindex, -1);
    EXPECT_EQ(data.mdibgpictureindex, -1);
    EXPECT_FALSE(data.mainmenupopupup);
    data.ReadFormInfo(MemIniFile());
    EXPECT_EQ(data.inactiveeffect, TkvInActiveEffect::ieBrightness);
    EXPECT_EQ(data.bgpictureindex, -1);
    MemIniFile out;
    data.WriteFormInfo(out);
    EXPECT_EQ(out.sectionKeys("FORMINFO"),
        QStringList({"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect",
            "bgpictureindex", "mdibgpictureindex", "leftstretch", "rightstretch", "topstretch", "bottomstretch",
            "maskrectarea", "hittestlefttoppoint", "hittestrighttoppoint", "hittestleftbottompoint",
            "hittestrightbottompoint", "buttonsrect", "captionrect", "buttonsoffset", "buttonsinleft",
            "mainmenupopupup", "borderwidth", "autorenderinginactiveimage", "inactiveeffect"}));
}

TEST(SkinMessages, FolderLoadSendsTheSequenceOwnerFirst)
{
    QTemporaryDir dir;
    const QString path = skintest::writeFolderSkin(QDir(dir.path()));
    QList<MessageLog::Entry> log;
    MessageLog owner(&log, "owner");
    MessageLog other(&log, "other");
    auto* data = new TkvSkinData(&owner);
    data->LoadFromFile(path);
    EXPECT_FALSE(data->IsEmpty());
    const QList<int> sequence {SKINMSG_BEFORECHANGE, SKINMSG_CHANGE, SKINMSG_AFTERCHANGE};
    EXPECT_EQ(skintest::messagesOf(log, "owner"), sequence);
    EXPECT_EQ(skintest::messagesOf(log, "other"), sequence);
    ASSERT_EQ(log.size(), 6);
    EXPECT_EQ(log[0].window, "owner");
    for (const auto& entry : log) {
        EXPECT_EQ(entry.skinData, data);
        EXPECT_EQ(entry.lParam, 1000);
    }
    log.clear();
    delete data;
    EXPECT_TRUE(log.isEmpty());
}

TEST(SkinMessages, ClearSkinAndResourceStrings)
{
    QList<MessageLog::Entry> log;
    MessageLog owner(&log, "owner");
    TkvSkinData data(&owner);
    data.ClearSkin();
    EXPECT_EQ(skintest::messagesOf(log, "owner"),
        QList<int>({SKINMSG_BEFORECHANGE, SKINMSG_CHANGE, SKINMSG_AFTERCHANGE}));
    EXPECT_TRUE(data.IsEmpty());
    log.clear();
    TkvResourceStrData strings;
    data.SetResourceStrData(&strings);
    EXPECT_EQ(skintest::messagesOf(log, "owner"), QList<int>({SKINMSG_RESSTRCHANGE}));
    EXPECT_EQ(data.ResourceStrData(), &strings);
}

// A receiver that looks at the skin's records when told a change is coming.
class RecordsAtBeforeChange : public QWidget {
public:
    int controlsSeen = -1;
    QString firstName;

protected:
    bool event(QEvent* event) override
    {
        if (skin::isSkinDataMessage(event)) {
            const auto* message = static_cast<skin::TkvSkinMessageEvent*>(event);
            if (message->message() == SKINMSG_BEFORECHANGE && controlsSeen < 0) {
                controlsSeen = static_cast<int>(message->WParam()->SkinControls.size());
                const auto& controls = message->WParam()->SkinControls;
                firstName = controls.empty() ? QString() : controls.front()->IDName;
            }
            return true;
        }
        return QWidget::event(event);
    }
};

TEST(SkinMessages, ClearSkinAnnouncesBeforeItFrees)
{
    QTemporaryDir dir;
    const QString path = skintest::writeFolderSkin(QDir(dir.path()));
    QList<MessageLog::Entry> log;
    MessageLog owner(&log, "owner");
    TkvSkinData data(&owner);
    data.LoadFromFile(path);
    ASSERT_FALSE(data.SkinControls.empty());
    const int loaded = static_cast<int>(data.SkinControls.size());
    const QString first = data.SkinControls[0]->IDName;

    RecordsAtBeforeChange receiver;
    data.ClearSkin();
    EXPECT_EQ(receiver.controlsSeen, loaded) << "the records still exist when the change is announced";
    EXPECT_EQ(receiver.firstName, first);
    EXPECT_TRUE(data.IsEmpty());
}

TEST(SkinMessages, ReferencedComponentsAreForgottenWhenDestroyed)
{
    TkvSkinData data;
    {
        TkvResourceStrData strings;
        data.SetResourceStrData(&strings);
        TkvCompressedStoredSkin stored;
        data.SetCompressedStoredSkin(&stored);
        EXPECT_EQ(data.CompressedStoredSkin(), &stored);
    }
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
}

TEST(SkinLoadFailures, MissingSectionsAndBadValuesLeaveTheSkinEmpty)
{
    QTemporaryDir dir;
    QList<MessageLog::Entry> log;
    MessageLog owner(&log, "owner");
    TkvSkinData data(&owner);

    const QString noSections = skintest::writeDefinition(QDir(dir.path()), "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n");
    data.LoadFromFile(noSections);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(skintest::messagesOf(log, "owner"),
        QList<int>({SKINMSG_BEFORECHANGE, SKINMSG_CHANGE, SKINMSG_AFTERCHANGE}));

    log.clear();
    const QString badRect = skintest::writeDefinition(QDir(dir.path()),
        "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\ncount=2\r\n"
        "0=a:button\r\n1=b:button\r\n[a]\r\nskinrect=1,2\r\n");
    EXPECT_THROW(data.LoadFromFile(badRect), platform::EConvertError);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(skintest::messagesOf(log, "owner"), QList<int>({SKINMSG_BEFORECHANGE}));

    log.clear();
    const QString missingPicture = skintest::writeDefinition(QDir(dir.path()),
        "[VERSION]\r\n[PICTURES]\r\npicture=nothere.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");
    EXPECT_THROW(data.LoadFromFile(missingPicture), platform::EFOpenError);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(skintest::messagesOf(log, "owner"), QList<int>({SKINMSG_BEFORECHANGE}));
}

// A morphing object is blended in two pictures of its own size; a skin
// asking for more than any picture may hold is refused like an over-large
// picture file, and names the record.
TEST(SkinLoadFailures, MorphingObjectsBeyondThePictureBoundAreRefused)
{
    QTemporaryDir dir;
    TkvSkinData data;
    const auto skinWith = [&](const char* kind, const char* skinrect, const char* morphing) {
        return skintest::writeDefinition(QDir(dir.path()),
            QByteArray("[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINCONTROLS]\r\n[SKINOBJECTS]\r\ncount=1\r\n"
                       "0=big:")
                + kind + "\r\n[big]\r\nactiveskinrect=0,0,10,10\r\nskinrect=" + skinrect + "\r\nmorphing="
                + morphing + "\r\n");
    };
    for (const char* kind : {"caption", "stdbutton", "menuitem"}) {
        try {
            data.LoadFromFile(skinWith(kind, "0,0,8192,8193", "1"));
            ADD_FAILURE() << kind << ": no error";
        } catch (const platform::EConvertError& error) {
            EXPECT_TRUE(error.message().contains("8192 x 8193")) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains("too large")) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains("[big]")) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains("skinrect")) << error.message().toStdString();
        }
        EXPECT_TRUE(data.IsEmpty()) << kind;
    }
    // Exactly at the bound, or not morphing at all, the skin loads.
    data.LoadFromFile(skinWith("caption", "0,0,8192,8192", "1"));
    EXPECT_FALSE(data.IsEmpty());
    data.LoadFromFile(skinWith("caption", "0,0,100000,100000", "0"));
    EXPECT_FALSE(data.IsEmpty());
}

TEST(SkinLoad, FolderSkinContent)
{
    QTemporaryDir dir;
    TkvSkinData data;
    data.LoadFromFile(skintest::writeFolderSkin(QDir(dir.path())));
    EXPECT_EQ(data.skinname, "Test skin");
    EXPECT_EQ(data.PictureBitmap.width(), 40);
    EXPECT_EQ(data.PictureBitmap.bitCount(), 8);
    EXPECT_TRUE(data.InactivePictureBitmap.isEmpty());
    EXPECT_EQ(data.MaskBitmap.bitCount(), 1);
    EXPECT_EQ(data.ActivePictureNames, QStringList({"a0.bmp", "a1.bmp", "sub/a2.bmp"}));
    ASSERT_EQ(data.ActiveBitmaps.size(), 3);
    EXPECT_EQ(data.ActiveBitmaps[2].width(), 48);
    ASSERT_NE(data.activeBitmap(2), nullptr);
    EXPECT_EQ(data.activeBitmap(2)->width(), 48);
    EXPECT_EQ(data.activeBitmap(3), nullptr);
    EXPECT_EQ(data.activeBitmap(-1), nullptr);
    EXPECT_EQ(data.SkinObjects.size(), 4u);
    EXPECT_EQ(data.SkinControls.size(), 6u);
    EXPECT_EQ(data.inactiveeffect, TkvInActiveEffect::ieDarkness);
    EXPECT_EQ(data.PopupWindowRecord.windowpictureindex, 1);
    EXPECT_EQ(data.HintWindowRecord.fontstyle.bits, quint8(TFontStyle::fsItalic));

    data.ClearObjects();
    EXPECT_TRUE(data.SkinControls.empty());
    EXPECT_TRUE(data.ActiveBitmaps.isEmpty());
    EXPECT_EQ(data.PopupWindowRecord.windowpictureindex, -1);
    EXPECT_FALSE(data.PictureBitmap.isEmpty());
    data.ClearAll();
    EXPECT_TRUE(data.PictureBitmap.isEmpty());
    EXPECT_TRUE(data.mask.isEmpty());
    EXPECT_TRUE(data.IsEmpty());
}

TEST(SkinLoad, AddAndDeleteBitmapsKeepNamesInStep)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("extra.bmp");
    skintest::truecolorPicture(3, 3, 9).saveToFile(file);
    TkvSkinData data;
    data.AddBitMap(file);
    data.AddBitMap(file);
    EXPECT_EQ(data.ActivePictureNames, QStringList({"extra.bmp", "extra.bmp"}));
    data.DeleteBitMap(0);
    data.DeleteBitMap(5);
    EXPECT_EQ(data.ActiveBitmaps.size(), 1);
    EXPECT_EQ(data.ActivePictureNames.size(), 1);
    EXPECT_THROW(data.AddBitMap(file + ".missing"), platform::EFOpenError);
    EXPECT_EQ(data.ActivePictureNames.size(), 1);
}

TEST(SkinSave, WholeSkinSectionOrder)
{
    QTemporaryDir dir;
    TkvSkinData data;
    data.LoadFromFile(skintest::writeFolderSkin(QDir(dir.path())));
    MemIniFile out;
    data.SaveToCustomIniFile(out);
    EXPECT_EQ(out.sectionNames(),
        QStringList({"VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINOBJECTS", "menuitem",
            "caption", "closebutton", "mainmenubaritem", "SKINCONTROLS", "button", "edit", "listbox", "vupdown",
            "stdlabel", "groupbox"}));
    EXPECT_EQ(out.sectionKeys("VERSION"),
        QStringList({"ver", "skinname", "skinauthor", "authoremail", "authorurl", "skincomments"}));
    EXPECT_EQ(out.sectionKeys("PICTURES"),
        QStringList({"picture", "inactivepicture", "mask", "activepicturescount", "0", "1", "2"}));
}

TEST(ResourceStrings, DefaultsAndLookup)
{
    TkvResourceStrData strings;
    EXPECT_EQ(strings.ResStrings().size(), 115);
    EXPECT_EQ(strings.CharSet(), 1);
    EXPECT_EQ(strings.GetResStr("mi_mincaption"), "Mi&nimize");
    EXPECT_EQ(strings.GetResStr("MSG_BTN_OK"), "OK");
    EXPECT_EQ(strings.GetResStr("NODISKINDRIVE"), "There is no disk in Drive or Drive is not ready");
    EXPECT_EQ(strings.GetResStr("PRNDLG_WARNING"), "There are no printers in your system!");
    EXPECT_EQ(strings.GetResStr("EDIT_SELECTALL"), "Select All");
    EXPECT_EQ(strings.GetResStr("NO_SUCH_NAME"), "");
    QStringList names;
    for (const QString& line : strings.ResStrings())
        names.append(line.section(u'=', 0, 0).toUpper());
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 115);

    strings.SetResStrs({"A=x=y", "a=second", "B"});
    EXPECT_EQ(strings.GetResStr("a"), "x=y");
    EXPECT_EQ(strings.GetResStr("B"), "");
}
