#include "ControlSkin.h"

#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace testsupport {

namespace {

const char* const kDefinition =
    "[VERSION]\r\n"
    "ver=1\r\n"
    "skinname=Control tests\r\n"
    "\r\n"
    "[PICTURES]\r\n"
    "picture=main.bmp\r\n"
    "activepicturescount=2\r\n"
    "0=controls.bmp\r\n"
    "1=mask.bmp\r\n"
    "\r\n"
    "[FORMINFO]\r\n"
    "clientrect=4,16,36,30\r\n"
    "\r\n"
    "[SKINOBJECTS]\r\n"
    "count=0\r\n"
    "\r\n"
    "[SKINCONTROLS]\r\n"
    "count=14\r\n"
    "0=button:button\r\n"
    "1=groupbox:panel\r\n"
    "2=gauge:gauge\r\n"
    "3=slider:slider\r\n"
    "4=stdlabel:stdlabel\r\n"
    "5=wrongkind:button\r\n"
    "6=fixedbutton:button\r\n"
    "7=vbutton:button\r\n"
    "8=emptybutton:button\r\n"
    "9=edit:edit\r\n"
    "10=combobox:combobox\r\n"
    "11=resizebutton:button\r\n"
    "12=maskedbutton:button\r\n"
    "13=vgauge:gauge\r\n"
    "\r\n"
    "[vgauge]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,80,14,102\r\n"
    "lefttoppoint=0,2\r\n"
    "leftbottompoint=0,21\r\n"
    "clientrect=2,2,13,21\r\n"
    "progressarea=2,2,13,21\r\n"
    "progressrect=30,80,41,90\r\n"
    "vertical=1\r\n"
    "\r\n"
    "[maskedbutton]\r\n"
    "pictureindex=0\r\n"
    "maskpictureindex=1\r\n"
    "skinrect=0,0,35,25\r\n"
    "clientrect=3,3,32,22\r\n"
    "\r\n"
    "[resizebutton]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,35,25\r\n"
    "lefttoppoint=4,4\r\n"
    "righttoppoint=31,4\r\n"
    "leftbottompoint=4,21\r\n"
    "rightbottompoint=31,21\r\n"
    "clientrect=3,3,32,22\r\n"
    "\r\n"
    "[fixedbutton]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,35,25\r\n"
    "clientrect=3,3,32,22\r\n"
    "\r\n"
    "[vbutton]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,35,25\r\n"
    "lefttoppoint=0,8\r\n"
    "leftbottompoint=0,18\r\n"
    "clientrect=3,3,32,22\r\n"
    "\r\n"
    "[emptybutton]\r\n"
    "pictureindex=0\r\n"
    "\r\n"
    "[edit]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,57,21\r\n"
    "lefttoppoint=3,0\r\n"
    "righttoppoint=54,0\r\n"
    "clientrect=3,3,54,18\r\n"
    "\r\n"
    "[combobox]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,57,21\r\n"
    "lefttoppoint=3,0\r\n"
    "righttoppoint=54,0\r\n"
    "listboxname=listbox\r\n"
    "\r\n"
    "[button]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,35,25\r\n"
    "lefttoppoint=10,0\r\n"
    "righttoppoint=24,0\r\n"
    "clientrect=3,3,32,22\r\n"
    "activeskinrect=0,25,35,50\r\n"
    "downskinrect=0,50,35,75\r\n"
    "fontstyle=fsbold\r\n"
    "fontcolor=8388608\r\n"
    "activefontcolor=128\r\n"
    "downfontcolor=32768\r\n"
    "disabledfontcolor=16777215\r\n"
    "morphing=1\r\n"
    "morphkind=mkrightgradient\r\n"
    "\r\n"
    "[groupbox]\r\n"
    "pictureindex=0\r\n"
    "skinrect=40,0,99,52\r\n"
    "lefttoppoint=8,20\r\n"
    "righttoppoint=50,21\r\n"
    "leftbottompoint=5,45\r\n"
    "rightbottompoint=52,46\r\n"
    "clientrect=1,20,58,51\r\n"
    "captionrect=3,2,56,18\r\n"
    "alignment=tacenter\r\n"
    "fontcolor=0\r\n"
    "\r\n"
    "[gauge]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,80,22,94\r\n"
    "lefttoppoint=2,0\r\n"
    "righttoppoint=21,0\r\n"
    "clientrect=2,2,21,13\r\n"
    "progressarea=2,2,21,13\r\n"
    "progressrect=30,80,40,91\r\n"
    "\r\n"
    "[slider]\r\n"
    "pictureindex=0\r\n"
    "bgcolor=15790320\r\n"
    "hrulerrect=0,100,10,111\r\n"
    "hthumbrect=20,100,42,121\r\n"
    "edgesize=3\r\n"
    "pointscolor=8388608\r\n"
    "\r\n"
    "[stdlabel]\r\n"
    "fontname=Arial Narrow\r\n"
    "fontheight=15\r\n"
    "fontstyle=fsbold\r\n"
    "fontcolor=255\r\n"
    "\r\n"
    "[wrongkind]\r\n"
    "pictureindex=0\r\n"
    "skinrect=0,0,35,25\r\n"
    "\r\n";

QImage controlsPicture()
{
    QImage image(110, 130, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, platform::toQRgb(ControlSkin::pictureColour(x, y)));
    return image;
}

} // namespace

platform::TColor ControlSkin::pictureColour(int x, int y)
{
    return platform::RGB((x * 7) % 256, (y * 5) % 256, 20 + (x + y) % 200);
}

ControlSkin::ControlSkin() : m_data(std::make_unique<skin::TkvSkinData>())
{
    const QDir folder(m_folder.path());
    QImage main(40, 32, QImage::Format_RGB32);
    main.fill(qRgb(90, 90, 90));
    platform::BmpImage::fromQImage(main).saveToFile(folder.filePath(QStringLiteral("main.bmp")));
    platform::BmpImage::fromQImage(controlsPicture()).saveToFile(folder.filePath(QStringLiteral("controls.bmp")));
    // Black inside; the two top corners cut off.
    QImage mask(35, 25, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3 - y; ++x) {
            mask.setPixel(x, y, qRgb(255, 255, 255));
            mask.setPixel(34 - x, y, qRgb(255, 255, 255));
        }
    platform::BmpImage::fromQImage(mask).saveToFile(folder.filePath(QStringLiteral("mask.bmp")));
    m_definition = folder.filePath(QStringLiteral("skin.ini"));
    platform::writeWholeFile(m_definition, QByteArray(kDefinition));
    reload();
}

ControlSkin::~ControlSkin() = default;

void ControlSkin::reload()
{
    m_data->LoadFromFile(m_definition);
    EXPECT_FALSE(m_data->IsEmpty());
}

} // namespace testsupport
