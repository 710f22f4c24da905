// The [SKINCONTROLS] part of the definition: 59 control records. The main
// window uses "button", "resizebutton", "edit", "combobox", "listbox",
// "gauge", "slider", "groupbox", "stdlabel" and the scroll bars; the rest
// give every record kind a sensible look.

#include "SkinDefinition.h"
#include "SkinLayout.h"

#include "skin/data/SkinControlRecords.h"

namespace skingen {

using namespace layout;
using namespace skin;

namespace {

constexpr TColor kBlack = 0;
constexpr TColor kWhite = 16777215;
constexpr TColor kGrey = 8421504;

struct Cut {
    TPoint lt, rt, lb, rb;
    TRect client;
};

// Nine-part cut with equal margins m from every edge of a w x h image.
Cut nine(int w, int h, int m, TRect client) { return {{m, m}, {w - m, m}, {m, h - m}, {w - m, h - m}, client}; }

class ControlList {
public:
    ControlList(TkvSkinData& data, const SkinPalette& p) : m_data(data), p(p) {}

    template <typename Record>
    Record& add(const QString& name, const TRect& skinrect = {}, const Cut* cut = nullptr)
    {
        auto record = std::make_unique<Record>(name);
        Record& r = *record;
        r.skinrect = skinrect;
        r.pictureindex = kAtlasPicture;
        if constexpr (std::is_base_of_v<TkvDataSkinCustomControl, Record>) {
            if (cut) {
                r.lefttoppoint = cut->lt;
                r.righttoppoint = cut->rt;
                r.leftbottompoint = cut->lb;
                r.rightbottompoint = cut->rb;
                r.clientrect = cut->client;
            }
        }
        m_data.SkinControls.push_back(std::move(record));
        return r;
    }

    TColor c(QRgb rgb) const { return colourValue(rgb); }

    TkvDataSkinButtonControl& button(const QString& name, TRect normal, TRect hot, TRect down, const Cut& cut, bool morphing)
    {
        auto& b = add<TkvDataSkinButtonControl>(name, normal, &cut);
        b.fontcolor = c(p.buttonText);
        b.activefontcolor = c(p.buttonText);
        b.downfontcolor = c(p.buttonText);
        // A disabled button keeps its normal face; its caption turns white.
        b.disabledfontcolor = kWhite;
        b.activeskinrect = hot;
        b.downskinrect = down;
        b.morphing = morphing;
        b.morphkind = morphing ? TkvMorphKind::mkRightGradient : TkvMorphKind::mkDefault;
        return b;
    }

    TkvDataSkinPanelControl& panel(const QString& name, TRect face, const Cut& cut, TRect caption)
    {
        auto& g = add<TkvDataSkinPanelControl>(name, face, &cut);
        g.captionrect = caption;
        g.fontcolor = kBlack;
        return g;
    }

    template <typename Record = TkvDataSkinEditControl>
    Record& edit(const QString& name, TRect face, TRect hot, const Cut& cut)
    {
        auto& e = add<Record>(name, face, &cut);
        e.activeskinrect = hot;
        e.fontcolor = kBlack;
        e.activefontcolor = kBlack;
        e.disabledfontcolor = kGrey;
        return e;
    }

    void buttonPlaces(TkvDataSkinEditControl& e)
    {
        e.buttonrect = kEditButtonPlace;
        e.activebuttonrect = kEditButtonHot;
        e.downbuttonrect = kEditButtonDown;
        e.unenabledbuttonrect = kEditButtonDisabled;
    }

    template <typename Record = TkvDataSkinListBox>
    Record& list(const QString& name)
    {
        const Cut cut{{6, 6}, {53, 6}, {6, 46}, {53, 46}, kListBoxClient};
        auto& l = add<Record>(name, kListBox, &cut);
        l.itemrect = kListItem;
        l.activeitemrect = kListItemHot;
        l.focusitemrect = kListItemFocus;
        l.itemleftoffset = 2;
        l.itemrightoffset = 2;
        l.itemtextrect = kListItemText;
        l.fontcolor = kBlack;
        l.activefontcolor = kBlack;
        l.focusfontcolor = c(p.selectionText);
        return l;
    }

