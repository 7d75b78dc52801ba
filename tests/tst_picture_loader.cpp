#include "board/pictures/decode/PictureLoader.h"

#include "support/MetafileBuilder.h"
#include "support/PictureBytes.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using Pictures::loadPicture;

namespace {

// A picture the size of `size` in metafile units, framed like PictureBytes::framedDrawing().
QByteArray framedMetafile(QSize size, quint16 unitsPerInch, int unitsPerPixel)
{
    const int inset = 10 * unitsPerPixel;
    const int right = (size.width() - 11) * unitsPerPixel;
    const int bottom = (size.height() - 11) * unitsPerPixel;
    return MetafileBuilder()
        .placeable(QRect(QPoint(0, 0), size * unitsPerPixel), unitsPerInch)
        .blackPen()
        .hollowBrush()
        .rectangle({inset, inset}, {right, bottom})
        .bytes();
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 64;
}

} // namespace

class PictureLoaderTest : public QObject
{
    Q_OBJECT

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;

private slots:
    void picturesLoadAtTheirOwnSize_data();
    void picturesLoadAtTheirOwnSize();
    void nonPlaceableMetafileTakesItsOwnExtents();
    void transparentPixelsComeOutWhite_data();
    void transparentPixelsComeOutWhite();
    void pictureAtTheSizeLimitStillLoads();
    void unreadableFilesGiveNothing_data();
    void unreadableFilesGiveNothing();
    void metafileThatKeepsTheHelperBusyGivesNothing();
};

void PictureLoaderTest::picturesLoadAtTheirOwnSize_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    // Lossy formats give near-black walls; the others must keep them exactly black, since only
    // black (0, 0, 0) stops the flood fill.
    QTest::addColumn<bool>("exactBlack");

    using namespace PictureBytes;
    const QSize small(320, 240);
    const QSize large(800, 600);
    const QList<QRgb> blackAndWhite{0xff000000, 0xffffffff};
    QTest::newRow("bmp smaller than the board")
        << "scan.bmp" << encoded(framedDrawing(small), "BMP") << small << true;
    QTest::newRow("bmp larger than the board")
        << "big.bmp" << encoded(framedDrawing(large), "BMP") << large << true;
    QTest::newRow("upper-case extension")
        << "SCAN.BMP" << encoded(framedDrawing(small), "BMP") << small << true;
    QTest::newRow("jpeg") << "photo.JPG" << encoded(framedDrawing(small), "JPG", 90) << small
                          << false;
    QTest::newRow("progressive jpeg")
        << "layers.jpg" << progressiveJpeg(framedDrawing(small)) << small << false;
    QTest::newRow("one-bit bmp")
        << "mono.bmp" << encoded(framedDrawing(small).convertToFormat(QImage::Format_Mono), "BMP")
        << small << true;
    QTest::newRow("png") << "map.png" << encoded(framedDrawing(large), "PNG") << large << true;
    QTest::newRow("gif") << "clip.gif" << gif(framedDrawing({48, 36}), blackAndWhite)
                         << QSize(48, 36) << true;
    QTest::newRow("png named .jpg: content decides")
        << "misnamed.jpg" << encoded(framedDrawing(small), "PNG") << small << true;
    QTest::newRow("bmp without extension")
        << "drawing" << encoded(framedDrawing(small), "BMP") << small << true;
    QTest::newRow("png named .wmf")
        << "odd.wmf" << encoded(framedDrawing(small), "PNG") << small << true;
    QTest::newRow("metafile, 96 units per inch")
        << "lines.wmf" << framedMetafile(small, 96, 1) << small << true;
    QTest::newRow("metafile, 1440 units per inch")
        << "twips.WMF" << framedMetafile(large, 1440, 15) << large << true;
    QTest::newRow("metafile named .png: its header decides")
        << "lines.png" << framedMetafile(small, 96, 1) << small << true;
    QTest::newRow("metafile whose window origin matches its box")
        << "origin.wmf"
        << MetafileBuilder()
               .placeable(QRect(2000, 1000, 320, 240), 96)
               .windowOrigin({2000, 1000})
               .blackPen()
               .hollowBrush()
               .rectangle({2010, 1010}, {2309, 1229})
               .bytes()
        << small << true;
}

