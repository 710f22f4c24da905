#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinScrollBar.h"
#include "skin/controls/TkvSkinSlider.h"

#include <QTest>

#include <gtest/gtest.h>

// The faces the controls' behaviour reports, driven by real input and
// checked without drawing anything.
using namespace skin;
using namespace testsupport;

namespace {

PartFace partFace(PartLook look, bool focused = false, bool disabled = false) { return {look, disabled, focused}; }

TEST(ButtonFaceTest, MousePressMoveAndRelease)
{
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->SetBounds(20, 20, 75, 25);
    host.show();
    const QPoint inside{30, 12};
    const QPoint outside{-30, 12};
    button->clearFocus();

    hover(button, inside);
    EXPECT_EQ(button->face().part, partFace(PartLook::Hot));
    EXPECT_TRUE(button->face().mouseIn);

    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->face().part, partFace(PartLook::Pressed, true));
    EXPECT_TRUE(button->face().down);
    // Outside, the held button shows its hot (focused) look, and the pressed
    // look again when the pointer returns.
    QTest::mouseMove(button, outside);
    EXPECT_EQ(button->face().part, partFace(PartLook::Hot, true));
    EXPECT_TRUE(button->face().down);
    QTest::mouseMove(button, inside);
    EXPECT_EQ(button->face().part, partFace(PartLook::Pressed, true));
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->face().part, partFace(PartLook::Hot, true));
    EXPECT_FALSE(button->face().down);
}

TEST(ButtonFaceTest, SpaceShowsPressedAndDisablingDropsHot)
{
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->SetBounds(20, 20, 75, 25);
    button->SetNumGlyphs(4);
    host.show();
    button->setFocus();
    EXPECT_EQ(button->face().part, partFace(PartLook::Hot, true)) << "focus alone is hot";
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->face().part, partFace(PartLook::Pressed, true));
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(button->face().part, partFace(PartLook::Hot, true));

    hover(button, QPoint(30, 12));
    EXPECT_EQ(button->face().glyphIndex, 4);
    button->setEnabled(false);
    const ButtonFace face = button->face();
    EXPECT_TRUE(face.part.disabled);
    EXPECT_FALSE(face.mouseIn);
    EXPECT_EQ(face.part.look, PartLook::Normal);
    EXPECT_EQ(face.glyphIndex, 2);
}

TEST(SliderFaceTest, ThumbPressedWhileDraggedAndFocusShown)
{
    HostWindow host;
    auto* slider = new TkvSkinSlider(host.widget());
    slider->SetBounds(10, 10, 150, 40);
    host.show();
    slider->clearFocus();
    EXPECT_EQ(slider->face().thumb.look, PartLook::Normal);
    EXPECT_FALSE(slider->face().showFocus);

    const platform::TRect t = slider->ThumbBounds();
    const QPoint grab{(t.left + t.right) / 2, (t.top + t.bottom) / 2};
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    EXPECT_EQ(slider->face().thumb.look, PartLook::Pressed);
    EXPECT_TRUE(slider->face().showFocus);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, grab);
    EXPECT_EQ(slider->face().thumb.look, PartLook::Normal);

    slider->SetOptions(slider->Options() & ~TkvSliderOptions(TkvSliderOption::soShowFocus));
    EXPECT_FALSE(slider->face().showFocus);
    slider->setEnabled(false);
    EXPECT_TRUE(slider->face().thumb.disabled);
}

TEST(ScrollBarFaceTest, ArrowButtonPressedOnlyUnderThePointer)
{
    HostWindow host;
    auto* bar = new TkvSkinScrollBar(host.widget());
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetBounds(10, 10, 19, 200);
    bar->SetRange(0, 100, 10, 0);
    host.show();
    const platform::TRect up = bar->partRect(TkvSkinScrollBar::kDecrease);
    const QPoint onUp{(up.left + up.right) / 2, (up.top + up.bottom) / 2};

    hover(bar, onUp);
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kDecrease).look, PartLook::Hot);
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kIncrease).look, PartLook::Normal);
    QTest::mousePress(bar, Qt::LeftButton, {}, onUp);
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kDecrease).look, PartLook::Pressed);
    QTest::mouseMove(bar, QPoint(9, 100));
    EXPECT_NE(bar->partFace(TkvSkinScrollBar::kDecrease).look, PartLook::Pressed);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 100));
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kNone), PartFace{});
}

TEST(ScrollBarFaceTest, ThumbPressedWhileTheBarHasTheFocus)
{
    HostWindow host;
    auto* bar = new TkvSkinScrollBar(host.widget());
    bar->SetBounds(10, 10, 200, 19);
    bar->SetRange(0, 100, 10, 0);
    bar->SetCanFocused(true);
    auto* other = new TkvSkinScrollBar(host.widget());
    other->SetBounds(10, 50, 200, 19);
    other->SetCanFocused(true);
    host.show();
    other->setFocus();
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kThumb), partFace(PartLook::Normal));
    bar->setFocus();
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kThumb), partFace(PartLook::Pressed, true));
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kIncrease), partFace(PartLook::Normal, true)) << "focus shows on the thumb only";
    other->setFocus();
    EXPECT_EQ(bar->partFace(TkvSkinScrollBar::kThumb), partFace(PartLook::Normal));
    bar->setEnabled(false);
    EXPECT_TRUE(bar->partFace(TkvSkinScrollBar::kThumb).disabled);
}

TEST(ComboBoxFaceTest, ButtonHotUnderThePointer)
{
    HostWindow host;
    auto* combo = new TkvSkinComboBox(host.widget());
    combo->SetBounds(10, 10, 120, 20);
    host.show();
    EXPECT_EQ(combo->buttonFace().look, PartLook::Normal);
    hover(combo, QPoint(110, 10));
    EXPECT_EQ(combo->buttonFace().look, PartLook::Hot);
    combo->setEnabled(false);
    EXPECT_TRUE(combo->buttonFace().disabled);
}

} // namespace