    TkvDataSkinComboBox& combo(const QString& name)
    {
        const Cut cut{{4, 4}, {44, 4}, {}, {}, kComboClient};
        auto& b = add<TkvDataSkinComboBox>(name, kCombo, &cut);
        b.itemrect = kComboItem;
        b.focusitemrect = kComboItemFocus;
        b.itemleftoffset = 2;
        b.itemrightoffset = 2;
        b.itemtextrect = kComboItemText;
        b.fontcolor = kBlack;
        b.focusfontcolor = c(p.selectionText);
        b.buttonrect = kComboButtonPlace;
        b.activebuttonrect = kComboButtonHot;
        b.downbuttonrect = kComboButtonDown;
        b.unenabledbuttonrect = kComboButtonDisabled;
        b.listboxname = QStringLiteral("listbox");
        return b;
    }

    void scrollBar(const QString& name, bool vertical, TRect face)
    {
        // Vertical bars grow between a fixed top of 18 and bottom of 20
        // rows; horizontal ones likewise between columns.
        const Cut cut = vertical ? Cut{{0, 18}, {}, {0, 48}, {}, {}} : Cut{{18, 0}, {48, 0}, {}, {}, {}};
        auto& s = add<TkvDataSkinScrollBarControl>(name, face, &cut);
        s.trackarea = vertical ? kVScrollTrack : kHScrollTrack;
        // The "up" button is the one that increases: bottom or right.
        s.upbuttonrect = vertical ? kVScrollIncrease : kHScrollIncrease;
        s.downbuttonrect = vertical ? kVScrollDecrease : kHScrollDecrease;
        s.downupbuttonrect = vertical ? kVScrollIncreaseDown : kHScrollIncreaseDown;
        s.downdownbuttonrect = vertical ? kVScrollDecreaseDown : kHScrollDecreaseDown;
        s.thumbrect = vertical ? kVThumb : kHThumb;
        s.downthumbrect = vertical ? kVThumbDown : kHThumbDown;
        s.thumboffset1 = 5;
        s.thumboffset2 = 5;
        s.glyphrect = vertical ? kVGlyph : kHGlyph;
        s.downglyphrect = vertical ? kVGlyphDown : kHGlyphDown;
    }

    void upDown(const QString& name, bool vertical)
    {
        auto& u = add<TkvDataSkinUpDownControl>(name, vertical ? kVUpDown : kHUpDown);
        u.upbuttonrect = vertical ? kVUpDownUp : kHUpDownUp;
        u.downbuttonrect = vertical ? kVUpDownDown : kHUpDownDown;
        u.activeupbuttonrect = vertical ? kVUpDownUpHot : kHUpDownUpHot;
        u.downupbuttonrect = vertical ? kVUpDownUpDown : kHUpDownUpDown;
        u.activedownbuttonrect = vertical ? kVUpDownDownHot : kHUpDownDownHot;
        u.downdownbuttonrect = vertical ? kVUpDownDownDown : kHUpDownDownDown;
    }

    void spin(const QString& name)
    {
        auto& s = edit<TkvDataSkinSpinEditControl>(name, kEdit, kEditHot, Cut{{4, 4}, {38, 4}, {}, {}, {3, 3, 40, 18}});
        s.upbuttonrect = {41, 3, 54, 10};
        s.downbuttonrect = {41, 10, 54, 18};
        s.activeupbuttonrect = kVUpDownUpHot;
        s.downupbuttonrect = kVUpDownUpDown;
        s.activedownbuttonrect = kVUpDownDownHot;
        s.downdownbuttonrect = kVUpDownDownDown;
    }

