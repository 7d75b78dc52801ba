#include "desktop/pictures/OverWhite.h"
#include "desktop/pictures/PictureDecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A board-sized line drawing, as a teacher's picture file would hold.
QImage boardDrawing()
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    for (int x = 0; x < 640; x += 40)
        painter.drawLine(x, 0, 640 - x, 479);
    return image;
}

QByteArray encodedDrawing(const char *format)
{
    // Qt finds its JPEG and GIF readers as plugins, through the application object.
    static int argc = 1;
    static char name[] = "morvane_bench";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    boardDrawing().save(&buffer, format);
    return bytes;
}

void decodeBoardPicture(benchmark::State &state, const char *format)
{
    const QByteArray bytes = encodedDrawing(format);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(Pictures::decodePicture(buffer));
    }
}

void composeTransparentPictureOverWhite(benchmark::State &state)
{
    QImage picture = boardDrawing().convertToFormat(QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Pictures::composedOverWhite(picture));
}

} // namespace

BENCHMARK_CAPTURE(decodeBoardPicture, bmp, "BMP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeBoardPicture, png, "PNG")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeBoardPicture, jpeg, "JPG")->Unit(benchmark::kMillisecond);
BENCHMARK(composeTransparentPictureOverWhite)->Unit(benchmark::kMillisecond);
