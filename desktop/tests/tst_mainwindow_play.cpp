#include "support/MainWindowFixture.h"
#include "support/RepaintRecorder.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/teacher/Teacher.h"
#include "support/ScreenPixels.h"
#include "support/UserInput.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

using UserInput::doubleClick;

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Grey = 0xffc0c0c0;
constexpr QRgb LightBlue = 0xff0000ff;  // index 9, the left default
constexpr QRgb LightRed = 0xffff0000;   // index 12, the right default
constexpr QRgb LightGreen = 0xff00ff00; // index 10

// A press and release at a position that may lie between pixels, as HiDPI screens report them.
void click(QWidget *widget, Qt::MouseButton button, QPointF position)
{
    const QPointF global = widget->mapToGlobal(position);
    QMouseEvent press(QEvent::MouseButtonPress, position, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, position, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

QRgb boardPixel(MorvaneMain &main, QPoint pixel)
{
    return main.boardImage().pixel(pixel);
}

// The smallest rectangle holding every pixel that differs between two images of one size.
QRect changedBounds(const QImage &before, const QImage &after)
{
    QRect bounds;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class MainWindowPlayTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pressPaintsTheRegionUnderThePointer_data();
    void pressPaintsTheRegionUnderThePointer();
    void paintingShowsOnTheScreenAndSurvivesHideAndShow();
    void swatchPressesStepTheColour_data();
    void swatchPressesStepTheColour();
    void swatchesStayWhenColourChangesAreNotAllowed_data();
    void swatchesStayWhenColourChangesAreNotAllowed();
    void activationSetsTheSwatchPointers();
    void checkButtonDrawsTheSharesOfThePaintedBoard();
    void squaresShowOverTheBoardUntilTheNextPress();
    void pressTakesTheFocusSoKeysKeepThePainting_data();
    void pressTakesTheFocusSoKeysKeepThePainting();
    void enterClicksTheFocusedButtonOncePerPress_data();
    void enterClicksTheFocusedButtonOncePerPress();

private:
    void makeMain();
    SurfaceView *board() const { return m_main->findChild<SurfaceView *>("picClient"); }
    ColorSwatch *swatch(int side) const
    {
        return m_main->findChild<ColorSwatch *>(QStringLiteral("PicIndicate_%1").arg(side));
    }
};

void MainWindowPlayTest::init()
{
    freshStore();
}

void MainWindowPlayTest::cleanup()
{
    endGame();
}

// The board gets a wall at x = 320 and a one-pixel room at (10, 20) walled in on all four sides.
void MainWindowPlayTest::makeMain()
{
    startGame(Shown::No);
    drawOnBoard([](Surface &surface) {
        surface.line(320, 0, 320, 479, Black);
        surface.line(9, 19, 11, 19, Black);
        surface.line(9, 21, 11, 21, Black);
        surface.line(9, 19, 9, 21, Black);
        surface.line(11, 19, 11, 21, Black);
    });
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void MainWindowPlayTest::pressPaintsTheRegionUnderThePointer_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPointF>("position"); // board pixels
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QRgb>("probeColor");
    QTest::addColumn<QPoint>("untouched");

    QTest::newRow("left, left colour")
        << Qt::LeftButton << QPointF(100, 100) << QPoint(0, 0) << LightBlue << QPoint(639, 0);
    QTest::newRow("right, right colour")
        << Qt::RightButton << QPointF(100, 100) << QPoint(319, 479) << LightRed << QPoint(321, 0);
    QTest::newRow("middle, right colour")
        << Qt::MiddleButton << QPointF(500, 10) << QPoint(639, 479) << LightRed << QPoint(0, 0);
    QTest::newRow("one-pixel room")
        << Qt::LeftButton << QPointF(10, 20) << QPoint(10, 20) << LightBlue << QPoint(0, 0);
    // Rounding would give (11, 21), a wall pixel, and paint nothing.
    QTest::newRow("fraction is floored")
        << Qt::LeftButton << QPointF(10.7, 20.6) << QPoint(10, 20) << LightBlue << QPoint(0, 0);
    QTest::newRow("on a wall nothing")
        << Qt::LeftButton << QPointF(320, 50) << QPoint(319, 50) << White << QPoint(321, 50);
    QTest::newRow("on the border nothing")
        << Qt::LeftButton << QPointF(-0.5, 50) << QPoint(0, 50) << White << QPoint(0, 51);
}

void MainWindowPlayTest::pressPaintsTheRegionUnderThePointer()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPointF, position);
    QFETCH(QPoint, probe);
    QFETCH(QRgb, probeColor);
    QFETCH(QPoint, untouched);

    makeMain();
    QCoreApplication::processEvents();
    const QImage before = m_main->boardImage();
    RepaintRecorder recorder(board());
    click(board(), button, position + board()->innerOrigin());
    QCoreApplication::processEvents();
    QCOMPARE(boardPixel(*m_main, probe), probeColor);
    QCOMPARE(boardPixel(*m_main, untouched), White);
    QCOMPARE(boardPixel(*m_main, QPoint(320, 100)), Black);
    // The board repaints the rectangle of the painted region alone: every pixel that changed,
    // and nothing beyond (the one-pixel room repaints one pixel, not the board).
    QCOMPARE(recorder.repainted.translated(-board()->innerOrigin()).boundingRect(),
             changedBounds(before, m_main->boardImage()));
}

