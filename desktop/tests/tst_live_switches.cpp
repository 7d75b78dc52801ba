#include "support/DialogScript.h"
#include "support/MainWindowFixture.h"
#include "support/ScreenPixels.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/teacher/PressableLabel.h"
#include "desktop/teacher/Teacher.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb LightBlue = 0xff0000ff; // index 9, the left default
constexpr QRgb LightRed = 0xffff0000;  // index 12, the right default

void toggle(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void press(QWidget *widget, bool wholeDoubleClick)
{
    if (wholeDoubleClick)
        UserInput::doubleClick(widget);
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

// The teacher's switches act on the running game as soon as they change, without a save.
class LiveSwitchesTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clearingASwitchDisablesItsButtonsAtOnce_data();
    void clearingASwitchDisablesItsButtonsAtOnce();
    void colourSwitchGovernsTheSwatchesOnReturn_data();
    void colourSwitchGovernsTheSwatchesOnReturn();
    void thickLinesSwitchSetsTheWidthOfTheNextPattern_data();
    void thickLinesSwitchSetsTheWidthOfTheNextPattern();
    void screenSwitchShowsOnReturn_data();
    void screenSwitchShowsOnReturn();
    void defaultColoursLeaveTheColoursInPlay_data();
    void defaultColoursLeaveTheColoursInPlay();

private:
    // Opens the teacher dialog by the hidden spot, runs `inside` there and returns with its
    // return button.
    void inTeacherDialog(const std::function<void(Teacher &)> &inside);
    QStringList disabledButtons() const;
};

void LiveSwitchesTest::init()
{
    freshStore();
}

void LiveSwitchesTest::cleanup()
{
    endGame();
}

void LiveSwitchesTest::inTeacherDialog(const std::function<void(Teacher &)> &inside)
{
    DialogScript script;
    script.whenShown<Teacher>("teacher", [&](Teacher &teacher) {
        inside(teacher);
        QTest::mouseClick(teacher.controls().cmdRet, Qt::LeftButton);
    });
    doubleClickTheHiddenSpot(*m_main);
    QCOMPARE(script.missed(), QStringList());
    QCOMPARE(script.ran(), QStringList("teacher"));
    QVERIFY(m_main->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

QStringList LiveSwitchesTest::disabledButtons() const
{
    QStringList names;
    for (const QAbstractButton *button : m_main->findChildren<QAbstractButton *>())
        if (button->window() == m_main.get() && !button->isEnabled())
            names << button->objectName();
    names.sort();
    return names;
}

void LiveSwitchesTest::clearingASwitchDisablesItsButtonsAtOnce_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("Check1") << 1 << QStringList{"ColCheck"};
    QTest::newRow("Check2") << 2
                            << QStringList{"MakeGrid", "MakeGridSmall", "MakeNaname", "Makerandom",
                                           "Makesennuki"};
    QTest::newRow("Check4") << 4 << QStringList{"cmdFileOpen"};
}

void LiveSwitchesTest::clearingASwitchDisablesItsButtonsAtOnce()
{
    QFETCH(int, box);
    QFETCH(QStringList, buttons);

    startGame();
    QCOMPARE(disabledButtons(), QStringList());
    QStringList whenCleared;
    QStringList whenTicked;
    inTeacherDialog([&](Teacher &teacher) {
        QCheckBox *check = teacher.controls().Check[static_cast<size_t>(box)];
        toggle(check);
        whenCleared = disabledButtons();
        toggle(check);
        whenTicked = disabledButtons();
        toggle(check);
    });

    QCOMPARE(whenCleared, buttons);
    QCOMPARE(whenTicked, QStringList());
    QCOMPARE(disabledButtons(), buttons);
    QVERIFY(!m_main->teacherDialog()->isChecked(static_cast<Switch>(box)));

    // The disabled buttons take no presses: neither the board nor the graph strip change.
    const QImage board = m_main->boardImage();
    const QImage strip = m_main->stripImage();
    for (const QString &name : buttons)
        QTest::mouseClick(m_main->findChild<QAbstractButton *>(name), Qt::LeftButton);
    QCOMPARE(m_main->boardImage(), board);
    QCOMPARE(m_main->stripImage(), strip);
}

void LiveSwitchesTest::colourSwitchGovernsTheSwatchesOnReturn_data()
{
    QTest::addColumn<QString>("stored"); // CanColorChange; the dialog turns it round
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("left"); // the colours after one press on each swatch
    QTest::addColumn<int>("right");

    QTest::newRow("cleared") << "-1" << false << 9 << 12;
    QTest::newRow("ticked") << "0" << true << 10 << 13;
}

void LiveSwitchesTest::colourSwitchGovernsTheSwatchesOnReturn()
{
    QFETCH(QString, stored);
    QFETCH(bool, allowed);
    QFETCH(int, left);
    QFETCH(int, right);

    m_store->set("CanColorChange", stored);
    startGame();
    const MorvaneMainControls &ui = m_main->controls();
    inTeacherDialog([](Teacher &teacher) { toggle(teacher.controls().Check[3]); });

    // Coming back makes the main window the active one, which sets the pointers anew.
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    const Qt::CursorShape pointer = allowed ? Qt::PointingHandCursor : Qt::ArrowCursor;
    QCOMPARE(ui.PicIndicate[1]->cursor().shape(), pointer);
    QCOMPARE(ui.PicIndicate[2]->cursor().shape(), pointer);

    QTest::mouseClick(ui.PicIndicate[1], Qt::LeftButton);
    QTest::mouseClick(ui.PicIndicate[2], Qt::RightButton);
    QCOMPARE(m_main->settings().CurrentColor[1], qint16(left));
    QCOMPARE(m_main->settings().CurrentColor[2], qint16(right));
    QCOMPARE(ui.PicIndicate[1]->BackColor() == LightBlue, !allowed);
    QCOMPARE(ui.PicIndicate[2]->BackColor() == LightRed, !allowed);
}

void LiveSwitchesTest::thickLinesSwitchSetsTheWidthOfTheNextPattern_data()
{
    QTest::addColumn<QString>("stored"); // LineWidth; the dialog turns it round
    QTest::addColumn<QRgb>("column81");  // the large grid's first line stands at x = 80

    QTest::newRow("ticked: two pixels") << "1" << Black;
    QTest::newRow("cleared: one pixel") << "2" << White;
}

void LiveSwitchesTest::thickLinesSwitchSetsTheWidthOfTheNextPattern()
{
    QFETCH(QString, stored);
    QFETCH(QRgb, column81);

    m_store->set("LineWidth", stored);
    startGame();
    const MorvaneMainControls &ui = m_main->controls();
    QTest::mouseClick(ui.MakeGrid, Qt::LeftButton);
    const QImage before = m_main->boardImage();
    QCOMPARE(before.pixel(81, 40), column81 == Black ? White : Black);

    inTeacherDialog([](Teacher &teacher) { toggle(teacher.controls().Check[7]); });
    // The board already drawn stays as it is; the next pattern takes the new width.
    QCOMPARE(m_main->boardImage(), before);
    QTest::mouseClick(ui.MakeGrid, Qt::LeftButton);

    const QImage board = m_main->boardImage();
    for (const QImage &image : {board, shownOnScreen(ui.picClient)}) {
        QCOMPARE(image.pixel(79, 40), White);
        QCOMPARE(image.pixel(80, 40), Black);
        QCOMPARE(image.pixel(81, 40), column81);
        QCOMPARE(image.pixel(82, 40), White);
        QCOMPARE(image.pixel(40, 80), Black); // the horizontal lines too
        QCOMPARE(image.pixel(40, 81), column81);
        QCOMPARE(image.pixel(40, 82), White);
    }
}

void LiveSwitchesTest::screenSwitchShowsOnReturn_data()
{
    QTest::addColumn<QString>("stored"); // ScreenModeFlag; the dialog turns it round
    QTest::addColumn<bool>("maximized");

    QTest::newRow("ticked") << "0" << true;
    QTest::newRow("cleared") << "-1" << false;
}

void LiveSwitchesTest::screenSwitchShowsOnReturn()
{
    QFETCH(QString, stored);
    QFETCH(bool, maximized);

    m_store->set("ScreenModeFlag", stored);
    startGame();
    QCOMPARE(m_main->isMaximized(), !maximized);
    const MorvaneMainControls &ui = m_main->controls();
    QTest::mouseClick(ui.MakeGrid, Qt::LeftButton);
    QTest::mouseClick(ui.picClient, Qt::LeftButton, {}, ui.picClient->innerOrigin() + QPoint(5, 5));

    bool hiddenMeanwhile = false;
    inTeacherDialog([&](Teacher &teacher) {
        toggle(teacher.controls().Check[6]);
        hiddenMeanwhile = !m_main->isVisible();
    });

    QVERIFY(hiddenMeanwhile);
    QCOMPARE(m_main->isMaximized(), maximized);
    if (maximized) {
        // The fixed size is lifted, or a window manager could not maximize the window.
        QCOMPARE(m_main->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    } else {
        QCOMPARE(m_main->size(), QSize(731, 506));
        QCOMPARE(m_main->maximumSize(), QSize(731, 506));
    }
    // The session holds the switch as the box shows it; the board stays.
    QCOMPARE(m_main->settings().ScreenModeFlag, maximized);
    QCOMPARE(ui.picClient->pos(), QPoint(3, 2));
    QCOMPARE(shownOnScreen(ui.picClient).pixel(5, 5), LightBlue);
}

void LiveSwitchesTest::defaultColoursLeaveTheColoursInPlay_data()
{
    QTest::addColumn<bool>("onLabel");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("wholeDoubleClick");
    QTest::addColumn<int>("paintColor"); // from the defaults 9 and 12

    QTest::newRow("left swatch, click") << false << 1 << false << 10;
    QTest::newRow("right swatch, double-click") << false << 2 << true << 14;
    QTest::newRow("left label, double-click") << true << 1 << true << 11;
    QTest::newRow("right label, click") << true << 2 << false << 13;
}

void LiveSwitchesTest::defaultColoursLeaveTheColoursInPlay()
{
    QFETCH(bool, onLabel);
    QFETCH(int, side);
    QFETCH(bool, wholeDoubleClick);
    QFETCH(int, paintColor);

    startGame();
    const auto i = static_cast<size_t>(side);
    inTeacherDialog([&](Teacher &teacher) {
        const TeacherControls &ui = teacher.controls();
        press(onLabel ? static_cast<QWidget *>(ui.Label1[i]) : ui.IndicateSet[i], wholeDoubleClick);
    });

    QCOMPARE(m_main->settings().PaintColor[i], qint16(paintColor));
    QCOMPARE(m_main->settings().CurrentColor[1], qint16(9));
    QCOMPARE(m_main->settings().CurrentColor[2], qint16(12));
    const MorvaneMainControls &ui = m_main->controls();
    QCOMPARE(ui.PicIndicate[1]->BackColor(), LightBlue);
    QCOMPARE(ui.PicIndicate[2]->BackColor(), LightRed);

    // The children go on painting in the colours they had.
    const Qt::MouseButton button = side == 1 ? Qt::LeftButton : Qt::RightButton;
    QTest::mouseClick(ui.picClient, button, {}, ui.picClient->innerOrigin() + QPoint(5, 5));
    QCOMPARE(m_main->boardImage().pixel(5, 5), side == 1 ? LightBlue : LightRed);
}

QTEST_MAIN(LiveSwitchesTest)
#include "tst_live_switches.moc"
