// Renders the application icon's SVG to the PNG sizes of the hicolor theme:
//   quillan-render-icon ICON.svg OUT_FOLDER SIZE...
// writes OUT_FOLDER/<SIZE>x<SIZE>/apps/quillan.png for each size.

#include <cstdio>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("usage: quillan-render-icon ICON.svg OUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quillan-render-icon: %s is not a readable SVG\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "quillan-render-icon: %s is not an icon size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString folder = out + QStringLiteral("/%1x%1/apps").arg(size);
        const QString file = folder + QStringLiteral("/quillan.png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "quillan-render-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
