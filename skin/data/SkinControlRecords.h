#pragma once

#include "skin/data/SkinFieldVisitor.h"
#include "skin/data/SkinTypes.h"

#include <QString>

// Records of the skin controls listed in [SKINCONTROLS]. Each field carries
// the definition key of the same name. Rectangles that place something in
// the control's image are relative to the image; the others are source
// rectangles in the picture chosen by "pictureindex".
namespace skin {

// Base of all control records: the picture and the normal image.
class TkvDataSkinControl {
public:
    explicit TkvDataSkinControl(QString name) : IDName(std::move(name)) {}
    virtual ~TkvDataSkinControl() = default;
    TkvDataSkinControl& operator=(const TkvDataSkinControl&) = delete;

    // Reads the keys of section [IDName].
    virtual void LoadFromFile(const CustomIniFile& ini);
    // Erases section [IDName] and writes the keys.
    virtual void SaveToFile(CustomIniFile& ini);
    void visitOwnFields(SkinFieldVisitor& v);

    QString IDName;
    qint32 pictureindex = -1;
    qint32 maskpictureindex = -1;
    TRect skinrect;

protected:
    // Controls keep a copy of their record, typed as their own record class,
    // so that they never read a skin that has been freed. Copying through
    // the base would drop the derived fields, so only a whole class copies.
    TkvDataSkinControl(const TkvDataSkinControl&) = default;
};

// Control whose image is cut by four points and a client rectangle for resizing.
class TkvDataSkinCustomControl : public WithOwnFields<TkvDataSkinCustomControl, TkvDataSkinControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;
};

// Push button.
class TkvDataSkinButtonControl : public WithOwnFields<TkvDataSkinButtonControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor activefontcolor = 0;
    TColor downfontcolor = 0;
    TColor disabledfontcolor = 0;
    TRect activeskinrect;
    TRect downskinrect;
    TRect disabledskinrect;
    bool morphing = false;
    TkvMorphKind morphkind = TkvMorphKind::mkDefault;
};

// Push button with a drop-down part.
class TkvDataSkinMenuButtonControl : public WithOwnFields<TkvDataSkinMenuButtonControl, TkvDataSkinButtonControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect trackbuttonrect;
};

// Panel, group box or status bar.
class TkvDataSkinPanelControl : public WithOwnFields<TkvDataSkinPanelControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect captionrect;
    TAlignment alignment = TAlignment::taCenter;
    qint32 bgpictureindex = -1;
    TRect checkimagerect;
    TRect uncheckimagerect;
};

// Panel that rolls up sideways or vertically.
class TkvDataSkinExPanelControl : public WithOwnFields<TkvDataSkinExPanelControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect rollhskinrect;
    TRect rollvskinrect;
    qint32 rollleftoffset = 0;
    qint32 rollrightoffset = 0;
    qint32 rolltopoffset = 0;
    qint32 rollbottomoffset = 0;
    TRect rollvcaptionrect;
    TRect rollhcaptionrect;
    TRect closebuttonrect;
    TRect closebuttonactiverect;
    TRect closebuttondownrect;
    TRect hrollbuttonrect;
    TRect hrollbuttonactiverect;
    TRect hrollbuttondownrect;
    TRect hrestorebuttonrect;
    TRect hrestorebuttonactiverect;
    TRect hrestorebuttondownrect;
    TRect vrollbuttonrect;
    TRect vrollbuttonactiverect;
    TRect vrollbuttondownrect;
    TRect vrestorebuttonrect;
    TRect vrestorebuttonactiverect;
    TRect vrestorebuttondownrect;
    TRect captionrect;
};

// Check box or radio button.
class TkvDataSkinCheckRadioControl : public WithOwnFields<TkvDataSkinCheckRadioControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor activefontcolor = 0;
    TColor unenabledfontcolor = 0;
    TRect activeskinrect;
    TRect checkimagearea;
    TRect textarea;
    TRect checkimagerect;
    TRect uncheckimagerect;
    TRect activecheckimagerect;
    TRect activeuncheckimagerect;
    TRect unenabledcheckimagerect;
    TRect unenableduncheckimagerect;
    bool morphing = false;
    TkvMorphKind morphkind = TkvMorphKind::mkDefault;
    TColor framefontcolor = 0;
};

