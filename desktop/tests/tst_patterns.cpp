#include "core/board/Palette.h"
#include "support/AsciiRaster.h"
#include "support/PatternPresses.h"
#include "support/Regions.h"

#include <QTest>

#include <algorithm>

// The fixed patterns on real rasters: their regions, where their lines stand, and that every
// press starts from an empty board.
class TestPatterns : public QObject
{
    Q_OBJECT

private slots:
    void fixedPatternsMakeTheirRegions_data();
    void fixedPatternsMakeTheirRegions();
    void gridLinesStandAtTheirPlaces_data();
    void gridLinesStandAtTheirPlaces();
    void slantedLinesAreLineWidthWide_data();
    void slantedLinesAreLineWidthWide();
    void stepSizesRoundHalfToEven();
    void pressLeavesNoTraceOfTheBoardBefore_data();
    void pressLeavesNoTraceOfTheBoardBefore();
};

void TestPatterns::fixedPatternsMakeTheirRegions_data()
{
    // Regions measured to the lines' centres: the pixels under the lines make them a little
    // smaller, so each region must lie between 70 % of its area and the area itself.
    QTest::addColumn<PatternPress>("pattern");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<int>("largeCount");
    QTest::addColumn<int>("largeArea");
    QTest::addColumn<int>("smallCount");
    QTest::addColumn<int>("smallArea");

    for (const int width : {1, 2}) {
        const QByteArray suffix = " width " + QByteArray::number(width);
        QTest::newRow("MakeGrid" + suffix) << PatternPresses::grid << width << 48 << 6400 << 0 << 0;
        QTest::newRow("MakeGridSmall" + suffix)
            << PatternPresses::gridSmall << width << 192 << 1600 << 0 << 0;
        QTest::newRow("MakeNaname" + suffix)
            << PatternPresses::naname << width << 90 << 3200 << 12 << 1600;
        QTest::newRow("MakeTriangle" + suffix)
            << PatternPresses::triangle << width << 192 << 1600 << 0 << 0;
    }
}

void TestPatterns::fixedPatternsMakeTheirRegions()
{
    QFETCH(PatternPress, pattern);
    QFETCH(int, lineWidth);
    QFETCH(int, largeCount);
    QFETCH(int, largeArea);
    QFETCH(int, smallCount);
    QFETCH(int, smallArea);

    BoardFixture fixture(lineWidth);
    fixture.press(pattern);
    const RegionMap regions(fixture.board.image());
    if (regions.specks() > 0)
        qInfo() << regions.specks() << "specks under" << RegionMap::SpeckLimit << "pixels";

    const auto near = [](int area) {
        return [area](int size) { return size > area * 7 / 10 && size <= area; };
    };
    const QList<int> sizes = regions.regionSizes();
    QCOMPARE(int(sizes.size()), largeCount + smallCount);
    QCOMPARE(int(std::count_if(sizes.begin(), sizes.end(), near(largeArea))), largeCount);
    QCOMPARE(int(std::count_if(sizes.begin(), sizes.end(), near(smallArea))), smallCount);
}

void TestPatterns::gridLinesStandAtTheirPlaces_data()
{
    // Columns and rows that are black over the whole board, and no others.
    QTest::addColumn<PatternPress>("pattern");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<int>("columnStep");
    QTest::addColumn<int>("rowStep");

    for (const int width : {1, 2}) {
        const QByteArray suffix = " width " + QByteArray::number(width);
        QTest::newRow("MakeGrid" + suffix) << PatternPresses::grid << width << 80 << 80;
        QTest::newRow("MakeGridSmall" + suffix) << PatternPresses::gridSmall << width << 40 << 40;
        QTest::newRow("MakeTriangle" + suffix) << PatternPresses::triangle << width << 80 << 80;
        QTest::newRow("MakeNaname" + suffix) << PatternPresses::naname << width << 0 << 80;
    }
}

void TestPatterns::gridLinesStandAtTheirPlaces()
{
    QFETCH(PatternPress, pattern);
    QFETCH(int, lineWidth);
    QFETCH(int, columnStep);
    QFETCH(int, rowStep);

    BoardFixture fixture(lineWidth);
    fixture.press(pattern);
    const QImage &board = fixture.board.image();
    const auto isLine = [lineWidth](int position, int step) {
        return step > 0 && position >= step && position % step < lineWidth;
    };
    for (int x = 0; x < board.width(); ++x) {
        bool black = true;
        for (int y = 0; y < board.height() && black; ++y)
            black = board.pixel(x, y) == Palette::Black;
        QVERIFY2(black == isLine(x, columnStep), qPrintable(QStringLiteral("column %1").arg(x)));
    }
    for (int y = 0; y < board.height(); ++y) {
        bool black = true;
        for (int x = 0; x < board.width() && black; ++x)
            black = board.pixel(x, y) == Palette::Black;
        QVERIFY2(black == isLine(y, rowStep), qPrintable(QStringLiteral("row %1").arg(y)));
    }
}

