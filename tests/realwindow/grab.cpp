// SPDX-License-Identifier: GPL-3.0-or-later
// What the real-window tests see of the screen:
//   grab FILE.png                  saves the whole screen as a picture
//   grab WINDOW X Y WIDTH HEIGHT   prints a hash of that area of the window
//                                  (X window id, area in the window's pixels)
//   grab WINDOW X Y                prints the lightness of that pixel, 0 to 255
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (argc == 2)
        return screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    if (argc != 4 && argc != 6) {
        std::fputs("usage: grab FILE.png | grab WINDOW X Y [WIDTH HEIGHT]\n", stderr);
        return 2;
    }
    const bool pixel = argc == 4;
    const QImage area = screen
                            ->grabWindow(QByteArray(argv[1]).toULongLong(nullptr, 0), atoi(argv[2]), atoi(argv[3]),
                                         pixel ? 1 : atoi(argv[4]), pixel ? 1 : atoi(argv[5]))
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (area.isNull())
        return 1;
    if (pixel)
        return std::printf("%d\n", qGray(area.pixel(0, 0))) < 0;
    const QByteArrayView pixels(area.constBits(), area.sizeInBytes());
    std::printf("%s\n", QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex().constData());
    return 0;
}
