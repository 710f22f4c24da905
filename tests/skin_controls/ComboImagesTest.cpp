#include "ControlTestSupport.h"
#include "ProgramSkin.h"

#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinListBox.h"

#include <QLineEdit>

#include <gtest/gtest.h>

// Item pictures and owner drawing on the combo box's face and in its list.
using namespace skin;
using namespace testsupport;
using platform::TRect;

namespace {

bool isGrey(platform::TColor c)
{
    return platform::GetRValue(c) == platform::GetGValue(c) && platform::GetGValue(c) == platform::GetBValue(c);
}

// Leftmost column of the area holding a pixel of colour ink, -1 none.
int inkLeft(const QImage& image, const QRect& area, platform::TColor ink)
{
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (pixel(image, x, y) == rgbOf(ink))
                return x;
    return -1;
}

struct DrawCall {
    QObject* sender = nullptr;
    int index = -1;
    TRect rect;
    TOwnerDrawState state;
};

// Records each call and fills the text rectangle with aqua.
TkvDrawSkinItemEvent recordingDraw(std::vector<DrawCall>& calls)
{
    return [&calls](QObject* Sender, platform::TCanvas& Canvas, int Index, const TRect& Rect, TOwnerDrawState State) {
        calls.push_back({Sender, Index, Rect, State});
        Canvas.Brush.Color = platform::clAqua;
        Canvas.FillRect(Rect);
    };
}

class ComboImagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo = new TkvSkinComboBox(host.widget());
        combo->SetBounds(20, 20, 120, 20);
        combo->SetItems({"PWM", "SBUS", "X8"});
        other = new QLineEdit(host.widget());
        other->move(250, 250);
        host.show();
        other->setFocus();
    }

    std::unique_ptr<platform::TImageList> images = colourImages();
    HostWindow host;
    TkvSkinComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
};

// Without a record: the text rectangle is 4..98 x 2..18, so a 12 x 12
// picture covers 4..15 x 4..15 and the text moves 14 pixels right.
TEST_F(ComboImagesTest, DefaultFaceShowsThePictureInEachState)
{
    combo->SetItemIndex(0);
    const QRect textArea(4, 2, 94, 16);
    const int plainText = inkLeft(combo->renderFace(), textArea, platform::clWindowText);
    ASSERT_GE(plainText, 4);

    combo->SetImages(images.get());
    QImage face = combo->renderFace();
    savePicture(face, QStringLiteral("combo-image-default"));
    EXPECT_EQ(pixel(face, 10, 10), platform::clRed) << "item 0's own picture";
    EXPECT_EQ(pixel(face, 15, 15), platform::clRed);
    EXPECT_EQ(pixel(face, 4, 4), rgbOf(platform::clWindow)) << "the keyed pixel is the background";
    EXPECT_EQ(pixel(face, 10, 3), rgbOf(platform::clWindow)) << "centred: one row above is free";
    EXPECT_EQ(inkLeft(face, textArea.adjusted(12, 0, 0, 0), platform::clWindowText), plainText + 14);

    combo->setFocus();
    face = combo->renderFace();
    EXPECT_EQ(pixel(face, 10, 10), platform::clRed) << "focused";
    EXPECT_EQ(pixel(face, 4, 4), rgbOf(platform::clHighlight));

    other->setFocus();
    combo->setEnabled(false);
    face = combo->renderFace();
    savePicture(face, QStringLiteral("combo-image-default-disabled"));
    EXPECT_TRUE(isGrey(pixel(face, 10, 10))) << "greyed when disabled";
    EXPECT_NE(pixel(face, 10, 10), rgbOf(platform::clWindow));
    combo->setEnabled(true);

    combo->SetItemIndex(1);
    EXPECT_EQ(pixel(combo->renderFace(), 10, 10), platform::clLime) << "item 1's own picture";
    combo->SetImageIndex(2);
    EXPECT_EQ(pixel(combo->renderFace(), 10, 10), platform::clBlue) << "ImageIndex: one picture for all";
    combo->SetImageIndex(7);
    face = combo->renderFace();
    EXPECT_EQ(pixel(face, 10, 10), rgbOf(platform::clWindow)) << "no such picture";
    EXPECT_EQ(inkLeft(face, textArea.adjusted(12, 0, 0, 0), platform::clWindowText), plainText + 14)
        << "the text keeps the column of the others";
}