// Painted regions are kept by the board itself: the window can be hidden (for the help or the
// teacher dialog) and shown again without losing the children's work.
void MainWindowPlayTest::paintingShowsOnTheScreenAndSurvivesHideAndShow()
{
    makeMain();
    const QPoint origin = board()->innerOrigin();
    QTest::mouseClick(board(), Qt::LeftButton, {}, origin + QPoint(100, 100));
    QTest::mouseClick(board(), Qt::RightButton, {}, origin + QPoint(400, 100));
    QCOMPARE(board()->grab().toImage().pixel(origin + QPoint(5, 5)), LightBlue);

    m_main->hide();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    const QImage shown = board()->grab().toImage();
    QCOMPARE(shown.pixel(origin + QPoint(5, 5)), LightBlue);
    QCOMPARE(shown.pixel(origin + QPoint(600, 400)), LightRed);
    QCOMPARE(shown.pixel(origin + QPoint(320, 5)), Black);
}

void MainWindowPlayTest::swatchPressesStepTheColour_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("side");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("twoClicks"); // a whole double-click
    QTest::addColumn<int>("expected");

    QTest::newRow("left press") << 9 << 12 << 1 << Qt::LeftButton << false << 10;
    QTest::newRow("left swatch, right button") << 9 << 12 << 1 << Qt::RightButton << false << 10;
    QTest::newRow("left swatch, middle button") << 9 << 12 << 1 << Qt::MiddleButton << false << 10;
    QTest::newRow("right press skips nothing") << 9 << 12 << 2 << Qt::LeftButton << false << 13;
    QTest::newRow("left press skips the right colour")
        << 11 << 12 << 1 << Qt::LeftButton << false << 13;
    QTest::newRow("right press skips the left colour")
        << 9 << 8 << 2 << Qt::RightButton << false << 10;
    QTest::newRow("double-click steps twice") << 9 << 12 << 1 << Qt::LeftButton << true << 11;
    QTest::newRow("double-click skipping") << 9 << 11 << 2 << Qt::LeftButton << true << 13;
    QTest::newRow("14 against 15 wraps to 1") << 14 << 15 << 1 << Qt::LeftButton << false << 1;
    QTest::newRow("15 against 1 lands on 1") << 15 << 1 << 1 << Qt::LeftButton << false << 1;
    QTest::newRow("15 against 1, twice") << 15 << 1 << 1 << Qt::LeftButton << true << 2;
}

void MainWindowPlayTest::swatchPressesStepTheColour()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, side);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, twoClicks);
    QFETCH(int, expected);

    m_store->set("PaintColorLeft", QString::number(left));
    m_store->set("PaintColorRight", QString::number(right));
    makeMain();
    if (twoClicks)
        doubleClick(swatch(side), button);
    else
        QTest::mouseClick(swatch(side), button);

    QCOMPARE(m_main->settings().CurrentColor[static_cast<size_t>(side)], qint16(expected));
    QCOMPARE(m_main->settings().CurrentColor[static_cast<size_t>(3 - side)],
             qint16(side == 1 ? right : left));
    QCOMPARE(m_main->settings().PaintColor[1], qint16(left)); // the teacher's defaults stay
    const QRgb shown = swatch(side)->grab().toImage().pixel(swatch(side)->rect().center());
    QCOMPARE(shown, swatch(side)->BackColor());

    // The next press on the board paints with the new colour.
    const Qt::MouseButton paintButton = side == 1 ? Qt::LeftButton : Qt::RightButton;
    QTest::mouseClick(board(), paintButton, {}, board()->innerOrigin() + QPoint(50, 50));
    QCOMPARE(boardPixel(*m_main, QPoint(50, 50)), swatch(side)->BackColor());
}

void MainWindowPlayTest::swatchesStayWhenColourChangesAreNotAllowed_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("twoClicks");

    QTest::newRow("press") << Qt::LeftButton << false;
    QTest::newRow("right press") << Qt::RightButton << false;
    QTest::newRow("double-click") << Qt::LeftButton << true;
}

