#pragma once

#include "platform/Bitmap.h"

#include <QObject>

#include <memory>
#include <vector>

namespace platform {

// How an image is drawn: as it is, or greyed for a disabled control.
enum class TImageLook { Enabled, Disabled };

// Images of one fixed size, numbered from 0 and drawn by number: the
// pictures beside the items of lists and combo boxes. Controls refer to a
// list without owning it, so one list serves several controls and a
// control forgets a list that is destroyed.
//
//     auto* airframes = new TImageList(16, 16, form);
//     airframes->AddMasked(strip, clFuchsia);
//     combo->SetImages(airframes);
class TImageList : public QObject {
public:
    explicit TImageList(int width = 16, int height = 16, QObject* parent = nullptr);
    ~TImageList() override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return int(m_images.size()); }

    // Cuts strip into images of Width x Height side by side from its
    // top-left corner and appends them; a last column narrower than Width
    // is left out. Pixels of colour transparent are never drawn. Returns
    // the number of the first image added, -1 when the strip holds none.
    int AddMasked(const TBitmap& strip, TColor transparent);
    void Clear();

    // Image index with its top-left corner at (x, y); nothing for a number
    // outside the list. The disabled look is each pixel's brightness as a
    // light grey, so the shape stays readable without its colours.
    void Draw(TCanvas& canvas, int x, int y, int index, TImageLook look = TImageLook::Enabled) const;

private:
    struct Image;

    int m_width;
    int m_height;
    std::vector<std::unique_ptr<Image>> m_images;
};

} // namespace platform