// Gauge (progress bar).
class TkvDataSkinGaugeControl : public WithOwnFields<TkvDataSkinGaugeControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect progressarea;
    TRect progressrect;
    bool vertical = false;
    qint32 beginoffset = 0;
    qint32 endoffset = 0;
};

// Track bar.
class TkvDataSkinTrackBarControl : public WithOwnFields<TkvDataSkinTrackBarControl, TkvDataSkinCustomControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect trackarea;
    TRect buttonrect;
    TRect activebuttonrect;
    bool vertical = false;
};

// Scroll bar.
class TkvDataSkinScrollBarControl : public WithOwnFields<TkvDataSkinScrollBarControl, TkvDataSkinCustomControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect trackarea;
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
    TRect thumbrect;
    TRect activethumbrect;
    TRect downthumbrect;
    qint32 thumboffset1 = 0;
    qint32 thumboffset2 = 0;
    TRect glyphrect;
    TRect activeglyphrect;
    TRect downglyphrect;
};

// Single-line edit.
class TkvDataSkinEditControl : public WithOwnFields<TkvDataSkinEditControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect activeskinrect;
    TColor disabledfontcolor = 0;
    TColor activefontcolor = 0;
    TRect buttonrect;
    TRect activebuttonrect;
    TRect downbuttonrect;
    TRect unenabledbuttonrect;
};

// Memo: an edit record with background colours.
class TkvDataSkinMemoControl : public WithOwnFields<TkvDataSkinMemoControl, TkvDataSkinEditControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor bgcolor = 0;
    TColor activebgcolor = 0;
};

// Spin edit.
class TkvDataSkinSpinEditControl : public WithOwnFields<TkvDataSkinSpinEditControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect activeskinrect;
    TColor activefontcolor = 0;
    TColor disabledfontcolor = 0;
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
};

// Combo box; the drop-down list uses the list box record named by "listboxname".
class TkvDataSkinComboBox : public WithOwnFields<TkvDataSkinComboBox, TkvDataSkinCustomControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect itemrect;
    TRect focusitemrect;
    qint32 itemleftoffset = 0;
    qint32 itemrightoffset = 0;
    TRect itemtextrect;
    TColor focusfontcolor = 0;
    TRect buttonrect;
    TRect activebuttonrect;
    TRect downbuttonrect;
    TRect unenabledbuttonrect;
    QString listboxname;
};

// List box, also the drop-down list of combo boxes.
class TkvDataSkinListBox : public WithOwnFields<TkvDataSkinListBox, TkvDataSkinCustomControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect itemrect;
    TRect activeitemrect;
    TRect focusitemrect;
    qint32 itemleftoffset = 0;
    qint32 itemrightoffset = 0;
    TRect itemtextrect;
    TColor activefontcolor = 0;
    TColor focusfontcolor = 0;
    TRect captionrect;
    QString captionfontname = QStringLiteral("Arial");
    TFontStyles captionfontstyle;
    qint32 captionfontheight = 14;
    TColor captionfontcolor = 0;
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
    TRect checkbuttonrect;
    TRect activecheckbuttonrect;
    TRect downcheckbuttonrect;
    QString hscrollbarname = QStringLiteral("hscrollbar");
    QString vscrollbarname = QStringLiteral("vscrollbar");
    QString bothhscrollbarname = QStringLiteral("bothhscrollbar");
};

// List box with a check box per item.
class TkvDataSkinCheckListBox : public WithOwnFields<TkvDataSkinCheckListBox, TkvDataSkinListBox> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect uncheckimagerect;
    TRect checkimagerect;
    TRect itemcheckrect;
};

// Label on a skinned background.
class TkvDataSkinLabelControl : public WithOwnFields<TkvDataSkinLabelControl, TkvDataSkinCustomControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

};

// Splitter.
class TkvDataSkinSplitterControl : public WithOwnFields<TkvDataSkinSplitterControl, TkvDataSkinCustomControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

};

