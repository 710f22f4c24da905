#include "skin/data/SkinObjectRecords.h"

#include "platform/IniFile.h"
#include "skin/data/SkinIniValues.h"

namespace skin {

void TkvDataSkinObject::LoadFromFile(const CustomIniFile& ini) { readOwnFields(*this, ini, IDName); }

void TkvDataSkinObject::SaveToFile(CustomIniFile& ini)
{
    ini.eraseSection(IDName);
    writeOwnFields(*this, ini, IDName);
}

void TkvDataSkinObject::visitOwnFields(SkinFieldVisitor& v)
{
    v.string("hint", hint, QString());
    v.pictureIndex("activepictureindex", activepictureindex);
    v.boolean("skinrectinapicture", skinrectinapicture);
    v.rect("skinrect", skinrect);
    v.rect("activeskinrect", activeskinrect);
    v.rect("inactiveskinrect", inactiveskinrect);
    v.boolean("morphing", morphing);
    v.morphKind("morphkind", morphkind);
}

void TkvDataUserObject::LoadFromFile(const CustomIniFile& ini) { skinrect = ReadRect(ini, IDName, QStringLiteral("skinrect")); }

void TkvDataUserObject::SaveToFile(CustomIniFile& ini)
{
    ini.eraseSection(IDName);
    WriteRect(ini, IDName, QStringLiteral("skinrect"), skinrect);
}

void TkvDataSkinButton::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("downrect", downrect);
    v.rect("disableskinrsect", disableskinrsect);
}

void TkvDataSkinStdButton::visitOwnFields(SkinFieldVisitor& v)
{
    v.command("command", command);
    v.rect("restorerect", restorerect);
    v.rect("restoreactiverect", restoreactiverect);
    v.rect("restoredownrect", restoredownrect);
    v.rect("restoreinactiverect", restoreinactiverect);
}

void TkvDataSkinMainMenuBarButton::visitOwnFields(SkinFieldVisitor&) { }

void TkvDataSkinAnimate::LoadFromFile(const CustomIniFile& ini)
{
    TkvDataSkinObject::LoadFromFile(ini);
    // Animations never morph, whatever the text says.
    morphing = false;
    readOwnFields(*this, ini, IDName);
}

void TkvDataSkinAnimate::SaveToFile(CustomIniFile& ini)
{
    TkvDataSkinObject::SaveToFile(ini);
    writeOwnFields(*this, ini, IDName);
}

void TkvDataSkinAnimate::visitOwnFields(SkinFieldVisitor& v)
{
    v.integer("countframes", countframes, 1);
    v.boolean("cycle", cycle);
    v.boolean("buttonstyle", buttonstyle);
    v.integer("timerinterval", timerinterval, 50);
    v.command("command", command);
}

void TkvDataSkinCaption::visitOwnFields(SkinFieldVisitor& v)
{
    v.rect("textrect", textrect);
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.alignment("alignment", alignment);
    v.boolean("shadow", shadow);
    v.color("shadowcolor", shadowcolor);
    v.color("activeshadowcolor", activeshadowcolor);
    v.rect("framerect", framerect);
    v.rect("activeframerect", activeframerect);
    v.rect("frametextrect", frametextrect);
    v.integer("frameleftoffset", frameleftoffset, 0);
    v.integer("framerightoffset", framerightoffset, 0);
}

void TkvDataSkinMenuItem::visitOwnFields(SkinFieldVisitor& v)
{
    v.integer("itemleftoffset", itemleftoffset, 0);
    v.integer("itemrightoffset", itemrightoffset, 0);
    v.rect("dividerrect", dividerrect);
    v.integer("dividerleftoffset", dividerleftoffset, 0);
    v.integer("dividerrightoffset", dividerrightoffset, 0);
    v.rect("textrect", textrect);
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.color("unenabledfontcolor", unenabledfontcolor);
}

void TkvDataSkinMainMenuItem::visitOwnFields(SkinFieldVisitor& v)
{
    v.integer("itemleftoffset", itemleftoffset, 0);
    v.integer("itemrightoffset", itemrightoffset, 0);
    v.rect("downrect", downrect);
    v.rect("textrect", textrect);
    v.font(*this);
    v.color("activefontcolor", activefontcolor);
    v.color("downfontcolor", downfontcolor);
    v.color("unenabledfontColor", unenabledfontcolor);
}

void TkvDataSkinMainMenuBarItem::visitOwnFields(SkinFieldVisitor&) { }

} // namespace skin
