#include "platform/TextCache.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The classic platform maps the fonts of its default look to faces we ship.
void registerFontSubstitutions()
{
    static const bool registered = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)registered;
}

// Qt sizes fonts by their em; a positive classic height is the cell
// (ascent plus descent), about 1.12 em for the faces we ship. Qt rounds the
// cell up to whole pixels, so the size is the largest whose cell fits.
// largeCell is the cell at 1000 pixels, the starting guess.
int pixelSizeFor(const QFont& font, int height, qreal largeCell)
{
    QFont probe(font);
    int size = std::max(1, static_cast<int>(std::lround(height * 1000.0 / largeCell)));
    for (; size > 1; --size) {
        probe.setPixelSize(size);
        if (QFontMetrics(probe).height() <= height)
            break;
    }
    return size;
}

QString styleKey(const TFont& source)
{
    return source.Name + u'/' + QString::number(source.Style.testFlag(FontStyle::Bold))
        + QString::number(source.Style.testFlag(FontStyle::Italic));
}

} // namespace

QFont TextCache::makeFont(const TFont& source)
{
    registerFontSubstitutions();
    QFont font(source.Name);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(source.Style.testFlag(FontStyle::Bold));
    font.setItalic(source.Style.testFlag(FontStyle::Italic));
    font.setUnderline(source.Style.testFlag(FontStyle::Underline));
    font.setStrikeOut(source.Style.testFlag(FontStyle::StrikeOut));
    const int height = source.Height != 0 ? source.Height : TFont{}.Height;
    // A negative classic height is the em itself.
    if (height < 0) {
        font.setPixelSize(-height);
        return font;
    }
    // Each face and style is measured large once, however many sizes of it
    // the window asks for.
    const QString key = styleKey(source);
    auto cell = m_largeCells.constFind(key);
    if (cell == m_largeCells.cend()) {
        QFont large(font);
        large.setPixelSize(1000);
        const QFontMetricsF metrics(large);
        cell = m_largeCells.insert(key, metrics.ascent() + metrics.descent());
    }
    font.setPixelSize(pixelSizeFor(font, height, *cell));
    return font;
}

TextCache& TextCache::instance()
{
    static TextCache cache;
    return cache;
}

TextCache::FontEntry& TextCache::font(const TFont& source)
{
    // The colour is not part of the shape of the text.
    for (auto it = m_fonts.begin(); it != m_fonts.end(); ++it) {
        const TFont& known = (*it)->source;
        if (known.Height == source.Height && known.Style == source.Style && known.Name == source.Name) {
            // Most recently used first, so the oldest goes when full.
            if (it != m_fonts.begin())
                std::rotate(m_fonts.begin(), it, it + 1);
            return *m_fonts.front();
        }
    }
    if (m_fonts.size() == kMaxFonts)
        m_fonts.pop_back();
    const QFont font = makeFont(source);
    m_fonts.insert(m_fonts.begin(), std::make_unique<FontEntry>(FontEntry{source, font, QFontMetrics(font), {}, {}, GlyphText(font)}));
    return *m_fonts.front();
}

int TextCache::advance(FontEntry& entry, const QString& text)
{
    if (const auto it = entry.advances.constFind(text); it != entry.advances.cend())
        return *it;
    if (entry.advances.size() >= kMaxTextsPerFont)
        entry.advances.clear();
    return *entry.advances.insert(text, entry.numbers.advance(text));
}

const TextInk& TextCache::ink(FontEntry& entry, const QString& text)
{
    if (const auto it = entry.inks.constFind(text); it != entry.inks.cend())
        return *it;
    if (entry.inks.size() >= kMaxTextsPerFont)
        entry.inks.clear();

    // Render with room on every side for overhangs of italics and glyphs
    // that reach left of their origin.
    const int height = entry.metrics.height();
    const int margin = height;
    QImage canvas(advance(entry, text) + 2 * margin, height + 2 * margin, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        entry.numbers.draw(painter, QPoint(margin, margin + entry.metrics.ascent()), text);
    }
    return *entry.inks.insert(text, inkOf(canvas, QPoint(margin, margin)));
}

const TextInk& TextCache::ink(FontEntry& entry, const QString& text, qreal ratio)
{
    if (ratio == 1)
        return ink(entry, text);
    if (entry.scaledRatio != ratio) {
        entry.scaledInks.clear();
        entry.scaledRatio = ratio;
    }
    if (const auto it = entry.scaledInks.constFind(text); it != entry.scaledInks.cend())
        return *it;
    if (entry.scaledInks.size() >= kMaxTextsPerFont)
        entry.scaledInks.clear();
    const int height = qCeil(entry.metrics.height() * ratio);
    const int margin = height;
    QImage canvas(qCeil(advance(entry, text) * ratio) + 2 * margin, height + 2 * margin, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        entry.numbers.drawScaled(painter, QPointF(margin, margin + qRound(entry.metrics.ascent() * ratio)), text, ratio);
    }
    return *entry.scaledInks.insert(text, inkOf(canvas, QPoint(margin, margin)));
}

TextInk TextCache::inkOf(const QImage& canvas, QPoint origin)
{
    TextInk ink;
    const int width = canvas.width();
    const int rows = canvas.height();
    for (int y = 0; y < rows; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < width;) {
            if (qAlpha(row[x]) < 128) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < width && qAlpha(row[x]) >= 128)
                ++x;
            ink.runs.push_back({y - origin.y(), first - origin.x(), x - 1 - origin.x()});
        }
    }
    return ink;
}

} // namespace platform
