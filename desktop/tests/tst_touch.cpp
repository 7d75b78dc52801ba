#include "desktop/widgets/RasterImage.h"
#include "support/DialogScript.h"
#include "support/MainWindowFixture.h"
#include "support/ScreenPixels.h"
#include "support/TouchInput.h"

#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/help/HelpDialog.h"
#include "desktop/teacher/Teacher.h"
#include "desktop/touch/FingerTracker.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QToolButton>

#include <map>
#include <optional>

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb LightBlue = 0xff0000ff;  // index 9, the left default
constexpr QRgb LightRed = 0xffff0000;   // index 12, the right default
constexpr QRgb LightGreen = 0xff00ff00; // index 10

// The board has a wall at x = 320: a left and a right region, probed at these board pixels.
const QPoint Left(100, 100);
const QPoint Right(500, 100);
constexpr const char *Board = "picClient";

// A little longer than the hold, so that its timer has run.
constexpr auto PastTheHold = FingerTracker::HoldTime + std::chrono::milliseconds(200);

// One thing a hand does. Positions are board pixels on the board, else in the control, whose
// centre a null position means.
struct Step
{
    enum Kind {
        Down,
        Move,
        Up,
        WaitPastTheHold,
        TouchCancel,
        HideAndShowWindow,
        PenDown,
        PenUp,
        MousePress
    };
    Kind kind;
    int finger = 0;
    const char *on = Board;
    QPoint at;
    qreal contactMillimetres = 0; // reported by the screen; 0 where it reports none
    Qt::MouseButton button = Qt::LeftButton;
    QPointingDevice::PointerType penEnd = QPointingDevice::PointerType::Pen;
};
using Gesture = QList<Step>;

Step down(int finger, QPoint at, const char *on = Board)
{
    return {Step::Down, finger, on, at};
}
Step downOn(int finger, const char *on)
{
    return {Step::Down, finger, on, {}};
}
Step move(int finger, QPoint at, const char *on = Board)
{
    return {Step::Move, finger, on, at};
}
Step moveOnto(int finger, const char *on)
{
    return {Step::Move, finger, on, {}};
}
Step up(int finger, QPoint at, const char *on = Board)
{
    return {Step::Up, finger, on, at};
}
Step upOn(int finger, const char *on)
{
    return {Step::Up, finger, on, {}};
}
Step waitPastTheHold()
{
    return {Step::WaitPastTheHold, 0, Board, {}};
}
Step contact(int finger, QPoint at, qreal millimetres)
{
    Step step = down(finger, at);
    step.contactMillimetres = millimetres;
    return step;
}
Step pen(Step::Kind kind, QPoint at, Qt::MouseButton button,
         QPointingDevice::PointerType end = QPointingDevice::PointerType::Pen,
         const char *on = Board)
{
    Step step{kind, 0, on, at};
    step.button = button;
    step.penEnd = end;
    return step;
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TouchTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fingersAndPensPlayAsTheMouseDoes_data();
    void fingersAndPensPlayAsTheMouseDoes();
    void fingersAndPensTakeTheFocusAsAPressDoes_data();
    void fingersAndPensTakeTheFocusAsAPressDoes();
    void holdRingIsDrawnOverTheBoardNeverIntoIt();
    void dialogsAnswerFingers_data();
    void dialogsAnswerFingers();

private:
    void makeMain(Shown shown = Shown::Exposed);
    QWidget *control(const char *name) const;
    QPoint inControl(QWidget *widget, QPoint at) const;
    void run(const Gesture &gesture);
    void tap(QWidget *widget);
    QImage board() const { return m_main->boardImage(); }

    // Where each finger down was last reported, in the window; how a pen still down lifts.
    std::map<int, QPoint> m_fingersDown;
    std::optional<Step> m_penDown;
    int m_nextFinger = 100;
};

void TouchTest::init()
{
    freshStore();
    m_fingersDown.clear();
    m_penDown.reset();
}

void TouchTest::cleanup()
{
    endGame();
}

