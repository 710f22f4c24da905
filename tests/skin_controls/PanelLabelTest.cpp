#include "ControlTestSupport.h"

#include "ProgramSkin.h"

#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinStdLabel.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;
using platform::TColor;

namespace {

// Columns of image between y0 and y1 (exclusive) that hold colour.
QList<int> inkColumns(const QImage& image, int y0, int y1, TColor colour)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = y0; y < y1; ++y)
            if (pixel(image, x, y) == colour) {
                columns << x;
                break;
            }
    return columns;
}

TEST(PanelTest, FrameAndCaptionStripWithoutRecord)
{
    TkvSkinGroupBox box;
    box.resize(105, 80);
    EXPECT_EQ(box.SkinDataName(), QStringLiteral("groupbox"));
    EXPECT_TRUE(box.CaptionMode());
    const QImage face = box.renderFace();
    EXPECT_EQ(pixel(face, 0, 0), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 104, 79), rgbOf(platform::clBtnShadow));
    // Sunken outer and raised inner edge of the caption strip (1, 1, 104, 22).
    EXPECT_EQ(pixel(face, 1, 1), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 103, 21), rgbOf(platform::clBtnHighlight));
    EXPECT_EQ(pixel(face, 2, 2), rgbOf(platform::clBtnHighlight));
    EXPECT_EQ(pixel(face, 102, 20), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 50, 40), rgbOf(platform::clBtnFace));
    EXPECT_TRUE(inkColumns(face, 3, 20, rgbOf(platform::clWindowText)).isEmpty())
        << "an empty caption draws no text";
    EXPECT_EQ(box.contentsRect(), QRect(1, 23, 103, 56)) << "inset by the frame, then by the strip";
}

TEST(PanelTest, BorderStyles)
{
    struct Case {
        TkvSkinBorderStyle style;
        TColor topLeft;
        TColor bottomRight;
    };
    const Case cases[] = {
        {TkvSkinBorderStyle::bvFrame, rgbOf(platform::clBtnShadow), rgbOf(platform::clBtnShadow)},
        {TkvSkinBorderStyle::bvRaised, rgbOf(platform::clBtnHighlight), rgbOf(platform::clBtnShadow)},
        {TkvSkinBorderStyle::bvLowered, rgbOf(platform::clBtnShadow), rgbOf(platform::clBtnHighlight)},
        {TkvSkinBorderStyle::bvNone, rgbOf(platform::clBtnFace), rgbOf(platform::clBtnFace)},
    };
    for (const Case& c : cases) {
        TkvSkinPanel panel;
        panel.SetBorderStyle(c.style);
        const QImage face = panel.renderFace();
        EXPECT_EQ(pixel(face, 0, 10), c.topLeft) << int(c.style);
        EXPECT_EQ(pixel(face, 149, 10), c.bottomRight) << int(c.style);
    }
}

TEST(PanelTest, CaptionAlignment)
{
    TkvSkinGroupBox box;
    box.resize(200, 60);
    box.SetCaption(QStringLiteral("ComPort"));
    const TColor ink = rgbOf(platform::clWindowText);
    box.SetDefaultAlignment(TAlignment::taLeftJustify);
    const QList<int> left = inkColumns(box.renderFace(), 3, 20, ink);
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LE(left.first(), 5) << "text starts at the strip's left + 2";
    box.SetDefaultAlignment(TAlignment::taRightJustify);
    const QList<int> right = inkColumns(box.renderFace(), 3, 20, ink);
    EXPECT_GE(right.last(), 195);
    EXPECT_LT(right.last(), 199);
    box.SetDefaultAlignment(TAlignment::taCenter);
    const QList<int> centre = inkColumns(box.renderFace(), 3, 20, ink);
    const int middle = (centre.first() + centre.last()) / 2;
    EXPECT_NEAR(middle, 101, 3);
}

TEST(PanelTest, CheckedModeTogglesAndEnablesChildren)
{
    HostWindow host;
    auto* box = new TkvSkinGroupBox(host.widget());
    box->SetCaption(QStringLiteral("Limit"));
    box->SetCheckedMode(true);
    auto* child = new TkvSkinPanel(box);
    child->SetBounds(10, 30, 50, 20);
    int checkedEvents = 0;
    box->OnChecked = [&](QObject*) { ++checkedEvents; };
    host.show();

    const int boxRow = 1 + (21 - 14) / 2;
    EXPECT_EQ(pixel(box->renderFace(), 5, boxRow), rgbOf(platform::clBtnShadow));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(child->isEnabled());
    EXPECT_EQ(checkedEvents, 1);
    EXPECT_EQ(pixel(box->renderFace(), 5 + 3 + 1, boxRow + 2 + 2 + 1), rgbOf(platform::clBtnText))
        << "check mark drawn";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(child->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, 60));
    EXPECT_EQ(checkedEvents, 2) << "clicks below the strip do nothing";
}