// Up-down buttons; the image is never cut.
class TkvDataSkinUpDownControl : public TkvDataSkinCustomControl {
public:
    using TkvDataSkinCustomControl::TkvDataSkinCustomControl;

    void LoadFromFile(const CustomIniFile& ini) override;
    void SaveToFile(CustomIniFile& ini) override;
    void visitOwnFields(SkinFieldVisitor& v);

    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;

private:
    // Zero cut points and a null client rectangle.
    void clearCut();
};

// Scroll box.
class TkvDataSkinScrollBoxControl : public WithOwnFields<TkvDataSkinScrollBoxControl, TkvDataSkinCustomControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    qint32 bgpictureindex = -1;
};

// Control bar.
class TkvDataSkinControlBar : public WithOwnFields<TkvDataSkinControlBar, TkvDataSkinCustomControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect itemrect;
    qint32 bgpictureindex = -1;
};

// Standard label: text only.
class TkvDataSkinStdLabelControl : public WithOwnFields<TkvDataSkinStdLabelControl, TkvDataSkinControl>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor activefontcolor = 16711680;
};

// Slider with ruler and thumb images.
class TkvDataSkinSlider : public WithOwnFields<TkvDataSkinSlider, TkvDataSkinControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect hrulerrect;
    TRect hthumbrect;
    TRect vrulerrect;
    TRect vthumbrect;
    qint32 edgesize = 0;
    TColor bgcolor = 0;
    TColor pointscolor = 0;
};

// Bevel lines.
class TkvDataSkinBevel : public WithOwnFields<TkvDataSkinBevel, TkvDataSkinControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor lightcolor = 0;
    TColor darkcolor = 0;
};

// Tree view.
class TkvDataSkinTreeView : public WithOwnFields<TkvDataSkinTreeView, TkvDataSkinControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor bgcolor = 0;
};

// List view.
class TkvDataSkinListView : public WithOwnFields<TkvDataSkinListView, TkvDataSkinControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor bgcolor = 0;
};

// Rich edit.
class TkvDataSkinRichEdit : public WithOwnFields<TkvDataSkinRichEdit, TkvDataSkinControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor bgcolor = 0;
};

// Tab control.
class TkvDataSkinTabControl : public WithOwnFields<TkvDataSkinTabControl, TkvDataSkinControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect tabrect;
    TRect activetabrect;
    TRect focustabrect;
    TRect mouseintabrect;
    TRect clientrect;
    TRect tabsbgrect;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    qint32 tableftoffset = 0;
    qint32 tabrightoffset = 0;
    TColor activefontcolor = 0;
    TColor focusfontcolor = 0;
    TColor mouseinfontcolor = 0;
    QString updown;
    qint32 bgpictureindex = -1;
};

// Grid with fixed and normal cells.
class TkvDataSkinGridControl : public WithOwnFields<TkvDataSkinGridControl, TkvDataSkinControl>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect fixedcellrect;
    TRect selectcellrect;
    TRect focuscellrect;
    qint32 fixedcellleftoffset = 0;
    qint32 fixedcellrightoffset = 0;
    TRect fixedcelltextrect;
    qint32 cellleftoffset = 0;
    qint32 cellrightoffset = 0;
    TRect celltextrect;
    TColor linescolor = 0;
    TColor bgcolor = 0;
    TColor selectfontcolor = 0;
    TColor focusfontcolor = 0;
    QString fixedfontname = QStringLiteral("Arial");
    qint32 fixedfontheight = 14;
    TFontStyles fixedfontstyle;
    TColor fixedfontcolor = 0;
};

// Main menu bar; its names refer to object records.
class TkvDataSkinMainMenuBar : public WithOwnFields<TkvDataSkinMainMenuBar, TkvDataSkinControl> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect itemsrect;
    QString menubaritem;
    QString closebutton;
    QString maxbutton;
    QString minbutton;
    QString sysmenubutton;
    TColor trackmarkcolor = 0;
    TColor trackmarkactivecolor = 0;
};

} // namespace skin