void PictureLoaderTest::picturesLoadAtTheirOwnSize()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(bool, exactBlack);

    const std::optional<QImage> picture = loadPicture(write(fileName, bytes));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), size);
    QCOMPARE(picture->format(), QImage::Format_RGB32);

    const int middleY = size.height() / 2;
    const QRgb wall = picture->pixel(10, middleY);
    if (exactBlack)
        QCOMPARE(qRgb(qRed(wall), qGreen(wall), qBlue(wall)), qRgb(0, 0, 0));
    else
        QVERIFY(isDark(wall));
    QVERIFY(isDark(picture->pixel(size.width() - 11, middleY)));
    QVERIFY(isDark(picture->pixel(size.width() / 2, size.height() - 11)));
    QVERIFY(!isDark(picture->pixel(size.width() / 2, middleY)));
    QVERIFY(!isDark(picture->pixel(4, 4)));
    QVERIFY(!isDark(picture->pixel(size.width() - 4, size.height() - 4)));
}

void PictureLoaderTest::nonPlaceableMetafileTakesItsOwnExtents()
{
    // Without a placeable header the size comes from the drawing itself: it must be found,
    // drawn onto white, and the drawing must reach its edges.
    QByteArray placeable = framedMetafile({200, 100}, 96, 1);
    const QByteArray plain = placeable.mid(22);
    const std::optional<QImage> picture = loadPicture(write("plain.dat", plain));
    QVERIFY(picture.has_value());
    QVERIFY(picture->width() > picture->height());
    QVERIFY(isDark(picture->pixel(picture->width() / 2, 0)) ||
            isDark(picture->pixel(picture->width() / 2, 1)));
    QVERIFY(!isDark(picture->pixel(picture->width() / 2, picture->height() / 2)));
}

void PictureLoaderTest::transparentPixelsComeOutWhite_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QRgb>("expected");

    using namespace PictureBytes;
    const auto pngOf = [](QRgb argb) {
        QImage image(4, 3, QImage::Format_ARGB32);
        image.fill(argb);
        return encoded(image, "PNG");
    };
    QTest::newRow("clear black in png")
        << "clear.png" << pngOf(qRgba(0, 0, 0, 0)) << qRgb(255, 255, 255);
    QTest::newRow("half-clear red in png")
        << "half.png" << pngOf(qRgba(255, 0, 0, 128)) << qRgb(255, 127, 127);
    QTest::newRow("opaque black in png stays a wall")
        << "opaque.png" << pngOf(qRgba(0, 0, 0, 255)) << qRgb(0, 0, 0);

    QImage blackGif(4, 3, QImage::Format_RGB32);
    blackGif.fill(Qt::black);
    QTest::newRow("transparent colour of a gif")
        << "clear.gif" << gif(blackGif, {0xff000000, 0xffffffff}, 0) << qRgb(255, 255, 255);
}

void PictureLoaderTest::transparentPixelsComeOutWhite()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QRgb, expected);

    const std::optional<QImage> picture = loadPicture(write(fileName, bytes));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->format(), QImage::Format_RGB32);
    const QRgb pixel = picture->pixel(2, 1);
    QVERIFY2(qAbs(qRed(pixel) - qRed(expected)) <= 1 &&
                 qAbs(qGreen(pixel) - qGreen(expected)) <= 1 &&
                 qAbs(qBlue(pixel) - qBlue(expected)) <= 1,
             qPrintable(QString::number(pixel, 16)));
}

void PictureLoaderTest::pictureAtTheSizeLimitStillLoads()
{
    // 8000 x 8000 is exactly the limit; one bit a pixel keeps the file and the test small.
    QImage limit(8000, 8000, QImage::Format_Mono);
    limit.fill(1);
    const std::optional<QImage> picture =
        loadPicture(write("limit.png", PictureBytes::encoded(limit, "PNG")));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), QSize(8000, 8000));
}

