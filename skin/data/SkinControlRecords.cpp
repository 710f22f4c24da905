#include "skin/data/SkinControlRecords.h"

#include "platform/IniFile.h"

namespace skin {

void TkvDataSkinControl::LoadFromFile(const CustomIniFile& ini) { readOwnFields(*this, ini, IDName); }

void TkvDataSkinControl::SaveToFile(CustomIniFile& ini)
{
    ini.eraseSection(IDName);
    writeOwnFields(*this, ini, IDName);
}

void TkvDataSkinControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.pictureIndex("pictureindex", pictureindex);
    v.pictureIndex("maskpictureindex", maskpictureindex);
    v.rect("skinrect", skinrect);
}

void TkvDataSkinCustomControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.point("lefttoppoint", lefttoppoint);
    v.point("righttoppoint", righttoppoint);
    v.point("leftbottompoint", leftbottompoint);
    v.point("rightbottompoint", rightbottompoint);
    v.rect("clientrect", clientrect);
}

void TkvDataSkinButtonControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.color("downfontcolor", downfontcolor);
    v.color("disabledfontcolor", disabledfontcolor);
    v.rect("activeskinrect", activeskinrect);
    v.rect("downskinrect", downskinrect);
    v.rect("disabledskinrect", disabledskinrect);
    v.boolean("morphing", morphing);
    v.morphKind("morphkind", morphkind);
}

void TkvDataSkinMenuButtonControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("trackbuttonrect", trackbuttonrect);
}

void TkvDataSkinPanelControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.pictureIndex("bgpictureindex", bgpictureindex);
    v.rect("captionrect", captionrect);
    v.alignment("alignment", alignment);
    v.font(*this);
    v.rect("checkimagerect", checkimagerect);
    v.rect("uncheckimagerect", uncheckimagerect);
}

void TkvDataSkinExPanelControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("rollhskinrect", rollhskinrect);
    v.rect("rollvskinrect", rollvskinrect);
    v.integer("rollleftoffset", rollleftoffset, 0);
    v.integer("rollrightoffset", rollrightoffset, 0);
    v.integer("rolltopoffset", rolltopoffset, 0);
    v.integer("rollbottomoffset", rollbottomoffset, 0);
    v.rect("rollvcaptionrect", rollvcaptionrect);
    v.rect("rollhcaptionrect", rollhcaptionrect);
    v.rect("closebuttonrect", closebuttonrect);
    v.rect("closebuttonactiverect", closebuttonactiverect);
    v.rect("closebuttondownrect", closebuttondownrect);
    v.rect("hrollbuttonrect", hrollbuttonrect);
    v.rect("hrollbuttonactiverect", hrollbuttonactiverect);
    v.rect("hrollbuttondownrect", hrollbuttondownrect);
    v.rect("hrestorebuttonrect", hrestorebuttonrect);
    v.rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
    v.rect("hrestorebuttondownrect", hrestorebuttondownrect);
    v.rect("vrollbuttonrect", vrollbuttonrect);
    v.rect("vrollbuttonactiverect", vrollbuttonactiverect);
    v.rect("vrollbuttondownrect", vrollbuttondownrect);
    v.rect("vrestorebuttonrect", vrestorebuttonrect);
    v.rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
    v.rect("vrestorebuttondownrect", vrestorebuttondownrect);
    v.rect("captionrect", captionrect);
    v.font(*this);
}

void TkvDataSkinCheckRadioControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.font(*this);
    v.color("framefontcolor", framefontcolor);
    v.color("activefontcolor", activefontcolor);
    v.color("unenabledfontcolor", unenabledfontcolor);
    v.rect("activeskinrect", activeskinrect);
    v.rect("checkimagearea", checkimagearea);
    v.rect("textarea", textarea);
    v.rect("checkimagerect", checkimagerect);
    v.rect("uncheckimagerect", uncheckimagerect);
    v.rect("activecheckimagerect", activecheckimagerect);
    v.rect("activeuncheckimagerect", activeuncheckimagerect);
    v.rect("unenabledcheckimagerect", unenabledcheckimagerect);
    v.rect("unenableduncheckimagerect", unenableduncheckimagerect);
    v.boolean("morphing", morphing);
    v.morphKind("morphkind", morphkind);
}

void TkvDataSkinGaugeControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("progressarea", progressarea);
    v.rect("progressrect", progressrect);
    v.integer("beginoffset", beginoffset, 0);
    v.integer("endoffset", endoffset, 0);
    v.boolean("vertical", vertical);
    v.font(*this);
}

void TkvDataSkinTrackBarControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("trackarea", trackarea);
    v.rect("buttonrect", buttonrect);
    v.rect("activebuttonrect", activebuttonrect);
    v.boolean("vertical", vertical);
}

void TkvDataSkinScrollBarControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("trackarea", trackarea);
    v.rect("upbuttonrect", upbuttonrect);
    v.rect("activeupbuttonrect", activeupbuttonrect);
    v.rect("downupbuttonrect", downupbuttonrect);
    v.rect("downbuttonrect", downbuttonrect);
    v.rect("activedownbuttonrect", activedownbuttonrect);
    v.rect("downdownbuttonrect", downdownbuttonrect);
    v.rect("thumbrect", thumbrect);
    v.rect("activethumbrect", activethumbrect);
    v.rect("downthumbrect", downthumbrect);
    v.integer("thumboffset1", thumboffset1, 0);
    v.integer("thumboffset2", thumboffset2, 0);
    v.rect("glyphrect", glyphrect);
    v.rect("activeglyphrect", activeglyphrect);
    v.rect("downglyphrect", downglyphrect);
}

void TkvDataSkinEditControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("activeskinrect", activeskinrect);
    v.font(*this);
    v.color("disabledfontcolor", disabledfontcolor);
    v.color("activefontcolor", activefontcolor);
    v.rect("buttonrect", buttonrect);
    v.rect("activebuttonrect", activebuttonrect);
    v.rect("downbuttonrect", downbuttonrect);
    v.rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TkvDataSkinMemoControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.color("bgcolor", bgcolor);
    v.color("activebgcolor", activebgcolor);
}

void TkvDataSkinSpinEditControl::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("activeskinrect", activeskinrect);
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.color("disabledfontcolor", disabledfontcolor);
    v.rect("upbuttonrect", upbuttonrect);
    v.rect("activeupbuttonrect", activeupbuttonrect);
    v.rect("downupbuttonrect", downupbuttonrect);
    v.rect("downbuttonrect", downbuttonrect);
    v.rect("activedownbuttonrect", activedownbuttonrect);
    v.rect("downdownbuttonrect", downdownbuttonrect);
}

void TkvDataSkinComboBox::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("itemrect", itemrect);
    v.rect("focusitemrect", focusitemrect);
    v.integer("itemleftoffset", itemleftoffset, 0);
    v.integer("itemrightoffset", itemrightoffset, 0);
    v.rect("itemtextrect", itemtextrect);
    v.font(*this);
    v.color("focusfontcolor", focusfontcolor);
    v.rect("buttonrect", buttonrect);
    v.rect("activebuttonrect", activebuttonrect);
    v.rect("downbuttonrect", downbuttonrect);
    v.rect("unenabledbuttonrect", unenabledbuttonrect);
    v.string("listboxname", listboxname, QString());
}

} // namespace skin