void TouchTest::makeMain(Shown shown)
{
    startGame(Shown::No);
    drawOnBoard([](Surface &board) { board.line(320, 0, 320, 479, Black); });
    m_main->show();
    if (shown == Shown::Active) {
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    }
}

QWidget *TouchTest::control(const char *name) const
{
    if (m_main->objectName() == QLatin1String(name))
        return m_main.get();
    auto *found = m_main->findChild<QWidget *>(QString::fromLatin1(name));
    Q_ASSERT(found != nullptr);
    return found;
}

QPoint TouchTest::inControl(QWidget *widget, QPoint at) const
{
    if (widget == m_main->controls().picClient)
        return at + m_main->controls().picClient->innerOrigin();
    return at.isNull() ? widget->rect().center() : at;
}

// Each touch event tells of every finger down, those that did not change as stationary, as X11
// reports them: Qt delivers a finger that comes down while another rests as a touch update.
void TouchTest::run(const Gesture &gesture)
{
    QTest::QTouchEventWidgetSequence fingers =
        QTest::touchEvent(m_main.get(), TouchInput::touchScreen(), false);
    for (const Step &step : gesture) {
        QWidget *widget = control(step.on);
        const QPoint at = inControl(widget, step.at);
        const QPoint inWindow = widget->mapTo(m_main.get(), at);
        switch (step.kind) {
        case Step::Down:
        case Step::Move:
        case Step::Up:
            if (step.contactMillimetres > 0) {
                const qreal pixels =
                    step.contactMillimetres * m_main->screen()->physicalDotsPerInch() / 25.4;
                TouchInput::touch(widget, step.finger, QEventPoint::State::Pressed, at,
                                  QSizeF(pixels, pixels));
                m_fingersDown[step.finger] = inWindow;
                break;
            }
            for (const auto &[finger, where] : m_fingersDown) {
                if (finger != step.finger)
                    fingers.stationary(finger);
            }
            if (step.kind == Step::Down)
                fingers.press(step.finger, at, widget);
            else if (step.kind == Step::Move)
                fingers.move(step.finger, at, widget);
            else
                fingers.release(step.finger, at, widget);
            fingers.commit();
            if (step.kind == Step::Up)
                m_fingersDown.erase(step.finger);
            else
                m_fingersDown[step.finger] = inWindow;
            break;
        case Step::WaitPastTheHold:
            QTest::qWait(static_cast<int>(PastTheHold.count()));
            break;
        case Step::TouchCancel:
            TouchInput::touchCancel(m_main.get());
            m_fingersDown.clear();
            break;
        case Step::HideAndShowWindow:
            m_main->hide();
            m_main->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
            break;
        case Step::PenDown:
            TouchInput::penButtons(widget, step.penEnd, at, step.button);
            m_penDown = Step{Step::PenUp, 0, "MorvaneMain", inWindow};
            m_penDown->penEnd = step.penEnd;
            break;
        case Step::PenUp:
            TouchInput::penButtons(widget, step.penEnd, at, Qt::NoButton);
            m_penDown.reset();
            break;
        case Step::MousePress:
            QTest::mousePress(m_main->windowHandle(), step.button, {}, inWindow);
            QTest::mouseRelease(m_main->windowHandle(), step.button, {}, inWindow);
            break;
        }
    }
}

// A tap that Qt delivers to whichever window the finger lands on.
void TouchTest::tap(QWidget *widget)
{
    const int finger = m_nextFinger++;
    QTest::touchEvent(widget->window(), TouchInput::touchScreen())
        .press(finger, widget->rect().center(), widget);
    QTest::touchEvent(widget->window(), TouchInput::touchScreen())
        .release(finger, widget->rect().center(), widget);
}

