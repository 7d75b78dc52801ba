#include "core/board/ColorStep.h"
#include "core/board/Measurement.h"
#include "core/board/Palette.h"
#include "core/board/SquareCount.h"
#include "core/board/Surface.h"
#include "support/PatternPresses.h"

#include <QTest>

namespace {

const QRgb LeftColor = Palette::color(9);
const QRgb RightColor = Palette::color(12);
const QRgb StripBack = Palette::LightGrey;

// The large 8 x 6 grid of 80-pixel squares, one-pixel lines at x, y = 80, 160, ...
Surface largeGrid()
{
    Surface board(640, 480);
    for (int x = 80; x < 640; x += 80)
        board.line(x, 0, x, 480, Palette::Black);
    for (int y = 80; y < 480; y += 80)
        board.line(0, y, 640, y, Palette::Black);
    board.setFillStyle(Surface::FillStyle::Solid);
    return board;
}

void paint(Surface &board, QPoint at, QRgb color)
{
    board.setFillColor(color);
    board.floodFill(at.x(), at.y());
}

// Columns of the strip's middle row, as characters: L left colour, R right colour, - background,
// k black, w white.
QString stripRow(const Surface &strip)
{
    QString row;
    for (int x = 0; x < strip.ScaleWidth(); ++x) {
        const QRgb rgb = strip.image().pixel(x, strip.ScaleHeight() / 2);
        row += rgb == LeftColor        ? 'L'
               : rgb == RightColor     ? 'R'
               : rgb == StripBack      ? '-'
               : rgb == Palette::Black ? 'k'
               : rgb == Palette::White ? 'w'
                                       : '?';
    }
    return row;
}

} // namespace

class MeasurementTest : public QObject
{
    Q_OBJECT

private slots:
    void colorStepSequences_data();
    void colorStepSequences();
    void countsOfKnownBoards_data();
    void countsOfKnownBoards();
    void paintedSquaresMatchTheLatticeCount();
    void barsCoverTheRoundedShares_data();
    void barsCoverTheRoundedShares();
    void graphSpansTheWholeStripHeight();
    void squaresAndRegionsOfRealBoards_data();
    void squaresAndRegionsOfRealBoards();
};

void MeasurementTest::colorStepSequences_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("other");
    QTest::addColumn<QList<int>>("steps");
    QTest::newRow("left from the default")
        << 9 << 12 << QList<int>{10, 11, 13, 14, 15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("right from the default")
        << 12 << 9 << QList<int>{13, 14, 15, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12};
    QTest::newRow("14 against 15 skips and wraps") << 14 << 15 << QList<int>{1, 2};
    QTest::newRow("15 against 1: skip before wrap") << 15 << 1 << QList<int>{1, 2};
    QTest::newRow("black as a stored start") << 0 << 1 << QList<int>{2, 3};
}

void MeasurementTest::colorStepSequences()
{
    QFETCH(int, start);
    QFETCH(int, other);
    QFETCH(QList<int>, steps);
    qint16 color = qint16(start);
    for (int expected : steps) {
        color = colorStep(color, qint16(other));
        QCOMPARE(int(color), expected);
    }
}

void MeasurementTest::countsOfKnownBoards_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("unpainted");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("nothing painted") << "empty" << 34240 << 0 << 0;
    QTest::newRow("all in the left colour") << "left" << 0 << 34240 << 0;
    QTest::newRow("same colour on both sides counts twice") << "same" << 0 << 34240 << 34240;
    QTest::newRow("a colour no swatch shows is unpainted") << "other" << 34240 << 0 << 0;
    QTest::newRow("a region narrower than the lattice is missed")
        << "narrow" << 34240 - 4 << 0 << 0;
    QTest::newRow("all black counts nothing") << "black" << 0 << 0 << 0;
    // The colour step can leave a side on black (a stored index 0): then the lines are its own.
    QTest::newRow("a side painting black counts the black samples once")
        << "black left side" << 0 << 17120 << 17120;
}

