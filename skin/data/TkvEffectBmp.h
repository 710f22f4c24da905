#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinTypes.h"

#include <QtGlobal>

#include <random>
#include <vector>

namespace skin {

// A 24-bit pixel buffer, top row first, that morphs toward another image
// and applies the inactive-frame effects. Pixel (x, y) is three bytes
// (blue, green, red) at y * RowLength() + 3 * x; rows are padded to a
// multiple of four. Every computed channel is the nearest integer (halves
// to even) of its formula, clamped to 0 .. 255. Morphs change this buffer
// (the image being left) and read target; a target of another size
// changes nothing. Made from a bitmap, the buffer holds its pixels and
// gives them back at its logical size and ratio.
class TkvEffectBmp {
public:
    explicit TkvEffectBmp(const platform::TBitmap& bitmap);
    // Black pixels.
    TkvEffectBmp(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int RowLength() const { return 3 * m_width + m_width % 4; }
    // Bytes of pixel data.
    qint64 Size() const { return qint64(RowLength()) * m_height; }
    quint8* ScanLine(int y) { return m_pixels.data() + qint64(y) * RowLength(); }
    const quint8* ScanLine(int y) const { return m_pixels.data() + qint64(y) * RowLength(); }
    // Colour with red in the low byte; (x, y) must lie in the buffer.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // The pixels as a bitmap, and drawn onto canvas at (x, y).
    void toBitmap(platform::TBitmap& bitmap) const;
    void Draw(platform::TCanvas& canvas, int x, int y) const;

    // Cross-fade: (1 - k) * source + k * target, k clamped to 0 .. 1.
    void Morph(const TkvEffectBmp& target, double k);
    // MorphVGrad for buffers higher than wide, otherwise MorphHGrad.
    void MorphGrad(const TkvEffectBmp& target, double k);
    // Target grows from the centre columns (rows) with soft edges.
    void MorphHGrad(const TkvEffectBmp& target, double k);
    void MorphVGrad(const TkvEffectBmp& target, double k);
    // Target fades in from the left or right edge.
    void MorphLeftGrad(const TkvEffectBmp& target, double k);
    void MorphRightGrad(const TkvEffectBmp& target, double k);
    // Target slides in from the left, pushing the image right.
    void MorphPush(const TkvEffectBmp& target, double k);
    // Target slides in over the image from the left or right.
    void MorphLeftSlide(const TkvEffectBmp& target, double k);
    void MorphRightSlide(const TkvEffectBmp& target, double k);
    // The morph of a kind.
    void MorphBy(TkvMorphKind kind, const TkvEffectBmp& target, double k);

    // (1 - k) * s + 255 * k, k clamped to 0 .. 1.
    void ChangeBrightness(double k);
    // (1 - k) * s, k clamped to 0 .. 1.
    void ChangeDarkness(double k);
    // 0.3 red + 0.59 green + 0.11 blue in all three channels.
    void GrayScale();
    void Invert();
    // One random offset from -(amount div 2) to amount - 1 - amount div 2
    // added to the three channels of each pixel; amount <= 0 does nothing.
    void AddMonoNoise(int amount);
    // In place, top row first: each channel the integer average of the four
    // pixels amount away diagonally (the pixel's own row or column where
    // that lies outside); rows above are read already blurred.
    void SplitBlur(int amount);
    // The effect an inactive frame uses.
    void ApplyInActiveEffect(TkvInActiveEffect effect);

private:
    bool sameSize(const TkvEffectBmp& other) const
    {
        return other.m_width == m_width && other.m_height == m_height;
    }
    // Every pixel becomes w * source + (1 - w) * target, w taken per row
    // or per column; a weight of 1 keeps the source, 0 takes the target.
    void blendRows(const TkvEffectBmp& target, const std::vector<double>& sourceWeights);
    void blendColumns(const TkvEffectBmp& target, const std::vector<double>& sourceWeights);

    int m_width = 0;
    int m_height = 0;
    int m_logicalWidth = 0;
    int m_logicalHeight = 0;
    qreal m_ratio = 1;
    std::vector<quint8> m_pixels;
    std::minstd_rand m_random;
};

// Nearest integer of value, halves to the even neighbour, clamped to 0 .. 255.
inline int clampChannel(double value)
{
    // Adding 1.5 * 2^52 leaves no fraction bits, so the addition itself
    // rounds to the nearest integer with halves to even, as the default
    // floating-point rounding mode does; much cheaper than nearbyint.
    constexpr double shifter = 6755399441055744.0;
    const double bounded = value < -1.0 ? -1.0 : value > 256.0 ? 256.0 : value;
    const int rounded = int((bounded + shifter) - shifter);
    return rounded < 0 ? 0 : rounded > 255 ? 255 : rounded;
}

} // namespace skin
