#include "ControlTestSupport.h"

#include "skin/controls/DefaultLook.h"
#include "skin/controls/TkvSkinButton.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;
using platform::TColor;

namespace {

// A strip of count 8 x 8 images on a fuchsia key, image i holding a 4 x 4
// square of colours[i] at (2, 2).
void makeGlyph(platform::TBitmap& glyph, std::initializer_list<TColor> colours)
{
    glyph.SetSize(8 * int(colours.size()), 8);
    fillRect(glyph.Canvas(), {0, 0, glyph.Width(), 8}, platform::clFuchsia);
    int i = 0;
    for (TColor c : colours) {
        fillRect(glyph.Canvas(), {i * 8 + 2, 2, i * 8 + 6, 6}, c);
        ++i;
    }
}

// Top-left corner of the colour's pixels in image, or (-1, -1).
QPoint find(const QImage& image, TColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixel(image, x, y) == colour)
                return {x, y};
    return {-1, -1};
}

TEST(DrawImageAndTextTest, GlyphPlacementByLayoutAndMargin)
{
    struct Case {
        TkvButtonLayout layout;
        int margin;
        bool pressed;
        QPoint glyph;
    };
    // Rectangle 100 x 40, no caption, glyph 8 x 8, spacing 1: centre (50, 20).
    const Case cases[] = {
        {TkvButtonLayout::blGlyphLeft, -1, false, {46, 16}},
        {TkvButtonLayout::blGlyphRight, -1, false, {46, 16}},
        {TkvButtonLayout::blGlyphTop, -1, false, {46, 16}},
        {TkvButtonLayout::blGlyphBottom, -1, false, {46, 16}},
        {TkvButtonLayout::blGlyphLeft, 5, false, {5, 16}},
        {TkvButtonLayout::blGlyphRight, 5, false, {87, 16}},
        {TkvButtonLayout::blGlyphTop, 5, false, {46, 5}},
        {TkvButtonLayout::blGlyphBottom, 5, false, {46, 27}},
        {TkvButtonLayout::blGlyphLeft, 5, true, {6, 17}},
    };
    platform::TBitmap glyph;
    makeGlyph(glyph, {platform::clRed, platform::clBlue});
    for (const Case& c : cases) {
        platform::TBitmap target(100, 40);
        DrawImageAndText(target.Canvas(), {0, 0, 100, 40}, c.margin, 1, c.layout, QString(), glyph, 2, 1, c.pressed);
        EXPECT_EQ(find(target.image(), platform::clRed) - QPoint(2, 2), c.glyph)
            << int(c.layout) << " margin " << c.margin;
        EXPECT_EQ(find(target.image(), platform::clFuchsia), QPoint(-1, -1)) << "the key colour stays out";
    }
    platform::TBitmap target(100, 40);
    DrawImageAndText(target.Canvas(), {0, 0, 100, 40}, -1, 1, TkvButtonLayout::blGlyphLeft, QString(), glyph, 2, 2,
        false);
    EXPECT_EQ(find(target.image(), platform::clBlue), QPoint(48, 18)) << "second image";
}

TEST(DrawImageAndTextTest, CaptionBesideTheGlyph)
{
    platform::TBitmap glyph;
    makeGlyph(glyph, {platform::clRed});
    platform::TBitmap target(120, 40);
    platform::TCanvas& canvas = target.Canvas();
    canvas.Font = {QStringLiteral("Arial"), 14, {}, platform::clBlack};
    const QSize text = canvas.TextExtent(QStringLiteral("Save"));
    DrawImageAndText(canvas, {0, 0, 120, 40}, -1, 4, TkvButtonLayout::blGlyphRight, QStringLiteral("Save"), glyph, 1,
        1, false);
    const int hw = (text.width() + 8 + 4) / 2;
    EXPECT_EQ(find(target.image(), platform::clRed).x() - 2, 60 + hw - 8) << "glyph at the right end";
    int firstInk = 120;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (pixel(target.image(), x, y) == platform::clBlack)
                firstInk = std::min(firstInk, x);
    EXPECT_GE(firstInk, 60 - hw + 1);
    EXPECT_LE(firstInk, 60 - hw + 3) << "caption starts at the left of the pair";
}

TEST(ButtonGlyphTest, StateChoosesTheImage)
{
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->move(20, 20);
    auto* other = new TkvSkinButton(host.widget());
    other->move(200, 200);
    platform::TBitmap glyph;
    makeGlyph(glyph, {platform::clRed, platform::clGreen, platform::clBlue, platform::clYellow});
    button->SetGlyph(glyph);
    button->SetNumGlyphs(4);
    host.show();
    other->setFocus();
    QTest::mouseMove(host.widget(), QPoint(390, 290));
    auto shows = [&](TColor c) { return find(button->renderFace(), c) != QPoint(-1, -1); };
    EXPECT_TRUE(shows(platform::clRed));
    hover(button, QPoint(10, 10));
    EXPECT_TRUE(shows(platform::clYellow)) << "hot";
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(shows(platform::clBlue)) << "pressed under the pointer";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    button->setEnabled(false);
    EXPECT_TRUE(shows(platform::clGreen)) << "disabled";
}

} // namespace
