#include "support/MainWindowFixture.h"
#include "support/ScreenPixels.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb LightBlue = 0xff0000ff; // the left default

struct Colours
{
    qsizetype black = 0;
    qsizetype white = 0;
    qsizetype other = 0;
};

Colours countColours(const QImage &image)
{
    Colours count;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x] | 0xff000000;
            if (pixel == Black)
                ++count.black;
            else if (pixel == White)
                ++count.white;
            else
                ++count.other;
        }
    }
    return count;
}

bool isPlain(const QImage &image, QRgb colour)
{
    QImage plain(image.size(), image.format());
    plain.fill(colour);
    return image == plain;
}

} // namespace

// The pattern buttons and 元の絵 of the main window, pressed as the children press them.
class MainWindowPatternsTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachButtonLeavesFreshBlackLinesOnWhite_data();
    void eachButtonLeavesFreshBlackLinesOnWhite();
    void withoutPatternChoiceOnlyTrianglesAndThePictureAnswer_data();
    void withoutPatternChoiceOnlyTrianglesAndThePictureAnswer();
    void randomLinesDifferFromPressToPress();
    void seededRandomLinesAreReproducible_data();
    void seededRandomLinesAreReproducible();

private:
    void paintAndMeasure();
    QPushButton *button(const QString &name) const
    {
        return m_main->findChild<QPushButton *>(name);
    }
    QImage pressForBoard(const QString &name);
};

void MainWindowPatternsTest::init()
{
    freshStore();
}

void MainWindowPatternsTest::cleanup()
{
    endGame();
}

// Paints the whole empty board in the left colour and draws the graph of it.
void MainWindowPatternsTest::paintAndMeasure()
{
    const MorvaneMainControls &ui = m_main->controls();
    QTest::mouseClick(ui.picClient, Qt::LeftButton, {}, ui.picClient->innerOrigin() + QPoint(9, 9));
    QTest::mouseClick(ui.ColCheck, Qt::LeftButton);
    QVERIFY(isPlain(m_main->boardImage(), LightBlue));
    QCOMPARE(m_main->stripImage().pixel(5, 5), LightBlue);
}

QImage MainWindowPatternsTest::pressForBoard(const QString &name)
{
    QTest::mouseClick(button(name), Qt::LeftButton);
    return m_main->boardImage();
}

void MainWindowPatternsTest::eachButtonLeavesFreshBlackLinesOnWhite_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"OriginalImage", "Makerandom", "MakeGrid", "MakeGridSmall",
                             "MakeNaname", "Makesennuki", "MakeTriangle"})
        QTest::newRow(name) << name;
}

void MainWindowPatternsTest::eachButtonLeavesFreshBlackLinesOnWhite()
{
    QFETCH(QString, name);

    startGame();
    paintAndMeasure();
    QTest::mouseClick(button(name), Qt::LeftButton);

    const MorvaneMainControls &ui = m_main->controls();
    const Surface &strip = m_main->stripSurface();
    QVERIFY(isPlain(m_main->stripImage(), strip.backColor()));
    QVERIFY(isPlain(shownOnScreen(ui.PicMenseki), strip.backColor()));

    const QImage board = m_main->boardImage();
    const Colours count = countColours(board);
    QCOMPARE(count.other, 0);
    QVERIFY(count.black > 0);
    QVERIFY(count.white > count.black);
    QCOMPARE(shownOnScreen(ui.picClient), board);
}

void MainWindowPatternsTest::withoutPatternChoiceOnlyTrianglesAndThePictureAnswer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("answers");

    for (const char *name :
         {"Makerandom", "MakeGrid", "MakeGridSmall", "MakeNaname", "Makesennuki"})
        QTest::newRow(name) << name << false;
    QTest::newRow("MakeTriangle") << "MakeTriangle" << true;
    QTest::newRow("OriginalImage") << "OriginalImage" << true;
}

void MainWindowPatternsTest::withoutPatternChoiceOnlyTrianglesAndThePictureAnswer()
{
    QFETCH(QString, name);
    QFETCH(bool, answers);

    m_store->set("CanSelectButton", "0");
    startGame();
    paintAndMeasure();
    const QImage painted = m_main->boardImage();
    const QImage graph = m_main->stripImage();

    QCOMPARE(button(name)->isEnabled(), answers);
    QTest::mouseClick(button(name), Qt::LeftButton);

    const QImage board = m_main->boardImage();
    if (answers) {
        QCOMPARE(countColours(board).other, 0);
        QVERIFY(isPlain(m_main->stripImage(), m_main->stripSurface().backColor()));
    } else {
        QCOMPARE(board, painted);
        QCOMPARE(m_main->stripImage(), graph);
    }
    QCOMPARE(shownOnScreen(m_main->controls().picClient), board);
}

void MainWindowPatternsTest::randomLinesDifferFromPressToPress()
{
    startGame();
    const QImage first = pressForBoard("Makerandom");
    const QImage second = pressForBoard("Makerandom");
    QVERIFY(countColours(first).black > 0);
    QVERIFY(countColours(second).black > 0);
    QVERIFY(first != second);
}

void MainWindowPatternsTest::seededRandomLinesAreReproducible_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("0") << 0u;
    QTest::newRow("1") << 1u;
    QTest::newRow("largest") << 0xffffffffu;
}

void MainWindowPatternsTest::seededRandomLinesAreReproducible()
{
    QFETCH(quint32, seed);

    startGame();
    m_main->randomSequence().seed(seed);
    const QImage first = pressForBoard("Makerandom");
    const QImage next = pressForBoard("Makerandom");
    pressForBoard("MakeGrid");
    const MorvaneMainControls &ui = m_main->controls();
    QTest::mouseClick(ui.picClient, Qt::LeftButton, {}, ui.picClient->innerOrigin() + QPoint(9, 9));

    m_main->randomSequence().seed(seed);
    const QImage again = pressForBoard("Makerandom");
    QCOMPARE(again, first);
    QVERIFY(next != first); // the sequence goes on between presses
    QCOMPARE(shownOnScreen(ui.picClient), first);
}

QTEST_MAIN(MainWindowPatternsTest)
#include "tst_mainwindow_patterns.moc"
