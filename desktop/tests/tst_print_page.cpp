#include "core/print/ColourCopyPage.h"
#include "core/print/PageFit.h"
#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "support/AsciiRaster.h"

#include <QTest>

namespace {

Surface surfaceOf(const QImage &image)
{
    Surface surface(image.width(), image.height());
    surface.setPicture(image);
    return surface;
}

void plotColumns(ColourCopyPage &page, int count)
{
    for (int column = 0; column < count; ++column)
        page.plotColumn();
}

int countNotWhite(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != Palette::White;
    return count;
}

} // namespace

class PrintPageTest : public QObject
{
    Q_OBJECT

private slots:
    void fitToPageFillsTheLimitingSideAndKeepsTheAspect_data();
    void fitToPageFillsTheLimitingSideAndKeepsTheAspect();
    void everyBoardPixelBecomesOneBlockOnThePage();
    void cellsReadOutsideASmallBoardStayWhite_data();
    void cellsReadOutsideASmallBoardStayWhite();
    void aFullBoardCoversThePageWithoutASeam();
    void thePageFillsLeftToRightOneColumnAtATime_data();
    void thePageFillsLeftToRightOneColumnAtATime();
};

void PrintPageTest::fitToPageFillsTheLimitingSideAndKeepsTheAspect_data()
{
    QTest::addColumn<QRect>("page");
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("window on a portrait page fills the width")
        << QRect(0, 0, 1000, 1400) << QSize(731, 506) << QRect(0, 0, 1000, 692);
    QTest::newRow("window on a wide page fills the height")
        << QRect(0, 0, 1400, 900) << QSize(731, 506) << QRect(0, 0, 1300, 900);
    QTest::newRow("same aspect fills the page exactly")
        << QRect(0, 0, 1280, 960) << QSize(640, 480) << QRect(0, 0, 1280, 960);
    QTest::newRow("larger source is scaled down")
        << QRect(0, 0, 100, 100) << QSize(640, 480) << QRect(0, 0, 100, 75);
    QTest::newRow("printable area off the paper's corner keeps its place")
        << QRect(167, 167, 800, 600) << QSize(4, 3) << QRect(167, 167, 800, 600);
    QTest::newRow("half a unit rounds up")
        << QRect(0, 0, 3, 10) << QSize(2, 1) << QRect(0, 0, 3, 2);
    QTest::newRow("a hair-thin source keeps one unit")
        << QRect(0, 0, 100, 100) << QSize(10000, 1) << QRect(0, 0, 100, 1);
    QTest::newRow("page-sized numbers do not overflow")
        << QRect(0, 0, 17200, 12150) << QSize(60000, 40000) << QRect(0, 0, 17200, 11467);
    QTest::newRow("empty source gives nothing") << QRect(0, 0, 100, 100) << QSize(0, 10) << QRect();
    QTest::newRow("empty page gives nothing") << QRect(5, 5, 0, 100) << QSize(10, 10) << QRect();
}

void PrintPageTest::fitToPageFillsTheLimitingSideAndKeepsTheAspect()
{
    QFETCH(QRect, page);
    QFETCH(QSize, source);
    QFETCH(QRect, expected);
    QCOMPARE(fitToPage(page, source), expected);
}

// Nearest-neighbour scaling to twice the size is the page the copy must give for a full board.
void PrintPageTest::everyBoardPixelBecomesOneBlockOnThePage()
{
    Surface board(640, 480);
    for (int x = 80; x < 640; x += 80)
        board.line(x, 0, x, 479, Palette::Black);
    for (int y = 80; y < 480; y += 80)
        board.line(0, y, 639, y, Palette::Black);
    board.filledBox(1, 1, 79, 79, Palette::color(9));
    board.filledBox(561, 401, 639, 479, Palette::color(12));
    board.filledBox(241, 161, 319, 239, Palette::color(10));
    for (int i = 0; i < 640; i += 7)
        board.filledBox(i, (i * 13) % 480, i, (i * 13) % 480, Palette::color(i % 16));

    ColourCopyPage page(board);
    plotColumns(page, ColourCopyPage::Columns);

    const QImage expected =
        board.image().scaled(1280, 960, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(page.image().size(), QSize(1280, 960));
    QVERIFY(page.image() == expected);
}

void PrintPageTest::cellsReadOutsideASmallBoardStayWhite_data()
{
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<QStringList>("pageCorner");

    QTest::newRow("two by two board")
        << QStringList{"rg", "b#"}
        << QStringList{"rrgg..", "rrgg..", "bb##..", "bb##..", "......", "......"};
    QTest::newRow("one pixel") << QStringList{"y"} << QStringList{"yy..", "yy..", "....", "...."};
    QTest::newRow("one row") << QStringList{"#r#"}
                             << QStringList{"##rr##..", "##rr##..", "........", "........"};
}

void PrintPageTest::cellsReadOutsideASmallBoardStayWhite()
{
    QFETCH(QStringList, board);
    QFETCH(QStringList, pageCorner);

    const QImage boardImage = AsciiRaster::toImage(board);
    const Surface surface = surfaceOf(boardImage);
    ColourCopyPage page(surface);
    plotColumns(page, ColourCopyPage::Columns);

    const QImage corner = page.image().copy(0, 0, static_cast<int>(pageCorner.first().size()),
                                            static_cast<int>(pageCorner.size()));
    QCOMPARE(AsciiRaster::toRows(corner), pageCorner);
    const int boardPixelsNotWhite = countNotWhite(boardImage);
    QCOMPARE(countNotWhite(page.image()), 4 * boardPixelsNotWhite);
}

// The last column and row of cells read outside the board; their white plots must fall off the
// page rather than cover its right and bottom edges.
void PrintPageTest::aFullBoardCoversThePageWithoutASeam()
{
    Surface board(640, 480, Palette::color(12));
    ColourCopyPage page(board);
    plotColumns(page, ColourCopyPage::Columns);

    QImage allRed(1280, 960, QImage::Format_RGB32);
    allRed.fill(Palette::color(12));
    QVERIFY(page.image() == allRed);
}

void PrintPageTest::thePageFillsLeftToRightOneColumnAtATime_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("lastX");

    QTest::newRow("first column") << 1 << 0;
    QTest::newRow("half the page") << 320 << 638;
    QTest::newRow("last column inside the page") << 640 << 1278;
    QTest::newRow("column past the page's edge") << 641 << 1280;
}

void PrintPageTest::thePageFillsLeftToRightOneColumnAtATime()
{
    QFETCH(int, columns);
    QFETCH(int, lastX);

    Surface board(640, 480, Palette::Black);
    ColourCopyPage page(board);
    plotColumns(page, columns - 1);
    QCOMPARE(page.plotColumn(), lastX);
    QCOMPARE(page.isComplete(), columns == ColourCopyPage::Columns);

    const int plottedWidth = std::min(lastX + 2, 1280);
    QCOMPARE(countNotWhite(page.image()), plottedWidth * 960);
    QCOMPARE(page.image().pixel(plottedWidth - 1, 959), Palette::Black);
}

QTEST_GUILESS_MAIN(PrintPageTest)
#include "tst_print_page.moc"
