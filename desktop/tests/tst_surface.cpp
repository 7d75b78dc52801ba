#include "core/board/FloodFill.h"
#include "core/board/LineRaster.h"
#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "support/AsciiRaster.h"

#include <QTest>

namespace {

// The smallest rectangle holding every `symbol` of an ASCII raster; empty when there is none.
QRect boundsOf(const QStringList &rows, QChar symbol)
{
    QRect bounds;
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows.at(y).size(); ++x)
            if (rows.at(y).at(x) == symbol)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class SurfaceTest : public QObject
{
    Q_OBJECT

private slots:
    void floodFillPaintsTheReachableRegionOnly_data();
    void floodFillPaintsTheReachableRegionOnly();
    void wholeEmptyBoardIsOneRegion();
    void diagonalWallsHoldAgainstTheFill_data();
    void diagonalWallsHoldAgainstTheFill();
    void lineCoversItsPixels_data();
    void lineCoversItsPixels();
    void filledBoxIsClippedToTheSurface();
    void pointGivesTheColourValueOrMinusOne_data();
    void pointGivesTheColourValueOrMinusOne();
    void pictureReplacesEverythingDrawnBefore();
    void transparentPicturePixelsShowTheBackground();
    void transparentBrushPaintsNothing();
    void paletteHoldsTheSixteenBasicColours();
};

void SurfaceTest::floodFillPaintsTheReachableRegionOnly_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("painted");

    QTest::newRow("closed box fills only inside")
        << QStringList{".....", ".###.", ".#.#.", ".###.", "....."} << QPoint(2, 2)
        << QStringList{".....", ".###.", ".#r#.", ".###.", "....."} << 1;
    QTest::newRow("wall with a one-pixel gap leaks")
        << QStringList{"#####", "#..##", "#...#", "#####"} << QPoint(1, 1)
        << QStringList{"#####", "#rr##", "#rrr#", "#####"} << 5;
    QTest::newRow("gap between two rooms lets the fill through")
        << QStringList{"..#..", "..#..", ".....", "..#.."} << QPoint(0, 0)
        << QStringList{"rr#rr", "rr#rr", "rrrrr", "rr#rr"} << 17;
    QTest::newRow("seed on black paints nothing")
        << QStringList{"...", ".#.", "..."} << QPoint(1, 1) << QStringList{"...", ".#.", "..."}
        << 0;
    QTest::newRow("seed outside paints nothing")
        << QStringList{"...", "..."} << QPoint(3, 0) << QStringList{"...", "..."} << 0;
    QTest::newRow("other colours are painted over")
        << QStringList{"gg#..", "bg#..", "yy#.."} << QPoint(0, 0)
        << QStringList{"rr#..", "rr#..", "rr#.."} << 6;
    QTest::newRow("a stripe already in the fill colour does not stop the fill")
        << QStringList{"..r..", "..r..", "..r..", "#####", "....."} << QPoint(0, 0)
        << QStringList{"rrrrr", "rrrrr", "rrrrr", "#####", "....."} << 15;
    QTest::newRow("region already in the fill colour is repainted")
        << QStringList{"rr#", "rr#", "###"} << QPoint(1, 1) << QStringList{"rr#", "rr#", "###"}
        << 4;
    QTest::newRow("corridor winding back and forth")
        << QStringList{".#...", ".#.#.", ".#.#.", "...#.", "####."} << QPoint(0, 0)
        << QStringList{"r#rrr", "r#r#r", "r#r#r", "rrr#r", "####r"} << 15;
    QTest::newRow("diagonal neighbours are not connected")
        << QStringList{".#", "#."} << QPoint(0, 0) << QStringList{"r#", "#."} << 1;
}

void SurfaceTest::floodFillPaintsTheReachableRegionOnly()
{
    QFETCH(QStringList, before);
    QFETCH(QPoint, seed);
    QFETCH(QStringList, after);
    QFETCH(int, painted);

    QImage image = AsciiRaster::toImage(before);
    const FillResult result = floodFill(image, seed, 0xffff0000);
    QCOMPARE(result.painted, painted);
    QCOMPARE(AsciiRaster::toRows(image), after);
    // The screen repaints this rectangle alone. In every row the painted region is exactly the
    // red of `after`, so the rectangle must be the bounds of that red: no pixel outside.
    QCOMPARE(result.bounds, boundsOf(after, QLatin1Char('r')));
}

