#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "core/patterns/OriginalPicture.h"
#include "support/Regions.h"

#include <QTest>

#include <algorithm>

// The built-in picture as the program's resources hold it.
class TestOriginalPicture : public QObject
{
    Q_OBJECT

private slots:
    void isAOneBitPictureOfTheBoardsSize();
    void frameIsClosedAlongEveryEdge_data();
    void frameIsClosedAlongEveryEdge();
    void linesMakeAboutFiftyRegionsOfVariedSize();
    void originalImageShowsThePictureAlone();
};

void TestOriginalPicture::isAOneBitPictureOfTheBoardsSize()
{
    const QImage stored(QStringLiteral(":/pictures/original.png"));
    QCOMPARE(stored.size(), QSize(640, 480));
    QCOMPARE(stored.depth(), 1);
    const QImage picture = originalPicture();
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            QVERIFY(picture.pixel(x, y) == Palette::Black || picture.pixel(x, y) == Palette::White);
}

void TestOriginalPicture::frameIsClosedAlongEveryEdge_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<int>("length");

    QTest::newRow("top") << QPoint(0, 0) << QPoint(1, 0) << 640;
    QTest::newRow("bottom") << QPoint(0, 479) << QPoint(1, 0) << 640;
    QTest::newRow("left") << QPoint(0, 0) << QPoint(0, 1) << 480;
    QTest::newRow("right") << QPoint(639, 0) << QPoint(0, 1) << 480;
}

void TestOriginalPicture::frameIsClosedAlongEveryEdge()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, step);
    QFETCH(int, length);

    const QImage picture = originalPicture();
    for (int i = 0; i < length; ++i)
        QCOMPARE(picture.pixel(start + i * step), Palette::Black);
}

void TestOriginalPicture::linesMakeAboutFiftyRegionsOfVariedSize()
{
    const RegionMap regions(originalPicture());
    QCOMPARE(int(regions.specks()), 0);
    const QList<int> &sizes = regions.sizes();
    QVERIFY2(sizes.size() >= 45 && sizes.size() <= 65, qPrintable(QString::number(sizes.size())));
    const auto [smallest, largest] = std::minmax_element(sizes.begin(), sizes.end());
    QVERIFY2(*smallest >= 450 && *largest <= 15000,
             qPrintable(QStringLiteral("%1 to %2").arg(*smallest).arg(*largest)));
    // Varied: not all alike, as a grid's would be.
    QVERIFY(*largest > 5 * *smallest);
}

void TestOriginalPicture::originalImageShowsThePictureAlone()
{
    Surface board(640, 480);
    Surface strip(640, 11);
    board.line(0, 0, 639, 479, Palette::color(4));
    strip.filledBox(0, 0, 300, 10, Palette::color(9));

    OriginalImage(board, strip, originalPicture());
    QVERIFY(board.image() == originalPicture());
    QVERIFY(strip.image() == Surface(640, 11).image());
}

QTEST_APPLESS_MAIN(TestOriginalPicture)
#include "tst_patterns_picture.moc"
