// Renders the application icon into the PNG sizes of the hicolor theme at build time, so building
// the package needs no image tool beyond the Qt Svg the app links anyway.
//
//   render_icon <icon.svg> <theme folder> <size>…   writes <theme folder>/<size>x<size>/apps/<icon>.png

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <theme folder> <size>...\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString theme = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName() + u".png"_s;
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QByteArray(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "render_icon: %s is not an icon size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();

        const QString folder = u"%1/%2x%2/apps"_s.arg(theme).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + u'/' + name, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(folder + u'/' + name));
            return 1;
        }
    }
    return 0;
}
