#pragma once

#include "platform/Geometry.h"

// Where every image of the skin lies. The drawing code paints at these
// places and the definition names them, so the two cannot disagree.
namespace skingen::layout {

using platform::TPoint;
using platform::TRect;

constexpr TRect box(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

// --- Main picture: the window frame (8 bits, at most 255 colours) and its mask.
constexpr int kMainWidth = 162;
constexpr int kMainHeight = 140;
constexpr TRect kClientRect{5, 24, 157, 135};
// Rounded top corners and square bottom ones are cut by the mask outside
// this rectangle.
constexpr TRect kMaskRectArea{4, 3, 159, 137};
constexpr TPoint kFrameLeftTop{40, 30};
constexpr TPoint kFrameRightTop{80, 30};
constexpr TPoint kFrameLeftBottom{40, 130};
constexpr TPoint kFrameRightBottom{120, 130};
constexpr TRect kButtonsRect{92, 5, 154, 21};
constexpr int kButtonsOffset = 1;
constexpr TRect kCaptionRect{24, 3, 89, 21};
constexpr TRect kCaptionTextRect{5, 3, 61, 15};
constexpr TRect kSysMenuButton{6, 5, 20, 19};

// --- Active pictures, in list order, with the sizes of their BMP files.
constexpr int kMenuPicture = 0;     // 241 x 53, 8 bits: menu items and menu bar
constexpr int kPopupPicture = 1;    // 57 x 41, 24 bits: popup window
constexpr int kHintPicture = 2;     // 73 x 103, 8 bits: hint window
constexpr int kSplitterPicture = 3; // 65 x 5, 24 bits: horizontal splitter grip
constexpr int kAtlasPicture = 4;    // 515 x 289, 24 bits: caption buttons and controls
constexpr int kPictureCount = 5;
struct PictureSize {
    int width;
    int height;
    int bits;
};
constexpr PictureSize kPictureSizes[kPictureCount] = {{241, 53, 8}, {57, 41, 24}, {73, 103, 8}, {65, 5, 24}, {515, 289, 24}};

// Menu picture.
constexpr TRect kMenuItem = box(0, 0, 120, 20);
constexpr TRect kMenuItemActive = box(0, 20, 120, 20);
constexpr TRect kMenuDivider = box(0, 40, 120, 5);
constexpr TRect kMenuItemText{8, 0, 112, 20};
constexpr int kMenuItemOffset = 6;
constexpr TRect kBarItem = box(120, 0, 60, 20);
constexpr TRect kBarItemActive = box(180, 0, 60, 20);
constexpr TRect kBarItemDown = box(120, 20, 60, 20);
constexpr TRect kBarItemText{6, 0, 54, 20};
// Menu bar buttons: sysmenu, close, maximize, minimize; normal and hot rows.
constexpr TRect kBarButton(int index, bool hot) { return box(180 + index * 15, hot ? 38 : 22, 14, 14); }

// Popup and hint windows: the whole picture is the window image.
constexpr TPoint kPopupLeftTop{10, 10};
constexpr TPoint kPopupRightTop{47, 10};
constexpr TPoint kPopupLeftBottom{10, 31};
constexpr TPoint kPopupRightBottom{47, 31};
constexpr TRect kPopupItems{2, 2, 55, 39};
constexpr TPoint kHintLeftTop{8, 8};
constexpr TPoint kHintRightTop{65, 8};
constexpr TPoint kHintLeftBottom{8, 95};
constexpr TPoint kHintRightBottom{65, 95};
constexpr TRect kHintClient{4, 4, 69, 99};

// --- Atlas picture.
// Caption buttons, 14 x 14, one row per button, one column per state.
// Restore, Help and the disabled state serve only the feature skin's buttons.
enum class CaptionGlyph { Close, Minimize, Maximize, RollUp, RollDown, SysMenu, Restore, Help };
enum class CaptionState { Normal, Hot, Down, Inactive, Disabled };
constexpr TRect kCaptionButton(CaptionGlyph glyph, CaptionState state)
{
    return box(static_cast<int>(state) * 16, static_cast<int>(glyph) * 16, 14, 14);
}
constexpr TRect kCaptionActive = box(0, 100, 65, 18);
constexpr TRect kSysMenuDisabled{52, 123, 65, 135};

// Push buttons.
constexpr TRect kButton = box(70, 0, 35, 25);
constexpr TRect kButtonHot = box(105, 0, 35, 25);
constexpr TRect kButtonDown = box(140, 0, 35, 25);
constexpr TRect kResizeButton = box(180, 0, 35, 25);
constexpr TRect kResizeButtonHot = box(215, 0, 35, 25);
constexpr TRect kResizeButtonDown = box(250, 0, 35, 25);
constexpr TRect kToolButton = box(290, 0, 23, 22);
constexpr TRect kToolButtonHot = box(313, 0, 23, 22);
constexpr TRect kToolButtonDown = box(336, 0, 23, 22);
constexpr TRect kBigToolButton = box(364, 0, 36, 36);
constexpr TRect kBigToolButtonHot = box(400, 0, 36, 36);
constexpr TRect kBigToolButtonDown = box(436, 0, 36, 36);
constexpr TRect kMenuButtonTrack{23, 3, 33, 22}; // drop-down part of a "menubutton" face

// Edits and combo boxes.
constexpr TRect kEdit = box(70, 40, 57, 21);
constexpr TRect kEditHot = box(130, 40, 57, 21);
constexpr TRect kEditClient{3, 3, 54, 18};
constexpr TRect kButtonEdit = box(190, 40, 57, 21);
constexpr TRect kButtonEditHot = box(250, 40, 57, 21);
constexpr TRect kEditButtonPlace{38, 3, 54, 18};
constexpr TRect kEditButtonHot = box(310, 40, 16, 15);
constexpr TRect kEditButtonDown = box(328, 40, 16, 15);
constexpr TRect kEditButtonDisabled = box(346, 40, 16, 15);
constexpr TRect kCombo = box(365, 40, 65, 21);
constexpr TRect kComboClient{3, 3, 45, 18};
constexpr TRect kComboButtonPlace{46, 2, 63, 19};
constexpr TRect kComboButtonHot = box(432, 40, 17, 17);
constexpr TRect kComboButtonDown = box(451, 40, 17, 17);
constexpr TRect kComboButtonDisabled = box(470, 40, 17, 17);
constexpr TRect kComboItem = box(310, 82, 40, 15);
constexpr TRect kComboItemFocus = box(310, 99, 40, 15);
constexpr TRect kComboItemText{2, 0, 38, 15};

// Gauges and sliders.
constexpr TRect kGauge = box(70, 64, 22, 14);
constexpr TRect kGaugeProgressArea{2, 2, 21, 13};
constexpr TRect kGaugeTile = box(95, 64, 10, 11);
constexpr TRect kVGauge = box(108, 64, 14, 22);
constexpr TRect kVGaugeProgressArea{2, 1, 12, 20};
constexpr TRect kVGaugeTile = box(125, 64, 10, 10);
constexpr TRect kSliderThumb = box(140, 64, 22, 21);
constexpr TRect kSliderRuler = box(165, 64, 10, 11);
constexpr TRect kSliderVRuler = box(178, 64, 11, 10);
constexpr TRect kSliderVThumb = box(192, 64, 21, 22);
constexpr int kSliderEdge = 3;

// Up-down buttons: the vertical pair stacked, the horizontal side by side.
constexpr TRect kVUpDown = box(216, 64, 16, 22);
constexpr TRect kVUpDownUp{0, 0, 16, 11};
constexpr TRect kVUpDownDown{0, 11, 16, 22};
constexpr TRect kVUpDownUpHot = box(234, 64, 16, 11);
constexpr TRect kVUpDownUpDown = box(252, 64, 16, 11);
constexpr TRect kVUpDownDownHot = box(234, 75, 16, 11);
constexpr TRect kVUpDownDownDown = box(252, 75, 16, 11);
constexpr TRect kHUpDown = box(272, 64, 32, 16);
constexpr TRect kHUpDownDown{0, 0, 16, 16};
constexpr TRect kHUpDownUp{16, 0, 32, 16};
constexpr TRect kHUpDownUpHot = box(306, 64, 16, 16);
constexpr TRect kHUpDownUpDown = box(322, 64, 16, 16);
constexpr TRect kHUpDownDownHot = box(338, 64, 16, 16);
constexpr TRect kHUpDownDownDown = box(354, 64, 16, 16);

// Check boxes and radio buttons, 13 x 13: checked, unchecked, hot
// checked, hot unchecked, disabled checked, disabled unchecked.
enum class CheckMark { Check, Radio };
constexpr TRect kCheckImage(CheckMark mark, int state) { return box(449 + (state % 3) * 14, mark == CheckMark::Check ? 64 + (state / 3) * 14 : 92 + (state / 3) * 14, 13, 13); }
constexpr TRect kCheckFace = box(372, 82, 70, 17);
constexpr TRect kCheckFaceHot = box(372, 100, 70, 17);
constexpr TRect kCheckArea{2, 2, 15, 15};
constexpr TRect kCheckText{19, 0, 70, 17};

// Panels and lists.
constexpr TRect kGroupBox = box(70, 96, 59, 52);
constexpr TRect kGroupBoxClient{1, 20, 58, 51};
constexpr TRect kGroupBoxCaption{3, 2, 56, 18};
constexpr TRect kListBox = box(132, 96, 59, 52);
constexpr TRect kListBoxClient{2, 2, 57, 50};
constexpr TRect kListItem = box(194, 96, 54, 21);
constexpr TRect kListItemHot = box(194, 118, 54, 21);
constexpr TRect kListItemFocus = box(250, 96, 54, 21);
constexpr TRect kListItemText{2, 2, 52, 19};
constexpr TRect kCaptionList = box(140, 191, 59, 32);
constexpr TRect kPanel = box(310, 120, 40, 30);
constexpr TRect kToolPanel = box(352, 120, 40, 30);
constexpr TRect kStatusBar = box(394, 120, 60, 22);
constexpr TRect kBigToolPanel = box(456, 120, 40, 40);

// Scroll bars.
constexpr TRect kVScroll = box(70, 152, 17, 68);
constexpr TRect kVScrollTrack{0, 17, 16, 51};
constexpr TRect kVScrollIncrease{0, 51, 17, 68};
constexpr TRect kVScrollDecrease{0, 0, 17, 17};
constexpr TRect kVScrollDecreaseDown = box(90, 152, 17, 17);
constexpr TRect kVScrollIncreaseDown = box(90, 170, 17, 17);
constexpr TRect kVThumb = box(110, 152, 17, 18);
constexpr TRect kVThumbDown = box(110, 172, 17, 18);
constexpr TRect kVGlyph = box(130, 152, 7, 8);
constexpr TRect kVGlyphDown = box(130, 162, 7, 8);
constexpr TRect kHScroll = box(140, 152, 68, 17);
constexpr TRect kBothHScroll = box(140, 172, 68, 17);
constexpr TRect kHScrollTrack{17, 0, 51, 16};
constexpr TRect kHScrollIncrease{51, 0, 68, 17};
constexpr TRect kHScrollDecrease{0, 0, 17, 17};
constexpr TRect kHScrollDecreaseDown = box(212, 152, 17, 17);
constexpr TRect kHScrollIncreaseDown = box(212, 172, 17, 17);
constexpr TRect kHThumb = box(232, 152, 18, 17);
constexpr TRect kHThumbDown = box(232, 172, 18, 17);
constexpr TRect kHGlyph = box(254, 152, 8, 7);
constexpr TRect kHGlyphDown = box(254, 162, 8, 7);

// Track bars and splitters.
constexpr TRect kHTrackBar = box(270, 152, 100, 20);
constexpr TRect kHTrackArea{6, 8, 94, 12};
constexpr TRect kHTrackThumb = box(372, 152, 11, 20);
constexpr TRect kHTrackThumbHot = box(385, 152, 11, 20);
constexpr TRect kVTrackBar = box(400, 152, 20, 100);
constexpr TRect kVTrackArea{8, 6, 12, 94};
constexpr TRect kVTrackThumb = box(424, 152, 20, 11);
constexpr TRect kVTrackThumbHot = box(424, 165, 20, 11);
constexpr TRect kHSplitter = box(0, 0, 65, 5); // in the splitter picture
constexpr TRect kVSplitter = box(450, 180, 5, 65);

// Tabs, grids, bars.
constexpr TRect kTab = box(70, 224, 60, 20);
constexpr TRect kTabActive = box(132, 224, 60, 20);
constexpr TRect kTabFocus = box(194, 224, 60, 20);
constexpr TRect kTabHot = box(256, 224, 60, 20);
constexpr TRect kTabPage = box(70, 246, 60, 40);
constexpr TRect kTabPageClient{2, 2, 58, 38};
constexpr TRect kTabsBack = box(132, 246, 60, 20);
constexpr int kTabOffset = 6;
constexpr TRect kGridFixedCell = box(194, 246, 40, 20);
constexpr TRect kGridSelectCell = box(236, 246, 40, 20);
constexpr TRect kGridFocusCell = box(278, 246, 40, 20);
constexpr TRect kGridCellText{3, 0, 37, 20};
constexpr TRect kMenuBar = box(320, 224, 80, 20);
constexpr TRect kMenuBarItems{2, 0, 78, 20};
constexpr TRect kControlBarBand = box(320, 246, 40, 20);
constexpr TRect kExPanelRollH = box(362, 246, 20, 40);
constexpr TRect kExPanelRollV = box(384, 266, 60, 20);
constexpr TRect kExPanelButton(int row, int state) { return box(460 + state * 14, 180 + row * 14, 13, 13); }

} // namespace skingen::layout
