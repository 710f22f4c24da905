#include "platform/GlyphText.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace platform {
namespace {

bool numberCharacter(char16_t code)
{
    return (code >= u'0' && code <= u'9') || code == u'-' || code == u'+' || code == u'.' || code == u',' || code == u' ';
}

} // namespace

GlyphText::GlyphText(const QFont& font)
    : m_font(font)
    , m_metrics(font)
{
}

bool GlyphText::layOut(const QString& text)
{
    if (text == m_laidOut)
        return m_laidOutOk;
    m_laidOut = text;
    m_laidOutOk = false;
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return numberCharacter(c.unicode()); }))
        return false;
    // Loading the glyphs costs more than a window's start can spare for
    // every font, so only fonts that draw numbers load them.
    if (!m_rawLoaded) {
        m_raw = QRawFont::fromFont(m_font);
        m_rawLoaded = true;
    }
    if (!m_raw.isValid())
        return false;
    m_indexes.resize(text.size());
    m_positions.resize(text.size());
    qreal x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text[i].unicode();
        if (m_missing.test(code))
            return false;
        if (!m_known.test(code)) {
            const QList<quint32> glyph = m_raw.glyphIndexesForString(QString(QChar(code)));
            if (glyph.size() != 1 || glyph[0] == 0) {
                m_missing.set(code);
                return false;
            }
            m_glyphs[code] = glyph[0];
            m_advances[code] = m_raw.advancesForGlyphIndexes(glyph)[0].x();
            m_known.set(code);
        }
        m_indexes[i] = m_glyphs[code];
        m_positions[i] = QPointF(x, 0);
        x += m_advances[code];
    }
    m_width = x;
    m_laidOutOk = true;
    return true;
}

int GlyphText::advance(const QString& text)
{
    if (!layOut(text))
        return m_metrics.horizontalAdvance(text);
    return qRound(m_width);
}

void GlyphText::draw(QPainter& painter, QPoint baseline, const QString& text)
{
    if (!layOut(text)) {
        painter.setFont(m_font);
        painter.drawText(baseline, text);
        return;
    }
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(m_indexes);
    run.setPositions(m_positions);
    painter.drawGlyphRun(baseline, run);
}

void GlyphText::drawScaled(QPainter& painter, QPointF baseline, const QString& text, qreal ratio)
{
    const auto scaled = [ratio](QRawFont raw) {
        raw.setPixelSize(raw.pixelSize() * ratio);
        return raw;
    };
    const auto positioned = [ratio](QList<QPointF> positions) {
        for (QPointF& p : positions)
            p *= ratio;
        return positions;
    };
    if (layOut(text)) {
        if (m_scaledRatio != ratio) {
            m_scaledRaw = scaled(m_raw);
            m_scaledRatio = ratio;
        }
        QGlyphRun run;
        run.setRawFont(m_scaledRaw);
        run.setGlyphIndexes(m_indexes);
        run.setPositions(positioned(m_positions));
        painter.drawGlyphRun(baseline, run);
        return;
    }
    QTextLayout layout(text, m_font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    // Runs come placed on the line's base line at the line's ascent.
    const QPointF origin = baseline - QPointF(0, line.ascent() * ratio);
    for (QGlyphRun run : layout.glyphRuns()) {
        run.setRawFont(scaled(run.rawFont()));
        run.setPositions(positioned(run.positions()));
        painter.drawGlyphRun(origin, run);
    }
}

} // namespace platform