TEST(PanelTest, RollUpRemembersHeightOnce)
{
    HostWindow host;
    auto* box = new TkvSkinGroupBox(host.widget());
    auto* child = new TkvSkinPanel(box);
    child->SetBounds(10, 30, 50, 20);
    host.show();

    box->SetRollUpState(true);
    EXPECT_FALSE(box->RollUpState()) << "only in RollUpMode";

    int events = 0;
    box->OnChangeRollUpState = [&](QObject*) { ++events; };
    box->SetRollUpMode(true);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_TRUE(box->RollUpState());
    EXPECT_EQ(box->height(), 23);
    EXPECT_EQ(box->RealHeight(), 150);
    EXPECT_FALSE(child->isVisible());
    box->resize(150, 40);
    box->SetRollUpState(true);
    EXPECT_EQ(box->RealHeight(), 150);
    box->SetRollUpState(false);
    EXPECT_EQ(box->height(), 150);
    EXPECT_EQ(box->RealHeight(), -1);
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(events, 2);
}

TEST(StdLabelTest, AutoSizeAndTransparentText)
{
    TkvSkinStdLabel label;
    label.SetCaption(QStringLiteral("Roll "));
    platform::TBitmap scratch(1, 1);
    scratch.Canvas().Font = label.DefaultFont();
    EXPECT_EQ(label.size(), scratch.Canvas().TextExtent(QStringLiteral("Roll ")));
    const QImage text = label.renderText();
    EXPECT_EQ(qAlpha(text.pixel(text.width() - 1, 0)), 0) << "background stays transparent";
    EXPECT_FALSE(inkColumns(text, 0, text.height(), rgbOf(platform::clWindowText)).isEmpty());

    label.SetCaption(QString());
    EXPECT_EQ(label.width(), scratch.Canvas().TextWidth(QStringLiteral(" ")));
}

TEST(StdLabelTest, FontSwitchAndEmbossWhenDisabled)
{
    TkvSkinStdLabel label;
    label.SetCaption(QStringLiteral("GyroX"));
    platform::TFont big{QStringLiteral("Arial"), 30, {}, platform::clMaroon};
    label.SetFont(big);
    const int smallHeight = label.height();
    label.SetUseSkinFont(false);
    EXPECT_GT(label.height(), smallHeight) << "UseSkinFont off takes Font";
    EXPECT_FALSE(inkColumns(label.renderText(), 0, label.height(), platform::clMaroon).isEmpty());

    label.setEnabled(false);
    const QImage text = label.renderText();
    int shadow = 0, embossed = 0;
    for (int y = 0; y + 1 < text.height(); ++y)
        for (int x = 0; x + 1 < text.width(); ++x)
            if (qAlpha(text.pixel(x, y)) && pixel(text, x, y) == rgbOf(platform::clBtnShadow)) {
                ++shadow;
                const QRgb below = text.pixel(x + 1, y + 1);
                if (qAlpha(below)
                    && (pixel(text, x + 1, y + 1) == rgbOf(platform::clBtnHighlight)
                        || pixel(text, x + 1, y + 1) == rgbOf(platform::clBtnShadow)))
                    ++embossed;
            }
    EXPECT_GT(shadow, 20);
    EXPECT_EQ(embossed, shadow) << "each shadow pixel has highlight or shadow one pixel down-right";
}

} // namespace

namespace {

// Controls of very different sizes painted in one window paint: each shows
// exactly the face it builds on its own.
TEST(ControlPaintTest, EachControlShowsItsOwnFaceInAWindowPaint)
{
    const auto data = testsupport::loadProgramSkin();
    testsupport::HostWindow host(520, 300);
    auto* big = new TkvSkinGroupBox(host.widget());
    big->SetBounds(10, 10, 457, 201);
    big->SetCaption(QStringLiteral("Calibration"));
    auto* small = new TkvSkinGroupBox(host.widget());
    small->SetBounds(10, 220, 105, 60);
    small->SetCaption(QStringLiteral("Mode"));
    auto* plain = new TkvSkinGroupBox(host.widget());
    plain->SetBounds(130, 220, 150, 70);
    for (TkvSkinGroupBox* box : {big, small})
        box->SetSkinData(data.get());
    host.show();

    const QImage window = host.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (TkvSkinGroupBox* box : {big, small, plain}) {
        SCOPED_TRACE(box->width());
        EXPECT_EQ(window.copy(box->geometry()), box->renderFace());
    }
}

} // namespace
