// The transitions between a part's normal and active image.

#include "skin/data/TkvEffectBmp.h"

#include <algorithm>
#include <cstring>

namespace skin {

namespace {

// nearest(W * k) without the 0 .. 255 clamp of channels.
int nearestInt(double value)
{
    constexpr double shifter = 6755399441055744.0;
    const double bounded = std::clamp(value, -double(1 << 30), double(1 << 30));
    return int((bounded + shifter) - shifter);
}

} // namespace

void TkvEffectBmp::blendColumn(const TkvEffectBmp& target, int x, double w)
{
    for (int y = 0; y < m_height; ++y) {
        quint8* s = ScanLine(y) + 3 * x;
        const quint8* t = target.ScanLine(y) + 3 * x;
        for (int c = 0; c < 3; ++c)
            s[c] = quint8(clampChannel(w * s[c] + (1 - w) * t[c]));
    }
}

void TkvEffectBmp::blendRow(const TkvEffectBmp& target, int y, double w)
{
    quint8* s = ScanLine(y);
    const quint8* t = target.ScanLine(y);
    for (int i = 0; i < 3 * m_width; ++i)
        s[i] = quint8(clampChannel(w * s[i] + (1 - w) * t[i]));
}

void TkvEffectBmp::Morph(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target))
        return;
    k = std::clamp(k, 0.0, 1.0);
    for (int y = 0; y < m_height; ++y) {
        quint8* s = ScanLine(y);
        const quint8* t = target.ScanLine(y);
        for (int i = 0; i < 3 * m_width; ++i)
            s[i] = quint8(clampChannel((1 - k) * s[i] + k * t[i]));
    }
}

void TkvEffectBmp::MorphGrad(const TkvEffectBmp& target, double k)
{
    if (m_width < m_height)
        MorphVGrad(target, k);
    else
        MorphHGrad(target, k);
}

void TkvEffectBmp::MorphHGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    const int W = m_width;
    const int a = nearestInt(W * k);
    const int b = (W - a) / 2;
    const double step = b == 0 ? 1.0 : 1.0 / b;
    const int left = std::max(W / 2 - a / 2, 0);
    const int right = std::min(W / 2 + a / 2, W - 1);
    for (int y = 0; y < m_height; ++y) {
        if (right >= left)
            std::memcpy(ScanLine(y) + 3 * left, target.ScanLine(y) + 3 * left, size_t(3 * (right - left + 1)));
    }
    double w = 0;
    for (int x = left; x >= 0; --x) {
        blendColumn(target, x, w);
        w = std::min(w + step, 1.0);
    }
    w = 0;
    for (int x = right; x <= W - 1; ++x) {
        blendColumn(target, x, w);
        w = std::min(w + step, 1.0);
    }
}

void TkvEffectBmp::MorphVGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_height == 0)
        return;
    const int H = m_height;
    const int a = nearestInt(H * k);
    const int b = (H - 1 - a) / 2;
    const double step = b == 0 ? 0.0 : 1.0 / b;
    const int top = std::max(H / 2 - a / 2, 0);
    const int bottom = std::min(H / 2 + a / 2, H - 1);
    for (int y = top; y <= bottom; ++y)
        std::memcpy(ScanLine(y), target.ScanLine(y), size_t(3 * m_width));
    double w = 0;
    for (int y = top; y >= 0; --y) {
        blendRow(target, y, w);
        w = std::min(w + step, 1.0);
    }
    w = 0;
    for (int y = bottom; y <= H - 1; ++y) {
        blendRow(target, y, w);
        w = std::min(w + step, 1.0);
    }
}

void TkvEffectBmp::MorphLeftGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    int a = nearestInt(m_width * k);
    if (a <= 0)
        a = 1;
    a = std::min(a, m_width - 1);
    const double step = a > 0 ? 1.0 / a : 1.0;
    double w = 0;
    for (int x = 0; x <= a; ++x) {
        blendColumn(target, x, w);
        w = std::min(w + step, 1.0);
    }
}

void TkvEffectBmp::MorphRightGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    const int W = m_width;
    const int b = std::clamp(W - nearestInt(W * k), 0, W - 1);
    const double step = 1.0 / (W - b);
    double w = 0;
    for (int x = W - 1; x >= b; --x) {
        blendColumn(target, x, w);
        w = std::min(w + step, 1.0);
    }
}

void TkvEffectBmp::MorphPush(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    const int W = m_width;
    const int a = std::clamp(nearestInt(W * k), 0, W - 1);
    std::vector<quint8> scratch(size_t(3 * W));
    for (int y = 0; y < m_height; ++y) {
        quint8* row = ScanLine(y);
        std::memcpy(scratch.data(), row, scratch.size());
        for (int x = a + 1; x < W; ++x)
            std::memcpy(row + 3 * x, scratch.data() + 3 * (x - a - 1), 3);
        std::memcpy(row + 3 * a, scratch.data(), 3);
        std::memcpy(row, target.ScanLine(y) + 3 * (W - a - 1), size_t(3 * (a + 1)));
    }
}

void TkvEffectBmp::MorphLeftSlide(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    const int W = m_width;
    const int a = std::min(std::max(nearestInt(W * k), 1), W - 1);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(ScanLine(y), target.ScanLine(y) + 3 * (W - a), size_t(3 * a));
}

void TkvEffectBmp::MorphRightSlide(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    const int W = m_width;
    const int a = std::min(std::max(nearestInt(W * k), 1), W - 1);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(ScanLine(y) + 3 * (W - a), target.ScanLine(y), size_t(3 * a));
}

void TkvEffectBmp::MorphBy(TkvMorphKind kind, const TkvEffectBmp& target, double k)
{
    switch (kind) {
    case TkvMorphKind::mkDefault: Morph(target, k); break;
    case TkvMorphKind::mkGradient: MorphGrad(target, k); break;
    case TkvMorphKind::mkLeftGradient: MorphLeftGrad(target, k); break;
    case TkvMorphKind::mkRightGradient: MorphRightGrad(target, k); break;
    case TkvMorphKind::mkLeftSlide: MorphLeftSlide(target, k); break;
    case TkvMorphKind::mkRightSlide: MorphRightSlide(target, k); break;
    case TkvMorphKind::mkPush: MorphPush(target, k); break;
    }
}

} // namespace skin
