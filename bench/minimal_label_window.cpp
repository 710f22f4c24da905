// The yardstick for the tool's start-up: a plain Qt window showing one
// label, saved as a picture after its first paint and closed, the way
// "fctool --screenshot FILE --after 0" ends. It has the tool's size, so that
// both grab, encode and show the same number of pixels. The picture's format
// follows the file's suffix, as the tool's does.

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QLabel label(QStringLiteral("Flight Controller Tool "));
    label.resize(720, 476);
    label.show();
    QTimer::singleShot(0, &label, [&] {
        label.grab().save(QString::fromLocal8Bit(argv[1]));
        app.quit();
    });
    return app.exec();
}