void MainWindowPlayTest::swatchesStayWhenColourChangesAreNotAllowed()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, twoClicks);

    m_store->set("CanColorChange", "0");
    makeMain();
    for (int side : {1, 2}) {
        if (twoClicks)
            doubleClick(swatch(side), button);
        else
            QTest::mouseClick(swatch(side), button);
    }
    QCOMPARE(m_main->settings().CurrentColor[1], qint16(9));
    QCOMPARE(m_main->settings().CurrentColor[2], qint16(12));
    QCOMPARE(swatch(1)->BackColor(), LightBlue);
    QCOMPARE(swatch(2)->BackColor(), LightRed);
}

// The switch ("色が変えられる" in the teacher dialog) may change while the game runs; the pointers
// follow it each time the main window becomes active again.
void MainWindowPlayTest::activationSetsTheSwatchPointers()
{
    makeMain();
    QWidget other;
    other.show();

    for (bool allowed : {false, true, false}) {
        m_main->teacherDialog()->setCheck(Switch::ColorChange, allowed);
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        const Qt::CursorShape shape = allowed ? Qt::PointingHandCursor : Qt::ArrowCursor;
        QCOMPARE(swatch(1)->cursor().shape(), shape);
        QCOMPARE(swatch(2)->cursor().shape(), shape);
    }
}

// With the wall at x = 320 no lattice column (x = 0, 3, ...) falls on it, so each half of the board
// holds exactly half of the samples: a painted half gives a bar of 320 strip pixels.
void MainWindowPlayTest::checkButtonDrawsTheSharesOfThePaintedBoard()
{
    makeMain();
    auto *check = m_main->findChild<QAbstractButton *>("ColCheck");
    const Surface &strip = m_main->stripSurface();
    auto stripRow = [&strip] {
        QList<QRgb> row;
        for (int x : {0, 319, 320, 321, 322, 639})
            row << QRgb(strip.image().pixel(x, 5));
        return row;
    };
    const QPoint origin = board()->innerOrigin();

    QTest::mouseClick(board(), Qt::LeftButton, {}, origin + QPoint(100, 100));
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(stripRow(), QList<QRgb>({LightBlue, LightBlue, Black, White, Grey, Grey}));

    QTest::mouseClick(board(), Qt::RightButton, {}, origin + QPoint(400, 100));
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(stripRow(), QList<QRgb>({LightBlue, LightBlue, Black, White, LightRed, LightRed}));

    // The strip on the screen shows the same graph.
    const QImage shown = m_main->findChild<SurfaceView *>("PicMenseki")->grab().toImage();
    QCOMPARE(shown.pixel(2 + 10, 2 + 5), LightBlue);
    QCOMPARE(shown.pixel(2 + 600, 2 + 5), LightRed);

    // A new left colour leaves the blue half unclaimed.
    QTest::mouseClick(swatch(1), Qt::LeftButton);
    QCOMPARE(swatch(1)->BackColor(), LightGreen);
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(stripRow(), QList<QRgb>({Grey, Grey, Black, White, LightRed, LightRed}));
}

