// The transitions between a part's normal and active image.

#include "skin/data/TkvEffectBmp.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin {

namespace {

// nearest(W * k) without the 0 .. 255 clamp of channels.
int nearestInt(double value)
{
    constexpr double shifter = 6755399441055744.0;
    const double bounded = std::clamp(value, -double(1 << 30), double(1 << 30));
    return int((bounded + shifter) - shifter);
}

// The ramp of the gradients: positions from..to (either direction) get the
// source weight 0, step, 2 step ... capped at 1.
void rampWeights(std::vector<double>& weights, int from, int to, double step)
{
    double w = 0;
    const int direction = to >= from ? 1 : -1;
    for (int i = from;; i += direction) {
        weights[size_t(i)] = w;
        w = std::min(w + step, 1.0);
        if (i == to)
            break;
    }
}

// nearest(v) for v in -1 .. 256, halves to even (see clampChannel).
inline int nearestChannel(double v)
{
    constexpr double shifter = 6755399441055744.0;
    return int((v + shifter) - shifter);
}

// Every channel of a run as nearest(ws * s + wt * t). The weights are
// 0 .. 1 and add up to 1, so the result is a channel value without
// clamping; without clamps and with pointers that never overlap, the loops
// vectorise.
void blendRun(quint8* __restrict out, const quint8* __restrict s, const quint8* __restrict t, int n, double ws,
    double wt)
{
    for (int i = 0; i < n; ++i)
        out[i] = quint8(nearestChannel(ws * s[i] + wt * t[i]));
}

void blendRun(quint8* __restrict out, const quint8* __restrict s, const quint8* __restrict t,
    const double* __restrict ws, const double* __restrict wt, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = quint8(nearestChannel(ws[i] * s[i] + wt[i] * t[i]));
}

} // namespace

void TkvEffectBmp::blendRows(const TkvEffectBmp& target, const std::vector<double>& sourceWeights)
{
    std::vector<quint8> scratch(size_t(3 * m_width));
    for (int y = 0; y < m_height; ++y) {
        const double w = sourceWeights[size_t(y)];
        blendRun(scratch.data(), ScanLine(y), target.ScanLine(y), 3 * m_width, w, 1 - w);
        std::memcpy(ScanLine(y), scratch.data(), scratch.size());
    }
}

void TkvEffectBmp::blendColumns(const TkvEffectBmp& target, const std::vector<double>& sourceWeights)
{
    const size_t n = size_t(3 * m_width);
    std::vector<double> ws(n);
    std::vector<double> wt(n);
    for (size_t i = 0; i < n; ++i) {
        ws[i] = sourceWeights[i / 3];
        wt[i] = 1 - ws[i];
    }
    std::vector<quint8> scratch(n);
    for (int y = 0; y < m_height; ++y) {
        blendRun(scratch.data(), ScanLine(y), target.ScanLine(y), ws.data(), wt.data(), int(n));
        std::memcpy(ScanLine(y), scratch.data(), n);
    }
}

void TkvEffectBmp::Morph(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target))
        return;
    k = std::clamp(k, 0.0, 1.0);
    std::vector<quint8> scratch(size_t(3 * m_width));
    for (int y = 0; y < m_height; ++y) {
        blendRun(scratch.data(), ScanLine(y), target.ScanLine(y), 3 * m_width, 1 - k, k);
        std::memcpy(ScanLine(y), scratch.data(), scratch.size());
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
    // A factor outside 0 .. 1 would make the two ramps overlap.
    const int a = std::clamp(nearestInt(W * k), 0, W);
    const int b = (W - a) / 2;
    const double step = b == 0 ? 1.0 : 1.0 / b;
    const int left = std::max(W / 2 - a / 2, 0);
    const int right = std::min(W / 2 + a / 2, W - 1);
    // The middle columns are the target (weight 0), the ramps blend outward.
    std::vector<double> weights(size_t(W), 0.0);
    rampWeights(weights, left, 0, step);
    rampWeights(weights, right, W - 1, step);
    blendColumns(target, weights);
}

void TkvEffectBmp::MorphVGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_height == 0)
        return;
    const int H = m_height;
    const int a = std::clamp(nearestInt(H * k), 0, H);
    const int b = (H - 1 - a) / 2;
    const double step = b == 0 ? 0.0 : 1.0 / b;
    const int top = std::max(H / 2 - a / 2, 0);
    const int bottom = std::min(H / 2 + a / 2, H - 1);
    std::vector<double> weights(size_t(H), 0.0);
    rampWeights(weights, top, 0, step);
    rampWeights(weights, bottom, H - 1, step);
    blendRows(target, weights);
}

void TkvEffectBmp::MorphLeftGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    int a = nearestInt(m_width * k);
    if (a <= 0)
        a = 1;
    a = std::min(a, m_width - 1);
    // Columns beyond the ramp keep the source (weight 1).
    std::vector<double> weights(size_t(m_width), 1.0);
    rampWeights(weights, 0, a, a > 0 ? 1.0 / a : 1.0);
    blendColumns(target, weights);
}

void TkvEffectBmp::MorphRightGrad(const TkvEffectBmp& target, double k)
{
    if (!sameSize(target) || m_width == 0)
        return;
    const int W = m_width;
    const int b = std::clamp(W - nearestInt(W * k), 0, W - 1);
    std::vector<double> weights(size_t(W), 1.0);
    rampWeights(weights, W - 1, b, 1.0 / (W - b));
    blendColumns(target, weights);
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
