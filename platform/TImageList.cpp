#include "platform/TImageList.h"

namespace platform {

struct TImageList::Image {
    TBitmap enabled;
    TBitmap disabled;
    TColor transparent = clBlack;
};

namespace {

// Brightness 0 .. 255 as the eye weighs the three primaries.
int luminance(QRgb rgb) { return (qRed(rgb) * 299 + qGreen(rgb) * 587 + qBlue(rgb) * 114) / 1000; }

// The greyed copy keeps the transparent pixels and never turns a drawn
// pixel into the transparent colour, which would punch a hole in it.
void makeDisabled(const TBitmap& source, TBitmap& target, QRgb transparent)
{
    target.SetSize(source.Width(), source.Height());
    for (int y = 0; y < source.PixelHeight(); ++y) {
        const QRgb* from = source.ScanLine(y);
        QRgb* to = target.ScanLine(y);
        for (int x = 0; x < source.PixelWidth(); ++x) {
            if ((from[x] & 0xFFFFFF) == (transparent & 0xFFFFFF)) {
                to[x] = from[x];
                continue;
            }
            int grey = 128 + luminance(from[x]) / 2;
            if ((qRgb(grey, grey, grey) & 0xFFFFFF) == (transparent & 0xFFFFFF))
                --grey;
            to[x] = qRgb(grey, grey, grey);
        }
    }
}

} // namespace

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent)
    , m_width(std::max(1, width))
    , m_height(std::max(1, height))
{
}

TImageList::~TImageList() = default;

int TImageList::AddMasked(const TBitmap& strip, TColor transparent)
{
    if (strip.Empty() || strip.Height() < m_height || strip.Width() < m_width)
        return -1;
    const int first = Count();
    const QRgb key = toQRgb(transparent);
    for (int left = 0; left + m_width <= strip.Width(); left += m_width) {
        auto image = std::make_unique<Image>();
        image->transparent = fromQRgb(key);
        image->enabled.SetSize(m_width, m_height);
        image->enabled.Canvas().CopyRect(Rect(0, 0, m_width, m_height), strip.Canvas(),
            Bounds(left, 0, m_width, m_height));
        makeDisabled(image->enabled, image->disabled, key);
        m_images.push_back(std::move(image));
    }
    return first;
}

void TImageList::Clear() { m_images.clear(); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, TImageLook look) const
{
    if (index < 0 || index >= Count())
        return;
    const Image& image = *m_images[std::size_t(index)];
    const TBitmap& picture = look == TImageLook::Disabled ? image.disabled : image.enabled;
    canvas.DrawTransparent(x, y, picture, Rect(0, 0, m_width, m_height), image.transparent);
}

} // namespace platform
