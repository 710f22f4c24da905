#pragma once

#include "skin/data/SkinFieldVisitor.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinTypes.h"

#include <QString>

// The two window records of fixed sections. The whole picture chosen by
// "windowpictureindex" is the window image; points and rectangles are
// positions in it.
namespace skin {

// Look of the popup-menu window. Section [POPUPWINDOW].
class TkvDataSkinPopupWindow {
public:
    static inline const QString Section = QStringLiteral("POPUPWINDOW");

    void LoadFromFile(const CustomIniFile& ini);
    // Erases the section and writes the keys.
    void SaveToFile(CustomIniFile& ini);
    void visitOwnFields(SkinFieldVisitor& v);
    // The cut of a window picture of this size around the items.
    SkinCut cut(QSize picture) const;
    EdgeStretch stretch() const { return {leftstretch, topstretch, rightstretch, bottomstretch}; }

    qint32 windowpictureindex = -1;
    qint32 maskpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect itemsrect;
    TColor scrollmarkercolor = 0;
    TColor scrollmarkeractivecolor = 0;
    bool topstretch = false;
    bool leftstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
};

// Look of the hint window. Section [HINTWINDOW].
class TkvDataSkinHintWindow : public SkinFontFields {
public:
    static inline const QString Section = QStringLiteral("HINTWINDOW");

    void LoadFromFile(const CustomIniFile& ini);
    // Erases the section and writes the keys.
    void SaveToFile(CustomIniFile& ini);
    void visitOwnFields(SkinFieldVisitor& v);
    // The cut of a window picture of this size around the text.
    SkinCut cut(QSize picture) const;
    EdgeStretch stretch() const { return {leftstretch, topstretch, rightstretch, bottomstretch}; }

    qint32 windowpictureindex = -1;
    qint32 maskpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;
    bool topstretch = false;
    bool leftstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
};

} // namespace skin
