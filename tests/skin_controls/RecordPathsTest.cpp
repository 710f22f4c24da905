#include "ControlSkin.h"
#include "ControlTestSupport.h"

#include "skin/controls/ButtonPainter.h"
#include "skin/frame/SkinClient.h"
#include "skin/controls/TkvGraphicSkinCustomControl.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/data/SkinMessages.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// The controls drawn from the records of a real loaded skin.
using namespace skin;
using namespace testsupport;
using platform::TColor;
using platform::TRect;

namespace {

TColor picture(int x, int y) { return ControlSkin::pictureColour(x, y); }

// The bounding box of the pixels of one colour inside area.
TRect boxOf(const QImage& face, TColor colour, const TRect& area)
{
    TRect box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixel(face, x, y) == colour) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

TEST(ResizeModeTest, SizeFittingByMode)
{
    struct Case {
        const char* record;
        ResizeMode mode;
        QSize requested;
        QSize fitted;
        TRect client;
    };
    const Case cases[] = {
        {"button", ResizeMode::Horizontal, {100, 40}, {100, 25}, {3, 3, 97, 22}},
        {"button", ResizeMode::Horizontal, {20, 10}, {20, 25}, {3, 3, 17, 22}},
        {"resizebutton", ResizeMode::NinePart, {100, 40}, {100, 40}, {3, 3, 97, 37}},
        {"vbutton", ResizeMode::Vertical, {100, 40}, {35, 40}, {3, 3, 32, 37}},
        {"fixedbutton", ResizeMode::Fixed, {100, 40}, {35, 25}, {3, 3, 32, 22}},
        {"emptybutton", ResizeMode::None, {100, 40}, {100, 40}, {0, 0, 100, 40}},
    };
    ControlSkin skin;
    for (const Case& c : cases) {
        TkvSkinButton button;
        button.SetSkinDataName(QLatin1String(c.record));
        button.SetSkinData(&skin.data());
        button.SetBounds(0, 0, c.requested.width(), c.requested.height());
        EXPECT_EQ(button.GetResizeMode(), c.mode) << c.record;
        EXPECT_EQ(button.size(), c.fitted) << c.record << " at " << c.requested.width() << "x" << c.requested.height();
        EXPECT_EQ(button.RealClientRect(), c.client) << c.record;
    }
}

TEST(ResizeModeTest, RecordNameChangeRefitsOnlyAtTheNextChange)
{
    ControlSkin skin;
    TkvSkinButton button;
    button.SetSkinData(&skin.data());
    button.SetBounds(0, 0, 100, 40);
    ASSERT_EQ(button.size(), QSize(100, 25));
    button.SetSkinDataName(QStringLiteral("fixedbutton"));
    button.renderFace();
    EXPECT_EQ(button.size(), QSize(100, 25)) << "a paint uses the new record but keeps the size";
    EXPECT_EQ(button.GetResizeMode(), ResizeMode::Fixed);
    button.ChangeSkinData();
    EXPECT_EQ(button.size(), QSize(35, 25));
}

TEST(ResizeModeTest, MaskPictureShapesTheControl)
{
    ControlSkin skin;
    TkvSkinButton button;
    button.SetSkinDataName(QStringLiteral("maskedbutton"));
    button.SetSkinData(&skin.data());
    EXPECT_EQ(button.size(), QSize(35, 25));
    EXPECT_FALSE(button.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(button.mask().contains(QPoint(34, 1)));
    EXPECT_TRUE(button.mask().contains(QPoint(3, 0)));
    EXPECT_TRUE(button.mask().contains(QPoint(34, 24)));

    button.SetSkinDataName(QStringLiteral("fixedbutton"));
    button.ChangeSkinData();
    EXPECT_TRUE(button.mask().isEmpty()) << "a record without a mask leaves the control rectangular";
}

TEST(ResizeModeTest, ControlThatLosesItsRecordLosesItsOutline)
{
    ControlSkin skin;
    TkvSkinButton button;
    button.SetSkinDataName(QStringLiteral("maskedbutton"));
    button.SetSkinData(&skin.data());
    ASSERT_FALSE(button.mask().isEmpty());

    // The default size differs from the record's, so the size changes with
    // the loss of the record.
    button.SetDefaultWidth(60);
    button.SetDefaultHeight(30);
    button.SetSkinDataName(QStringLiteral("norecord"));
    button.ChangeSkinData();
    EXPECT_EQ(button.RecordIndex(), -1);
    EXPECT_EQ(button.size(), QSize(60, 30));
    EXPECT_TRUE(button.mask().isEmpty()) << "the old record's outline would cut the default face";
}

// The bases draw any record with a cut once a control takes it.
template<typename Base>
class CutControl : public Base {
public:
    explicit CutControl(QWidget* parent) : Base(parent) { this->template acceptRecords<TkvDataSkinCustomControl>(); }
};

TEST(WindowlessControlTest, DrawsLikeItsWindowedTwinWithoutRegionOrFocus)
{
    ControlSkin skin;
    QWidget window;
    CutControl<TkvSkinCustomControl> windowed(&window);
    CutControl<TkvGraphicSkinCustomControl> windowless(&window);
    for (TkvSkinCustomControl* control : {static_cast<TkvSkinCustomControl*>(&windowed),
             static_cast<TkvSkinCustomControl*>(&windowless)}) {
        control->SetSkinDataName(QStringLiteral("maskedbutton"));
        control->SetSkinData(&skin.data());
    }
    EXPECT_EQ(windowless.size(), QSize(35, 25)) << "the record fits its size";
    EXPECT_EQ(windowless.renderFace(), windowed.renderFace());
    EXPECT_FALSE(windowed.mask().isEmpty());
    EXPECT_TRUE(windowless.mask().isEmpty()) << "a control without a window has no region";

    window.show();
    windowless.setFocus();
    EXPECT_FALSE(windowless.hasFocus());

    // The skin change reaches it like any skinned control.
    windowless.SetSkinDataName(QStringLiteral("vbutton"));
    forwardSkinChange(&window, SKINMSG_CHANGE, &skin.data());
    EXPECT_EQ(windowless.GetResizeMode(), ResizeMode::Vertical);
}

TEST(GaugeSkinTest, WorkedExampleTiles)
{
    ControlSkin skin;
    HostWindow host;
    auto* gauge = new TkvSkinGauge(host.widget());
    gauge->SetSkinData(&skin.data());
    gauge->SetBounds(10, 10, 105, 17);
    EXPECT_EQ(gauge->size(), QSize(105, 14));
    gauge->SetMaxValue(2000);
    gauge->SetMinValue(1000);
    gauge->SetValue(1500);
    const TRect area = gauge->adjustedProgressArea();
    EXPECT_EQ(area, (TRect{2, 2, 104, 13}));
    EXPECT_EQ(gauge->CalcProgressRect(area), (TRect{2, 2, 53, 13}));

    const QImage face = gauge->renderFace();
    savePicture(face, QStringLiteral("skin-gauge-1500"));
    // Five tiles of 10 columns and one of 1 column, each from the left of
    // the progress picture (30, 80, 40, 91).
    for (int x = 2; x < 53; ++x)
        for (int y = 2; y < 13; ++y)
            ASSERT_EQ(pixel(face, x, y), picture(30 + (x - 2) % 10, 80 + y - 2)) << x << "," << y;
    EXPECT_NE(pixel(face, 53, 5), picture(31, 83)) << "the 52nd column is no longer progress";

    gauge->SetValue(1000);
    EXPECT_NE(pixel(gauge->renderFace(), 2, 5), picture(30, 83)) << "no tile at the minimum";
    gauge->SetValue(2000);
    EXPECT_EQ(pixel(gauge->renderFace(), 103, 5), picture(31, 83)) << "the last tile reaches the right edge";
}

TEST(GaugeSkinTest, VerticalTilesGrowFromTheBottom)
{
    ControlSkin skin;
    TkvSkinGauge gauge;
    gauge.SetSkinDataName(QStringLiteral("vgauge"));
    gauge.SetSkinData(&skin.data());
    gauge.SetBounds(0, 0, 30, 50);
    EXPECT_TRUE(gauge.Vertical());
    EXPECT_EQ(gauge.size(), QSize(14, 50));
    EXPECT_EQ(gauge.adjustedProgressArea(), (TRect{2, 2, 13, 49}));
    // Half of 47 rows is 23.5, which rounds to the even 24.
    EXPECT_EQ(gauge.CalcProgressRect(gauge.adjustedProgressArea()), (TRect{2, 25, 13, 49}));
    const QImage face = gauge.renderFace();
    savePicture(face, QStringLiteral("skin-gauge-vertical"));
    EXPECT_EQ(pixel(face, 5, 48), picture(33, 89)) << "the first tile sits on the bottom";
    EXPECT_EQ(pixel(face, 5, 39), picture(33, 90 - 10)) << "the second tile starts above it";
    EXPECT_EQ(pixel(face, 5, 25), picture(33, 86)) << "the third is cut at its top";
    EXPECT_NE(pixel(face, 5, 24), picture(33, 89)) << "above the progress the skin image";
}

TEST(GaugeSkinTest, WithoutTheSkinSizeTheImageIsStretched)
{
    ControlSkin skin;
    TkvSkinGauge gauge;
    gauge.SetSkinData(&skin.data());
    gauge.SetBounds(0, 0, 105, 17);
    const QImage fitted = gauge.renderFace();
    ASSERT_EQ(fitted.size(), QSize(105, 14));
    gauge.SetUseSkinSize(false);
    gauge.SetBounds(0, 0, 105, 17);
    EXPECT_EQ(gauge.size(), QSize(105, 17));
    const QImage stretched = gauge.renderFace();
    ASSERT_EQ(stretched.size(), QSize(105, 17));
    for (int x = 0; x < 105; x += 13) {
        EXPECT_EQ(pixel(stretched, x, 0), pixel(fitted, x, 0)) << x;
        EXPECT_EQ(pixel(stretched, x, 16), pixel(fitted, x, 13)) << x;
    }
}

TEST(GaugeSkinTest, RecordDecidesTheDirection)
{
    ControlSkin skin;
    TkvSkinGauge gauge;
    gauge.SetVertical(true);
    gauge.SetSkinData(&skin.data());
    EXPECT_FALSE(gauge.Vertical()) << "the record's vertical=0 overrides the property";
}

TEST(SliderSkinTest, WorkedExampleMapping)
{
    ControlSkin skin;
    HostWindow host;
    auto* slider = new TkvSkinSlider(host.widget());
    slider->SetBounds(10, 10, 65, 33);
    slider->SetSkinData(&skin.data());
    slider->SetRange(48, 96);
    slider->SetIncrement(1);
    slider->SetValue(60);
    EXPECT_EQ(slider->RulerImage().Width(), 53);
    EXPECT_EQ(slider->RulerImage().Height(), 11);
    EXPECT_EQ(slider->GetRulerLength(), 42);
    EXPECT_EQ(slider->ThumbBounds(), platform::Bounds(16, 6, 11, 21));
    EXPECT_EQ(slider->RulerOrigin(), (platform::TPoint{6, 11}));
    EXPECT_EQ(slider->TickArea(), (TRect{6, 28, 59, 32}));

    const QImage face = slider->renderFace();
    savePicture(face, QStringLiteral("skin-slider-60"));
    EXPECT_EQ(pixel(face, 1, 1), TColor(15790320)) << "bgcolor";
    EXPECT_EQ(pixel(face, 16 + 5, 6 + 10), picture(20 + 5, 100 + 10)) << "the left (normal) half of the thumb";
    EXPECT_EQ(pixel(face, 11, 28), TColor(8388608)) << "first tick in pointscolor";

    slider->SetValue(96);
    EXPECT_EQ(slider->ThumbBounds().left, 48);
    EXPECT_EQ(slider->ThumbBounds().right, 59);
    slider->setEnabled(false);
    EXPECT_EQ(pixel(slider->renderFace(), 48 + 5, 6 + 10), picture(31 + 5, 100 + 10)) << "the right half when disabled";

    slider->SetUseSkinThumb(false);
    EXPECT_EQ(slider->ThumbBounds().width(), 9) << "the built-in thumb, 18 x 17 in two states";
    EXPECT_EQ(slider->GetRulerLength(), 53 - 9);
}

TEST(GroupBoxSkinTest, CaptionStripSharedByPaintAndHitTest)
{
    ControlSkin skin;
    HostWindow host;
    auto* box = new TkvSkinGroupBox(host.widget());
    box->SetBounds(10, 10, 105, 129);
    box->SetCaption(QStringLiteral("Attitude"));
    box->SetDefaultAlignment(TAlignment::taLeftJustify);
    box->SetSkinData(&skin.data());
    host.show();
    EXPECT_EQ(box->captionRect(), (TRect{3, 2, 102, 18}));
    EXPECT_EQ(box->RealClientRect(), (TRect{1, 20, 104, 128}));
    EXPECT_EQ(box->contentsRect(), QRect(1, 20, 103, 108)) << "children keep to the record's client area";

    const QImage face = box->renderFace();
    savePicture(face, QStringLiteral("skin-groupbox"));
    const TRect caption = boxOf(face, platform::clBlack, {0, 0, 105, 129});
    EXPECT_GE(caption.left, 3);
    EXPECT_LE(caption.right, 102);
    EXPECT_GE(caption.top, 2);
    EXPECT_LE(caption.bottom, 18);
    EXPECT_LE(std::abs((caption.left + caption.right) - 105), 4) << "centred by the record's alignment";

    box->SetCheckedMode(true);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_FALSE(box->Checked()) << "below the skin's strip, though inside the default one";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_TRUE(box->Checked());
    // Later tests place controls where the pointer would otherwise rest.
    QTest::mouseMove(host.widget(), QPoint(390, 290));
}

TEST(GroupBoxSkinTest, RollsUpToTheSkinsFrame)
{
    ControlSkin skin;
    TkvSkinGroupBox box;
    box.SetBounds(10, 10, 105, 129);
    box.SetSkinData(&skin.data());
    box.SetRollUpMode(true);
    box.SetRollUpState(true);
    EXPECT_EQ(box.height(), 129 - 108) << "the height less the record's client area";
    EXPECT_EQ(box.RealHeight(), 129);
    box.SetRollUpState(false);
    EXPECT_EQ(box.height(), 129);
    EXPECT_EQ(box.RealHeight(), -1);
}

TEST(ButtonSkinTest, ImageChoiceTable)
{
    ButtonFace face;
    EXPECT_EQ(skinButtonImage(face, true, false), ButtonImage::Normal);
    face.morphFactor = 1.0;
    EXPECT_EQ(skinButtonImage(face, true, false), ButtonImage::Active) << "a finished fade shows the hot image";
    EXPECT_EQ(skinButtonImage(face, false, false), ButtonImage::Normal);
    face.morphFactor = 0.4;
    EXPECT_EQ(skinButtonImage(face, true, false), ButtonImage::CrossFade);
    face.part.disabled = true;
    EXPECT_EQ(skinButtonImage(face, true, false), ButtonImage::Normal) << "no fade while disabled";
    EXPECT_EQ(skinButtonImage(face, true, true), ButtonImage::Disabled);
    face = {};
    face.part.look = PartLook::Pressed;
    face.mouseIn = true;
    EXPECT_EQ(skinButtonImage(face, false, false), ButtonImage::Down);
    face.part.look = PartLook::Hot;
    EXPECT_EQ(skinButtonImage(face, false, false), ButtonImage::Active);
}

TEST(ButtonSkinTest, DisabledButtonKeepsItsPictureAndWritesWhite)
{
    ControlSkin skin;
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->SetSkinData(&skin.data());
    button->SetBounds(10, 10, 75, 25);
    button->SetCaption(QStringLiteral("Save"));
    const QImage enabled = button->renderFace();
    EXPECT_EQ(boxOf(enabled, platform::clWhite, {0, 0, 75, 25}).left, 75) << "no white while enabled";
    EXPECT_EQ(pixel(enabled, 1, 1), picture(1, 1)) << "the normal image";

    button->setEnabled(false);
    const QImage disabled = button->renderFace();
    savePicture(disabled, QStringLiteral("skin-button-disabled"));
    const TRect white = boxOf(disabled, platform::clWhite, {0, 0, 75, 25});
    EXPECT_LT(white.left, white.right) << "the caption in disabledfontcolor";
    EXPECT_EQ(pixel(disabled, 1, 1), picture(1, 1)) << "still the normal image";
}

TEST(ButtonSkinTest, HotLookCrossFadesInFiveTwentyMillisecondSteps)
{
    ControlSkin skin;
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->SetSkinData(&skin.data());
    button->SetBounds(10, 10, 75, 25);
    host.show();
    button->clearFocus();
    const QImage normal = button->renderFace();
    EXPECT_EQ(timerInterval(button, "morph"), 20);

    hover(button, QPoint(30, 12));
    ASSERT_TRUE(timerActive(button, "morph"));
    fireTimer(button, "morph");
    fireTimer(button, "morph");
    EXPECT_NEAR(button->MorphFactor(), 0.4, 1e-9);
    const QImage halfway = button->renderFace();
    savePicture(halfway, QStringLiteral("skin-button-fade"));
    for (int i = 0; i < 3; ++i)
        fireTimer(button, "morph");
    EXPECT_NEAR(button->MorphFactor(), 1.0, 1e-9);
    fireTimer(button, "morph");
    EXPECT_FALSE(timerActive(button, "morph")) << "the fade ends after five steps";
    EXPECT_EQ(button->MorphFactor(), 1.0);
    const QImage hot = button->renderFace();
    EXPECT_EQ(pixel(hot, 1, 1), picture(1, 26)) << "the active image";
    EXPECT_NE(halfway, normal);
    EXPECT_NE(halfway, hot);
    QTest::mouseMove(host.widget(), QPoint(390, 290));
}

TEST(ButtonSkinTest, PressedImageAndColourWhileHeldUnderThePointer)
{
    ControlSkin skin;
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->SetSkinData(&skin.data());
    button->SetBounds(10, 10, 75, 25);
    button->SetCaption(QStringLiteral("Save"));
    host.show();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 12));
    const QImage pressed = button->renderFace();
    savePicture(pressed, QStringLiteral("skin-button-pressed"));
    EXPECT_EQ(pixel(pressed, 1, 1), picture(1, 51)) << "downskinrect";
    const TRect caption = boxOf(pressed, TColor(32768), {0, 0, 75, 25});
    EXPECT_LT(caption.left, caption.right) << "the caption in downfontcolor";
    QTest::mouseMove(button, QPoint(-30, 12));
    EXPECT_NE(pixel(button->renderFace(), 1, 1), picture(1, 51)) << "outside, not the pressed image";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 12));
    QTest::mouseMove(host.widget(), QPoint(390, 290));
}