void SurfaceTest::wholeEmptyBoardIsOneRegion()
{
    Surface board(640, 480);
    board.setFillStyle(Surface::FillStyle::Solid);
    board.setFillColor(Palette::color(9));
    const FillResult result = board.floodFill(320, 240);
    QCOMPARE(result.painted, 640 * 480);
    QCOMPARE(result.bounds, QRect(0, 0, 640, 480));
    QCOMPARE(board.Point(0, 0), Palette::colorValue(Palette::color(9)));
    QCOMPARE(board.Point(639, 479), Palette::colorValue(Palette::color(9)));
}

void SurfaceTest::diagonalWallsHoldAgainstTheFill_data()
{
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("width");
    QTest::newRow("slope 1, thin") << QPoint(39, 39) << 1;
    QTest::newRow("slope 2, thin") << QPoint(19, 39) << 1;
    QTest::newRow("slope 1/2, thin") << QPoint(39, 19) << 1;
    QTest::newRow("slope 1, thick") << QPoint(39, 39) << 2;
    QTest::newRow("slope 3/7, thick") << QPoint(39, 17) << 2;
}

// A line from the top-left corner to the far edge must split the square in two.
void SurfaceTest::diagonalWallsHoldAgainstTheFill()
{
    QFETCH(QPoint, end);
    QFETCH(int, width);
    Surface surface(40, 40);
    surface.setDrawWidth(width);
    surface.line(0, 0, end.x(), end.y(), Palette::Black);
    if (end.x() < 39)
        surface.line(end.x(), end.y(), end.x(), 39, Palette::Black);
    else if (end.y() < 39)
        surface.line(end.x(), end.y(), 39, end.y(), Palette::Black);
    surface.setFillStyle(Surface::FillStyle::Solid);
    surface.setFillColor(Palette::color(12));
    surface.floodFill(39, 0);
    QCOMPARE(surface.Point(0, 39), Palette::colorValue(Palette::White));
}

void SurfaceTest::lineCoversItsPixels_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("horizontal, end points included")
        << QPoint(1, 1) << QPoint(4, 1) << 1 << QStringList{"......", ".####.", "......"};
    QTest::newRow("vertical, drawn backwards")
        << QPoint(2, 3) << QPoint(2, 0) << 1 << QStringList{"..#.", "..#.", "..#.", "..#."};
    QTest::newRow("single point") << QPoint(1, 1) << QPoint(1, 1) << 1
                                  << QStringList{"...", ".#.", "..."};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3) << 1
                              << QStringList{"#...", ".#..", "..#.", "...#"};
    QTest::newRow("slope 2/5") << QPoint(0, 0) << QPoint(5, 2) << 1
                               << QStringList{"##....", "..##..", "....##"};
    QTest::newRow("thick horizontal grows downwards")
        << QPoint(0, 1) << QPoint(3, 1) << 2 << QStringList{"....", "####", "####", "...."};
    QTest::newRow("thick vertical grows to the right")
        << QPoint(1, 0) << QPoint(1, 2) << 2 << QStringList{".##.", ".##.", ".##."};
    QTest::newRow("thick diagonal is 4-connected")
        << QPoint(0, 0) << QPoint(2, 2) << 2 << QStringList{"#...", "##..", ".##.", "..#."};
    QTest::newRow("end points outside are clipped")
        << QPoint(-3, 1) << QPoint(9, 1) << 1 << QStringList{"....", "####", "...."};
    QTest::newRow("steep line starting outside")
        << QPoint(-1, -5) << QPoint(2, 4) << 1
        << QStringList{".#.", ".#.", ".#.", "..#", "..#", "..."};
    QTest::newRow("thick line at the last row loses its extra row")
        << QPoint(0, 2) << QPoint(2, 2) << 2 << QStringList{"...", "...", "###"};
}

