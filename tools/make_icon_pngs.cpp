// Renders the game's SVG icon into the PNG sizes of the desktop's icon theme:
//   make_icon_pngs <assets-dir>
// writes <assets-dir>/desktop/icons/<size>/morvane.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon_pngs <assets-dir>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    QSvgRenderer renderer(assets.filePath(QStringLiteral("icons/app.svg")));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read icons/app.svg\n");
        return 1;
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        renderer.render(&painter);
        painter.end();
        const QString folder = assets.filePath(QStringLiteral("desktop/icons/%1").arg(size));
        QDir().mkpath(folder);
        if (!icon.save(folder + QStringLiteral("/morvane.png"))) {
            std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
