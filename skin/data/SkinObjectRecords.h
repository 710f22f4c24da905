#pragma once

#include "skin/data/SkinFieldVisitor.h"
#include "skin/data/SkinTypes.h"

#include <QString>

// Records of the skin objects listed in [SKINOBJECTS]: parts of the window
// frame and of menus. Each field carries the definition key of the same
// name; rectangles are positions in the main picture ("skinrect") or in
// the object's active picture.
namespace skin {

// Base of all object records: one part of the window frame or of a menu.
class TkvDataSkinObject {
public:
    explicit TkvDataSkinObject(QString name) : IDName(std::move(name)) {}
    virtual ~TkvDataSkinObject() = default;
    TkvDataSkinObject(const TkvDataSkinObject&) = delete;
    TkvDataSkinObject& operator=(const TkvDataSkinObject&) = delete;

    // Reads the keys of section [IDName].
    virtual void LoadFromFile(const CustomIniFile& ini);
    // Erases section [IDName] and writes the keys.
    virtual void SaveToFile(CustomIniFile& ini);
    void visitOwnFields(SkinFieldVisitor& v);

    QString IDName;
    QString hint;
    bool skinrectinapicture = false;
    TRect skinrect;
    TRect activeskinrect;
    qint32 activepictureindex = -1;
    TRect inactiveskinrect;
    bool morphing = false;
    TkvMorphKind morphkind = TkvMorphKind::mkDefault;
};

// A place on the frame that the application paints itself: only
// "skinrect" is read and written.
class TkvDataUserObject : public TkvDataSkinObject {
public:
    using TkvDataSkinObject::TkvDataSkinObject;

    void LoadFromFile(const CustomIniFile& ini) override;
    void SaveToFile(CustomIniFile& ini) override;
};

// Frame button with pressed and disabled images.
class TkvDataSkinButton : public WithOwnFields<TkvDataSkinButton, TkvDataSkinObject> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect downrect;
    TRect disableskinrsect;
};

// Caption button with a window action and a second face.
class TkvDataSkinStdButton : public WithOwnFields<TkvDataSkinStdButton, TkvDataSkinButton> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TkvStdCommand command = TkvStdCommand::cmDefault;
    TRect restorerect;
    TRect restoreactiverect;
    TRect restoredownrect;
    TRect restoreinactiverect;
};

// Button at the end of a main menu bar.
class TkvDataSkinMainMenuBarButton : public WithOwnFields<TkvDataSkinMainMenuBarButton, TkvDataSkinStdButton> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

};

// Animated frame object; its frames lie side by side in each image.
class TkvDataSkinAnimate : public TkvDataSkinObject {
public:
    using TkvDataSkinObject::TkvDataSkinObject;

    void LoadFromFile(const CustomIniFile& ini) override;
    void SaveToFile(CustomIniFile& ini) override;
    void visitOwnFields(SkinFieldVisitor& v);

    qint32 countframes = 1;
    bool cycle = false;
    bool buttonstyle = false;
    qint32 timerinterval = 50;
    TkvStdCommand command = TkvStdCommand::cmDefault;
};

// Caption text area of the frame.
class TkvDataSkinCaption : public WithOwnFields<TkvDataSkinCaption, TkvDataSkinObject>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TColor activefontcolor = 0;
    TColor shadowcolor = 0;
    TColor activeshadowcolor = 0;
    bool shadow = false;
    TAlignment alignment = TAlignment::taCenter;
    TRect textrect;
    TRect framerect;
    TRect activeframerect;
    qint32 frameleftoffset = 0;
    qint32 framerightoffset = 0;
    TRect frametextrect;
};

// Popup menu item; "skinrect" and "activeskinrect" lie in its active picture.
class TkvDataSkinMenuItem : public WithOwnFields<TkvDataSkinMenuItem, TkvDataSkinObject>, public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect dividerrect;
    qint32 dividerleftoffset = 0;
    qint32 dividerrightoffset = 0;
    qint32 itemleftoffset = 0;
    qint32 itemrightoffset = 0;
    TColor unenabledfontcolor = 0;
    TColor activefontcolor = 0;
    TRect textrect;
};

// Main menu bar item.
class TkvDataSkinMainMenuItem : public WithOwnFields<TkvDataSkinMainMenuItem, TkvDataSkinObject>
    , public SkinFontFields {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

    TRect downrect;
    TColor activefontcolor = 0;
    TColor downfontcolor = 0;
    TColor unenabledfontcolor = 0;
    TRect textrect;
    qint32 itemleftoffset = 0;
    qint32 itemrightoffset = 0;
};

// Item of a main menu bar.
class TkvDataSkinMainMenuBarItem : public WithOwnFields<TkvDataSkinMainMenuBarItem, TkvDataSkinMainMenuItem> {
public:
    using WithOwnFields::WithOwnFields;

    void visitOwnFields(SkinFieldVisitor& v);

};

} // namespace skin