    void checkRadio(const QString& name, CheckMark mark)
    {
        const Cut cut{{4, 4}, {66, 4}, {4, 13}, {66, 13}, {1, 1, 69, 16}};
        auto& r = add<TkvDataSkinCheckRadioControl>(name, kCheckFace, &cut);
        r.fontcolor = kBlack;
        r.activefontcolor = kBlack;
        r.unenabledfontcolor = kGrey;
        r.framefontcolor = kBlack;
        r.activeskinrect = kCheckFaceHot;
        r.checkimagearea = kCheckArea;
        r.textarea = kCheckText;
        r.checkimagerect = kCheckImage(mark, 0);
        r.uncheckimagerect = kCheckImage(mark, 1);
        r.activecheckimagerect = kCheckImage(mark, 2);
        r.activeuncheckimagerect = kCheckImage(mark, 3);
        r.unenabledcheckimagerect = kCheckImage(mark, 4);
        r.unenableduncheckimagerect = kCheckImage(mark, 5);
    }

    void grid(const QString& name)
    {
        auto& g = add<TkvDataSkinGridControl>(name);
        g.fixedcellrect = kGridFixedCell;
        g.selectcellrect = kGridSelectCell;
        g.focuscellrect = kGridFocusCell;
        g.fixedcellleftoffset = 2;
        g.fixedcellrightoffset = 2;
        g.fixedcelltextrect = kGridCellText;
        g.cellleftoffset = 2;
        g.cellrightoffset = 2;
        g.celltextrect = kGridCellText;
        g.linescolor = c(p.fieldShade);
        g.bgcolor = c(p.fieldFace);
        g.fontcolor = kBlack;
        g.selectfontcolor = kBlack;
        g.focusfontcolor = c(p.selectionText);
        g.fixedfontcolor = kBlack;
    }

    void tab(const QString& name)
    {
        auto& t = add<TkvDataSkinTabControl>(name, kTabPage);
        t.tabrect = kTab;
        t.activetabrect = kTabActive;
        t.focustabrect = kTabFocus;
        t.mouseintabrect = kTabHot;
        t.clientrect = kTabPageClient;
        t.tabsbgrect = kTabsBack;
        t.lefttoppoint = {6, 6};
        t.righttoppoint = {54, 6};
        t.leftbottompoint = {6, 34};
        t.rightbottompoint = {54, 34};
        t.tableftoffset = kTabOffset;
        t.tabrightoffset = kTabOffset;
        t.fontcolor = kBlack;
        t.activefontcolor = kBlack;
        t.focusfontcolor = kBlack;
        t.mouseinfontcolor = kBlack;
        t.updown = QStringLiteral("hupdown");
    }

