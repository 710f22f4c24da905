#include "tests/skin_data/DrawnSkin.h"

#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace skintest {

namespace {

void drawFrame(QImage& image)
{
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(40, 60, 110));
    QLinearGradient title(0, 0, 0, 24);
    title.setColorAt(0, QColor(90, 130, 200));
    title.setColorAt(1, QColor(40, 60, 110));
    p.fillRect(QRect(0, 0, 162, 24), title);
    // Ridges every 10 columns so the tiled middles show their seams.
    p.setPen(QColor(120, 160, 230));
    for (int x = 0; x < 162; x += 10)
        p.drawLine(x, 2, x, 3);
    p.setPen(QColor(10, 20, 40));
    p.drawRect(0, 0, 161, 139);
    p.fillRect(QRect(5, 24, 152, 111), QColor(225, 228, 235));
    p.fillRect(QRect(6, 5, 14, 14), QColor(230, 180, 60));
    p.fillRect(QRect(140, 5, 14, 14), QColor(200, 60, 60));
    p.setPen(QColor(20, 30, 60));
    p.drawRect(4, 23, 153, 112);
}

void drawButton(QPainter& p, int top, QColor face)
{
    p.setPen(QColor(20, 30, 60));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, top + 0.5, 34, 24), 5, 5);
    p.setPen(face.lighter(140));
    p.drawLine(4, top + 2, 30, top + 2);
    p.setPen(face.darker(140));
    p.drawLine(4, top + 22, 30, top + 22);
}

void drawControls(QImage& image)
{
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    drawButton(p, 0, QColor(70, 110, 170));
    drawButton(p, 25, QColor(110, 160, 230));
    drawButton(p, 50, QColor(40, 65, 115));
    // Group box: caption strip over a light client, one-pixel border.
    const QRect box(0, 75, 59, 52);
    p.fillRect(box, QColor(235, 238, 245));
    QLinearGradient strip(0, 75, 0, 95);
    strip.setColorAt(0, QColor(160, 185, 225));
    strip.setColorAt(1, QColor(110, 140, 200));
    p.fillRect(QRect(0, 75, 59, 20), strip);
    p.setPen(QColor(60, 80, 130));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 75, 58, 51);
    // Close glyph for the hot close button.
    p.fillRect(QRect(35, 0, 14, 14), QColor(240, 90, 90));
}

platform::BmpImage maskWithRoundCorners()
{
    QImage mask(162, 140, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    const int cut[] = {3, 2, 1};
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < cut[row]; ++i) {
            mask.setPixel(i, row, 1);
            mask.setPixel(161 - i, row, 1);
            mask.setPixel(i, 139 - row, 1);
            mask.setPixel(161 - i, 139 - row, 1);
        }
    }
    return platform::BmpImage::fromQImage(mask);
}

const char* const kDefinition
    = "[VERSION]\r\nver=1\r\nskinname=Drawn test skin\r\n\r\n"
      "[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\nactivepicturescount=1\r\n"
      "0=controls.bmp\r\n\r\n"
      "[FORMINFO]\r\nlefttoppoint=40,30\r\nrighttoppoint=80,30\r\nleftbottompoint=40,130\r\n"
      "rightbottompoint=120,130\r\nclientrect=5,24,157,135\r\nmaskrectarea=4,3,159,137\r\n"
      "buttonsrect=92,5,154,21\r\nbuttonsoffset=1\r\nautorenderinginactiveimage=1\r\ninactiveeffect=iegrayscale\r\n\r\n"
      "[SKINOBJECTS]\r\ncount=1\r\n0=closebutton:stdbutton\r\n\r\n"
      "[closebutton]\r\nskinrect=140,5,154,19\r\nactivepictureindex=0\r\nactiveskinrect=35,0,49,14\r\n"
      "command=cmclose\r\n\r\n"
      "[SKINCONTROLS]\r\ncount=2\r\n0=button:button\r\n1=groupbox:panel\r\n\r\n"
      "[button]\r\npictureindex=0\r\nskinrect=0,0,35,25\r\nlefttoppoint=10,0\r\nrighttoppoint=24,0\r\n"
      "clientrect=3,3,32,22\r\nactiveskinrect=0,25,35,50\r\ndownskinrect=0,50,35,75\r\nmorphing=1\r\n"
      "morphkind=mkrightgradient\r\ndisabledfontcolor=16777215\r\n\r\n"
      "[groupbox]\r\npictureindex=0\r\nskinrect=0,75,59,127\r\nlefttoppoint=8,20\r\nrighttoppoint=50,21\r\n"
      "leftbottompoint=5,45\r\nrightbottompoint=52,46\r\nclientrect=1,20,58,51\r\ncaptionrect=3,2,56,18\r\n\r\n";

} // namespace

QString writeDrawnSkin(const QDir& folder)
{
    QImage frame(162, 140, QImage::Format_RGB32);
    drawFrame(frame);
    platform::BmpImage::fromQImage(frame).saveToFile(folder.filePath(QStringLiteral("main.bmp")));
    maskWithRoundCorners().saveToFile(folder.filePath(QStringLiteral("mask.bmp")));
    QImage controls(60, 130, QImage::Format_RGB32);
    drawControls(controls);
    platform::BmpImage::fromQImage(controls).saveToFile(folder.filePath(QStringLiteral("controls.bmp")));
    const QString path = folder.filePath(QStringLiteral("drawn.ini"));
    platform::writeWholeFile(path, QByteArray(kDefinition));
    return path;
}

} // namespace skintest