TEST_F(ComboImagesTest, OwnerDrawingReplacesPictureAndTextOnTheDefaultFace)
{
    std::vector<DrawCall> calls;
    combo->SetImages(images.get());
    combo->OnComboBoxDrawItem = recordingDraw(calls);
    combo->SetItemIndex(2);
    QImage face = combo->renderFace();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].sender, combo);
    EXPECT_EQ(calls[0].index, 2);
    EXPECT_EQ(calls[0].rect, (TRect{4, 2, 98, 18}));
    EXPECT_EQ(calls[0].state, TOwnerDrawState());
    EXPECT_EQ(pixel(face, 10, 10), platform::clAqua) << "no picture drawn over the handler's";
    EXPECT_EQ(pixel(face, 3, 10), rgbOf(platform::clWindow)) << "the background is ours";

    combo->setFocus();
    combo->renderFace();
    EXPECT_EQ(calls.back().state, TOwnerDrawState(TOwnerDrawStateItem::odSelected | TOwnerDrawStateItem::odFocused));
    other->setFocus();
    combo->setEnabled(false);
    combo->renderFace();
    EXPECT_EQ(calls.back().state, TOwnerDrawState(TOwnerDrawStateItem::odDisabled));

    combo->setEnabled(true);
    combo->SetItemIndex(-1);
    calls.clear();
    combo->renderFace();
    EXPECT_TRUE(calls.empty()) << "no item, nothing to draw";
}

// The program's skin: ItemRect 3,3,69,18 and the record's text rectangle
// 2,0,38,15 widened by 26, so the picture stands at 5..16 x 4..15.
TEST_F(ComboImagesTest, SkinnedFaceShowsThePictureAndOwnerDrawing)
{
    auto data = loadProgramSkin();
    combo->SetBounds(20, 20, 89, 25);
    combo->SetSkinData(data.get());
    combo->SetItemIndex(0);
    const QImage plain = combo->renderFace();
    combo->SetImages(images.get());
    QImage face = combo->renderFace();
    savePicture(face, QStringLiteral("combo-image-skinned"));
    EXPECT_EQ(pixel(face, 11, 10), platform::clRed);
    EXPECT_EQ(pixel(face, 16, 15), platform::clRed);
    EXPECT_EQ(pixel(face, 5, 4), pixel(plain, 5, 4)) << "the keyed pixel shows the item background";
    EXPECT_EQ(pixel(face, 11, 3), pixel(plain, 11, 3));

    combo->setFocus();
    face = combo->renderFace();
    EXPECT_EQ(pixel(face, 11, 10), platform::clRed) << "focused";
    other->setFocus();
    combo->setEnabled(false);
    EXPECT_TRUE(isGrey(pixel(combo->renderFace(), 11, 10))) << "greyed when disabled";
    combo->setEnabled(true);

    std::vector<DrawCall> calls;
    combo->OnComboBoxDrawItem = recordingDraw(calls);
    face = combo->renderFace();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rect, (TRect{2, 0, 64, 15})) << "in the item bitmap's coordinates";
    EXPECT_EQ(pixel(face, 5, 3), platform::clAqua);
    EXPECT_EQ(pixel(face, 66, 10), platform::clAqua) << "to the widened right edge";
    EXPECT_NE(pixel(face, 67, 10), platform::clAqua);
}

