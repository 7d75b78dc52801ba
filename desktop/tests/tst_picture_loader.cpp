#include "desktop/pictures/HelperRaster.h"
#include "desktop/pictures/MetafileHelper.h"
#include "desktop/pictures/PictureLoader.h"

#include "support/MetafileBuilder.h"
#include "support/PictureBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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

// The brush of the rectangles whose place is checked: no colour a pen or the paper has.
constexpr QRgb Fill = 0xff20a050;

// A rectangle outlined with a 3-unit black pen and filled with Fill, from `topLeft` to
// `bottomRight` in the records' own units, after whatever `records` set up.
QByteArray filledRectangle(MetafileBuilder &records, QPoint topLeft, QPoint bottomRight)
{
    return records.blackPen(3).solidBrush(Fill).rectangle(topLeft, bottomRight).bytes();
}

QString at(QPoint point)
{
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
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
    void metafileWindowIsMappedOntoItsBox_data();
    void metafileWindowIsMappedOntoItsBox();
    void nonPlaceableMetafileTakesItsOwnExtents();
    void transparentPixelsComeOutWhite_data();
    void transparentPixelsComeOutWhite();
    void pictureAtTheSizeLimitStillLoads();
    void unreadableFilesGiveNothing_data();
    void unreadableFilesGiveNothing();
    void metafileThatKeepsTheHelperBusyGivesNothing();
    void extremeMetafileWindowsEndTheHelperCleanly_data();
    void extremeMetafileWindowsEndTheHelperCleanly();
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

void PictureLoaderTest::metafileWindowIsMappedOntoItsBox_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    // Where the rectangle's corners come out, in pixels of the picture.
    QTest::addColumn<QRect>("drawn");

    const QRect board(0, 0, 640, 480);
    const QRect twipsBoard(0, 0, 9600, 7200);
    const QRect usual(QPoint(20, 20), QPoint(300, 200));
    const auto file = [] { return MetafileBuilder(); };
    QTest::newRow("anisotropic window the size of the box")
        << filledRectangle(
               file().placeable(board, 96).mapMode(8).windowOrigin({0, 0}).windowExtent(640, 480),
               {20, 20}, {300, 200})
        << board.size() << usual;
    QTest::newRow("window twice the box")
        << filledRectangle(
               file().placeable(QRect(0, 0, 320, 240), 96).mapMode(8).windowExtent(640, 480),
               {40, 40}, {600, 400})
        << QSize(320, 240) << usual;
    QTest::newRow("window origin away from the box")
        << filledRectangle(file()
                               .placeable(board, 96)
                               .mapMode(8)
                               .windowOrigin({1000, -500})
                               .windowExtent(640, 480),
                           {1020, -480}, {1300, -300})
        << board.size() << usual;
    QTest::newRow("window records without a mapping mode")
        << filledRectangle(file().placeable(board, 96).windowExtent(1280, 960), {40, 40},
                           {600, 400})
        << board.size() << usual;
    QTest::newRow("isotropic window of the box's shape")
        << filledRectangle(file().placeable(board, 96).mapMode(7).windowExtent(6400, 4800),
                           {200, 200}, {3000, 2000})
        << board.size() << usual;
    QTest::newRow("viewport records are the picture's business")
        << filledRectangle(
               file().placeable(board, 96).mapMode(8).windowExtent(640, 480).viewportExtent(100,
                                                                                            100),
               {20, 20}, {300, 200})
        << board.size() << usual;
    QTest::newRow("negative window extents turn the drawing over")
        << filledRectangle(file()
                               .placeable(board, 96)
                               .mapMode(8)
                               .windowOrigin({640, 480})
                               .windowExtent(-640, -480),
                           {20, 20}, {300, 200})
        << board.size() << QRect(QPoint(340, 280), QPoint(620, 460));
    QTest::newRow("twips header, window in pixels")
        << filledRectangle(file().placeable(twipsBoard, 1440).mapMode(8).windowExtent(640, 480),
                           {20, 20}, {300, 200})
        << board.size() << usual;
    QTest::newRow("twips header and twips mapping mode, no window records")
        << filledRectangle(file().placeable(twipsBoard, 1440).mapMode(6), {300, 300}, {4500, 3000})
        << board.size() << usual;
}

