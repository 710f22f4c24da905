// The frame part of the definition: version, pictures, [FORMINFO], the
// popup and hint windows and the frame objects.

#include "SkinDefinition.h"
#include "SkinLayout.h"

#include "skin/data/SkinObjectRecords.h"

namespace skingen {

using namespace layout;
using namespace skin;

namespace {

constexpr TColor kBlack = 0;
// Scroll markers of popup menus: normal, then under the pointer.
constexpr TColor kMarker = 8404992;
constexpr TColor kMarkerActive = 12615680;

TFontStyles bold()
{
    TFontStyles styles;
    styles |= TFontStyle::fsBold;
    return styles;
}

template <typename Record>
Record& addObject(TkvSkinData& data, const QString& name)
{
    auto record = std::make_unique<Record>(name);
    Record& result = *record;
    data.SkinObjects.push_back(std::move(record));
    return result;
}

void defineCaptionButton(TkvSkinData& data, const QString& name, CaptionGlyph glyph, TkvStdCommand command)
{
    auto& b = addObject<TkvDataSkinStdButton>(data, name);
    b.activepictureindex = kAtlasPicture;
    b.skinrectinapicture = true;
    b.skinrect = kCaptionButton(glyph, CaptionState::Normal);
    b.activeskinrect = kCaptionButton(glyph, CaptionState::Hot);
    b.downrect = kCaptionButton(glyph, CaptionState::Down);
    b.inactiveskinrect = kCaptionButton(glyph, CaptionState::Inactive);
    b.morphing = true;
    b.command = command;
    if (glyph == CaptionGlyph::RollUp) {
        // While rolled up the button offers to roll down again.
        b.restorerect = kCaptionButton(CaptionGlyph::RollDown, CaptionState::Normal);
        b.restoreactiverect = kCaptionButton(CaptionGlyph::RollDown, CaptionState::Hot);
        b.restoredownrect = kCaptionButton(CaptionGlyph::RollDown, CaptionState::Down);
        b.restoreinactiverect = kCaptionButton(CaptionGlyph::RollDown, CaptionState::Inactive);
    }
}

void defineMenuBarButton(TkvSkinData& data, const QString& name, int index, TkvStdCommand command)
{
    auto& b = addObject<TkvDataSkinMainMenuBarButton>(data, name);
    b.activepictureindex = kMenuPicture;
    b.skinrectinapicture = true;
    b.skinrect = kBarButton(index, false);
    b.activeskinrect = kBarButton(index, true);
    b.downrect = kBarButton(index, true);
    b.command = command;
}

void defineFormInfo(TkvSkinData& data)
{
    data.lefttoppoint = kFrameLeftTop;
    data.righttoppoint = kFrameRightTop;
    data.leftbottompoint = kFrameLeftBottom;
    data.rightbottompoint = kFrameRightBottom;
    data.clientrect = kClientRect;
    data.maskrectarea = kMaskRectArea;
    // The sizing corners are the frame points (what loading would make of
    // absent ones, so a skin written back after loading stays the same).
    data.hittestlefttoppoint = kFrameLeftTop;
    data.hittestrighttoppoint = kFrameRightTop;
    data.hittestleftbottompoint = kFrameLeftBottom;
    data.hittestrightbottompoint = kFrameRightBottom;
    data.buttonsrect = kButtonsRect;
    data.captionrect = kCaptionRect;
    data.buttonsoffset = kButtonsOffset;
    data.buttonsinleft = false;
    data.bgpictureindex = -1;
    data.mdibgpictureindex = -1;
}

void defineWindows(TkvSkinData& data)
{
    TkvDataSkinPopupWindow& popup = data.PopupWindowRecord;
    popup.windowpictureindex = kPopupPicture;
    popup.maskpictureindex = -1;
    popup.lefttoppoint = kPopupLeftTop;
    popup.righttoppoint = kPopupRightTop;
    popup.leftbottompoint = kPopupLeftBottom;
    popup.rightbottompoint = kPopupRightBottom;
    popup.itemsrect = kPopupItems;
    popup.scrollmarkercolor = kMarker;
    popup.scrollmarkeractivecolor = kMarkerActive;

    TkvDataSkinHintWindow& hint = data.HintWindowRecord;
    hint.windowpictureindex = kHintPicture;
    hint.maskpictureindex = -1;
    hint.lefttoppoint = kHintLeftTop;
    hint.righttoppoint = kHintRightTop;
    hint.leftbottompoint = kHintLeftBottom;
    hint.rightbottompoint = kHintRightBottom;
    hint.clientrect = kHintClient;
    hint.fontname = QStringLiteral("Arial");
    hint.fontheight = 14;
    hint.fontcolor = kBlack;
}

} // namespace

TColor colourValue(QRgb rgb) { return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16); }

