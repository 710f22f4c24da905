#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <array>
#include <bitset>

class QPainter;

namespace platform {

// One font's numbers drawn from glyphs looked up once per character, for
// values rewritten many times a second: shaping each new value costs more
// than drawing it. Digits, signs and separators are not kerned against
// each other, so they come out as the painter's own text drawing would
// draw them; any other text (letters may be kerned) goes through the
// painter's text drawing.
class GlyphText {
public:
    explicit GlyphText(const QFont& font);

    const QFont& font() const { return m_font; }
    const QFontMetrics& metrics() const { return m_metrics; }
    // Width in pixels, as the font's metrics give it.
    int advance(const QString& text);
    // Draws with the painter's pen; the point is on the base line.
    void draw(QPainter& painter, QPoint baseline, const QString& text);
    // The text laid out in this font, every glyph drawn ratio times as
    // large at ratio times its place: a picture of another pixel ratio
    // shows the same text as this font, sharp, and as wide as it measures.
    void drawScaled(QPainter& painter, QPointF baseline, const QString& text, qreal ratio);

private:
    // Fills the glyph run for the text; false when a character is not one
    // of a number's or the font lacks it.
    bool layOut(const QString& text);

    QFont m_font;
    QFontMetrics m_metrics;
    QRawFont m_raw;
    bool m_rawLoaded = false;
    std::array<quint32, 256> m_glyphs{};
    std::array<qreal, 256> m_advances{};
    std::bitset<256> m_known;
    std::bitset<256> m_missing;
    QString m_laidOut;
    bool m_laidOutOk = false;
    qreal m_width = 0;
    QList<quint32> m_indexes;
    QList<QPointF> m_positions;
    QRawFont m_scaledRaw;
    qreal m_scaledRatio = 0;
};

} // namespace platform
