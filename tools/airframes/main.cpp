// fcairframes: draws the airframe picture strip the main window shows.
// Usage: fcairframes OUT.bmp

#include "AirframeDrawing.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fcairframes OUT.bmp\n");
        return 2;
    }
    // 24-bit, as the window layout stores it.
    const QImage strip = drawAirframeStrip().convertToFormat(QImage::Format_RGB888);
    if (!strip.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "fcairframes: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