void MeasurementTest::countsOfKnownBoards()
{
    QFETCH(QString, board);
    QFETCH(int, unpainted);
    QFETCH(int, left);
    QFETCH(int, right);

    Surface surface(640, 480);
    QRgb leftSwatch = LeftColor;
    QRgb rightSwatch = RightColor;
    if (board == "left") {
        surface.filledBox(0, 0, 639, 479, LeftColor);
    } else if (board == "same") {
        surface.filledBox(0, 0, 639, 479, LeftColor);
        rightSwatch = LeftColor;
    } else if (board == "other") {
        surface.filledBox(0, 0, 639, 479, Palette::color(2));
    } else if (board == "narrow") {
        // A closed 2 x 2 room between the lattice points (0,0), (3,0), (0,3), (3,3), painted
        // left: its walls stand on four samples and its inside on none.
        surface.line(0, 0, 3, 0, Palette::Black);
        surface.line(0, 3, 3, 3, Palette::Black);
        surface.line(0, 0, 0, 3, Palette::Black);
        surface.line(3, 0, 3, 3, Palette::Black);
        surface.setFillStyle(Surface::FillStyle::Solid);
        paint(surface, {1, 1}, LeftColor);
    } else if (board == "black") {
        surface.filledBox(0, 0, 639, 479, Palette::Black);
    } else if (board == "black left side") {
        // Columns 0 to 318 of the lattice black, 321 to 639 in the right colour: 107 each.
        surface.filledBox(0, 0, 319, 479, Palette::Black);
        surface.filledBox(320, 0, 639, 479, RightColor);
        leftSwatch = Palette::Black;
    }
    const TerritoryCount count = sampleTerritory(surface.image(), leftSwatch, rightSwatch);
    QCOMPARE(count.unpainted, unpainted);
    QCOMPARE(count.left, left);
    QCOMPARE(count.right, right);
}

// 12 of the 48 large squares painted left and 24 right: the counts are those of the lattice
// points inside those squares, worked out from the geometry rather than read from pixels.
void MeasurementTest::paintedSquaresMatchTheLatticeCount()
{
    Surface board = largeGrid();
    auto sideOf = [](int column, int row) {
        const int square = row * 8 + column;
        return square < 12 ? 1 : square < 36 ? 2 : 0;
    };
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 8; ++column)
            if (const int side = sideOf(column, row))
                paint(board, {column * 80 + 40, row * 80 + 40}, side == 1 ? LeftColor : RightColor);

    TerritoryCount expected;
    for (int x = 0; x < 640; x += 3) {
        for (int y = 0; y < 480; y += 3) {
            const bool onLine = (x % 80 == 0 && x > 0) || (y % 80 == 0 && y > 0);
            if (onLine)
                continue;
            const int side = sideOf(x / 80, y / 80);
            (side == 1 ? expected.left : side == 2 ? expected.right : expected.unpainted)++;
        }
    }
    const TerritoryCount count = sampleTerritory(board.image(), LeftColor, RightColor);
    QCOMPARE(count.left, expected.left);
    QCOMPARE(count.right, expected.right);
    QCOMPARE(count.unpainted, expected.unpainted);
    // Changing a swatch after painting moves that side's area into the unpainted share.
    const TerritoryCount afterChange =
        sampleTerritory(board.image(), Palette::color(10), RightColor);
    QCOMPARE(afterChange.left, 0);
    QCOMPARE(afterChange.unpainted, expected.unpainted + expected.left);
}

void MeasurementTest::barsCoverTheRoundedShares_data()
{
    QTest::addColumn<int>("unpainted");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("leftEnd");    // first column not in the left bar
    QTest::addColumn<int>("rightStart"); // first column of the right bar
    QTest::newRow("nothing painted: no bars") << 100 << 0 << 0 << 0 << 640;
    QTest::newRow("all left fills the strip") << 0 << 50 << 0 << 640 << 640;
    QTest::newRow("all right fills the strip") << 0 << 0 << 50 << 0 << 0;
    QTest::newRow("a quarter and a half") << 1 << 1 << 2 << 160 << 320;
    QTest::newRow("equal counts give equal bars") << 1 << 3 << 3 << 274 << 366;
    QTest::newRow("half a column rounds to even") << 1277 << 1 << 2 << 0 << 639;
    QTest::newRow("nothing counted at all") << 0 << 0 << 0 << 0 << 640;
}

void MeasurementTest::barsCoverTheRoundedShares()
{
    QFETCH(int, unpainted);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, leftEnd);
    QFETCH(int, rightStart);

    Surface strip(640, 11, StripBack);
    drawTerritoryGraph(strip, {unpainted, left, right}, LeftColor, RightColor);

    QString expected;
    for (int x = 0; x < 640; ++x)
        expected += x == 320          ? 'k'
                    : x == 321        ? 'w'
                    : x >= rightStart ? 'R'
                    : x < leftEnd     ? 'L'
                                      : '-';
    QCOMPARE(stripRow(strip), expected);
}

void MeasurementTest::graphSpansTheWholeStripHeight()
{
    Surface strip(640, 11, StripBack);
    strip.filledBox(0, 0, 639, 10, Palette::Grey); // an earlier progress bar
    drawTerritoryGraph(strip, {0, 1, 1}, LeftColor, RightColor);
    for (int y = 0; y < 11; ++y) {
        QCOMPARE(strip.image().pixel(0, y), LeftColor);
        QCOMPARE(strip.image().pixel(639, y), RightColor);
        QCOMPARE(strip.image().pixel(320, y), Palette::Black);
        QCOMPARE(strip.image().pixel(321, y), Palette::White);
    }
}

