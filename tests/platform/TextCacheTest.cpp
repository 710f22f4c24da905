#include "platform/TextCache.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using platform::TextCache;
using platform::TextInk;

// The ink the painter's own text drawing leaves, found as the cache finds
// it: pixels at least half covered, relative to the text's top-left.
std::vector<TextInk::Run> painterInk(const TextCache::FontEntry& entry, const QString& text)
{
    const int margin = entry.metrics.height();
    QImage canvas(entry.metrics.horizontalAdvance(text) + 2 * margin, entry.metrics.height() + 2 * margin,
        QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(entry.font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(margin, margin + entry.metrics.ascent()), text);
    }
    std::vector<TextInk::Run> runs;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) < 128)
                continue;
            const int first = x;
            while (x < canvas.width() && qAlpha(canvas.pixel(x, y)) >= 128)
                ++x;
            runs.push_back({y - margin, first - margin, x - 1 - margin});
        }
    }
    return runs;
}

bool sameRuns(const std::vector<TextInk::Run>& a, const std::vector<TextInk::Run>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](const TextInk::Run& x, const TextInk::Run& y) { return x.y == y.y && x.first == y.first && x.last == y.last; });
}

} // namespace

// Numbers skip shaping on their way into the cache; what they look like
// and how wide they are must not change for it, nor for letters.
TEST(TextCache, TextsLookAndMeasureAsThePainterDrawsThem)
{
    QStringList texts{"-12.5", "+0,5", "1 234", "N", "NE", "Wave AV", QString::fromUtf8("25\xC2\xB0")};
    for (int degrees = 0; degrees < 360; degrees += 7)
        texts << QString::number(degrees);
    std::vector<platform::TFont> fonts(4);
    fonts[1].Height = 12;
    fonts[2].SetSize(12);
    fonts[3].Name = QStringLiteral("Arial");
    fonts[3].Height = -15;
    fonts[3].Style = platform::FontStyle::Bold;
    TextCache& cache = TextCache::instance();
    for (const platform::TFont& font : fonts) {
        TextCache::FontEntry& entry = cache.font(font);
        for (const QString& text : texts) {
            SCOPED_TRACE((font.Name + " " + QString::number(font.Height) + " " + text).toStdString());
            EXPECT_EQ(cache.advance(entry, text), entry.metrics.horizontalAdvance(text));
            const TextInk& ink = cache.ink(entry, text);
            EXPECT_FALSE(ink.runs.empty());
            EXPECT_TRUE(sameRuns(ink.runs, painterInk(entry, text)));
        }
    }
}
