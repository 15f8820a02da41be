// iconpng: renders an SVG picture as a square PNG of a given size; the build
// makes the icon's fixed-size renderings with it.
//   iconpng IN.svg SIZE OUT.png
// Exit code 0 on success, 1 when the picture cannot be read or the PNG not
// written, 2 on a usage error.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: iconpng IN.svg SIZE OUT.png\n");
        return 2;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "iconpng: not a size from 1 to 4096: %s\n", argv[2]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconpng: cannot read the SVG picture %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "iconpng: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