using Seeds = QList<QPoint>;

// The centres of the large grid's 48 squares but the first, which the right side holds.
Seeds allLargeSquaresButTheFirst()
{
    Seeds seeds;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 8; ++column)
            if (row + column > 0)
                seeds << QPoint(column * 80 + 40, row * 80 + 40);
    return seeds;
}

void MeasurementTest::squaresAndRegionsOfRealBoards_data()
{
    QTest::addColumn<PatternPress>("pattern");
    QTest::addColumn<QLine>("extraWall"); // drawn in black after the pattern, unless null
    QTest::addColumn<Seeds>("leftSeeds");
    QTest::addColumn<Seeds>("rightSeeds");
    QTest::addColumn<int>("leftHalves");
    QTest::addColumn<int>("leftRegions");
    QTest::addColumn<int>("rightHalves");
    QTest::addColumn<int>("rightRegions");
    QTest::addColumn<QString>("leftText");

    QTest::newRow("fine grid: 3 cells left, 5 right")
        << PatternPresses::gridSmall << QLine() << Seeds{{20, 20}, {60, 20}, {100, 20}}
        << Seeds{{20, 60}, {60, 60}, {100, 60}, {140, 60}, {620, 460}} << 6 << 3 << 10 << 5
        << "3こ分";
    QTest::newRow("large grid: one cell is 4 squares")
        << PatternPresses::grid << QLine() << Seeds{{40, 40}} << Seeds{} << 8 << 1 << 0 << 0
        << "4こ分";
    QTest::newRow("triangles: two of one grid square")
        << PatternPresses::triangle << QLine() << Seeds{{40, 10}, {10, 40}} << Seeds{{600, 460}}
        << 4 << 2 << 2 << 1 << "2こ分";
    QTest::newRow("diagonal lines: a whole triangle, and one at the edge")
        << PatternPresses::naname << QLine() << Seeds{{120, 20}} << Seeds{{5, 70}} << 4 << 1 << 2
        << 1 << "2こ分";
    QTest::newRow("half a unit square") << PatternPresses::gridSmall << QLine(20, 0, 20, 40)
                                        << Seeds{{10, 20}} << Seeds{} << 1 << 1 << 0 << 0 << "半分";
    QTest::newRow("three squares and a half") << PatternPresses::gridSmall << QLine(20, 0, 20, 40)
                                              << Seeds{{10, 20}, {60, 20}, {100, 20}, {140, 20}}
                                              << Seeds{} << 7 << 4 << 0 << 0 << "3こ分と半分";
    QTest::newRow("painted all over: 192 less the other side")
        << PatternPresses::grid << QLine() << allLargeSquaresButTheFirst() << Seeds{{40, 40}} << 376
        << 47 << 8 << 1 << "188こ分";
    QTest::newRow("nothing painted")
        << PatternPresses::triangle << QLine() << Seeds{} << Seeds{} << 0 << 0 << 0 << 0 << "0こ";
}

// Areas and regions of boards drawn by the pattern buttons themselves and painted by the fill.
void MeasurementTest::squaresAndRegionsOfRealBoards()
{
    QFETCH(PatternPress, pattern);
    QFETCH(QLine, extraWall);
    QFETCH(Seeds, leftSeeds);
    QFETCH(Seeds, rightSeeds);
    QFETCH(int, leftHalves);
    QFETCH(int, leftRegions);
    QFETCH(int, rightHalves);
    QFETCH(int, rightRegions);
    QFETCH(QString, leftText);

    BoardFixture fixture;
    fixture.press(pattern);
    Surface &board = fixture.board;
    if (!extraWall.isNull())
        board.line(extraWall.x1(), extraWall.y1(), extraWall.x2(), extraWall.y2(), Palette::Black);
    board.setFillStyle(Surface::FillStyle::Solid);
    for (QPoint seed : leftSeeds)
        paint(board, seed, LeftColor);
    for (QPoint seed : rightSeeds)
        paint(board, seed, RightColor);

    const SquareCount::Result result = SquareCount::count(board.image(), LeftColor, RightColor);
    QCOMPARE(result.left.halves, leftHalves);
    QCOMPARE(result.left.regions, leftRegions);
    QCOMPARE(result.right.halves, rightHalves);
    QCOMPARE(result.right.regions, rightRegions);
    QCOMPARE(SquareCount::areaText(result.left.halves), leftText);
}

QTEST_APPLESS_MAIN(MeasurementTest)
#include "tst_measurement.moc"
