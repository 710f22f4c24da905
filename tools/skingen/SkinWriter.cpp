#include "SkinWriter.h"

#include "FeatureLayout.h"
#include "SkinDefinition.h"
#include "SkinPictures.h"

#include "platform/ClassicErrors.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QHash>

namespace skingen {

using platform::BmpImage;

BmpImage indexedBmp(const QImage& image, int paletteSize)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> table;
    QHash<QRgb, int> index;
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    // Colours in the order they first appear, so the file is the same on
    // every run.
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = index.constFind(colour);
            if (found == index.constEnd()) {
                if (table.size() == paletteSize)
                    throw platform::Exception(
                        QStringLiteral("a picture of %1 colours at most has more").arg(paletteSize));
                found = index.insert(colour, int(table.size()));
                table.append(colour);
            }
            out[x] = uchar(*found);
        }
    }
    while (table.size() < paletteSize)
        table.append(qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return BmpImage::fromQImage(indexed);
}

BmpImage maskBmp(const QImage& image)
{
    QImage mono(image.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Also clears the padding bits at the end of each row.
    mono.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mono.setPixel(x, y, (image.pixel(x, y) & 0xffffffu) == 0 ? 0 : 1);
    return BmpImage::fromQImage(mono);
}

namespace {

// The file format of active picture index: the program skin's pictures as
// their table says, the feature skin's images in 24 bits, its masks in 1.
BmpImage activeBmp(const QImage& image, int index)
{
    if (index < layout::kPictureCount)
        return layout::kPictureSizes[index].bits == 8 ? indexedBmp(image, 256) : BmpImage::fromQImage(image);
    return index == features::kFeaturePicture ? BmpImage::fromQImage(image) : maskBmp(image);
}

} // namespace

QString writeSkinFolder(const SkinPalette& palette, const QString& folder, SkinKind kind)
{
    const SkinPictures pictures = kind == SkinKind::Features ? drawFeaturePictures(palette) : drawSkinPictures(palette);
    skin::TkvSkinData data;
    // The frame keeps one entry free in its palette.
    data.PictureBitmap = indexedBmp(pictures.main, 255);
    data.MaskBitmap = maskBmp(pictures.mask);
    for (int i = 0; i < int(pictures.active.size()); ++i)
        data.ActiveBitmaps.append(activeBmp(pictures.active[i], i));
    if (kind == SkinKind::Features)
        defineFeatureSkin(data, palette);
    else
        defineSkin(data, palette);
    if (!QDir().mkpath(folder))
        throw platform::Exception(QStringLiteral("Cannot create folder %1").arg(folder));
    const QString definition = QDir(folder).filePath(kDefinitionFile);
    data.StoreToDisk(definition);
    return definition;
}

} // namespace skingen