void TestPatterns::slantedLinesAreLineWidthWide_data()
{
    // A row that crosses no horizontal line and no crossing of slanted lines.
    QTest::addColumn<PatternPress>("pattern");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("linesCrossed");

    for (const int width : {1, 2}) {
        const QByteArray suffix = " width " + QByteArray::number(width);
        QTest::newRow("MakeNaname" + suffix) << PatternPresses::naname << width << 40 << 16;
        QTest::newRow("MakeTriangle" + suffix) << PatternPresses::triangle << width << 20 << 23;
    }
}

void TestPatterns::slantedLinesAreLineWidthWide()
{
    QFETCH(PatternPress, pattern);
    QFETCH(int, lineWidth);
    QFETCH(int, row);
    QFETCH(int, linesCrossed);

    BoardFixture fixture(lineWidth);
    fixture.press(pattern);
    QList<int> runs;
    int run = 0;
    for (int x = 0; x <= fixture.board.ScaleWidth(); ++x) {
        if (x < fixture.board.ScaleWidth() &&
            fixture.board.image().pixel(x, row) == Palette::Black) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    QCOMPARE(int(runs.size()), linesCrossed);
    QCOMPARE(runs, QList<int>(linesCrossed, lineWidth));
}

void TestPatterns::stepSizesRoundHalfToEven()
{
    // 20 / 8 = 2.5 gives 2 and 21 / 6 = 3.5 gives 4. The lines run to the full width and
    // height, and those past the board are not drawn.
    const QStringList expected = {
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "####################", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "####################",
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....",
        "####################", "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "####################", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "####################",
    };
    Surface board(20, 21);
    Surface strip(20, 11);
    GameSettings settings;
    settings.LineWidth = 1;
    MakeGrid(board, strip, settings);
    QCOMPARE(AsciiRaster::toRows(board.image()), expected);
}

void TestPatterns::pressLeavesNoTraceOfTheBoardBefore_data()
{
    QTest::addColumn<PatternPress>("pattern");
    QTest::addColumn<PatternPress>("before");
    QTest::addColumn<int>("lineWidth");

    const QList<std::pair<QByteArray, PatternPress>> presses = {
        {"MakeGrid", PatternPresses::grid},          {"MakeGridSmall", PatternPresses::gridSmall},
        {"MakeNaname", PatternPresses::naname},      {"MakeTriangle", PatternPresses::triangle},
        {"Makerandom", PatternPresses::random},      {"Makesennuki", PatternPresses::sennuki},
        {"OriginalImage", PatternPresses::original},
    };
    for (const auto &[name, pattern] : presses) {
        for (const int width : {1, 2}) {
            const QByteArray suffix = " width " + QByteArray::number(width);
            QTest::newRow(name + " twice" + suffix) << pattern << pattern << width;
            QTest::newRow(name + " after fine grid" + suffix)
                << pattern << PatternPresses::gridSmall << width;
            QTest::newRow(name + " after picture" + suffix)
                << pattern << PatternPresses::original << width;
        }
    }
}

void TestPatterns::pressLeavesNoTraceOfTheBoardBefore()
{
    QFETCH(PatternPress, pattern);
    QFETCH(PatternPress, before);
    QFETCH(int, lineWidth);

    BoardFixture fresh(lineWidth);
    fresh.press(pattern);

    // The board before: another pattern or picture with thick lines, painted, under a graph.
    BoardFixture used(lineWidth);
    used.settings.LineWidth = qint16(3 - lineWidth);
    used.press(before);
    used.settings.LineWidth = qint16(lineWidth);
    used.board.setFillStyle(Surface::FillStyle::Solid);
    used.board.setFillColor(Palette::color(12));
    used.board.floodFill(300, 210);
    used.strip.filledBox(0, 0, 400, 10, Palette::color(9));
    used.board.setDrawWidth(7);
    used.random.RestartRandom(); // the random patterns start where the fresh board's did

    used.press(pattern);
    QVERIFY(used.board.image() == fresh.board.image());
    QVERIFY(used.strip.image() == Surface(640, 11).image());
    if (pattern != PatternPresses::original)
        QCOMPARE(used.board.DrawWidth(), lineWidth);
}

QTEST_APPLESS_MAIN(TestPatterns)
#include "tst_patterns.moc"