// The header's box and units give the picture's size; the window the records set is mapped onto
// that box, as the drawing program meant, and the rectangle is drawn, outline and fill, in place.
void PictureLoaderTest::metafileWindowIsMappedOntoItsBox()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QRect, drawn);

    const std::optional<QImage> picture = loadPicture(write("window.wmf", bytes));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), size);

    const QPoint centre = drawn.center();
    for (const QPoint outline :
         {QPoint(drawn.left(), centre.y()), QPoint(drawn.right(), centre.y()),
          QPoint(centre.x(), drawn.top()), QPoint(centre.x(), drawn.bottom())})
        QVERIFY2(isDark(picture->pixel(outline)), qPrintable("outline at " + at(outline)));
    for (const QPoint inside :
         {centre, drawn.topLeft() + QPoint(5, 5), drawn.bottomRight() - QPoint(5, 5),
          QPoint(drawn.left() + 5, drawn.bottom() - 5), QPoint(drawn.right() - 5, drawn.top() + 5)})
        QVERIFY2(picture->pixel(inside) == Fill, qPrintable("fill at " + at(inside)));
    const QPoint corner(size.width() - 1, size.height() - 1);
    for (const QPoint outside :
         {drawn.topLeft() - QPoint(5, 5), drawn.bottomRight() + QPoint(5, 5), QPoint(0, 0), corner})
        QVERIFY2(picture->pixel(outside) == qRgb(255, 255, 255),
                 qPrintable("paper at " + at(outside)));
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

void PictureLoaderTest::extremeMetafileWindowsEndTheHelperCleanly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Whether the helper draws a picture of the header's size, or refuses the file.
    QTest::addColumn<bool>("drawn");

    const auto file = [] { return MetafileBuilder().placeable(QRect(0, 0, 640, 480), 96); };
    const auto rectangle = [](MetafileBuilder &records) {
        return filledRectangle(records, {20, 20}, {300, 200});
    };
    QTest::newRow("zero extent") << rectangle(file().mapMode(8).windowExtent(0, 0)) << false;
    QTest::newRow("zero height") << rectangle(file().mapMode(8).windowExtent(640, 0)) << false;
    QTest::newRow("one unit, magnifying the drawing hundreds of times")
        << rectangle(file().mapMode(8).windowExtent(1, 1)) << false;
    QTest::newRow("minus one unit") << rectangle(file().mapMode(8).windowExtent(-1, -1)) << false;
    QTest::newRow("largest extent, shrinking the drawing to a dot")
        << rectangle(file().mapMode(8).windowExtent(32767, 32767)) << true;
    QTest::newRow("most negative extent, widest pen")
        << file()
               .mapMode(8)
               .windowExtent(-32768, -32768)
               .blackPen(32767)
               .solidBrush(Fill)
               .rectangle({-32768, -32768}, {32767, 32767})
               .bytes()
        << true;
    QTest::newRow("one-unit pen magnified hundreds of times")
        << file()
               .mapMode(8)
               .windowExtent(1, 1)
               .blackPen(1)
               .hollowBrush()
               .polyline({{0, 0}, {1, 1}, {0, 1}})
               .bytes()
        << true;
}

// A window of no size, or one that magnifies or shrinks the drawing hundreds of times: the helper
// draws the picture or refuses the file quickly, and ends on its own, never by a crash or by the
// loader's limits. It runs here without them, so that a crash or a long run shows.
void PictureLoaderTest::extremeMetafileWindowsEndTheHelperCleanly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, drawn);

    const QString helper = Pictures::metafileHelperPath();
    QVERIFY(!helper.isEmpty());
    QProcess process;
    process.start(helper, {write("extreme.wmf", bytes)});
    QVERIFY(process.waitForFinished(int(Pictures::MetafileHelperTimeout.count())));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), drawn ? 0 : 1);
    if (drawn) {
        const std::optional<QImage> picture =
            Pictures::decodeHelperRaster(process.readAllStandardOutput());
        QVERIFY(picture.has_value());
        QCOMPARE(picture->size(), QSize(640, 480));
    }
}

QTEST_GUILESS_MAIN(PictureLoaderTest)
#include "tst_picture_loader.moc"