TEST_F(ComboImagesTest, TheOpenListDrawsPicturesOrHandsItemsToTheHandler)
{
    combo->SetImages(images.get());
    combo->SetItemIndex(1);
    combo->DropDown();
    ASSERT_TRUE(combo->IsPopupVisible());
    TkvPopupListBox* list = combo->popupList();
    EXPECT_EQ(list->Images(), images.get()) << "passed on";
    QImage rows = list->innerList()->PaintList();
    savePicture(rows, QStringLiteral("combo-list-images-default"));
    // Rows of 20: text rectangle 2..w-2 x 0..20, the picture at 2..13 x 4..15.
    EXPECT_EQ(pixel(rows, 8, 10), platform::clRed);
    EXPECT_EQ(pixel(rows, 8, 20 + 10), platform::clLime) << "on the highlighted row too";
    EXPECT_EQ(pixel(rows, 2, 20 + 4), rgbOf(platform::clHighlight)) << "keyed pixel";
    EXPECT_EQ(pixel(rows, 8, 40 + 10), platform::clBlue);
    combo->CloseUp(false);

    combo->SetImageIndex(0);
    combo->DropDown();
    rows = list->innerList()->PaintList();
    EXPECT_EQ(pixel(rows, 8, 40 + 10), platform::clRed) << "ImageIndex passed on";
    combo->CloseUp(false);

    std::vector<DrawCall> calls;
    combo->OnListBoxDrawItem = recordingDraw(calls);
    combo->DropDown();
    calls.clear();
    rows = list->innerList()->PaintList();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].sender, list);
    EXPECT_EQ(calls[1].index, 1);
    EXPECT_EQ(calls[1].rect, (TRect{2, 0, list->innerList()->width() - 2, 20}));
    EXPECT_EQ(calls[1].state, TOwnerDrawState(TOwnerDrawStateItem::odSelected)) << "the list never has the focus";
    EXPECT_EQ(calls[0].state, TOwnerDrawState());
    EXPECT_EQ(pixel(rows, 8, 10), platform::clAqua);
    EXPECT_EQ(pixel(rows, 1, 10), rgbOf(platform::clWindow));
}

TEST(SkinnedListImagesTest, PicturesAtTheRecordsItemHeightAndStretched)
{
    auto data = loadProgramSkin();
    auto images = colourImages();
    TkvSkinListBox list;
    list.SetSkinData(data.get());
    list.SetBounds(0, 0, 89, 100);
    list.SetItems({"PWM", "SBUS"});
    list.SetRowCount(2);
    const QImage plain = list.innerList()->PaintList();
    list.SetImages(images.get());
    QImage rows = list.innerList()->PaintList();
    savePicture(rows, QStringLiteral("skinned-list-images"));
    // Rows of 21, text rectangle 2,2,52,19: the picture at 2..13 x 4..15.
    EXPECT_EQ(pixel(rows, 8, 10), platform::clRed);
    EXPECT_EQ(pixel(rows, 8, 21 + 10), platform::clLime);
    EXPECT_EQ(pixel(rows, 8, 21 + 3), pixel(plain, 8, 21 + 3)) << "above the picture";
    EXPECT_EQ(pixel(rows, 2, 21 + 4), pixel(plain, 2, 21 + 4)) << "keyed pixel";

    // Rows of 30 built from the record's 21: the text rectangle grows to
    // 2..28 and the picture moves to 9..20.
    list.SetUseSkinItemHeight(false);
    list.SetDefaultItemHeight(30);
    rows = list.innerList()->PaintList();
    EXPECT_EQ(pixel(rows, 8, 9), platform::clRed);
    EXPECT_EQ(pixel(rows, 8, 20), platform::clRed);
    EXPECT_NE(pixel(rows, 8, 8), platform::clRed);
    EXPECT_EQ(pixel(rows, 8, 30 + 15), platform::clLime);

    list.setEnabled(false);
    EXPECT_TRUE(isGrey(pixel(list.innerList()->PaintList(), 8, 15))) << "greyed in a disabled list";
}

} // namespace
