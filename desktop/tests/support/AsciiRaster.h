#pragma once

#include <QImage>
#include <QStringList>

#include <map>

// Small rasters written as rows of characters, for tests:
//   '#' black (a wall), '.' white, 'r' red, 'g' green, 'b' blue, 'y' yellow.
namespace AsciiRaster {

inline const std::map<QChar, QRgb> &colors()
{
    static const std::map<QChar, QRgb> table = {
        {QLatin1Char('#'), 0xff000000}, {QLatin1Char('.'), 0xffffffff},
        {QLatin1Char('r'), 0xffff0000}, {QLatin1Char('g'), 0xff00ff00},
        {QLatin1Char('b'), 0xff0000ff}, {QLatin1Char('y'), 0xffffff00},
    };
    return table;
}

inline QImage toImage(const QStringList &rows)
{
    QImage image(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colors().at(rows.at(y).at(x)));
    return image;
}

// Unknown colours show as '?'.
inline QStringList toRows(const QImage &image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            QChar symbol = QLatin1Char('?');
            for (const auto &[character, rgb] : colors())
                if (image.pixel(x, y) == rgb)
                    symbol = character;
            row += symbol;
        }
        rows << row;
    }
    return rows;
}

} // namespace AsciiRaster
