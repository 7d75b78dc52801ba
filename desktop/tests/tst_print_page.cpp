#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "core/print/ColourCopyPage.h"
#include "desktop/widgets/RasterImage.h"

#include <QTest>

// The colour copy's page as the printer is given it. The core plots the page (its tests are in
// core/tests); the desktop hands the page's memory to Qt as an image, which must be the board
// scaled to twice its size, nearest neighbour, as Qt itself would scale it.
class PrintPageTest : public QObject
{
    Q_OBJECT

private slots:
    void printerGetsTheBoardAtTwiceItsSize();
};

void PrintPageTest::printerGetsTheBoardAtTwiceItsSize()
{
    Surface board(640, 480);
    for (int x = 80; x < 640; x += 80)
        board.line(x, 0, x, 479, Palette::Black);
    board.filledBox(1, 1, 79, 79, Palette::color(9));
    board.filledBox(561, 401, 639, 479, Palette::color(12));
    for (int i = 0; i < 640; i += 7)
        board.filledBox(i, (i * 13) % 480, i, (i * 13) % 480, Palette::color(i % 16));

    ColourCopyPage page(board);
    while (!page.isComplete())
        page.plotColumn();

    const QImage printed = imageOf(page.image());
    QCOMPARE(printed.format(), QImage::Format_RGB32);
    QCOMPARE(printed.size(), QSize(1280, 960));
    QVERIFY(
        printed ==
        imageOf(board.image()).scaled(1280, 960, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QTEST_GUILESS_MAIN(PrintPageTest)
#include "tst_print_page.moc"
