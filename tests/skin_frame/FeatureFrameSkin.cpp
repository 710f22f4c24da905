#include "FeatureFrameSkin.h"

#include "FrameTestSupport.h"

#include "platform/BmpCodec.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace frametest {

namespace {

void fill(QImage& image, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            image.setPixel(x, y, colour);
}

// Rows 0..8: the light's frames, 8 wide; rows 10..24: the roll-up frames,
// 14 wide; rows 30..46 and 50..66: the normal and the active text plate,
// 30 wide with 4-pixel ends; rows 70..88: the caption's active background.
QImage featurePicture()
{
    QImage image(100, 90, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    for (int n = 1; n <= 6; ++n)
        fill(image, (n - 1) * 8, 0, n * 8, 8, FeatureFrameSkin::lightFrame(n));
    for (int n = 1; n <= 4; ++n)
        fill(image, (n - 1) * 14, 10, n * 14, 24, FeatureFrameSkin::rollFrame(n));
    for (const bool active : {false, true}) {
        const int top = active ? 50 : 30;
        fill(image, 0, top, 4, top + 16, FeatureFrameSkin::plateLeft(active));
        fill(image, 4, top, 26, top + 16, FeatureFrameSkin::plateMiddle(active));
        fill(image, 26, top, 30, top + 16, FeatureFrameSkin::plateRight(active));
    }
    return image;
}

// Black inside, the four corners cut off by a 3-pixel step.
QImage hintMask(int width, int height)
{
    QImage mask(width, height, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3 - y; ++x)
            for (const QPoint p : {QPoint(x, y), QPoint(width - 1 - x, y), QPoint(x, height - 1 - y),
                     QPoint(width - 1 - x, height - 1 - y)})
                mask.setPixel(p, qRgb(255, 255, 255));
    return mask;
}

} // namespace

FeatureFrameSkin::FeatureFrameSkin()
{
    const QDir assets(kAssets + QStringLiteral("/skin"));
    const QDir folder(m_folder.path());
    for (const QString& file : assets.entryList(QDir::Files))
        QFile::copy(assets.filePath(file), folder.filePath(file));
    platform::BmpImage::fromQImage(featurePicture()).saveToFile(folder.filePath(QStringLiteral("features.bmp")));
    const QImage hint(QString(assets.filePath(QStringLiteral("hint.bmp"))));
    platform::BmpImage::fromQImage(hintMask(hint.width(), hint.height()))
        .saveToFile(folder.filePath(QStringLiteral("hintmask.bmp")));

    platform::IniFile ini(definition());
    ini.writeString("PICTURES", "activepicturescount", "7");
    ini.writeString("PICTURES", "5", "features.bmp");
    ini.writeString("PICTURES", "6", "hintmask.bmp");
    ini.writeString("HINTWINDOW", "maskpictureindex", "6");

    ini.writeString("SKINOBJECTS", "count", "13");
    ini.writeString("SKINOBJECTS", "5", "rollupbutton:animate");
    ini.writeString("SKINOBJECTS", "12", "light:animate");
    ini.eraseSection("rollupbutton");
    const auto write = [&ini](const char* section, std::initializer_list<std::pair<const char*, const char*>> keys) {
        for (const auto& [key, value] : keys)
            ini.writeString(QString::fromLatin1(section), QString::fromLatin1(key), QString::fromLatin1(value));
    };
    write("rollupbutton", {{"hint", "Spin"}, {"activepictureindex", "5"}, {"skinrectinapicture", "1"},
                              {"skinrect", "0,0,14,14"}, {"activeskinrect", "0,10,56,24"}, {"countframes", "4"},
                              {"cycle", "0"}, {"buttonstyle", "1"}, {"timerinterval", "25"}, {"command", "cmrollup"}});
    write("light", {{"hint", "Link"}, {"activepictureindex", "5"}, {"skinrectinapicture", "0"},
                       {"skinrect", "10,131,18,139"}, {"activeskinrect", "0,0,48,8"}, {"countframes", "6"},
                       {"cycle", "1"}, {"buttonstyle", "0"}, {"timerinterval", "50"}, {"command", "cmdefault"}});
    write("caption", {{"activepictureindex", "5"}, {"activeskinrect", "0,70,65,88"}, {"framerect", "0,30,30,46"}, {"activeframerect", "0,50,30,66"}, {"frameleftoffset", "4"},
                         {"framerightoffset", "4"}, {"frametextrect", "4,2,26,14"}});
    write("closebutton", {{"hint", "Shut the window"}});
    write("sysmenubutton", {{"skinrectinapicture", "1"}});
    ini.updateFile();
}

QString FeatureFrameSkin::definition() const { return QDir(m_folder.path()).filePath(QStringLiteral("skin.ini")); }

} // namespace frametest
