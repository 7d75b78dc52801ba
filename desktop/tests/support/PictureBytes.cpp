#include "support/PictureBytes.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace PictureBytes {

namespace {

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendLittle16(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
}

// LZW data with 3-bit codes: a clear code before every two pixels keeps the code table from
// growing past eight entries, so the codes never widen and nothing needs compressing.
QByteArray uncompressedLzw(const QList<int> &indices)
{
    constexpr int Clear = 4;
    constexpr int End = 5;
    QList<int> codes;
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            codes << Clear;
        codes << indices.at(i);
    }
    codes << End;

    QByteArray packed;
    quint32 bits = 0;
    int bitCount = 0;
    for (const int code : codes) {
        bits |= quint32(code) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            packed.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    }
    if (bitCount > 0)
        packed.append(char(bits & 0xff));

    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        blocks.append(char(block.size()));
        blocks.append(block);
    }
    blocks.append('\0');
    return blocks;
}

} // namespace

QByteArray encoded(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray progressiveJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

QByteArray gif(const QImage &image, const QList<QRgb> &palette, int transparentIndex,
               QSize claimedSize)
{
    const QSize size = claimedSize.isValid() ? claimedSize : image.size();
    QByteArray bytes("GIF89a");
    appendLittle16(bytes, size.width());
    appendLittle16(bytes, size.height());
    bytes.append(char(0x91)); // a global table of four colours
    bytes.append(2, '\0');
    for (int i = 0; i < 4; ++i) {
        const QRgb color = i < palette.size() ? palette.at(i) : 0xff000000;
        bytes.append(char(qRed(color))).append(char(qGreen(color))).append(char(qBlue(color)));
    }
    if (transparentIndex >= 0) {
        bytes.append("\x21\xf9\x04\x01", 4);
        bytes.append(2, '\0');
        bytes.append(char(transparentIndex)).append('\0');
    }
    bytes.append(char(0x2c));
    appendLittle16(bytes, 0);
    appendLittle16(bytes, 0);
    appendLittle16(bytes, size.width());
    appendLittle16(bytes, size.height());
    bytes.append('\0');

    QList<int> indices;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            indices << int(palette.indexOf(image.pixel(x, y) | 0xff000000));
    bytes.append(char(2)); // LZW minimum code size
    bytes.append(uncompressedLzw(indices));
    bytes.append(char(0x3b));
    return bytes;
}

QByteArray pngClaiming(QByteArray png, QSize claimedSize)
{
    // Signature (8), chunk length (4), "IHDR" (4), width (4), height (4), ..., CRC after 13 bytes.
    constexpr int TypeAt = 12;
    constexpr int DataAt = 16;
    constexpr int CrcAt = DataAt + 13;
    qToBigEndian<quint32>(quint32(claimedSize.width()), png.data() + DataAt);
    qToBigEndian<quint32>(quint32(claimedSize.height()), png.data() + DataAt + 4);
    qToBigEndian<quint32>(crc32(QByteArrayView(png).sliced(TypeAt, CrcAt - TypeAt)),
                          png.data() + CrcAt);
    return png;
}

QByteArray bmpClaiming(QByteArray bmp, QSize claimedSize)
{
    qToLittleEndian<qint32>(claimedSize.width(), bmp.data() + 18);
    qToLittleEndian<qint32>(claimedSize.height(), bmp.data() + 22);
    return bmp;
}

QImage framedDrawing(QSize size, int inset)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(inset, inset, size.width() - 2 * inset - 1, size.height() - 2 * inset - 1);
    return image;
}

} // namespace PictureBytes
