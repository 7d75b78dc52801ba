#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <initializer_list>

// Builds Windows metafiles record by record for tests: an optional placeable header, the standard
// header (its size fields computed), the records added and the closing EOF record.
class MetafileBuilder
{
public:
    MetafileBuilder &placeable(QRect bounds, quint16 unitsPerInch);
    // A record whose size field is right for its parameters.
    MetafileBuilder &record(quint16 function, std::initializer_list<qint16> parameters);
    // A record with any size field at all, for damaged files.
    MetafileBuilder &rawRecord(quint32 sizeInWords, quint16 function, const QByteArray &payload);

    // Mapping modes by their metafile numbers: 1 text, 6 twips, 7 isotropic, 8 anisotropic.
    MetafileBuilder &mapMode(quint16 mode);
    MetafileBuilder &windowOrigin(QPoint origin);
    // Negative extents are written as they are: they turn the drawing over.
    MetafileBuilder &windowExtent(int width, int height);
    MetafileBuilder &viewportExtent(int width, int height);
    MetafileBuilder &blackPen(int width = 1);
    MetafileBuilder &hollowBrush();
    MetafileBuilder &blackBrush();
    MetafileBuilder &solidBrush(QRgb colour);
    // Corners are inclusive logical coordinates, as in the metafile record.
    MetafileBuilder &rectangle(QPoint topLeft, QPoint bottomRight);
    MetafileBuilder &polyline(const QList<QPoint> &points);

    QByteArray bytes() const;

private:
    QByteArray m_placeable;
    QByteArray m_records;
    quint32 m_maxRecordWords = 3;
    quint16 m_objects = 0;
};