void TouchTest::fingersAndPensPlayAsTheMouseDoes_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QRgb>("left");      // the left region's colour after the gesture
    QTest::addColumn<QRgb>("right");     // the right region's
    QTest::addColumn<int>("leftColour"); // the left side's colour index
    QTest::addColumn<int>("checks");     // clicks on the check button

    const int drag = QGuiApplication::styleHints()->startDragDistance();
    const QPoint beyond(drag + 1, 0);
    const char *leftSwatch = "PicIndicate_1";
    const char *check = "ColCheck";
    using Pen = QPointingDevice::PointerType;

    QTest::newRow("tap: the left colour when it lifts")
        << Gesture{down(1, Left), up(1, Left)} << LightBlue << White << 9 << 0;
    QTest::newRow("hold: the right colour at the hold time, nothing more when it lifts")
        << Gesture{down(1, Left), waitPastTheHold()} << LightRed << White << 9 << 0;
    QTest::newRow("tap that moved the drag distance")
        << Gesture{down(1, Left), move(1, Left + QPoint(0, drag)), up(1, Left + QPoint(0, drag))}
        << LightBlue << White << 9 << 0;
    QTest::newRow("moved beyond the drag distance: nothing")
        << Gesture{down(1, Left), move(1, Left + beyond), up(1, Left + beyond)} << White << White
        << 9 << 0;
    QTest::newRow("moved beyond the drag distance and back: nothing")
        << Gesture{down(1, Left), move(1, Left + beyond), move(1, Left), up(1, Left)} << White
        << White << 9 << 0;
    QTest::newRow("moved beyond the drag distance, then held: nothing")
        << Gesture{down(1, Left), move(1, Left + beyond), waitPastTheHold()} << White << White << 9
        << 0;
    QTest::newRow("the region where it came down, not where it lifted")
        << Gesture{down(1, {317, 50}), move(1, {323, 50}), up(1, {323, 50})} << LightBlue << White
        << 9 << 0;
    QTest::newRow("lifted off the board, within the drag distance: nothing")
        << Gesture{down(1, {637, 50}), up(1, {642, 50})} << White << White << 9 << 0;
    QTest::newRow("two fingers at once, one tapping, one holding")
        << Gesture{down(1, Left), down(2, Right), up(2, Right), waitPastTheHold()} << LightRed
        << LightBlue << 9 << 0;
    QTest::newRow("touch cancelled: nothing")
        << Gesture{down(1, Left), {Step::TouchCancel, 0, Board, {}}, waitPastTheHold()} << White
        << White << 9 << 0;
    QTest::newRow("window hidden and shown again: nothing")
        << Gesture{down(1, Left), {Step::HideAndShowWindow, 0, Board, {}}, waitPastTheHold()}
        << White << White << 9 << 0;
    QTest::newRow("a palm's four points: nothing") << Gesture{down(1, Left),
                                                              down(2, Left + QPoint(10, 0)),
                                                              down(3, Left + QPoint(20, 0)),
                                                              down(4, Right),
                                                              up(4, Right),
                                                              waitPastTheHold()}
                                                   << White << White << 9 << 0;
    QTest::newRow("a palm's wide contact: nothing")
        << Gesture{contact(1, Left, FingerTracker::PalmMillimetres + 3), waitPastTheHold()} << White
        << White << 9 << 0;
    QTest::newRow("a fingertip's contact paints")
        << Gesture{contact(1, Left, 12), waitPastTheHold()} << LightRed << White << 9 << 0;
    QTest::newRow("a new pattern under a held finger: nothing")
        << Gesture{down(1, Left), downOn(2, "MakeGrid"), upOn(2, "MakeGrid"), waitPastTheHold()}
        << White << White << 9 << 0;

    QTest::newRow("swatch tapped while a finger rests on the board")
        << Gesture{down(1, Left), downOn(2, leftSwatch), upOn(2, leftSwatch), up(1, Left)}
        << LightGreen << White << 10 << 0;
    QTest::newRow("double tap on a swatch: two steps")
        << Gesture{downOn(1, leftSwatch), upOn(1, leftSwatch), downOn(2, leftSwatch),
                   upOn(2, leftSwatch)}
        << White << White << 11 << 0;
    QTest::newRow("press and hold on a swatch: one step")
        << Gesture{downOn(1, leftSwatch), waitPastTheHold(), upOn(1, leftSwatch)} << White << White
        << 10 << 0;
    QTest::newRow("from a swatch onto the board: the board paints nothing")
        << Gesture{downOn(1, leftSwatch), move(1, Left), up(1, Left)} << White << White << 10 << 0;
    QTest::newRow("from the board onto a swatch: nothing")
        << Gesture{down(1, {630, 10}), moveOnto(1, leftSwatch), upOn(1, leftSwatch)} << White
        << White << 9 << 0;
    QTest::newRow("button tapped")
        << Gesture{downOn(1, check), upOn(1, check)} << White << White << 9 << 1;
    QTest::newRow("button tapped while a finger rests on the board")
        << Gesture{down(1, Left), downOn(2, check), upOn(2, check), waitPastTheHold()} << LightRed
        << White << 9 << 1;
    QTest::newRow("from a button onto the board: no click, no paint")
        << Gesture{downOn(1, check), move(1, Right), up(1, Right)} << White << White << 9 << 0;

    QTest::newRow("pen tip: the left colour at once")
        << Gesture{pen(Step::PenDown, Left, Qt::LeftButton)} << LightBlue << White << 9 << 0;
    QTest::newRow("pen's barrel button: the right colour")
        << Gesture{pen(Step::PenDown, Left, Qt::RightButton)} << LightRed << White << 9 << 0;
    QTest::newRow("pen's eraser end: the right colour")
        << Gesture{pen(Step::PenDown, Left, Qt::LeftButton, Pen::Eraser)} << LightRed << White << 9
        << 0;
    QTest::newRow("pen tip on a swatch")
        << Gesture{pen(Step::PenDown, {}, Qt::LeftButton, Pen::Pen, leftSwatch)} << White << White
        << 10 << 0;
    QTest::newRow("mouse: left and right paint at once")
        << Gesture{{Step::MousePress, 0, Board, Left, 0, Qt::LeftButton},
                   {Step::MousePress, 0, Board, Right, 0, Qt::RightButton}}
        << LightBlue << LightRed << 9 << 0;
}

