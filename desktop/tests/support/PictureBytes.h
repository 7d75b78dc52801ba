#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// Picture files made in memory for the loader's tests.
namespace PictureBytes {

// `image` saved by Qt in `format` ("BMP", "JPG", "PNG").
QByteArray encoded(const QImage &image, const char *format, int quality = -1);

// `image` as a progressive JPEG: several scans, each with its own start-of-scan marker.
QByteArray progressiveJpeg(const QImage &image);

// A GIF written by hand, since Qt cannot write GIF. Every pixel of `image` must be one of the (at
// most four) `palette` colours. `claimedSize`, when valid, goes into the headers instead of the
// real size, while the data still holds only the real pixels.
QByteArray gif(const QImage &image, const QList<QRgb> &palette, int transparentIndex = -1,
               QSize claimedSize = {});

// `png` with the size in its header replaced and the header's checksum made right again.
QByteArray pngClaiming(QByteArray png, QSize claimedSize);

// `bmp` with the size in its header replaced.
QByteArray bmpClaiming(QByteArray bmp, QSize claimedSize);

// A white picture with a black frame one pixel wide, `inset` pixels from the edges.
QImage framedDrawing(QSize size, int inset = 10);

} // namespace PictureBytes
