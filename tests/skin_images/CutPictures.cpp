#include "tests/skin_images/CutPictures.h"

#include "tests/support/TestOutput.h"

#include <QDir>

namespace cuttest {

void paintCoordinates(platform::TBitmap& bitmap, int width, int height)
{
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.ScanLine(y)[x] = qRgb(x, y, 90);
}

platform::TPoint sourceOf(const platform::TBitmap& bitmap, int x, int y)
{
    const QRgb pixel = bitmap.ScanLine(y)[x];
    if (qBlue(pixel) != 90)
        return {-1, -1};
    return {qRed(pixel), qGreen(pixel)};
}

skin::SkinCut groupBoxCut() { return {QSize(59, 52), {1, 20, 58, 51}, {8, 20}, {50, 21}, {5, 45}, {52, 46}}; }

skin::SkinCut buttonCut() { return {QSize(35, 25), {3, 3, 32, 22}, {10, 3}, {24, 3}, {0, 0}, {0, 0}}; }

skin::SkinCut frameCut() { return {QSize(162, 140), {5, 24, 157, 135}, {40, 30}, {80, 30}, {40, 130}, {120, 130}}; }

void savePicture(const platform::TBitmap& bitmap, const QString& name, int zoom)
{
    const QDir dir(testsupport::testOutputDir());
    dir.mkpath(QStringLiteral("skin_images"));
    const QImage& image = bitmap.image();
    image.scaled(image.width() * zoom, image.height() * zoom)
        .save(dir.filePath(QStringLiteral("skin_images/%1.png").arg(name)));
}

} // namespace cuttest