void TouchTest::fingersAndPensPlayAsTheMouseDoes()
{
    QFETCH(Gesture, gesture);
    QFETCH(QRgb, left);
    QFETCH(QRgb, right);
    QFETCH(int, leftColour);
    QFETCH(int, checks);

    makeMain();
    QSignalSpy checkClicks(m_main->controls().ColCheck, &QAbstractButton::clicked);
    run(gesture);
    QCOMPARE(board().pixel(Left), left);
    QCOMPARE(board().pixel(Right), right);
    QCOMPARE(m_main->settings().CurrentColor[1], qint16(leftColour));
    QCOMPARE(checkClicks.size(), checks);

    // Fingers and pens still down lift where they are: that paints nothing more.
    Gesture lifts;
    for (const auto &[finger, inWindow] : m_fingersDown)
        lifts << Step{Step::Up, finger, "MorvaneMain", inWindow};
    if (m_penDown)
        lifts << *m_penDown;
    run(lifts);
    QCOMPARE(board().pixel(Left), left);
    QCOMPARE(board().pixel(Right), right);
}

void TouchTest::fingersAndPensTakeTheFocusAsAPressDoes_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QString>("focused");

    const char *check = "ColCheck";
    QTest::newRow("tap on the board") << Gesture{down(1, Left), up(1, Left)} << Board;
    QTest::newRow("a swatch tapped while a finger rests on the board")
        << Gesture{down(1, Left), downOn(2, "PicIndicate_2"), upOn(2, "PicIndicate_2"), up(1, Left)}
        << "PicIndicate_2";
    QTest::newRow("a second finger on the board after a button")
        << Gesture{down(1, Left),  downOn(2, check), upOn(2, check),
                   down(3, Right), up(3, Right),     up(1, Left)}
        << Board;
    QTest::newRow("a pen on the board after a button")
        << Gesture{downOn(1, check), upOn(1, check), pen(Step::PenDown, Left, Qt::LeftButton),
                   pen(Step::PenUp, Left, Qt::LeftButton)}
        << Board;
}