void PictureLoaderTest::unreadableFilesGiveNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");

    using namespace PictureBytes;
    const QImage drawing = framedDrawing({320, 240});
    const QByteArray jpeg = encoded(drawing, "JPG", 90);
    const QByteArray png = encoded(drawing, "PNG");
    const QByteArray bmp = encoded(drawing, "BMP");
    const QList<QRgb> blackAndWhite{0xff000000, 0xffffffff};
    const QByteArray smallGif = gif(framedDrawing({48, 36}), blackAndWhite);
    const QSize huge(60000, 60000);
    const QSize justOver(8001, 8000);

    QByteArray garbage(4096, '\0');
    QRandomGenerator random(7);
    for (char &byte : garbage)
        byte = char(random.bounded(256));

    // Rows without bytes are made by the test itself: see unreadableFilesGiveNothing().
    QTest::newRow("zero-byte file") << "empty.bmp" << QByteArray();
    QTest::newRow("directory") << "folder.bmp" << QByteArray();
    QTest::newRow("vanished file") << "gone.jpg" << QByteArray();
    QTest::newRow("truncated jpeg") << "half.jpg" << jpeg.left(jpeg.size() / 2);
    QTest::newRow("jpeg missing its last data") << "cut.jpg" << jpeg.left(jpeg.size() - 100);
    QTest::newRow("truncated png") << "half.png" << png.left(png.size() / 2);
    QTest::newRow("truncated bmp") << "half.bmp" << bmp.left(bmp.size() / 2);
    QTest::newRow("truncated gif") << "half.gif" << smallGif.left(smallGif.size() / 2);
    QTest::newRow("png claiming 60000 x 60000") << "huge.png" << pngClaiming(png, huge);
    QTest::newRow("png claiming just over the limit") << "over.png" << pngClaiming(png, justOver);
    QTest::newRow("gif claiming 60000 x 60000")
        << "huge.gif" << gif(framedDrawing({48, 36}), blackAndWhite, -1, huge);
    QTest::newRow("bmp claiming 60000 x 60000") << "huge.bmp" << bmpClaiming(bmp, huge);
    QTest::newRow("random bytes") << "noise.bmp" << garbage;
    QTest::newRow("random bytes named .wmf") << "noise.wmf" << garbage;
    QTest::newRow("text") << "notes.png" << QByteArray("not a picture\n");
    QTest::newRow("svg, a format the board does not take")
        << "vector.png"
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
                      "<rect width='20' height='20'/></svg>");

    const auto metafile = [] {
        return MetafileBuilder().placeable(QRect(0, 0, 100, 100), 96).blackPen();
    };
    QTest::newRow("metafile record of zero words")
        << "zero.wmf" << metafile().rawRecord(0, 0x041b, QByteArray(8, '\x05')).bytes();
    QTest::newRow("metafile record of four billion words")
        << "vast.wmf" << metafile().rawRecord(0xffffffffu, 0x041b, QByteArray(8, '\x05')).bytes();
    QTest::newRow("metafile polyline claiming 32767 points")
        << "points.wmf"
        << metafile().rawRecord(6, 0x0325, QByteArray("\xff\x7f\0\0\0\0\x32\0", 8)).bytes();
    QTest::newRow("metafile box of 32767 inches")
        << "wide.wmf" << MetafileBuilder().placeable(QRect(0, 0, 32767, 32767), 1).bytes();
    QTest::newRow("metafile with zero units per inch")
        << "units.wmf" << MetafileBuilder().placeable(QRect(0, 0, 100, 100), 0).bytes();
    QTest::newRow("metafile header alone")
        << "stub.wmf" << MetafileBuilder().placeable(QRect(0, 0, 100, 100), 96).bytes().left(30);
}

void PictureLoaderTest::unreadableFilesGiveNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);

    QString path = m_dir.filePath(fileName);
    if (QByteArrayView(QTest::currentDataTag()) == "directory")
        QVERIFY(QDir(m_dir.path()).mkpath(fileName));
    else if (QByteArrayView(QTest::currentDataTag()) != "vanished file")
        path = write(fileName, bytes);
    QVERIFY(!loadPicture(path).has_value());
}

void PictureLoaderTest::metafileThatKeepsTheHelperBusyGivesNothing()
{
    // Thousands of filled rectangles over the largest allowed picture: seconds of work for the
    // helper each time, so only its CPU limit or timeout can end it.
    MetafileBuilder builder;
    builder.placeable(QRect(0, 0, 8000, 8000), 96).blackPen().blackBrush();
    for (int i = 0; i < 4000; ++i)
        builder.rectangle({0, 0}, {7999, 7999});
    QVERIFY(!loadPicture(write("busy.wmf", builder.bytes())).has_value());
}

QTEST_GUILESS_MAIN(PictureLoaderTest)
#include "tst_picture_loader.moc"