// The teacher's switch stored on: the check shows the unit grid and the counts over the board, in
// what the screen shows and what a window print grabs, and leaves the board's raster and the bars
// as they are with the switch off.
void MainWindowPlayTest::squaresShowOverTheBoardUntilTheNextPress()
{
    m_store->set(QStringLiteral("ShowSquares"), QStringLiteral("-1"));
    startGame();
    auto *check = m_main->findChild<QAbstractButton *>("ColCheck");
    auto *triangles = m_main->findChild<QAbstractButton *>("MakeTriangle");
    const QPoint origin = board()->innerOrigin();
    QTest::mouseClick(triangles, Qt::LeftButton);
    for (QPoint triangle : {QPoint(40, 10), QPoint(10, 40)})
        QTest::mouseClick(board(), Qt::LeftButton, {}, origin + triangle);
    QTest::mouseClick(board(), Qt::RightButton, {}, origin + QPoint(600, 460));
    const QImage painted = m_main->boardImage().convertToFormat(QImage::Format_RGB32);
    // On no pattern line and in no corner: only the grid line at x = 360 passes here.
    const QPoint onTheGrid(360, 20);
    QCOMPARE(painted.pixel(onTheGrid), White);

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(board()->showsSquares());
    QCOMPARE(m_main->boardImage().convertToFormat(QImage::Format_RGB32), painted);
    const QImage barsWithSquares = m_main->stripImage();
    const QImage shown = shownOnScreen(board());
    QVERIFY(shown.pixel(onTheGrid) != White);
    QCOMPARE(shown.pixel(onTheGrid),
             m_main->grab().toImage().pixel(board()->mapTo(m_main.get(), origin + onTheGrid)));
    // The left count's plate in the bottom left corner holds text in the left colour.
    const QImage corner = shown.copy(0, 400, 200, 80);
    bool leftColourInCorner = false;
    for (int y = 0; y < corner.height() && !leftColourInCorner; ++y)
        for (int x = 0; x < corner.width() && !leftColourInCorner; ++x)
            leftColourInCorner = corner.pixel(x, y) == LightBlue;
    QVERIFY(leftColourInCorner);

    // A press on the board takes the squares away; so does a new pattern.
    QTest::mouseClick(board(), Qt::LeftButton, {}, origin + QPoint(320, 240));
    QVERIFY(!board()->showsSquares());
    QCOMPARE(shownOnScreen(board()).pixel(onTheGrid), White);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(board()->showsSquares());
    QTest::mouseClick(triangles, Qt::LeftButton);
    QVERIFY(!board()->showsSquares());

    // The switch off: the same board shows nothing over it and the same bars.
    for (QPoint triangle : {QPoint(40, 10), QPoint(10, 40)})
        QTest::mouseClick(board(), Qt::LeftButton, {}, origin + triangle);
    QTest::mouseClick(board(), Qt::RightButton, {}, origin + QPoint(600, 460));
    m_main->teacherDialog()->setCheck(Switch::ShowSquares, false);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!board()->showsSquares());
    QCOMPARE(m_main->stripImage(), barsWithSquares);
    QCOMPARE(shownOnScreen(board()), painted);
}

void MainWindowPlayTest::pressTakesTheFocusSoKeysKeepThePainting_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<Qt::Key>("key");

    QTest::newRow("board, Space") << "picClient" << Qt::Key_Space;
    QTest::newRow("board, Enter") << "picClient" << Qt::Key_Return;
    QTest::newRow("board, a stray key") << "picClient" << Qt::Key_A;
    QTest::newRow("left swatch, Space") << "PicIndicate_1" << Qt::Key_Space;
    QTest::newRow("right swatch, keypad Enter") << "PicIndicate_2" << Qt::Key_Enter;
    QTest::newRow("graph strip, Space") << "PicMenseki" << Qt::Key_Space;
}

// After a pattern button, a press on the board, a swatch or the strip takes the keyboard focus
// from the button: Space or Enter then reach what was pressed last and never draw the pattern
// again over the painting.
void MainWindowPlayTest::pressTakesTheFocusSoKeysKeepThePainting()
{
    QFETCH(QString, pressed);
    QFETCH(Qt::Key, key);

    makeMain();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QTest::mouseClick(m_main->findChild<QAbstractButton *>("MakeGrid"), Qt::LeftButton);
    QTest::mouseClick(board(), Qt::LeftButton, {}, board()->innerOrigin() + QPoint(100, 100));
    auto *control = m_main->findChild<QWidget *>(pressed);
    QTest::mouseClick(control, Qt::LeftButton, {},
                      control == board() ? board()->innerOrigin() + QPoint(100, 100)
                                         : control->rect().center());
    const QImage painted = m_main->boardImage();
    QCOMPARE(boardPixel(*m_main, QPoint(100, 100)), LightBlue);
    QCOMPARE(QApplication::focusWidget(), control);

    UserInput::holdKey(control, key, 0);

    QCOMPARE(m_main->boardImage(), painted);
    QCOMPARE(QApplication::focusWidget(), control);
}

void MainWindowPlayTest::enterClicksTheFocusedButtonOncePerPress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("repeats"); // the keyboard's auto-repeat while the key is held

    QTest::newRow("push button, Enter") << "MakeGrid" << Qt::Key_Return << 0;
    QTest::newRow("push button, held keypad Enter") << "MakeGrid" << Qt::Key_Enter << 8;
    QTest::newRow("tool button, Enter") << "ColCheck" << Qt::Key_Return << 0;
    QTest::newRow("tool button, held Enter") << "ColCheck" << Qt::Key_Return << 8;
}

void MainWindowPlayTest::enterClicksTheFocusedButtonOncePerPress()
{
    QFETCH(QString, button);
    QFETCH(Qt::Key, key);
    QFETCH(int, repeats);

    makeMain();
    auto *focused = m_main->findChild<QAbstractButton *>(button);
    focused->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(focused, &QAbstractButton::clicked);

    UserInput::holdKey(focused, key, repeats);

    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(MainWindowPlayTest)
#include "tst_mainwindow_play.moc"