TEST(ButtonSkinTest, RecordOfAnotherClassLeavesTheDefaultLook)
{
    ControlSkin skin;
    TkvSkinButton button;
    TkvSkinButton unbound;
    button.SetSkinDataName(QStringLiteral("gauge"));
    button.SetSkinData(&skin.data());
    EXPECT_EQ(button.RecordIndex(), -1);
    EXPECT_EQ(button.renderFace(), unbound.renderFace());
}

// A window that hands the skin messages to its controls, as the skinned
// form does.
class SkinnedWindow : public QWidget {
protected:
    bool event(QEvent* event) override { return forwardSkinMessage(this, event) || QWidget::event(event); }
};

TEST(SkinMessageTest, BeforeChangeDropsTheSkinAndChangeRefits)
{
    ControlSkin skin;
    ControlSkin otherSkin;
    SkinnedWindow window;
    auto* button = new TkvSkinButton(&window);
    auto* other = new TkvSkinButton(&window);
    auto* unbound = new TkvSkinButton(&window);
    button->SetSkinData(&skin.data());
    other->SetSkinData(&otherSkin.data());
    button->SetBounds(0, 0, 100, 40);
    ASSERT_EQ(button->size(), QSize(100, 25));
    unbound->SetBounds(0, 0, 100, 25);

    TkvSkinMessageEvent before(SKINMSG_BEFORECHANGE, &skin.data());
    QApplication::sendEvent(&window, &before);
    EXPECT_EQ(button->RecordIndex(), -1);
    EXPECT_NE(other->RecordIndex(), -1) << "a control of another skin data is not touched";
    // The skin frees its records and pictures; a paint in between draws
    // the default look without reading them (an ASan build would catch it).
    skin.data().ClearAll();
    EXPECT_EQ(button->renderFace(), unbound->renderFace());

    button->SetBounds(0, 0, 100, 40);
    EXPECT_EQ(button->size(), QSize(100, 40));
    skin.reload();
    EXPECT_NE(button->RecordIndex(), -1) << "the change message re-reads the record";
    EXPECT_EQ(button->size(), QSize(100, 25)) << "and refits the size";
    EXPECT_EQ(pixel(button->renderFace(), 1, 1), picture(1, 1));

    button->SetSkinData(nullptr);
    EXPECT_EQ(button->renderFace(), unbound->renderFace()) << "unbound: the default look at the next paint";
}

} // namespace
