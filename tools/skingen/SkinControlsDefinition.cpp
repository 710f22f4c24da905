// The [SKINCONTROLS] part of the definition: 59 control records, and a
// "lamp" record where the palette names a lamp colour. The main window
// uses "button", "resizebutton", "edit", "combobox", "listbox", "gauge",
// "slider", "groupbox", "stdlabel", "lamp" and the scroll bars; the rest
// give every record kind a sensible look.

#include "SkinControlList.h"

namespace skingen {

using namespace layout;
using namespace skin;

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
    auto& edit = l.edit(QStringLiteral("edit"), kEdit, kEditHot, Cut{{4, 4}, {53, 4}, {}, {}, kEditClient});
    // The window's skinned edits are its flight-mode lamps: a narrow face
    // fits the longest mode name even into the narrowest lamp, and bold
    // keeps a lit lamp readable.
    edit.fontname = QStringLiteral("Arial Narrow");
    edit.fontheight = 12;
    edit.fontstyle |= TFontStyle::fsBold;
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
    label.activefontcolor = l.c(p.labelHotText);

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
        m.disabledfontcolor = l.c(p.buttonDisabledText);
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

    if (p.lampLit) {
        // The colours of the flight-mode lamps, which wear the edit's face:
        // the normal text is an unlit lamp, the active text a lit one.
        auto& lamp = l.edit(QStringLiteral("lamp"), kEdit, kEditHot, Cut{{4, 4}, {53, 4}, {}, {}, kEditClient});
        lamp.fontname = edit.fontname;
        lamp.fontheight = edit.fontheight;
        lamp.fontstyle = edit.fontstyle;
        lamp.activefontcolor = l.c(*p.lampLit);
    }
}

} // namespace skingen
