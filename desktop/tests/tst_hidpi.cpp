#include "support/MainWindowFixture.h"
#include "support/RepaintRecorder.h"

#include "core/board/Palette.h"
#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "support/TouchInput.h"

#include <QMouseEvent>
#include <QSet>
#include <QTest>

#include <cmath>

// Run with QT_SCALE_FACTOR set (2 and 1.5): the board must show its pixels unsmoothed and a press,
// a finger's tap or a pen's must paint from the board pixel under the position that Qt reports.
class HiDpiTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boardPixelsAreDrawnUnsmoothed();
    void stripPixelsAreDrawnUnsmoothed();
    void pressPaintsFromThePixelUnderThePosition_data();
    void pressPaintsFromThePixelUnderThePosition();

private:
    SurfaceView *board() const { return m_main->controls().picClient; }
    void press(const QString &input, QPointF boardPosition);
    void compareShownPixels(SurfaceView &view, const QImage &pixels);
};

void HiDpiTest::init()
{
    freshStore();
    startGame();
    m_main->MakeGridSmall_Click();
}

void HiDpiTest::cleanup()
{
    endGame();
}

void HiDpiTest::press(const QString &input, QPointF boardPosition)
{
    const QPointF local = boardPosition + QPointF(board()->innerOrigin());
    if (input == "finger") {
        TouchInput::touch(board(), 1, QEventPoint::State::Pressed, local);
        TouchInput::touch(board(), 1, QEventPoint::State::Released, local);
    } else if (input == "pen") {
        TouchInput::penButtons(board(), QPointingDevice::PointerType::Pen, local, Qt::LeftButton);
        TouchInput::penButtons(board(), QPointingDevice::PointerType::Pen, local, Qt::NoButton);
    } else {
        QMouseEvent event(QEvent::MouseButtonPress, local, board()->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board(), &event);
    }
}

void HiDpiTest::boardPixelsAreDrawnUnsmoothed()
{
    compareShownPixels(*board(), m_main->boardImage());
}

// The graph's colours and its black and white middle lines, in a sunken border.
void HiDpiTest::stripPixelsAreDrawnUnsmoothed()
{
    m_main->picClient_MouseDown(Qt::LeftButton, QPointF(5, 5));
    m_main->ColCheck_Click();
    compareShownPixels(*m_main->controls().PicMenseki, m_main->stripImage());
}

void HiDpiTest::compareShownPixels(SurfaceView &view, const QImage &pixels)
{
    const qreal ratio = view.devicePixelRatioF();
    QVERIFY2(ratio > 1.0, "run this test with QT_SCALE_FACTOR above 1");
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = view.innerOrigin();
    QSet<QRgb> surfaceColors;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            surfaceColors.insert(pixels.pixel(x, y));
    // Every device pixel of the board area shows the board pixel it lies in: nearest neighbour,
    // never a blend of black and white.
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QPointF logical = QPointF(x + 0.5, y + 0.5) / ratio - QPointF(origin);
            const QPoint boardPixel(int(std::floor(logical.x())), int(std::floor(logical.y())));
            if (!pixels.rect().contains(boardPixel))
                continue;
            const QRgb shownColor = shown.pixel(x, y);
            if (ratio == 2.0) {
                QVERIFY2(shownColor == pixels.pixel(boardPixel),
                         qPrintable(QString("device %1,%2 board %3,%4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(boardPixel.x())
                                        .arg(boardPixel.y())));
            } else {
                QVERIFY2(surfaceColors.contains(shownColor),
                         qPrintable(QString("blended colour at %1,%2").arg(x).arg(y)));
            }
        }
    }
}

void HiDpiTest::pressPaintsFromThePixelUnderThePosition_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPoint>("painted"); // the board pixel that must take the colour, or none
    QTest::addColumn<bool>("paints");
    // The fine grid has walls at x = 40, 80, ...; its square (0, 0) spans pixels 0 to 39.
    for (const char *input : {"mouse", "finger", "pen"}) {
        QTest::addRow("%s, first device pixel beside a wall", input)
            << input << QPointF(39.0, 10.0) << QPoint(39, 10) << true;
        QTest::addRow("%s, second device pixel beside a wall", input)
            << input << QPointF(39.5, 10.0) << QPoint(39, 10) << true;
        QTest::addRow("%s, last third of the pixel beside a wall", input)
            << input << QPointF(39.667, 10.0) << QPoint(39, 10) << true;
        QTest::addRow("%s, first device pixel of the wall", input)
            << input << QPointF(40.0, 10.0) << QPoint(40, 10) << false;
        QTest::addRow("%s, second device pixel of the wall", input)
            << input << QPointF(40.5, 10.0) << QPoint(40, 10) << false;
        QTest::addRow("%s, first device pixel after the wall", input)
            << input << QPointF(41.0, 10.0) << QPoint(41, 10) << true;
    }
}

void HiDpiTest::pressPaintsFromThePixelUnderThePosition()
{
    QFETCH(QString, input);
    QFETCH(QPointF, position);
    QFETCH(QPoint, painted);
    QFETCH(bool, paints);
    QCoreApplication::processEvents(); // the pattern's repaint of the whole board
    const QImage before = m_main->boardImage();
    QImage shown = board()->grab().toImage();
    RepaintRecorder recorder(board());
    press(input, position);
    QCoreApplication::processEvents();
    const QImage &after = m_main->boardImage();
    const QRgb left = Palette::color(m_main->settings().CurrentColor[1]);
    if (paints) {
        QCOMPARE(after.pixel(painted), left);
    } else {
        QCOMPARE(after, before);
    }
    // Repainting, over the device pixels shown before the press, only what the press asked to
    // repaint (the painted square, whose edges fall between device pixels at 1.5) must give the
    // device pixels of a repaint of the whole board. render() repaints that region as the window
    // system does: the offscreen platform's own screen grab crops HiDPI windows.
    const QRegion repainted = recorder.repainted;
    if (!repainted.isEmpty())
        board()->render(&shown, repainted.boundingRect().topLeft(), repainted);
    QCOMPARE(shown, board()->grab().toImage());
}

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
