#include "platform/GlyphText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QFont font(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QImage painterText(const QFont& f, const QString& text)
{
    QImage image(160, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(f);
    painter.setPen(Qt::darkBlue);
    painter.drawText(QPoint(3, 22), text);
    return image;
}

QImage glyphText(platform::GlyphText& glyphs, const QString& text)
{
    QImage image(160, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::darkBlue);
    glyphs.draw(painter, QPoint(3, 22), text);
    return image;
}

} // namespace

// The fields' values must look exactly as the line edit would draw them,
// whether they are new, repeated or laid out after a different text.
TEST(GlyphText, DrawsAndMeasuresAsThePainterDoes)
{
    // Numbers, then texts whose letters may be kerned or missing from the font.
    const QStringList texts{"-123.45", "0.00", "179.99", "1500", "+0,5", "-7", "1 234", "", "-123.45", "SBUS",
        "Com Home", "V1.0", QString::fromUtf8("25\xC2\xB0"), QString::fromUtf8("\xE2\x86\x91 up"), "WAVE AV"};
    for (const QFont& f : {font("Arial", 13, true), font("Arial Narrow", 15, true), font("MS Sans Serif", 11, false),
             font("DejaVu Sans", 15, false)}) {
        platform::GlyphText glyphs(f);
        const QFontMetrics metrics(f);
        for (const QString& text : texts) {
            SCOPED_TRACE((f.family() + " " + text).toStdString());
            EXPECT_EQ(glyphs.advance(text), metrics.horizontalAdvance(text));
            EXPECT_EQ(glyphText(glyphs, text), painterText(f, text));
        }
    }
}
