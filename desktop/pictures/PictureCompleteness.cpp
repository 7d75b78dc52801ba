#include "desktop/pictures/PictureCompleteness.h"

#include <QIODevice>
#include <QtEndian>

#include <cstdlib>

namespace Pictures {

namespace {

bool jpegHasEnd(QIODevice &device)
{
    constexpr uchar MarkerPrefix = 0xff;
    constexpr uchar StartOfScan = 0xda;
    constexpr uchar EndOfImage = 0xd9;

    // Inside the entropy-coded data a 0xff byte is always followed by 0x00 or a restart marker,
    // so these two markers cannot appear there by chance.
    bool endAfterLastScan = false;
    bool afterPrefix = false;
    char chunk[64 * 1024];
    for (qint64 got; (got = device.read(chunk, sizeof chunk)) > 0;) {
        for (qint64 i = 0; i < got; ++i) {
            const auto byte = static_cast<uchar>(chunk[i]);
            if (afterPrefix && byte == StartOfScan)
                endAfterLastScan = false;
            else if (afterPrefix && byte == EndOfImage)
                endAfterLastScan = true;
            afterPrefix = byte == MarkerPrefix;
        }
    }
    return endAfterLastScan;
}

bool bmpHasAllRows(QIODevice &device)
{
    const QByteArray header = device.read(34);
    if (header.size() < 26)
        return false;
    const auto u16 = [&](int at) { return qint64(qFromLittleEndian<quint16>(header.data() + at)); };
    const auto u32 = [&](int at) { return qint64(qFromLittleEndian<quint32>(header.data() + at)); };
    const auto s32 = [&](int at) { return qint64(qFromLittleEndian<qint32>(header.data() + at)); };

    const qint64 dataOffset = u32(10);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitsPerPixel = 0;
    if (u32(14) == 12) { // OS/2 core header
        width = u16(18);
        height = u16(20);
        bitsPerPixel = u16(24);
    } else {
        constexpr qint64 Uncompressed = 0;
        constexpr qint64 BitFields = 3;
        constexpr qint64 AlphaBitFields = 6;
        if (header.size() < 34)
            return false;
        const qint64 compression = u32(30);
        if (compression != Uncompressed && compression != BitFields &&
            compression != AlphaBitFields)
            return true;
        width = s32(18);
        height = std::llabs(s32(22)); // negative: rows stored from the top
        bitsPerPixel = u16(28);
    }
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return dataOffset + rowBytes * height <= device.size();
}

bool skipDataBlocks(QIODevice &device)
{
    char size = 0;
    while (device.getChar(&size)) {
        if (size == 0)
            return true;
        if (device.skip(quint8(size)) != quint8(size))
            return false;
    }
    return false;
}

bool skipColourTable(QIODevice &device, quint8 flags)
{
    const qint64 bytes = (flags & 0x80) ? 3 * (qint64(2) << (flags & 7)) : 0;
    return device.skip(bytes) == bytes;
}

bool gifHasFirstFrame(QIODevice &device)
{
    constexpr char Extension = 0x21;
    constexpr char ImageDescriptor = 0x2c;

    const QByteArray screen = device.read(13);
    if (screen.size() < 13 || !skipColourTable(device, quint8(screen.at(10))))
        return false;
    char introducer = 0;
    while (device.getChar(&introducer)) {
        if (introducer == Extension) {
            if (device.skip(1) != 1 || !skipDataBlocks(device))
                return false;
        } else if (introducer == ImageDescriptor) {
            const QByteArray descriptor = device.read(9);
            // After the colour table comes one byte of LZW code size, then the data blocks.
            return descriptor.size() == 9 && skipColourTable(device, quint8(descriptor.at(8))) &&
                   device.skip(1) == 1 && skipDataBlocks(device);
        } else {
            return false;
        }
    }
    return false;
}

} // namespace

bool isComplete(QIODevice &device, const QByteArray &format)
{
    if (!device.seek(0))
        return false;
    if (format == "jpeg")
        return jpegHasEnd(device);
    if (format == "bmp")
        return bmpHasAllRows(device);
    if (format == "gif")
        return gifHasFirstFrame(device);
    return true;
}

} // namespace Pictures
