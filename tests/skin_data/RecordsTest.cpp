#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"

#include "platform/IniFile.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

using namespace skin;
using platform::MemIniFile;

namespace {

const char* const objectKinds[] = {
    "menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton", "button", "caption", "animate", "userobject"};
const char* const controlKinds[] = {"panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter",
    "trackbar", "label", "stdlabel", "updown", "grid", "tab", "mainmenubar", "controlbar", "memo", "edit",
    "checklistbox", "listbox", "combobox", "scrollbar", "spinedit", "scrollbox", "treeview", "bevel", "slider",
    "listview", "richedit"};

// A distinct value for every key, shaped like the value the record wrote
// for it, so that a key read into the wrong field shows up.
QString distinctValue(const QString& written, int i)
{
    static const QRegularExpression rect(QStringLiteral("^\\d+,\\d+,\\d+,\\d+$"));
    static const QRegularExpression point(QStringLiteral("^\\d+,\\d+$"));
    static const QRegularExpression number(QStringLiteral("^-?\\d+$"));
    if (rect.match(written).hasMatch())
        return QStringLiteral("%1,%2,%3,%4").arg(i).arg(i + 1).arg(i + 200).arg(i + 300);
    if (point.match(written).hasMatch())
        return QStringLiteral("%1,%2").arg(i + 1).arg(i + 50);
    if (number.match(written).hasMatch())
        return QString::number(1000 + i);
    if (written == "mkdefault")
        return "mkpush";
    if (written == "cmdefault")
        return "cmrollup";
    if (written == "tacenter")
        return "taleftjustify";
    // Strings and font style sets: a text that reads back the same as both.
    return written.isEmpty() || written == "Arial" ? QStringLiteral("fsitalic,fsstrikeout") : written + u'x';
}

// Loads a record from a section where every key it writes has a distinct
// non-default value, saves it again, and returns (given, written back).
std::pair<MemIniFile, MemIniFile> roundTrip(const std::function<void(MemIniFile&)>& save,
    const std::function<void(const MemIniFile&)>& load, const QString& section)
{
    MemIniFile defaults;
    save(defaults);
    MemIniFile given;
    const QStringList keys = defaults.sectionKeys(section);
    for (int i = 0; i < keys.size(); ++i)
        given.writeString(section, keys[i], distinctValue(defaults.readString(section, keys[i], ""), i));
    load(given);
    MemIniFile back;
    save(back);
    return {given, back};
}

// Booleans only keep 1 and 0; every other key must come back unchanged.
void expectSameValues(const MemIniFile& given, const MemIniFile& back, const QString& section,
    const QStringList& changedByRule = {})
{
    EXPECT_EQ(given.sectionKeys(section), back.sectionKeys(section));
    for (const QString& key : given.sectionKeys(section)) {
        if (changedByRule.contains(key))
            continue;
        const QString in = given.readString(section, key, "");
        const QString out = back.readString(section, key, "");
        if (out == "0" && in.toInt() >= 1000)
            continue; // a boolean given a number other than 1
        EXPECT_EQ(out, in) << section.toStdString() << " key " << key.toStdString();
    }
}

template<typename Record>
QStringList writtenKeys(Record& record, const QString& section)
{
    MemIniFile ini;
    record.SaveToFile(ini);
    return ini.sectionKeys(section);
}

} // namespace

TEST(SkinRecords, EveryObjectClassLoadsAndSavesEveryKey)
{
    for (const char* kind : objectKinds) {
        SCOPED_TRACE(kind);
        const auto record = createSkinObject(kind, "rec");
        const auto [given, back] = roundTrip([&](MemIniFile& ini) { record->SaveToFile(ini); },
            [&](const MemIniFile& ini) { record->LoadFromFile(ini); }, "rec");
        expectSameValues(given, back, "rec", QString(kind) == "animate" ? QStringList {"morphing"} : QStringList {});
    }
}

