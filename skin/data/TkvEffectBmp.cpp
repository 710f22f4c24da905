#include "skin/data/TkvEffectBmp.h"

#include <algorithm>
#include <cstring>

namespace skin {

TkvEffectBmp::TkvEffectBmp(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_logicalWidth(m_width)
    , m_logicalHeight(m_height)
    , m_pixels(size_t(Size()), 0)
{
}

TkvEffectBmp::TkvEffectBmp(const platform::TBitmap& bitmap)
    : TkvEffectBmp(bitmap.Empty() ? 0 : bitmap.PixelWidth(), bitmap.Empty() ? 0 : bitmap.PixelHeight())
{
    m_logicalWidth = bitmap.Width();
    m_logicalHeight = bitmap.Height();
    m_ratio = bitmap.Ratio();
    for (int y = 0; y < m_height; ++y) {
        const QRgb* in = bitmap.ScanLine(y);
        quint8* out = ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            out[3 * x] = quint8(qBlue(in[x]));
            out[3 * x + 1] = quint8(qGreen(in[x]));
            out[3 * x + 2] = quint8(qRed(in[x]));
        }
    }
}

TColor TkvEffectBmp::GetPixel(int x, int y) const
{
    const quint8* p = ScanLine(y) + 3 * x;
    return platform::RGB(p[2], p[1], p[0]);
}

void TkvEffectBmp::SetPixel(int x, int y, TColor color)
{
    quint8* p = ScanLine(y) + 3 * x;
    p[0] = quint8(platform::GetBValue(color));
    p[1] = quint8(platform::GetGValue(color));
    p[2] = quint8(platform::GetRValue(color));
}

void TkvEffectBmp::toBitmap(platform::TBitmap& bitmap) const
{
    bitmap.SetRatio(m_ratio);
    bitmap.SetSize(m_logicalWidth, m_logicalHeight);
    if (bitmap.Empty() || bitmap.PixelWidth() != m_width || bitmap.PixelHeight() != m_height)
        return;
    for (int y = 0; y < m_height; ++y) {
        const quint8* in = ScanLine(y);
        QRgb* out = bitmap.ScanLine(y);
        for (int x = 0; x < m_width; ++x)
            out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
    }
}

void TkvEffectBmp::Draw(platform::TCanvas& canvas, int x, int y) const
{
    platform::TBitmap bitmap;
    toBitmap(bitmap);
    canvas.Draw(x, y, bitmap);
}

void TkvEffectBmp::ChangeBrightness(double k)
{
    k = std::clamp(k, 0.0, 1.0);
    const double add = 255 * k;
    for (int y = 0; y < m_height; ++y) {
        quint8* row = ScanLine(y);
        for (int i = 0; i < 3 * m_width; ++i)
            row[i] = quint8(clampChannel((1 - k) * row[i] + add));
    }
}

void TkvEffectBmp::ChangeDarkness(double k)
{
    k = std::clamp(k, 0.0, 1.0);
    for (int y = 0; y < m_height; ++y) {
        quint8* row = ScanLine(y);
        for (int i = 0; i < 3 * m_width; ++i)
            row[i] = quint8(clampChannel((1 - k) * row[i]));
    }
}

void TkvEffectBmp::GrayScale()
{
    for (int y = 0; y < m_height; ++y) {
        quint8* row = ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            quint8* p = row + 3 * x;
            const auto v = quint8(clampChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]));
            p[0] = p[1] = p[2] = v;
        }
    }
}

void TkvEffectBmp::Invert()
{
    for (int y = 0; y < m_height; ++y) {
        quint8* row = ScanLine(y);
        for (int i = 0; i < 3 * m_width; ++i)
            row[i] = quint8(255 - row[i]);
    }
}

void TkvEffectBmp::AddMonoNoise(int amount)
{
    if (amount <= 0)
        return;
    std::uniform_int_distribution<int> draw(0, amount - 1);
    const int half = amount / 2;
    for (int y = 0; y < m_height; ++y) {
        quint8* row = ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            const int offset = draw(m_random) - half;
            for (int c = 0; c < 3; ++c)
                row[3 * x + c] = quint8(std::clamp(row[3 * x + c] + offset, 0, 255));
        }
    }
}

void TkvEffectBmp::SplitBlur(int amount)
{
    if (amount == 0 || m_width == 0)
        return;
    std::vector<quint8> scratch(size_t(3 * m_width));
    const auto within = [](int v, int delta, int limit) {
        const qint64 moved = qint64(v) + delta;
        return moved >= 0 && moved < limit ? int(moved) : v;
    };
    for (int y = 0; y < m_height; ++y) {
        const quint8* upper = ScanLine(within(y, -amount, m_height));
        const quint8* lower = ScanLine(within(y, amount, m_height));
        for (int x = 0; x < m_width; ++x) {
            const int left = 3 * within(x, -amount, m_width);
            const int right = 3 * within(x, amount, m_width);
            for (int c = 0; c < 3; ++c) {
                scratch[size_t(3 * x + c)]
                    = quint8((upper[left + c] + lower[left + c] + upper[right + c] + lower[right + c]) >> 2);
            }
        }
        std::memcpy(ScanLine(y), scratch.data(), scratch.size());
    }
}

void TkvEffectBmp::ApplyInActiveEffect(TkvInActiveEffect effect)
{
    switch (effect) {
    case TkvInActiveEffect::ieBrightness: ChangeBrightness(0.5); break;
    case TkvInActiveEffect::ieDarkness: ChangeDarkness(0.3); break;
    case TkvInActiveEffect::ieGrayScale: GrayScale(); break;
    case TkvInActiveEffect::ieNoise: AddMonoNoise(50); break;
    case TkvInActiveEffect::ieSplitBlur: SplitBlur(1); break;
    case TkvInActiveEffect::ieInvert: Invert(); break;
    }
}

} // namespace skin