void defineObjects(TkvSkinData& data, const SkinPalette& p)
{
    auto& item = addObject<TkvDataSkinMenuItem>(data, QStringLiteral("menuitem"));
    item.activepictureindex = kMenuPicture;
    item.skinrect = kMenuItem;
    item.activeskinrect = kMenuItemActive;
    item.dividerrect = kMenuDivider;
    item.dividerleftoffset = 4;
    item.dividerrightoffset = 4;
    item.itemleftoffset = kMenuItemOffset;
    item.itemrightoffset = kMenuItemOffset;
    item.textrect = kMenuItemText;
    item.fontcolor = colourValue(p.menuText);
    item.activefontcolor = colourValue(p.menuActiveText);
    item.unenabledfontcolor = colourValue(p.menuDisabledText);
    item.morphing = true;

    auto& caption = addObject<TkvDataSkinCaption>(data, QStringLiteral("caption"));
    caption.skinrect = kCaptionRect;
    caption.activepictureindex = kAtlasPicture;
    caption.activeskinrect = kCaptionActive;
    caption.textrect = kCaptionTextRect;
    caption.fontname = QStringLiteral("Arial");
    caption.fontheight = 14;
    caption.fontstyle = bold();
    caption.fontcolor = colourValue(p.captionText);
    caption.activefontcolor = colourValue(p.captionActiveText);
    caption.alignment = TAlignment::taCenter;
    caption.shadow = p.captionShadow;
    caption.shadowcolor = kBlack;
    caption.activeshadowcolor = kBlack;
    caption.morphing = true;

    defineCaptionButton(data, QStringLiteral("closebutton"), CaptionGlyph::Close, TkvStdCommand::cmClose);
    defineCaptionButton(data, QStringLiteral("minimizebutton"), CaptionGlyph::Minimize, TkvStdCommand::cmMinimize);
    defineCaptionButton(data, QStringLiteral("maximizebutton"), CaptionGlyph::Maximize, TkvStdCommand::cmMaximize);
    defineCaptionButton(data, QStringLiteral("rollupbutton"), CaptionGlyph::RollUp, TkvStdCommand::cmRollUp);

    // Painted as part of the frame; its other faces lie in the atlas.
    auto& sysMenu = addObject<TkvDataSkinStdButton>(data, QStringLiteral("sysmenubutton"));
    sysMenu.skinrect = kSysMenuButton;
    sysMenu.activepictureindex = kAtlasPicture;
    sysMenu.activeskinrect = kCaptionButton(CaptionGlyph::SysMenu, CaptionState::Hot);
    sysMenu.downrect = kCaptionButton(CaptionGlyph::SysMenu, CaptionState::Down);
    sysMenu.inactiveskinrect = kCaptionButton(CaptionGlyph::SysMenu, CaptionState::Inactive);
    sysMenu.disableskinrsect = kSysMenuDisabled;
    sysMenu.command = TkvStdCommand::cmSysMenu;

    auto& barItem = addObject<TkvDataSkinMainMenuBarItem>(data, QStringLiteral("mainmenubaritem"));
    barItem.activepictureindex = kMenuPicture;
    barItem.skinrectinapicture = true;
    barItem.skinrect = kBarItem;
    barItem.activeskinrect = kBarItemActive;
    barItem.downrect = kBarItemDown;
    barItem.textrect = kBarItemText;
    barItem.itemleftoffset = 4;
    barItem.itemrightoffset = 4;
    barItem.fontcolor = kBlack;
    barItem.activefontcolor = kBlack;
    barItem.downfontcolor = colourValue(p.selectionText);
    barItem.unenabledfontcolor = colourValue(p.menuDisabledText);

    defineMenuBarButton(data, QStringLiteral("menubarsysmenubutton"), 0, TkvStdCommand::cmSysMenu);
    defineMenuBarButton(data, QStringLiteral("menubarclosebutton"), 1, TkvStdCommand::cmClose);
    defineMenuBarButton(data, QStringLiteral("menubarmaxbutton"), 2, TkvStdCommand::cmMaximize);
    defineMenuBarButton(data, QStringLiteral("menubarminbutton"), 3, TkvStdCommand::cmMinimize);
}

void defineSkin(TkvSkinData& data, const SkinPalette& palette)
{
    data.skinname = palette.name;
    data.skinauthor = QStringLiteral("Flight Controller Tool");
    data.skincomments = palette.comment;
    data.picture = kMainFile;
    data.inactivepicture.clear();
    data.mask = kMaskFile;
    data.ActivePictureNames = kActiveFiles;
    defineFormInfo(data);
    defineWindows(data);
    defineObjects(data, palette);
    defineControls(data, palette);
}

} // namespace skingen