TEST(SkinRecords, EveryControlClassLoadsAndSavesEveryKey)
{
    for (const char* kind : controlKinds) {
        SCOPED_TRACE(kind);
        const auto record = createSkinControl(kind, "rec");
        const auto [given, back] = roundTrip([&](MemIniFile& ini) { record->SaveToFile(ini); },
            [&](const MemIniFile& ini) { record->LoadFromFile(ini); }, "rec");
        const QStringList cut {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect"};
        expectSameValues(given, back, "rec", QString(kind) == "updown" ? cut : QStringList {});
    }
}

TEST(SkinRecords, WindowRecordsLoadAndSaveEveryKey)
{
    TkvDataSkinPopupWindow popup;
    const auto [popupGiven, popupBack] = roundTrip([&](MemIniFile& ini) { popup.SaveToFile(ini); },
        [&](const MemIniFile& ini) { popup.LoadFromFile(ini); }, "POPUPWINDOW");
    expectSameValues(popupGiven, popupBack, "POPUPWINDOW");
    TkvDataSkinHintWindow hint;
    const auto [hintGiven, hintBack] = roundTrip([&](MemIniFile& ini) { hint.SaveToFile(ini); },
        [&](const MemIniFile& ini) { hint.LoadFromFile(ini); }, "HINTWINDOW");
    expectSameValues(hintGiven, hintBack, "HINTWINDOW");
}

TEST(SkinRecords, WrittenKeyOrders)
{
    const QStringList objectBase {"hint", "activepictureindex", "skinrectinapicture", "skinrect", "activeskinrect",
        "inactiveskinrect", "morphing", "morphkind"};
    const QStringList controlBase {"pictureindex", "maskpictureindex", "skinrect"};
    const QStringList customBase = controlBase
        + QStringList {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect"};
    const QStringList listBox {"itemrect", "activeitemrect", "focusitemrect", "itemleftoffset", "itemrightoffset",
        "itemtextrect", "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor", "focusfontcolor",
        "captionrect", "captionfontname", "captionfontheight", "captionfontstyle", "captionfontcolor", "upbuttonrect",
        "activeupbuttonrect", "downupbuttonrect", "downbuttonrect", "activedownbuttonrect", "downdownbuttonrect",
        "checkbuttonrect", "activecheckbuttonrect", "downcheckbuttonrect", "vscrollbarname", "hscrollbarname",
        "bothhscrollbarname"};
    const struct {
        const char* kind;
        bool object;
        QStringList keys;
    } cases[] = {
        {"userobject", true, {"skinrect"}},
        {"stdbutton", true,
            objectBase
                + QStringList {"downrect", "disableskinrsect", "command", "restorerect", "restoreactiverect",
                    "restoredownrect", "restoreinactiverect"}},
        {"caption", true,
            objectBase
                + QStringList {"textrect", "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor",
                    "alignment", "shadow", "shadowcolor", "activeshadowcolor", "framerect", "activeframerect",
                    "frametextrect", "frameleftoffset", "framerightoffset"}},
        {"menuitem", true,
            objectBase
                + QStringList {"itemleftoffset", "itemrightoffset", "dividerrect", "dividerleftoffset",
                    "dividerrightoffset", "textrect", "fontname", "fontheight", "fontstyle", "fontcolor",
                    "activefontcolor", "unenabledfontcolor"}},
        {"mainmenubaritem", true,
            objectBase
                + QStringList {"itemleftoffset", "itemrightoffset", "downrect", "textrect", "fontname", "fontheight",
                    "fontstyle", "fontcolor", "activefontcolor", "downfontcolor", "unenabledfontColor"}},
        {"animate", true,
            objectBase + QStringList {"countframes", "cycle", "buttonstyle", "timerinterval", "command"}},
        {"panel", false,
            customBase
                + QStringList {"bgpictureindex", "captionrect", "alignment", "fontname", "fontheight", "fontstyle",
                    "fontcolor", "checkimagerect", "uncheckimagerect"}},
        {"gauge", false,
            customBase
                + QStringList {"progressarea", "progressrect", "beginoffset", "endoffset", "vertical", "fontname",
                    "fontheight", "fontstyle", "fontcolor"}},
        {"slider", false,
            controlBase
                + QStringList {"bgcolor", "hrulerrect", "hthumbrect", "vrulerrect", "vthumbrect", "edgesize",
                    "pointscolor"}},
        {"stdlabel", false,
            controlBase + QStringList {"fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor"}},
        {"checkradio", false,
            customBase
                + QStringList {"fontname", "fontheight", "fontstyle", "fontcolor", "framefontcolor", "activefontcolor",
                    "unenabledfontcolor", "activeskinrect", "checkimagearea", "textarea", "checkimagerect",
                    "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect", "unenabledcheckimagerect",
                    "unenableduncheckimagerect", "morphing", "morphkind"}},
        {"listbox", false, customBase + listBox},
        {"checklistbox", false,
            customBase + listBox + QStringList {"itemcheckrect", "uncheckimagerect", "checkimagerect"}},
        {"memo", false,
            customBase
                + QStringList {"activeskinrect", "fontname", "fontheight", "fontstyle", "fontcolor",
                    "disabledfontcolor", "activefontcolor", "buttonrect", "activebuttonrect", "downbuttonrect",
                    "unenabledbuttonrect", "bgcolor", "activebgcolor"}},
        {"menubutton", false,
            customBase
                + QStringList {"fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor", "downfontcolor",
                    "disabledfontcolor", "activeskinrect", "downskinrect", "disabledskinrect", "morphing", "morphkind",
                    "trackbuttonrect"}},
        {"combobox", false,
            customBase
                + QStringList {"itemrect", "focusitemrect", "itemleftoffset", "itemrightoffset", "itemtextrect",
                    "fontname", "fontheight", "fontstyle", "fontcolor", "focusfontcolor", "buttonrect",
                    "activebuttonrect", "downbuttonrect", "unenabledbuttonrect", "listboxname"}},
        {"tab", false,
            controlBase
                + QStringList {"tabrect", "activetabrect", "focustabrect", "mouseintabrect", "clientrect",
                    "bgpictureindex", "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
                    "tableftoffset", "tabrightoffset", "tabsbgrect", "fontname", "fontheight", "fontstyle",
                    "fontcolor", "activefontcolor", "focusfontcolor", "mouseinfontcolor", "updown"}},
        {"grid", false,
            controlBase
                + QStringList {"fixedcellrect", "selectcellrect", "focuscellrect", "fixedcellleftoffset",
                    "fixedcellrightoffset", "fixedcelltextrect", "cellleftoffset", "cellrightoffset", "celltextrect",
                    "linescolor", "bgcolor", "fontname", "fontheight", "fontstyle", "fontcolor", "selectfontcolor",
                    "focusfontcolor", "fixedfontname", "fixedfontheight", "fixedfontstyle", "fixedfontcolor"}},
        {"mainmenubar", false,
            controlBase
                + QStringList {"itemsrect", "menubaritem", "closebutton", "minbutton", "maxbutton", "sysmenubutton",
                    "trackmarkcolor", "trackmarkactivecolor"}},
        {"splitter", false, customBase},
        {"bevel", false, controlBase + QStringList {"lightcolor", "darkcolor"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        if (c.object) {
            const auto record = createSkinObject(c.kind, "r");
            EXPECT_EQ(writtenKeys(*record, "r"), c.keys);
        } else {
            const auto record = createSkinControl(c.kind, "r");
            EXPECT_EQ(writtenKeys(*record, "r"), c.keys);
        }
    }

    TkvDataSkinPopupWindow popup;
    EXPECT_EQ(writtenKeys(popup, "POPUPWINDOW"),
        QStringList({"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint", "leftbottompoint",
            "rightbottompoint", "itemsrect", "scrollmarkercolor", "scrollmarkeractivecolor", "leftstretch",
            "rightstretch", "topstretch", "bottomstretch"}));
    TkvDataSkinHintWindow hint;
    EXPECT_EQ(writtenKeys(hint, "HINTWINDOW"),
        QStringList({"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint", "leftbottompoint",
            "rightbottompoint", "clientrect", "fontname", "fontheight", "fontstyle", "fontcolor", "leftstretch",
            "rightstretch", "topstretch", "bottomstretch"}));
}

TEST(SkinRecords, DefaultsWhenKeysAreAbsent)
{
    const MemIniFile empty;
    TkvDataSkinStdLabelControl label("l");
    label.LoadFromFile(empty);
    EXPECT_EQ(label.activefontcolor, 16711680);
    EXPECT_EQ(label.fontname, "Arial");
    EXPECT_EQ(label.fontheight, 14);
    EXPECT_EQ(label.pictureindex, -1);

    TkvDataSkinListBox list("l");
    list.LoadFromFile(empty);
    EXPECT_EQ(list.vscrollbarname, "vscrollbar");
    EXPECT_EQ(list.hscrollbarname, "hscrollbar");
    EXPECT_EQ(list.bothhscrollbarname, "bothhscrollbar");
    EXPECT_EQ(list.captionfontname, "Arial");

    TkvDataSkinComboBox combo("c");
    combo.LoadFromFile(empty);
    EXPECT_TRUE(combo.listboxname.isEmpty());

    TkvDataSkinAnimate animate("a");
    animate.LoadFromFile(empty);
    EXPECT_EQ(animate.countframes, 1);
    EXPECT_EQ(animate.timerinterval, 50);
    EXPECT_EQ(animate.command, TkvStdCommand::cmDefault);
    EXPECT_EQ(animate.activepictureindex, -1);

    TkvDataSkinCaption caption("c");
    caption.LoadFromFile(empty);
    EXPECT_EQ(caption.alignment, TAlignment::taCenter);
    EXPECT_TRUE(isNullRect(caption.skinrect));

    TkvDataSkinTabControl tab("t");
    tab.LoadFromFile(empty);
    EXPECT_EQ(tab.bgpictureindex, -1);
}

TEST(SkinRecords, SpecialReadingRules)
{
    const MemIniFile ini(MemIniFile::splitLines(
        "[u]\nlefttoppoint=3,4\nclientrect=1,1,9,9\nupbuttonrect=1,2,3,4\n"
        "[a]\nmorphing=1\ncountframes=4\n"
        "[b]\ndisabledskinrect=1,1,5,5\ndisableskinrsect=2,2,6,6\n"
        "[m]\nUNENABLEDFONTCOLOR=77\n"
        "[o]\nskinrect=1,2,3,4\nhint=kept out\nmorphing=1\n"));
    TkvDataSkinUpDownControl updown("u");
    updown.LoadFromFile(ini);
    EXPECT_EQ(updown.lefttoppoint, TPoint {});
    EXPECT_TRUE(isNullRect(updown.clientrect));
    EXPECT_EQ(updown.upbuttonrect, (TRect {1, 2, 3, 4}));
    updown.lefttoppoint = {5, 5};
    MemIniFile out;
    updown.SaveToFile(out);
    EXPECT_EQ(out.readString("u", "lefttoppoint", ""), "0,0");

    TkvDataSkinAnimate animate("a");
    animate.LoadFromFile(ini);
    EXPECT_FALSE(animate.morphing);
    EXPECT_EQ(animate.countframes, 4);

    TkvDataSkinButton button("b");
    button.LoadFromFile(ini);
    EXPECT_EQ(button.disableskinrsect, (TRect {2, 2, 6, 6}));

    TkvDataSkinMainMenuBarItem item("m");
    item.LoadFromFile(ini);
    EXPECT_EQ(item.unenabledfontcolor, 77);

    TkvDataUserObject user("o");
    user.LoadFromFile(ini);
    EXPECT_EQ(user.skinrect, (TRect {1, 2, 3, 4}));
    EXPECT_TRUE(user.hint.isEmpty());
    EXPECT_FALSE(user.morphing);
}

TEST(SkinRecords, SavingEraseTheSectionFirst)
{
    MemIniFile ini(MemIniFile::splitLines("[r]\nstale=1\nfontname=Old\n"));
    TkvDataSkinLabelControl label("r");
    label.SaveToFile(ini);
    EXPECT_EQ(ini.readString("r", "stale", "gone"), "gone");
    EXPECT_EQ(ini.readString("r", "fontname", ""), "Arial");
}
