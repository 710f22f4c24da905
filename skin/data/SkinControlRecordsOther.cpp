#include "skin/data/SkinControlRecords.h"

#include "platform/IniFile.h"

namespace skin {

void TkvDataSkinListBox::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("itemrect", itemrect);
    v.rect("activeitemrect", activeitemrect);
    v.rect("focusitemrect", focusitemrect);
    v.integer("itemleftoffset", itemleftoffset, 0);
    v.integer("itemrightoffset", itemrightoffset, 0);
    v.rect("itemtextrect", itemtextrect);
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.color("focusfontcolor", focusfontcolor);
    v.rect("captionrect", captionrect);
    v.string("captionfontname", captionfontname, QStringLiteral("Arial"));
    v.integer("captionfontheight", captionfontheight, 14);
    v.fontStyles("captionfontstyle", captionfontstyle);
    v.color("captionfontcolor", captionfontcolor);
    v.rect("upbuttonrect", upbuttonrect);
    v.rect("activeupbuttonrect", activeupbuttonrect);
    v.rect("downupbuttonrect", downupbuttonrect);
    v.rect("downbuttonrect", downbuttonrect);
    v.rect("activedownbuttonrect", activedownbuttonrect);
    v.rect("downdownbuttonrect", downdownbuttonrect);
    v.rect("checkbuttonrect", checkbuttonrect);
    v.rect("activecheckbuttonrect", activecheckbuttonrect);
    v.rect("downcheckbuttonrect", downcheckbuttonrect);
    v.string("vscrollbarname", vscrollbarname, QStringLiteral("vscrollbar"));
    v.string("hscrollbarname", hscrollbarname, QStringLiteral("hscrollbar"));
    v.string("bothhscrollbarname", bothhscrollbarname, QStringLiteral("bothhscrollbar"));
}

void TkvDataSkinCheckListBox::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("itemcheckrect", itemcheckrect);
    v.rect("uncheckimagerect", uncheckimagerect);
    v.rect("checkimagerect", checkimagerect);
}

void TkvDataSkinLabelControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
}

void TkvDataSkinSplitterControl::visitOwnFields(SkinFieldVisitor&) { }

void TkvDataSkinUpDownControl::LoadFromFile(const CustomIniFile& ini)
{
    TkvDataSkinCustomControl::LoadFromFile(ini);
    clearCut();
    readOwnFields(*this, ini, IDName);
}

void TkvDataSkinUpDownControl::SaveToFile(CustomIniFile& ini)
{
    clearCut();
    TkvDataSkinCustomControl::SaveToFile(ini);
    writeOwnFields(*this, ini, IDName);
}

void TkvDataSkinUpDownControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("upbuttonrect", upbuttonrect);
    v.rect("activeupbuttonrect", activeupbuttonrect);
    v.rect("downupbuttonrect", downupbuttonrect);
    v.rect("downbuttonrect", downbuttonrect);
    v.rect("activedownbuttonrect", activedownbuttonrect);
    v.rect("downdownbuttonrect", downdownbuttonrect);
}

void TkvDataSkinUpDownControl::clearCut()
{
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint {};
    clientrect = TRect {};
}

void TkvDataSkinScrollBoxControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.pictureIndex("bgpictureindex", bgpictureindex);
}

void TkvDataSkinControlBar::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("itemrect", itemrect);
    v.pictureIndex("bgpictureindex", bgpictureindex);
}

void TkvDataSkinStdLabelControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
    v.color("activefontcolor", activefontcolor, 16711680);
}

void TkvDataSkinSlider::visitOwnFields(SkinFieldVisitor& v)
{
    v.color("bgcolor", bgcolor);
    v.rect("hrulerrect", hrulerrect);
    v.rect("hthumbrect", hthumbrect);
    v.rect("vrulerrect", vrulerrect);
    v.rect("vthumbrect", vthumbrect);
    v.integer("edgesize", edgesize, 0);
    v.color("pointscolor", pointscolor);
}

void TkvDataSkinBevel::visitOwnFields(SkinFieldVisitor& v)
{
    v.color("lightcolor", lightcolor);
    v.color("darkcolor", darkcolor);
}

void TkvDataSkinTreeView::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
    v.color("bgcolor", bgcolor);
}

void TkvDataSkinListView::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
    v.color("bgcolor", bgcolor);
}

void TkvDataSkinRichEdit::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
    v.color("bgcolor", bgcolor);
}

void TkvDataSkinTabControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("tabrect", tabrect);
    v.rect("activetabrect", activetabrect);
    v.rect("focustabrect", focustabrect);
    v.rect("mouseintabrect", mouseintabrect);
    v.rect("clientrect", clientrect);
    v.pictureIndex("bgpictureindex", bgpictureindex);
    v.point("lefttoppoint", lefttoppoint);
    v.point("righttoppoint", righttoppoint);
    v.point("leftbottompoint", leftbottompoint);
    v.point("rightbottompoint", rightbottompoint);
    v.integer("tableftoffset", tableftoffset, 0);
    v.integer("tabrightoffset", tabrightoffset, 0);
    v.rect("tabsbgrect", tabsbgrect);
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.color("focusfontcolor", focusfontcolor);
    v.color("mouseinfontcolor", mouseinfontcolor);
    v.string("updown", updown, QString());
}

void TkvDataSkinGridControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("fixedcellrect", fixedcellrect);
    v.rect("selectcellrect", selectcellrect);
    v.rect("focuscellrect", focuscellrect);
    v.integer("fixedcellleftoffset", fixedcellleftoffset, 0);
    v.integer("fixedcellrightoffset", fixedcellrightoffset, 0);
    v.rect("fixedcelltextrect", fixedcelltextrect);
    v.integer("cellleftoffset", cellleftoffset, 0);
    v.integer("cellrightoffset", cellrightoffset, 0);
    v.rect("celltextrect", celltextrect);
    v.color("linescolor", linescolor);
    v.color("bgcolor", bgcolor);
    v.font(*this);
    v.color("selectfontcolor", selectfontcolor);
    v.color("focusfontcolor", focusfontcolor);
    v.string("fixedfontname", fixedfontname, QStringLiteral("Arial"));
    v.integer("fixedfontheight", fixedfontheight, 14);
    v.fontStyles("fixedfontstyle", fixedfontstyle);
    v.color("fixedfontcolor", fixedfontcolor);
}

void TkvDataSkinMainMenuBar::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("itemsrect", itemsrect);
    v.string("menubaritem", menubaritem, QString());
    v.string("closebutton", closebutton, QString());
    v.string("minbutton", minbutton, QString());
    v.string("maxbutton", maxbutton, QString());
    v.string("sysmenubutton", sysmenubutton, QString());
    v.color("trackmarkcolor", trackmarkcolor);
    v.color("trackmarkactivecolor", trackmarkactivecolor);
}

} // namespace skin
