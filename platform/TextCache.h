#pragma once

#include "platform/CanvasTools.h"
#include "platform/GlyphText.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace platform {

// The ink of one text in one font, as runs of pixels relative to the
// text's top-left corner. Text is drawn without antialiasing, so a pixel is
// either ink or not.
struct TextInk {
    struct Run {
        int y;
        int first;
        int last; // inclusive
    };
    std::vector<Run> runs;
};

// Fonts and rendered texts, kept so that redrawing the same text costs a
// few fills instead of shaping and rasterising it again. Used from the
// user-interface thread only.
class TextCache {
public:
    struct FontEntry {
        TFont source;
        QFont font;
        QFontMetrics metrics;
        QHash<QString, TextInk> inks;
        QHash<QString, int> advances;
        // Numbers (a heading turning degree by degree) are new texts many
        // times a second; they skip shaping.
        GlyphText numbers;
        // Inks for pictures of one other pixel ratio, in device pixels.
        QHash<QString, TextInk> scaledInks;
        qreal scaledRatio = 0;
    };

    static TextCache& instance();

    FontEntry& font(const TFont& font);
    const TextInk& ink(FontEntry& entry, const QString& text);
    // The same text at a pixel ratio: glyphs ratio times as large at ratio
    // times their places, runs in device pixels from the top-left corner.
    const TextInk& ink(FontEntry& entry, const QString& text, qreal ratio);
    int advance(FontEntry& entry, const QString& text);

private:
    QFont makeFont(const TFont& source);
    // Pixels of at least half ink in canvas, as runs from origin.
    static TextInk inkOf(const QImage& canvas, QPoint origin);

    static constexpr std::size_t kMaxFonts = 16;
    static constexpr qsizetype kMaxTextsPerFont = 1024;

    std::vector<std::unique_ptr<FontEntry>> m_fonts;
    // Cell height at 1000 pixels per face and style.
    QHash<QString, qreal> m_largeCells;
};

} // namespace platform
