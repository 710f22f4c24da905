// Pictures of both skins, 1x and 4x, plus a preview of the main window's
// looks, under test-output/skin/; and checks of the seams a person would
// see first.

#include "SkinPreview.h"

#include "SkinLayout.h"
#include "SkinPictures.h"

#include "tests/support/TestOutput.h"

#include <QDir>
#include <QFont>
#include <QPainter>

#include <gtest/gtest.h>

using namespace skingen;
using namespace skingen::layout;

namespace {

QString outputFolder(const SkinPalette& palette)
{
    const QString folder = testsupport::testOutputDir() + "/skin/" + palette.name.toLower();
    QDir().mkpath(folder);
    return folder;
}

void save(const QImage& image, const QString& folder, const QString& name)
{
    image.save(folder + "/" + name + ".png");
    image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(folder + "/" + name + "@4x.png");
}

void text(QPainter& painter, const QRect& box, const QString& s, int pixels, bool bold, QRgb colour, int flags)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(box, flags, s);
}

void place(QPainter& painter, int x, int y, const QImage& image) { painter.drawImage(x, y, image); }

// The window as it will look once the frame and the controls draw from the
// skin: frame, caption, caption buttons and one of each control.
QImage windowPreview(const SkinPalette& p, const SkinPictures& pictures)
{
    const QImage& atlas = pictures.active[kAtlasPicture];
    QImage window = preview::ninePart(pictures.main,
        {{0, 0, kMainWidth, kMainHeight}, kFrameLeftTop, kFrameRightTop, kFrameLeftBottom, kFrameRightBottom, kClientRect},
        720, 476);
    QPainter painter(&window);
    const int dx = 720 - kMainWidth;
    // Active caption 24..647, text centred with a black shadow.
    place(painter, kCaptionRect.left, kCaptionRect.top,
        preview::threePart(atlas, kCaptionActive, kFrameLeftTop.x - kCaptionRect.left, kCaptionRect.right - kFrameRightTop.x,
            kCaptionRect.width() + dx));
    const QRect title(kCaptionRect.left + 5, kCaptionRect.top + 3, kCaptionRect.width() + dx - 10, 12);
    text(painter, title.translated(1, 1), QStringLiteral("Flight Controller Tool "), 14, true, qRgb(0, 0, 0), Qt::AlignCenter);
    text(painter, title, QStringLiteral("Flight Controller Tool "), 14, true, qRgb(255, 255, 255), Qt::AlignCenter);
    place(painter, 698, 5, preview::part(atlas, kCaptionButton(CaptionGlyph::Close, CaptionState::Normal)));
    place(painter, 683, 5, preview::part(atlas, kCaptionButton(CaptionGlyph::Minimize, CaptionState::Hot)));
    place(painter, 668, 5, preview::part(atlas, kCaptionButton(CaptionGlyph::RollUp, CaptionState::Normal)));

    // Client area at (5, 24): panels and controls at their window places.
    painter.translate(kClientRect.left, kClientRect.top);
    const preview::Cut group{kGroupBox, {8, 20}, {50, 21}, {5, 45}, {52, 46}, kGroupBoxClient};
    struct Panel {
        QRect r;
        const char* caption;
    };
    for (const Panel& panel : {Panel{{8, 8, 105, 129}, "ComPort"}, {{112, 8, 105, 129}, "Attitude"},
             {{216, 8, 105, 129}, "Heading"}, {{320, 8, 297, 129}, "Parameter Adj."}, {{616, 8, 89, 169}, "Limit"},
             {{8, 136, 609, 105}, "Sensor Data"}, {{8, 240, 153, 201}, "Flight Mode"},
             {{160, 240, 457, 201}, "Remote Controller Signal"}}) {
        place(painter, panel.r.x(), panel.r.y(), preview::ninePart(atlas, group, panel.r.width(), panel.r.height()));
        text(painter, QRect(panel.r.x() + 3, panel.r.y() + 2, panel.r.width() - 6, 16), panel.caption, 14, false,
            qRgb(0, 0, 0), Qt::AlignCenter);
    }
    const auto button = [&](int x, int y, int w, const QString& caption, bool hot) {
        place(painter, x, y, preview::threePart(atlas, hot ? kButtonHot : kButton, 10, 11, w));
        text(painter, QRect(x, y, w, 25), caption, 14, false, p.buttonText, Qt::AlignCenter);
    };
    button(8 + 8, 8 + 24, 89, QStringLiteral("Refresh "), false);
    button(8 + 8, 8 + 96, 89, QStringLiteral("Connect"), true);
    text(painter, QRect(8 + 16, 8 + 52, 78, 16), QStringLiteral("COM Port"), 16, true, qRgb(0, 0, 0), Qt::AlignLeft);
    place(painter, 8 + 8, 8 + 68, preview::threePart(atlas, kCombo, 4, 65 - 44, 89));
    text(painter, QRect(8 + 12, 8 + 68, 60, 21), QStringLiteral("ttyUSB0"), 14, false, qRgb(0, 0, 0), Qt::AlignVCenter);
    const preview::Cut resize{kResizeButton, {8, 8}, {27, 8}, {8, 17}, {27, 17}, {4, 4, 31, 21}};
    for (int column = 0; column < 4; ++column) {
        const int x = 320 + 8 + column * 72;
        text(painter, QRect(x + 8, 8 + 24, 69, 13), QStringLiteral("Gyro Gain"), 11, true, qRgb(0, 0, 0), Qt::AlignLeft);
        place(painter, x, 8 + 56 + 6, preview::part(atlas, kSliderRuler).scaled(53, 11));
        place(painter, x + 6 + column * 12, 8 + 56 + 6 - 5,
            preview::part(atlas, {kSliderThumb.left, kSliderThumb.top, kSliderThumb.left + 11, kSliderThumb.bottom}));
        place(painter, x, 8 + 96, preview::ninePart(atlas, resize, 65, 25));
        text(painter, QRect(x, 8 + 96, 65, 25), QStringLiteral("Save"), 14, false, p.buttonText, Qt::AlignCenter);
    }
    // Channels: gauges at 1500, 1500, 1000, 1500 and two lamp rows.
    const int values[] = {1500, 1500, 1000, 1500};
    for (int i = 0; i < 4; ++i) {
        const int x = 160 + 56;
        const int y = 240 + 32 + i * 24;
        text(painter, QRect(160 + 8, y, 48, 16), QStringLiteral("CH%1").arg(i + 1), 13, true, qRgb(0, 0, 0), Qt::AlignLeft);
        place(painter, x, y, preview::threePart(atlas, kGauge, 2, 2, 105));
        const int fill = (values[i] - 1000) * 102 / 1000;
        place(painter, x + 2, y + 2, preview::threePart(atlas, kGaugeTile, 0, 0, fill > 0 ? fill : 1).copy(0, 0, fill, 11));
    }
    const char* lamps[] = {"GPS Hold", "Alt. Hold", "Manual", "Com Home", "Care Free", "OFF"};
    for (int i = 0; i < 6; ++i) {
        const int x = 160 + 256 + (i % 3) * 64;
        const int y = 240 + (i < 3 ? 56 : 104);
        const int w = i % 3 == 2 ? 57 : 65;
        place(painter, x, y, preview::threePart(atlas, i == 1 ? kEditHot : kEdit, 4, 4, w));
        text(painter, QRect(x, y, w, 21), lamps[i], 14, false, i == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, 0), Qt::AlignCenter);
    }
    // The drop-down of the port list with its vertical bar.
    const preview::Cut list{kListBox, {6, 6}, {53, 6}, {6, 46}, {53, 46}, kListBoxClient};
    place(painter, 8 + 8 + 120, 8 + 89 + 300, preview::ninePart(atlas, list, 89, 46));
    place(painter, 8 + 10 + 120, 8 + 91 + 300, preview::part(atlas, kListItemHot));
    text(painter, QRect(8 + 14 + 120, 8 + 91 + 300, 50, 21), QStringLiteral("ttyS0"), 14, false, qRgb(0, 0, 0), Qt::AlignVCenter);
    place(painter, 8 + 120 + 72 + 30, 8 + 89 + 300 - 120, preview::threePartVertical(atlas, kVScroll, 18, 20, 168));

    // The system menu below the system-menu button: rows of 20, a
    // separator of 5, a two-pixel border; "Minimize" under the pointer.
    painter.resetTransform();
    const QImage& popupPicture = pictures.active[kPopupPicture];
    const QImage& menuPicture = pictures.active[kMenuPicture];
    const int menuWidth = 140;
    const QPoint menu(kSysMenuButton.left, kSysMenuButton.bottom);
    place(painter, menu.x(), menu.y(),
        preview::ninePart(popupPicture,
            {{0, 0, popupPicture.width(), popupPicture.height()}, kPopupLeftTop, kPopupRightTop, kPopupLeftBottom,
                kPopupRightBottom, kPopupItems},
            menuWidth, 69));
    int y = menu.y() + kPopupItems.top;
    const struct {
        const char* text;
        bool active;
    } rows[] = {{"Minimize", true}, {"RollUp", false}, {"-", false}, {"Close\tAlt+F4", false}};
    for (const auto& row : rows) {
        const bool separator = QLatin1String(row.text) == QLatin1String("-");
        const TRect source = separator ? kMenuDivider : row.active ? kMenuItemActive : kMenuItem;
        place(painter, menu.x() + 2, y,
            preview::threePart(menuPicture, source, kMenuItemOffset, kMenuItemOffset, menuWidth - 4));
        if (!separator) {
            const QStringList parts = QString::fromLatin1(row.text).split(u'\t');
            const QRgb ink = row.active ? p.menuActiveText : p.menuText;
            text(painter, QRect(menu.x() + 2 + 21, y, menuWidth - 50, 20), parts[0], 14, false, ink, Qt::AlignVCenter);
            if (parts.size() > 1)
                text(painter, QRect(menu.x() + 2, y, menuWidth - 12, 20), parts[1], 14, false, ink,
                    Qt::AlignVCenter | Qt::AlignRight);
        }
        y += source.height();
    }
    EXPECT_EQ(y + (popupPicture.height() - kPopupItems.bottom), menu.y() + 69);
    painter.end();
    return window;
}

