#include "tests/skin_data/TestSkin.h"

#include "platform/ByteStream.h"
#include "skin/data/SkinMessages.h"

#include <QDir>
#include <QImage>

namespace skintest {

using platform::BmpImage;

BmpImage indexedPicture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb((i * 3 + seed) % 256, (i * 7) % 256, (255 - i + seed) % 256));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x * 5 + y * 11 + seed) % 256));
    return BmpImage::fromQImage(image);
}

BmpImage maskPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    for (int y = 1; y + 1 < height; ++y)
        for (int x = 1; x + 1 < width; ++x)
            image.setPixel(x, y, 0);
    return BmpImage::fromQImage(image);
}

BmpImage truecolorPicture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 9 + seed) % 256, (y * 17) % 256, (x + y + seed) % 256));
    return BmpImage::fromQImage(image);
}

QByteArray definitionText()
{
    return QByteArray(
        "; test skin\r\n"
        "[VERSION]\r\n"
        "ver=1\r\n"
        "skinname=Test skin\r\n"
        "skinauthor=Tests\r\n"
        "authoremail=tests@example.org\r\n"
        "authorurl=\r\n"
        "skincomments=Built by the skin data tests\r\n"
        "\r\n"
        "[PICTURES]\r\n"
        "picture=main.bmp\r\n"
        "inactivepicture=\r\n"
        "mask=mask.bmp\r\n"
        "activepicturescount=3\r\n"
        "0=a0.bmp\r\n"
        "1=a1.bmp\r\n"
        "2=sub/a2.bmp\r\n"
        "\r\n"
        "[FORMINFO]\r\n"
        "lefttoppoint=10,20\r\n"
        "righttoppoint=30,20\r\n"
        "leftbottompoint=10,28\r\n"
        "rightbottompoint=30,28\r\n"
        "clientrect=4,16,36,30\r\n"
        "maskrectarea=3,3,37,31\r\n"
        "buttonsrect=20,2,38,12\r\n"
        "captionrect=2,2,18,12\r\n"
        "buttonsoffset=2\r\n"
        "borderwidth=3\r\n"
        "inactiveeffect=iedarkness\r\n"
        "\r\n"
        "[POPUPWINDOW]\r\n"
        "windowpictureindex=1\r\n"
        "itemsrect=2,2,10,10\r\n"
        "\r\n"
        "[HINTWINDOW]\r\n"
        "windowpictureindex=0\r\n"
        "clientrect=1,1,5,5\r\n"
        "fontstyle=fsitalic\r\n"
        "\r\n"
        "[SKINOBJECTS]\r\n"
        "count=4\r\n"
        "0=menuitem:menuitem\r\n"
        "1=caption:caption\r\n"
        "2=closebutton:stdbutton\r\n"
        "3=mainmenubaritem:mainmenubaritem\r\n"
        "\r\n"
        "[menuitem]\r\n"
        "activepictureindex=0\r\n"
        "skinrect=0,0,12,6\r\n"
        "activeskinrect=0,6,12,12\r\n"
        "dividerrect=0,12,12,14\r\n"
        "fontstyle=fsbold\r\n"
        "\r\n"
        "[caption]\r\n"
        "skinrect=2,2,18,12\r\n"
        "textrect=1,1,15,9\r\n"
        "alignment=taleftjustify\r\n"
        "shadow=1\r\n"
        "\r\n"
        "[closebutton]\r\n"
        "skinrect=30,2,38,10\r\n"
        "activeskinrect=0,0,8,8\r\n"
        "activepictureindex=1\r\n"
        "command=cmclose\r\n"
        "downrect=8,0,16,8\r\n"
        "disableskinrsect=16,0,24,8\r\n"
        "\r\n"
        "[mainmenubaritem]\r\n"
        "unenabledfontColor=8421504\r\n"
        "textrect=2,2,20,12\r\n"
        "\r\n"
        "[SKINCONTROLS]\r\n"
        "count=6\r\n"
        "0=button:button\r\n"
        "1=edit:edit\r\n"
        "2=listbox:listbox\r\n"
        "3=vupdown:updown\r\n"
        "4=stdlabel:stdlabel\r\n"
        "5=groupbox:panel\r\n"
        "\r\n"
        "[button]\r\n"
        "pictureindex=2\r\n"
        "skinrect=0,0,20,10\r\n"
        "lefttoppoint=3,3\r\n"
        "righttoppoint=17,3\r\n"
        "leftbottompoint=3,7\r\n"
        "rightbottompoint=17,7\r\n"
        "clientrect=2,2,18,8\r\n"
        "activeskinrect=0,10,20,20\r\n"
        "downskinrect=0,20,20,30\r\n"
        "fontcolor=16777215\r\n"
        "morphing=1\r\n"
        "morphkind=mkgradient\r\n"
        "\r\n"
        "[edit]\r\n"
        "pictureindex=2\r\n"
        "skinrect=20,0,40,10\r\n"
        "fontname=Arial Narrow\r\n"
        "fontheight=15\r\n"
        "fontstyle=fsbold\r\n"
        "\r\n"
        "[listbox]\r\n"
        "pictureindex=2\r\n"
        "itemrect=0,30,20,36\r\n"
        "\r\n"
        "[vupdown]\r\n"
        "pictureindex=2\r\n"
        "skinrect=40,0,48,16\r\n"
        "lefttoppoint=1,1\r\n"
        "clientrect=1,1,7,15\r\n"
        "upbuttonrect=0,0,8,8\r\n"
        "\r\n"
        "[stdlabel]\r\n"
        "fontcolor=0\r\n"
        "\r\n"
        "[groupbox]\r\n"
        "pictureindex=0\r\n"
        "skinrect=0,0,16,16\r\n"
        "captionrect=2,0,14,4\r\n"
        "alignment=tacenter\r\n"
        "\r\n");
}

QString writeDefinition(const QDir& folder, const QByteArray& text)
{
    const QString path = folder.filePath(QStringLiteral("skin.ini"));
    platform::writeWholeFile(path, text);
    return path;
}

QString writeFolderSkin(const QDir& folder)
{
    folder.mkpath(QStringLiteral("sub"));
    indexedPicture(40, 32, 1).saveToFile(folder.filePath(QStringLiteral("main.bmp")));
    maskPicture(40, 32).saveToFile(folder.filePath(QStringLiteral("mask.bmp")));
    truecolorPicture(12, 14, 2).saveToFile(folder.filePath(QStringLiteral("a0.bmp")));
    indexedPicture(8, 8, 3).saveToFile(folder.filePath(QStringLiteral("a1.bmp")));
    truecolorPicture(48, 36, 4).saveToFile(folder.filePath(QStringLiteral("sub/a2.bmp")));
    return writeDefinition(folder, definitionText());
}

bool MessageLog::event(QEvent* event)
{
    if (skin::isSkinDataMessage(event)) {
        const auto* message = static_cast<skin::TkvSkinMessageEvent*>(event);
        m_log->append({message->message(), message->WParam(), message->LParam(), m_name});
        return true;
    }
    return QWidget::event(event);
}

QList<int> messagesOf(const QList<MessageLog::Entry>& log, const QString& window)
{
    QList<int> messages;
    for (const auto& entry : log) {
        if (entry.window == window)
            messages.append(entry.message);
    }
    return messages;
}

} // namespace skintest
