#include "support/MetafileBuilder.h"

#include <QtEndian>

#include <algorithm>

namespace {

enum Function : quint16 {
    SetMapMode = 0x0103,
    SetWindowOrg = 0x020b,
    SetWindowExt = 0x020c,
    SetViewportExt = 0x020e,
    SelectObject = 0x012d,
    CreatePenIndirect = 0x02fa,
    CreateBrushIndirect = 0x02fc,
    Rectangle = 0x041b,
    Polyline = 0x0325,
    EndOfFile = 0x0000,
};

template <typename T> void append(QByteArray &bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

} // namespace

MetafileBuilder &MetafileBuilder::placeable(QRect bounds, quint16 unitsPerInch)
{
    QByteArray header;
    append<quint32>(header, 0x9ac6cdd7u);
    append<quint16>(header, 0);
    append<qint16>(header, qint16(bounds.left()));
    append<qint16>(header, qint16(bounds.top()));
    append<qint16>(header, qint16(bounds.left() + bounds.width()));
    append<qint16>(header, qint16(bounds.top() + bounds.height()));
    append<quint16>(header, unitsPerInch);
    append<quint32>(header, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(header.constData() + 2 * i);
    append<quint16>(header, checksum);
    m_placeable = header;
    return *this;
}

MetafileBuilder &MetafileBuilder::record(quint16 function, std::initializer_list<qint16> parameters)
{
    QByteArray payload;
    for (const qint16 parameter : parameters)
        append<qint16>(payload, parameter);
    return rawRecord(quint32(3 + parameters.size()), function, payload);
}

MetafileBuilder &MetafileBuilder::rawRecord(quint32 sizeInWords, quint16 function,
                                            const QByteArray &payload)
{
    append<quint32>(m_records, sizeInWords);
    append<quint16>(m_records, function);
    m_records.append(payload);
    m_maxRecordWords = std::max(m_maxRecordWords, quint32(3 + payload.size() / 2));
    return *this;
}

MetafileBuilder &MetafileBuilder::mapMode(quint16 mode)
{
    return record(SetMapMode, {qint16(mode)});
}

MetafileBuilder &MetafileBuilder::windowOrigin(QPoint origin)
{
    return record(SetWindowOrg, {qint16(origin.y()), qint16(origin.x())});
}

MetafileBuilder &MetafileBuilder::windowExtent(int width, int height)
{
    return record(SetWindowExt, {qint16(height), qint16(width)});
}

MetafileBuilder &MetafileBuilder::viewportExtent(int width, int height)
{
    return record(SetViewportExt, {qint16(height), qint16(width)});
}

MetafileBuilder &MetafileBuilder::blackPen(int width)
{
    // Solid style, the width in logical units, colour 0x000000.
    record(CreatePenIndirect, {0, qint16(width), 0, 0, 0});
    return record(SelectObject, {qint16(m_objects++)});
}

MetafileBuilder &MetafileBuilder::hollowBrush()
{
    record(CreateBrushIndirect, {1, 0, 0, 0});
    return record(SelectObject, {qint16(m_objects++)});
}

MetafileBuilder &MetafileBuilder::blackBrush()
{
    return solidBrush(qRgb(0, 0, 0));
}

MetafileBuilder &MetafileBuilder::solidBrush(QRgb colour)
{
    // A colour reference holds red in its low byte: 0x00bbggrr, written as two words.
    const auto lowWord = qint16(quint16(qRed(colour) | qGreen(colour) << 8));
    record(CreateBrushIndirect, {0, lowWord, qint16(qBlue(colour)), 0});
    return record(SelectObject, {qint16(m_objects++)});
}

MetafileBuilder &MetafileBuilder::rectangle(QPoint topLeft, QPoint bottomRight)
{
    return record(Rectangle, {qint16(bottomRight.y()), qint16(bottomRight.x()), qint16(topLeft.y()),
                              qint16(topLeft.x())});
}

MetafileBuilder &MetafileBuilder::polyline(const QList<QPoint> &points)
{
    QByteArray payload;
    append<qint16>(payload, qint16(points.size()));
    for (const QPoint &point : points) {
        append<qint16>(payload, qint16(point.x()));
        append<qint16>(payload, qint16(point.y()));
    }
    return rawRecord(quint32(3 + payload.size() / 2), Polyline, payload);
}

QByteArray MetafileBuilder::bytes() const
{
    QByteArray body = m_records;
    append<quint32>(body, 3);
    append<quint16>(body, EndOfFile);

    constexpr int StandardHeaderBytes = 18;
    QByteArray header;
    append<quint16>(header, 1);
    append<quint16>(header, 9);
    append<quint16>(header, 0x0300);
    append<quint32>(header, quint32((StandardHeaderBytes + body.size()) / 2));
    append<quint16>(header, m_objects);
    append<quint32>(header, m_maxRecordWords);
    append<quint16>(header, 0);
    return m_placeable + header + body;
}