    template <typename Record>
    void textView(const QString& name)
    {
        auto& v = add<Record>(name);
        v.pictureindex = -1;
        v.fontcolor = kBlack;
        v.bgcolor = c(p.fieldFace);
    }

private:
    TkvSkinData& m_data;
    const SkinPalette& p;
};

} // namespace

void defineControls(TkvSkinData& data, const SkinPalette& p)
{
    ControlList l(data, p);
    const Cut panelCut = nine(40, 30, 6, {1, 1, 39, 29});
    const Cut groupCut{{8, 20}, {50, 21}, {5, 45}, {52, 46}, kGroupBoxClient};

    // Three-part button (fixed 10 left, 11 right); nine-part resizable button.
    l.button(QStringLiteral("button"), kButton, kButtonHot, kButtonDown, Cut{{10, 12}, {24, 12}, {}, {}, {4, 3, 31, 22}}, true);
    l.button(QStringLiteral("resizebutton"), kResizeButton, kResizeButtonHot, kResizeButtonDown,
        Cut{{8, 8}, {27, 8}, {8, 17}, {27, 17}, {4, 4, 31, 21}}, false);
    l.button(QStringLiteral("toolbutton"), kToolButton, kToolButtonHot, kToolButtonDown, nine(23, 22, 5, {3, 3, 20, 19}), false);
    l.button(QStringLiteral("bigtoolbutton"), kBigToolButton, kBigToolButtonHot, kBigToolButtonDown,
        nine(36, 36, 8, {3, 3, 33, 33}), false);
    l.panel(QStringLiteral("panel"), kPanel, panelCut, {3, 2, 37, 16});
    auto& group = l.panel(QStringLiteral("groupbox"), kGroupBox, groupCut, kGroupBoxCaption);
    group.fontname = QStringLiteral("Arial");
    group.fontheight = 14;
    l.panel(QStringLiteral("toolpanel"), kToolPanel, panelCut, {3, 2, 37, 16});
    l.panel(QStringLiteral("statusbar"), kStatusBar, Cut{{6, 4}, {54, 4}, {6, 18}, {54, 18}, {2, 2, 58, 21}}, {4, 3, 56, 20});
    l.panel(QStringLiteral("bigtoolpanel"), kBigToolPanel, nine(40, 40, 6, {1, 1, 39, 39}), {3, 2, 37, 16});
    l.edit(QStringLiteral("edit"), kEdit, kEditHot, Cut{{4, 4}, {53, 4}, {}, {}, kEditClient});
    l.combo(QStringLiteral("combobox"));
    l.list(QStringLiteral("listbox"));

    auto& gauge = l.add<TkvDataSkinGaugeControl>(QStringLiteral("gauge"), kGauge, nullptr);
    gauge.lefttoppoint = {2, 2};
    gauge.righttoppoint = {20, 2};
    gauge.clientrect = kGaugeProgressArea;
    gauge.progressarea = kGaugeProgressArea;
    gauge.progressrect = kGaugeTile;
    gauge.fontcolor = kBlack;

    auto& slider = l.add<TkvDataSkinSlider>(QStringLiteral("slider"));
    slider.hthumbrect = kSliderThumb;
    slider.hrulerrect = kSliderRuler;
    slider.vthumbrect = kSliderVThumb;
    slider.vrulerrect = kSliderVRuler;
    slider.edgesize = kSliderEdge;
    slider.bgcolor = l.c(p.panelFace);
    slider.pointscolor = l.c(p.fieldLine);

    // Text-only records use no picture.
    auto& label = l.add<TkvDataSkinStdLabelControl>(QStringLiteral("stdlabel"));
    label.pictureindex = -1;
    label.fontcolor = kBlack;
    label.activefontcolor = l.c(p.accentDark);

    l.scrollBar(QStringLiteral("hscrollbar"), false, kHScroll);
    l.scrollBar(QStringLiteral("vscrollbar"), true, kVScroll);
    l.scrollBar(QStringLiteral("bothhscrollbar"), false, kBothHScroll);
    l.upDown(QStringLiteral("vupdown"), true);
    l.upDown(QStringLiteral("hupdown"), false);

    auto& vgauge = l.add<TkvDataSkinGaugeControl>(QStringLiteral("vgauge"), kVGauge, nullptr);
    vgauge.lefttoppoint = {2, 2};
    vgauge.leftbottompoint = {2, 19};
    vgauge.clientrect = kVGaugeProgressArea;
    vgauge.progressarea = kVGaugeProgressArea;
    vgauge.progressrect = kVGaugeTile;
    vgauge.vertical = true;
    vgauge.fontcolor = kBlack;

    const Cut buttonEditCut{{4, 4}, {36, 4}, {}, {}, {3, 3, 37, 18}};
    l.buttonPlaces(l.edit(QStringLiteral("buttonedit"), kButtonEdit, kButtonEditHot, buttonEditCut));

    auto& bar = l.add<TkvDataSkinMainMenuBar>(QStringLiteral("mainmenubar"), kMenuBar);
    bar.itemsrect = kMenuBarItems;
    bar.menubaritem = QStringLiteral("mainmenubaritem");
    bar.closebutton = QStringLiteral("menubarclosebutton");
    bar.maxbutton = QStringLiteral("menubarmaxbutton");
    bar.minbutton = QStringLiteral("menubarminbutton");
    bar.sysmenubutton = QStringLiteral("menubarsysmenubutton");
    bar.trackmarkcolor = l.c(p.panelLine);
    bar.trackmarkactivecolor = l.c(p.accent);

    l.checkRadio(QStringLiteral("checkbox"), CheckMark::Check);
    l.checkRadio(QStringLiteral("radiobutton"), CheckMark::Radio);
    const Cut menuButtonCut{{10, 12}, {24, 12}, {}, {}, {4, 3, 31, 22}};
    for (const QString& name : {QStringLiteral("menubutton"), QStringLiteral("toolmenubutton")}) {
        const bool tool = name.startsWith(u't');
        auto& m = l.add<TkvDataSkinMenuButtonControl>(name, tool ? kToolButton : kButton,
            tool ? nullptr : &menuButtonCut);
        if (tool) {
            const Cut toolCut = nine(23, 22, 5, {3, 3, 20, 19});
            m.lefttoppoint = toolCut.lt;
            m.righttoppoint = toolCut.rt;
            m.leftbottompoint = toolCut.lb;
            m.rightbottompoint = toolCut.rb;
            m.clientrect = toolCut.client;
        }
        m.activeskinrect = tool ? kToolButtonHot : kButtonHot;
        m.downskinrect = tool ? kToolButtonDown : kButtonDown;
        m.disabledfontcolor = kWhite;
        m.trackbuttonrect = tool ? TRect{15, 3, 21, 19} : kMenuButtonTrack;
    }

    auto& ex = l.add<TkvDataSkinExPanelControl>(QStringLiteral("expanel"), kGroupBox, &groupCut);
    ex.rollhskinrect = kExPanelRollH;
    ex.rollvskinrect = kExPanelRollV;
    ex.rollleftoffset = 4;
    ex.rollrightoffset = 4;
    ex.rolltopoffset = 4;
    ex.rollbottomoffset = 4;
    ex.rollhcaptionrect = {2, 4, 18, 36};
    ex.rollvcaptionrect = {4, 2, 56, 18};
    ex.closebuttonrect = kExPanelButton(0, 0);
    ex.closebuttonactiverect = kExPanelButton(0, 1);
    ex.closebuttondownrect = kExPanelButton(0, 2);
    ex.hrollbuttonrect = kExPanelButton(1, 0);
    ex.hrollbuttonactiverect = kExPanelButton(1, 1);
    ex.hrollbuttondownrect = kExPanelButton(1, 2);
    ex.hrestorebuttonrect = kExPanelButton(2, 0);
    ex.hrestorebuttonactiverect = kExPanelButton(2, 1);
    ex.hrestorebuttondownrect = kExPanelButton(2, 2);
    ex.vrollbuttonrect = kExPanelButton(3, 0);
    ex.vrollbuttonactiverect = kExPanelButton(3, 1);
    ex.vrollbuttondownrect = kExPanelButton(3, 2);
    ex.vrestorebuttonrect = kExPanelButton(4, 0);
    ex.vrestorebuttonactiverect = kExPanelButton(4, 1);
    ex.vrestorebuttondownrect = kExPanelButton(4, 2);
    ex.captionrect = kGroupBoxCaption;
    ex.fontcolor = kBlack;

    auto& hsplit = l.add<TkvDataSkinSplitterControl>(QStringLiteral("hsplitter"), kHSplitter);
    hsplit.pictureindex = kSplitterPicture;
    hsplit.lefttoppoint = {2, 2};
    hsplit.righttoppoint = {20, 2};
    const Cut vsplitCut{{2, 2}, {}, {2, 20}, {}, {}};
    l.add<TkvDataSkinSplitterControl>(QStringLiteral("vsplitter"), kVSplitter, &vsplitCut);
    for (const bool vertical : {false, true}) {
        const Cut cut = vertical ? Cut{{4, 10}, {}, {4, 90}, {}, {}} : Cut{{10, 4}, {90, 4}, {}, {}, {}};
        auto& t = l.add<TkvDataSkinTrackBarControl>(vertical ? QStringLiteral("vtrackbar") : QStringLiteral("htrackbar"),
            vertical ? kVTrackBar : kHTrackBar, &cut);
        t.trackarea = vertical ? kVTrackArea : kHTrackArea;
        t.buttonrect = vertical ? kVTrackThumb : kHTrackThumb;
        t.activebuttonrect = vertical ? kVTrackThumbHot : kHTrackThumbHot;
        t.vertical = vertical;
    }
    auto& text = l.add<TkvDataSkinLabelControl>(QStringLiteral("label"));
    text.pictureindex = -1;
    text.fontcolor = kBlack;
    l.grid(QStringLiteral("grid"));
    l.grid(QStringLiteral("colorgrid"));
    l.tab(QStringLiteral("tab"));
    l.tab(QStringLiteral("doctab"));
    auto& controlBar = l.add<TkvDataSkinControlBar>(QStringLiteral("controlbar"), kPanel, &panelCut);
    controlBar.itemrect = kControlBarBand;

    const Cut listCut{{6, 6}, {53, 6}, {6, 46}, {53, 46}, kListBoxClient};
    auto& memo = l.edit<TkvDataSkinMemoControl>(QStringLiteral("memo"), kListBox, {}, listCut);
    memo.bgcolor = l.c(p.fieldFace);
    memo.activebgcolor = l.c(p.fieldFace);
    auto& checkList = l.list<TkvDataSkinCheckListBox>(QStringLiteral("checklistbox"));
    checkList.checkimagerect = kCheckImage(CheckMark::Check, 0);
    checkList.uncheckimagerect = kCheckImage(CheckMark::Check, 1);
    checkList.itemcheckrect = {3, 4, 16, 17};
    l.spin(QStringLiteral("spinedit"));
    l.spin(QStringLiteral("numericedit"));
    l.spin(QStringLiteral("timeedit"));
    l.add<TkvDataSkinScrollBoxControl>(QStringLiteral("scrollbox"), kPanel, &panelCut);
    l.textView<TkvDataSkinTreeView>(QStringLiteral("treeview"));
    l.textView<TkvDataSkinListView>(QStringLiteral("listview"));
    l.textView<TkvDataSkinRichEdit>(QStringLiteral("richedit"));
    auto& bevel = l.add<TkvDataSkinBevel>(QStringLiteral("bevel"));
    bevel.pictureindex = -1;
    bevel.lightcolor = l.c(p.fieldFace);
    bevel.darkcolor = l.c(p.panelLine);

    auto& captionList = l.list(QStringLiteral("captionlistbox"));
    captionList.skinrect = kCaptionList;
    captionList.lefttoppoint = {6, 16};
    captionList.righttoppoint = {53, 16};
    captionList.leftbottompoint = {6, 26};
    captionList.rightbottompoint = {53, 26};
    captionList.clientrect = {2, 15, 57, 30};
    captionList.captionrect = {4, 2, 33, 14};
    captionList.captionfontstyle |= TFontStyle::fsBold;
    captionList.captionfontheight = 12;
    captionList.captionfontcolor = kBlack;
    captionList.downbuttonrect = {35, 3, 45, 13};
    captionList.upbuttonrect = {46, 3, 56, 13};
    l.list(QStringLiteral("fontlistbox"));
    l.list(QStringLiteral("colorlistbox"));
    l.combo(QStringLiteral("fontcombobox"));
    l.combo(QStringLiteral("colorcombobox"));
    for (const QString& name : {QStringLiteral("dateedit"), QStringLiteral("trackedit")})
        l.buttonPlaces(l.edit(name, kButtonEdit, kButtonEditHot, buttonEditCut));
    l.edit(QStringLiteral("passwordedit"), kEdit, kEditHot, Cut{{4, 4}, {53, 4}, {}, {}, kEditClient});
    l.panel(QStringLiteral("radiogroup"), kGroupBox, groupCut, kGroupBoxCaption);
    l.panel(QStringLiteral("calendar"), kPanel, panelCut, {3, 2, 37, 16});
    l.panel(QStringLiteral("tabsheet"), kTabPage, Cut{{6, 6}, {54, 6}, {6, 34}, {54, 34}, kTabPageClient}, {});
}

} // namespace skingen
