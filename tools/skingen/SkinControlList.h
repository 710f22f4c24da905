#pragma once

#include "SkinDefinition.h"
#include "SkinLayout.h"

#include "skin/data/SkinControlRecords.h"

// Builds control records for defineControls: one helper per kind of look,
// so records of the same kind share their images and colours.
namespace skingen {

// A private header of defineControls: the record names read as in the
// definition text.
using namespace layout;
using namespace skin;

inline constexpr TColor kBlack = 0;

struct Cut {
    TPoint lt, rt, lb, rb;
    TRect client;
};

// Nine-part cut with equal margins m from every edge of a w x h image.
inline Cut nine(int w, int h, int m, TRect client) { return {{m, m}, {w - m, m}, {m, h - m}, {w - m, h - m}, client}; }

class ControlList {
public:
    ControlList(TkvSkinData& data, const SkinPalette& palette) : m_data(data), m_palette(palette) {}

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
        b.fontcolor = c(m_palette.buttonText);
        b.activefontcolor = c(m_palette.buttonText);
        b.downfontcolor = c(m_palette.buttonText);
        // A disabled button keeps its normal face; its caption changes colour.
        b.disabledfontcolor = c(m_palette.buttonDisabledText);
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
        e.disabledfontcolor = c(m_palette.disabledText);
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
        l.focusfontcolor = c(m_palette.selectionText);
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
        b.focusfontcolor = c(m_palette.selectionText);
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
        r.unenabledfontcolor = c(m_palette.disabledText);
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
        g.linescolor = c(m_palette.fieldShade);
        g.bgcolor = c(m_palette.fieldFace);
        g.fontcolor = kBlack;
        g.selectfontcolor = kBlack;
        g.focusfontcolor = c(m_palette.selectionText);
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
        v.bgcolor = c(m_palette.fieldFace);
    }

private:
    TkvSkinData& m_data;
    const SkinPalette& m_palette;
};

} // namespace skingen