class SkinPictures_ : public ::testing::TestWithParam<SkinPalette> {};

} // namespace

namespace skingen {
void PrintTo(const SkinPalette& palette, std::ostream* out) { *out << palette.name.toStdString(); }
}

TEST_P(SkinPictures_, AreWrittenForLookingAt)
{
    const SkinPalette& palette = GetParam();
    const SkinPictures pictures = drawSkinPictures(palette);
    const QString folder = outputFolder(palette);
    save(pictures.main, folder, QStringLiteral("frame"));
    save(pictures.mask, folder, QStringLiteral("mask"));
    const char* names[] = {"menu", "popup", "hint", "splitter", "controls"};
    for (int i = 0; i < kPictureCount; ++i) {
        EXPECT_EQ(pictures.active[i].size(), QSize(kPictureSizes[i].width, kPictureSizes[i].height)) << names[i];
        save(pictures.active[i], folder, names[i]);
    }
    const QImage window = windowPreview(palette, pictures);
    EXPECT_EQ(window.size(), QSize(720, 476));
    save(window, folder, QStringLiteral("window-preview"));
}

TEST_P(SkinPictures_, TiledMiddlesAndCaptionButtonsHaveNoSeams)
{
    const SkinPalette& palette = GetParam();
    const SkinPictures pictures = drawSkinPictures(palette);
    const QImage& main = pictures.main;
    const QImage& atlas = pictures.active[kAtlasPicture];
    // The frame's top band is tiled from its left edge over the whole width:
    // every column of its middle is the same.
    for (int y = 0; y < kClientRect.top; ++y)
        for (int x = kFrameLeftTop.x; x < kFrameRightTop.x; ++x)
            ASSERT_EQ(main.pixel(x, y), main.pixel(kFrameLeftTop.x, y)) << x << "," << y;
    for (int x = 0; x < kMainWidth; ++x)
        for (int y = kFrameLeftTop.y; y < kFrameLeftBottom.y; ++y)
            ASSERT_EQ(main.pixel(x, y), main.pixel(x, kFrameLeftTop.y)) << x << "," << y;
    // Three-part records: "button", "edit", "combobox", "gauge" repeat one column.
    for (const auto& [area, from, to] : {std::tuple{kButton, 10, 24}, {kButtonHot, 10, 24}, {kEdit, 4, 53},
             {kEditHot, 4, 53}, {kCombo, 4, 44}, {kGauge, 2, 20}, {kCaptionActive, 16, 56}}) {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left + from; x < area.left + to; ++x)
                ASSERT_EQ(atlas.pixel(x, y), atlas.pixel(area.left + from, y)) << x << "," << y;
    }
    for (int y = kVScroll.top + 18; y < kVScroll.top + 48; ++y)
        for (int x = kVScroll.left; x < kVScroll.right; ++x)
            ASSERT_EQ(atlas.pixel(x, y), atlas.pixel(x, kVScroll.top + 18)) << x << "," << y;
    // Normal caption buttons sit on the title bar without an edge.
    for (CaptionGlyph glyph : {CaptionGlyph::Close, CaptionGlyph::Minimize, CaptionGlyph::RollUp}) {
        const TRect r = kCaptionButton(glyph, CaptionState::Normal);
        for (int row = 0; row < 14; ++row)
            EXPECT_EQ(atlas.pixel(r.left, r.top + row), main.pixel(kButtonsRect.left, kButtonsRect.top + row)) << row;
    }
    // The slider thumbs are drawn with their lower-left pixel transparent:
    // it must be the slider's background.
    EXPECT_EQ(atlas.pixel(kSliderThumb.left, kSliderThumb.bottom - 1), palette.panelFace | 0xff000000u);
    EXPECT_EQ(atlas.pixel(kSliderThumb.left + 11, kSliderThumb.bottom - 1), palette.panelFace | 0xff000000u);
    // Mask: black inside maskrectarea, the rounded top corners cut away.
    for (int y = kMaskRectArea.top; y < kMaskRectArea.bottom; ++y)
        for (int x = kMaskRectArea.left; x < kMaskRectArea.right; ++x)
            ASSERT_EQ(pictures.mask.pixel(x, y) & 0xffffffu, 0u);
    EXPECT_NE(pictures.mask.pixel(0, 0) & 0xffffffu, 0u);
    EXPECT_EQ(pictures.mask.pixel(3, 0) & 0xffffffu, 0u);
}

INSTANTIATE_TEST_SUITE_P(Palettes, SkinPictures_, ::testing::Values(graphitePalette(), daylightPalette()),
    [](const auto& info) { return info.param.name.toStdString(); });