// So that Space or Enter after painting reach the board and never repeat a button.
void TouchTest::fingersAndPensTakeTheFocusAsAPressDoes()
{
    QFETCH(Gesture, gesture);
    QFETCH(QString, focused);

    makeMain(Shown::Active);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QVERIFY(QApplication::focusWidget()->objectName() != focused);
    run(gesture);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

// The ring shows at the finger on the screen while the hold runs; the board's raster, which the
// fill and the measurement read, never holds it.
void TouchTest::holdRingIsDrawnOverTheBoardNeverIntoIt()
{
    makeMain();
    const QImage before = board();
    SurfaceView *view = m_main->controls().picClient;
    run({down(1, Left)});

    QImage shown;
    QTRY_VERIFY((shown = shownOnScreen(view)) != before);
    QCOMPARE(board(), before);
    QRect ring;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != before.pixel(x, y))
                ring |= QRect(x, y, 1, 1);
    QVERIFY2(ring.contains(Left) && ring.width() < 120 && ring.height() < 120,
             qPrintable(QStringLiteral("ring drawn over %1,%2 %3x%4")
                            .arg(ring.x())
                            .arg(ring.y())
                            .arg(ring.width())
                            .arg(ring.height())));

    // After the hold: the region in the right colour, as a right-button press paints it, and no
    // ring on the screen.
    Surface expected(before.width(), before.height());
    expected.setPicture(rasterOf(before));
    expected.setFillStyle(Surface::FillStyle::Solid);
    expected.setFillColor(LightRed);
    expected.floodFill(Left.x(), Left.y());
    QTRY_COMPARE(board(), imageOf(expected.image()));
    QTRY_COMPARE(shownOnScreen(view), imageOf(expected.image()));
    run({up(1, Left)});
}

void TouchTest::dialogsAnswerFingers_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("quit question, いいえ") << "quit" << QStringList{"quit question"};
    QTest::newRow("help, return") << "help" << QStringList{"help"};
    QTest::newRow("help, teacher, return") << "teacher" << QStringList{"help", "teacher"};
    QTest::newRow("hidden spot double-tapped, teacher, return")
        << "hidden spot" << QStringList{"teacher"};
    QTest::newRow("picture file, cancel") << "file" << QStringList{"file dialog"};
}

// Fingers on the dialogs: Qt makes mouse clicks of their taps, as the game leaves them alone.
void TouchTest::dialogsAnswerFingers()
{
    QFETCH(QString, route);
    QFETCH(QStringList, shown);

    makeMain();
    // Another child's finger rests on the board meanwhile.
    run({down(1, Left)});
    const MorvaneMainControls &ui = m_main->controls();
    DialogScript script;
    const auto inTeacher = [this](Teacher &teacher) { tap(teacher.controls().cmdRet); };
    if (route == "quit") {
        script.whenShown<QMessageBox>(
            "quit question", [this](QMessageBox &box) { tap(box.button(QMessageBox::No)); });
        tap(ui.cmdEnd);
    } else if (route == "hidden spot") {
        script.whenShown<Teacher>("teacher", inTeacher);
        tap(ui.Image1);
        tap(ui.Image1);
    } else if (route == "file") {
        script.whenShown<QFileDialog>("file dialog", [this](QFileDialog &dialog) {
            tap(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel));
        });
        tap(ui.cmdFileOpen);
    } else {
        script.whenShown<HelpDialog>("help", [&](HelpDialog &help) {
            if (route == "help") {
                tap(help.cmdRet());
            } else {
                script.whenShown<Teacher>("teacher", inTeacher);
                tap(help.cmdTeacher());
            }
        });
        tap(ui.cmdHelp);
    }

    QCOMPARE(script.missed(), QStringList());
    QCOMPARE(script.ran(), shown);
    QVERIFY(m_main->isVisible());
    // Hidden, or under a modal dialog, the board could not see that finger lift: it paints
    // nothing, neither when its hold time has passed nor when it lifts.
    QTest::qWait(static_cast<int>(PastTheHold.count()));
    run({up(1, Left)});
    QCOMPARE(board().pixel(Left), White);
}

QTEST_MAIN(TouchTest)
#include "tst_touch.moc"
