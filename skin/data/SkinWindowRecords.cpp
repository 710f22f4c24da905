#include "skin/data/SkinWindowRecords.h"

#include "platform/IniFile.h"

namespace skin {

namespace {

// A window's cut with its points and client held within its picture:
// numbers beyond it would ask for a window millions of pixels wide.
SkinCut withinPicture(QSize picture, const TRect& client, TPoint leftTop, TPoint rightTop, TPoint leftBottom,
    TPoint rightBottom)
{
    return {picture, rectWithin(client, picture), pointWithin(leftTop, picture), pointWithin(rightTop, picture),
        pointWithin(leftBottom, picture), pointWithin(rightBottom, picture)};
}

} // namespace

void TkvDataSkinPopupWindow::LoadFromFile(const CustomIniFile& ini) { readOwnFields(*this, ini, Section); }

void TkvDataSkinPopupWindow::SaveToFile(CustomIniFile& ini)
{
    ini.eraseSection(Section);
    writeOwnFields(*this, ini, Section);
}

void TkvDataSkinPopupWindow::visitOwnFields(SkinFieldVisitor& v)
{
    v.pictureIndex("windowpictureindex", windowpictureindex);
    v.pictureIndex("maskpictureindex", maskpictureindex);
    v.point("lefttoppoint", lefttoppoint);
    v.point("righttoppoint", righttoppoint);
    v.point("leftbottompoint", leftbottompoint);
    v.point("rightbottompoint", rightbottompoint);
    v.rect("itemsrect", itemsrect);
    v.color("scrollmarkercolor", scrollmarkercolor);
    v.color("scrollmarkeractivecolor", scrollmarkeractivecolor);
    v.boolean("leftstretch", leftstretch);
    v.boolean("rightstretch", rightstretch);
    v.boolean("topstretch", topstretch);
    v.boolean("bottomstretch", bottomstretch);
}

SkinCut TkvDataSkinPopupWindow::cut(QSize picture) const
{
    return withinPicture(picture, itemsrect, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
}

void TkvDataSkinHintWindow::LoadFromFile(const CustomIniFile& ini) { readOwnFields(*this, ini, Section); }

void TkvDataSkinHintWindow::SaveToFile(CustomIniFile& ini)
{
    ini.eraseSection(Section);
    writeOwnFields(*this, ini, Section);
}

void TkvDataSkinHintWindow::visitOwnFields(SkinFieldVisitor& v)
{
    v.pictureIndex("windowpictureindex", windowpictureindex);
    v.pictureIndex("maskpictureindex", maskpictureindex);
    v.point("lefttoppoint", lefttoppoint);
    v.point("righttoppoint", righttoppoint);
    v.point("leftbottompoint", leftbottompoint);
    v.point("rightbottompoint", rightbottompoint);
    v.rect("clientrect", clientrect);
    v.font(*this);
    v.boolean("leftstretch", leftstretch);
    v.boolean("rightstretch", rightstretch);
    v.boolean("topstretch", topstretch);
    v.boolean("bottomstretch", bottomstretch);
}

SkinCut TkvDataSkinHintWindow::cut(QSize picture) const
{
    return withinPicture(picture, clientrect, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
}

} // namespace skin