void SurfaceTest::lineCoversItsPixels()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, width);
    QFETCH(QStringList, expected);

    QImage image(static_cast<int>(expected.first().size()), static_cast<int>(expected.size()),
                 QImage::Format_RGB32);
    image.fill(Palette::White);
    LineRaster::line(image, from.x(), from.y(), to.x(), to.y(), Palette::Black, width);
    QCOMPARE(AsciiRaster::toRows(image), expected);
}

void SurfaceTest::filledBoxIsClippedToTheSurface()
{
    Surface strip(6, 3);
    strip.filledBox(4, -2, 9, 1, 0xff0000ff);
    QCOMPARE(AsciiRaster::toRows(strip.image()), (QStringList{"....bb", "....bb", "......"}));
    // Boxes wholly beside the surface draw nothing (and write nothing out of bounds).
    strip.filledBox(8, 0, 10, 2, 0xffff0000);
    strip.filledBox(-5, 0, -1, 2, 0xffff0000);
    strip.filledBox(0, 4, 5, 6, 0xffff0000);
    strip.filledBox(0, -3, 5, -1, 0xffff0000);
    QCOMPARE(AsciiRaster::toRows(strip.image()), (QStringList{"....bb", "....bb", "......"}));
}

void SurfaceTest::pointGivesTheColourValueOrMinusOne_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<qint32>("value");
    QTest::newRow("red has the low byte") << QPoint(0, 0) << qint32(0x0000ff);
    QTest::newRow("blue has the high byte") << QPoint(1, 0) << qint32(0xff0000);
    QTest::newRow("white") << QPoint(2, 0) << qint32(0xffffff);
    QTest::newRow("black") << QPoint(0, 1) << qint32(0);
    QTest::newRow("left of the surface") << QPoint(-1, 0) << qint32(-1);
    QTest::newRow("right of the surface") << QPoint(3, 0) << qint32(-1);
    QTest::newRow("below the surface") << QPoint(0, 2) << qint32(-1);
}

void SurfaceTest::pointGivesTheColourValueOrMinusOne()
{
    QFETCH(QPoint, at);
    QFETCH(qint32, value);
    Surface surface(3, 2);
    surface.setPicture(AsciiRaster::toImage({"rb.", "#.."}));
    QCOMPARE(surface.Point(at.x(), at.y()), value);
}

void SurfaceTest::pictureReplacesEverythingDrawnBefore()
{
    Surface board(4, 3);
    board.line(0, 0, 3, 2, Palette::Black);
    board.setPicture(AsciiRaster::toImage({"#.", "r."}));
    QCOMPARE(AsciiRaster::toRows(board.image()), (QStringList{"#...", "r...", "...."}));
    board.clearPicture();
    QCOMPARE(AsciiRaster::toRows(board.image()), (QStringList{"....", "....", "...."}));
    QVERIFY(board.picture().isNull());
}

// Converted straight to RGB32, transparent pixels would turn black and become walls.
void SurfaceTest::transparentPicturePixelsShowTheBackground()
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 255));
    Surface board(2, 1);
    board.setPicture(picture);
    QCOMPARE(AsciiRaster::toRows(board.image()), QStringList{".#"});
}

void SurfaceTest::transparentBrushPaintsNothing()
{
    Surface board(3, 3);
    board.setFillColor(Palette::color(12));
    board.setFillStyle(Surface::FillStyle::Transparent);
    QCOMPARE(board.floodFill(1, 1).painted, 0);
    QCOMPARE(board.Point(1, 1), Palette::colorValue(Palette::White));
}

void SurfaceTest::paletteHoldsTheSixteenBasicColours()
{
    const QList<QRgb> expected = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    for (int index = 0; index < Palette::Count; ++index)
        QCOMPARE(Palette::color(index), expected.at(index));
    QCOMPARE(Palette::colorValue(Palette::color(12)), qint32(0x0000ff));
    QCOMPARE(Palette::colorValue(Palette::color(9)), qint32(0xff0000));
}

QTEST_APPLESS_MAIN(SurfaceTest)
#include "tst_surface.moc"
