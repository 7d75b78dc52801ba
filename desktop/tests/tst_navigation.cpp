#include "support/DialogScript.h"
#include "support/MainWindowFixture.h"
#include "support/ScreenPixels.h"
#include "support/WindowManagerRequest.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/help/HelpDialog.h"
#include "desktop/help/frmSplash.h"
#include "desktop/teacher/Teacher.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

namespace {

constexpr QRgb LightBlue = 0xff0000ff; // the left default
constexpr QRgb LightRed = 0xffff0000;  // the right default
const QPoint LeftCell(100, 100);       // inside one cell of the large grid
const QPoint RightCell(500, 300);      // inside another

// Leaves a dialog as the user can: its return button, Esc, or the window manager's close.
void leave(QDialog &dialog, QAbstractButton *returnButton, const QString &how)
{
    if (how == "button") {
        QTest::mouseClick(returnButton, Qt::LeftButton);
    } else if (how == "Esc") {
        QWidget *focus = dialog.focusWidget();
        QTest::keyClick(focus ? focus : &dialog, Qt::Key_Escape);
    } else {
        dialog.close();
    }
}

QByteArray storeFileContents()
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                    QStringLiteral("Morvane"));
    QFile file(store.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void typeInto(QComboBox *box, const QString &text)
{
    QLineEdit *edit = box->lineEdit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

class NavigationTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyWayOutBringsBackTheMainWindowAndItsBoard_data();
    void everyWayOutBringsBackTheMainWindowAndItsBoard();
    void hiddenSpotAnswersOnlyADoubleClick_data();
    void hiddenSpotAnswersOnlyADoubleClick();
    void enterInARateBoxSavesNothingAndLeavesTheDialogOpen_data();
    void enterInARateBoxSavesNothingAndLeavesTheDialogOpen();
    void versionWindowTwiceIsTheSameWindowShownUntilClicked();
    void minimisedDialogComesStraightBack_data();
    void minimisedDialogComesStraightBack();

private:
    void showPaintedMain();
    void verifyBackOnTheBoard();

    QImage m_paintedBoard;
};

void NavigationTest::init()
{
    freshStore();
}

void NavigationTest::cleanup()
{
    endGame();
}

// The children's work that each way back must keep: a large grid with one cell of each side.
void NavigationTest::showPaintedMain()
{
    startGame(Shown::No);
    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    // Dragged to a corner by its title bar: the dialogs still come up in the middle of the screen.
    m_main->move(0, 0);
    const MorvaneMainControls &ui = m_main->controls();
    QTest::mouseClick(ui.MakeGrid, Qt::LeftButton);
    const QPoint origin = ui.picClient->innerOrigin();
    QTest::mouseClick(ui.picClient, Qt::LeftButton, {}, origin + LeftCell);
    QTest::mouseClick(ui.picClient, Qt::RightButton, {}, origin + RightCell);
    m_paintedBoard = m_main->boardImage();
    QCOMPARE(m_paintedBoard.pixel(LeftCell), LightBlue);
    QCOMPARE(m_paintedBoard.pixel(RightCell), LightRed);
}

void NavigationTest::verifyBackOnTheBoard()
{
    QVERIFY(m_main->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!m_main->teacherDialog()->isVisible());
    if (m_main->helpDialog())
        QVERIFY(!m_main->helpDialog()->isVisible());

    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QCOMPARE(m_main->boardImage(), m_paintedBoard);
    QCOMPARE(shownOnScreen(m_main->controls().picClient), m_paintedBoard);
}

void NavigationTest::everyWayOutBringsBackTheMainWindowAndItsBoard_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("how");

    for (const char *route : {"help", "help, teacher", "hidden spot"})
        for (const char *how : {"button", "Esc", "close"})
            QTest::addRow("%s, %s", route, how) << route << how;
}

void NavigationTest::everyWayOutBringsBackTheMainWindowAndItsBoard()
{
    QFETCH(QString, route);
    QFETCH(QString, how);

    showPaintedMain();
    DialogScript script;
    bool mainHiddenMeanwhile = true;
    bool helpHiddenUnderTeacher = true;
    QString helpOffCentre;
    QString teacherOffCentre;
    const auto inTeacher = [&](Teacher &teacher) {
        mainHiddenMeanwhile = mainHiddenMeanwhile && !m_main->isVisible();
        if (m_main->helpDialog())
            helpHiddenUnderTeacher = !m_main->helpDialog()->isVisible();
        teacherOffCentre = offCentre(teacher);
        leave(teacher, teacher.controls().cmdRet, how);
    };

    if (route == "hidden spot") {
        script.whenShown<Teacher>("teacher", inTeacher);
        doubleClickTheHiddenSpot(*m_main);
    } else {
        script.whenShown<HelpDialog>("help", [&](HelpDialog &help) {
            mainHiddenMeanwhile = !m_main->isVisible();
            helpOffCentre = offCentre(help);
            if (route == "help") {
                leave(help, help.cmdRet(), how);
            } else {
                script.whenShown<Teacher>("teacher", inTeacher);
                QTest::mouseClick(help.cmdTeacher(), Qt::LeftButton);
            }
        });
        QTest::mouseClick(m_main->controls().cmdHelp, Qt::LeftButton);
    }

    QCOMPARE(script.missed(), QStringList());
    QStringList expectedSteps;
    if (route.startsWith("help"))
        expectedSteps << "help";
    if (route != "help")
        expectedSteps << "teacher";
    QCOMPARE(script.ran(), expectedSteps);
    QVERIFY(mainHiddenMeanwhile);
    QVERIFY(helpHiddenUnderTeacher);
    QCOMPARE(helpOffCentre, QString());
    QCOMPARE(teacherOffCentre, QString());
    verifyBackOnTheBoard();
}

void NavigationTest::hiddenSpotAnswersOnlyADoubleClick_data()
{
    QTest::addColumn<bool>("twice");
    QTest::addColumn<bool>("opens");

    QTest::newRow("click") << false << false;
    QTest::newRow("double-click") << true << true;
}

void NavigationTest::hiddenSpotAnswersOnlyADoubleClick()
{
    QFETCH(bool, twice);
    QFETCH(bool, opens);

    showPaintedMain();
    bool mainHiddenMeanwhile = false;
    QString teacherOffCentre;
    {
        DialogScript script;
        script.whenShown<Teacher>("teacher", [&](Teacher &teacher) {
            mainHiddenMeanwhile = !m_main->isVisible();
            teacherOffCentre = offCentre(teacher);
            QTest::mouseClick(teacher.controls().cmdRet, Qt::LeftButton);
        });
        QWidget *spot = m_main->controls().Image1;
        if (twice)
            doubleClickTheHiddenSpot(*m_main);
        else
            QTest::mouseClick(spot, Qt::LeftButton, {}, spot->rect().center());
        // The teacher dialog is modal: it can only have been shown while the mouse was busy.
        QCOMPARE(script.ran().size(), opens ? 1 : 0);
        QCOMPARE(script.missed(), QStringList());
    }
    if (opens) {
        QVERIFY(mainHiddenMeanwhile);
        QCOMPARE(teacherOffCentre, QString());
    }
    verifyBackOnTheBoard();
}

void NavigationTest::enterInARateBoxSavesNothingAndLeavesTheDialogOpen_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<Qt::Key>("key");

    QTest::newRow("horizontal, Return") << 0 << Qt::Key_Return;
    QTest::newRow("horizontal, keypad Enter") << 0 << Qt::Key_Enter;
    QTest::newRow("vertical, Return") << 1 << Qt::Key_Return;
}

void NavigationTest::enterInARateBoxSavesNothingAndLeavesTheDialogOpen()
{
    QFETCH(int, box);
    QFETCH(Qt::Key, key);

    // A store that was saved before: the file exists and must stay as it is.
    m_store->set("RateYoko", "0.6");
    m_store->set("RateTate", "0.7");
    const QByteArray saved = storeFileContents();
    QVERIFY(!saved.isEmpty());
    showPaintedMain();

    DialogScript script;
    bool openAfterEnter = false;
    QByteArray afterEnter;
    script.whenShown<Teacher>("teacher", [&](Teacher &teacher) {
        QComboBox *combo = teacher.controls().RateCombo[static_cast<size_t>(box)];
        typeInto(combo, QStringLiteral("0.62"));
        QTest::keyClick(combo->lineEdit(), key);
        openAfterEnter = teacher.isVisible() && QApplication::activeModalWidget() == &teacher;
        afterEnter = storeFileContents();
        QTest::mouseClick(teacher.controls().cmdRet, Qt::LeftButton);
    });
    doubleClickTheHiddenSpot(*m_main);

    QCOMPARE(script.missed(), QStringList());
    QVERIFY(openAfterEnter);
    QCOMPARE(afterEnter, saved);
    QCOMPARE(storeFileContents(), saved);
    // The typed rate holds for this run all the same.
    QCOMPARE(m_main->settings().Rate[static_cast<size_t>(box)], 0.62f);
    verifyBackOnTheBoard();
}

// The version window is shown modally over the help dialog until a click hides it; the second
// time it is the same window again.
void NavigationTest::versionWindowTwiceIsTheSameWindowShownUntilClicked()
{
    showPaintedMain();
    DialogScript script;
    QList<frmSplash *> splashes;
    bool stayedUntilClicked = true;
    bool helpShownBehind = true;
    bool hiddenByTheClick = true;
    QString splashOffCentre;
    const auto inSplash = [&](frmSplash &splash) {
        splashes << &splash;
        splashOffCentre = offCentre(splash);
        helpShownBehind = helpShownBehind && m_main->helpDialog()->isVisible();
        for (int round = 0; round < 20; ++round)
            QCoreApplication::processEvents();
        stayedUntilClicked = stayedUntilClicked && splash.isVisible();
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(30, 30));
        hiddenByTheClick = hiddenByTheClick && !splash.isVisible();
    };
    script.whenShown<HelpDialog>("help", [&](HelpDialog &help) {
        for (const char *time : {"version 1", "version 2"}) {
            script.whenShown<frmSplash>(time, inSplash);
            QTest::mouseClick(help.Command1(), Qt::LeftButton);
        }
        helpShownBehind = helpShownBehind && help.isVisible();
        QTest::mouseClick(help.cmdRet(), Qt::LeftButton);
    });
    QTest::mouseClick(m_main->controls().cmdHelp, Qt::LeftButton);

    QCOMPARE(script.missed(), QStringList());
    QCOMPARE(script.ran(), QStringList({"help", "version 1", "version 2"}));
    QCOMPARE(splashes.size(), 2);
    QCOMPARE(splashes[0], splashes[1]);
    QVERIFY(stayedUntilClicked);
    QVERIFY(hiddenByTheClick);
    QVERIFY(helpShownBehind);
    QCOMPARE(splashOffCentre, QString());
    verifyBackOnTheBoard();
}

// Minimised as the window manager's button would, a dialog comes straight back, shown and still the
// modal window: the main window is hidden meanwhile, so nothing else of the game would be left.
template <typename Window> bool minimiseComesBack(Window &window)
{
    return changeStateAsTheWindowManager(window, Qt::WindowMinimized) && QTest::qWaitFor([&] {
               return !window.isMinimized() && window.isVisible() &&
                      QApplication::activeModalWidget() == &window;
           });
}

void NavigationTest::minimisedDialogComesStraightBack_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("help") << "help";
    QTest::newRow("teacher") << "teacher";
    QTest::newRow("version") << "version";
}

void NavigationTest::minimisedDialogComesStraightBack()
{
    QFETCH(QString, dialog);

    showPaintedMain();
    DialogScript script;
    bool cameBack = false;
    script.whenShown<HelpDialog>("help", [&](HelpDialog &help) {
        if (dialog == "help") {
            cameBack = minimiseComesBack(help);
            QTest::mouseClick(help.cmdRet(), Qt::LeftButton);
        } else if (dialog == "teacher") {
            script.whenShown<Teacher>("teacher", [&](Teacher &teacher) {
                cameBack = minimiseComesBack(teacher);
                QTest::mouseClick(teacher.controls().cmdRet, Qt::LeftButton);
            });
            QTest::mouseClick(help.cmdTeacher(), Qt::LeftButton);
        } else {
            script.whenShown<frmSplash>("version", [&](frmSplash &splash) {
                cameBack = minimiseComesBack(splash);
                QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(30, 30));
            });
            QTest::mouseClick(help.Command1(), Qt::LeftButton);
            QTest::mouseClick(help.cmdRet(), Qt::LeftButton);
        }
    });
    QTest::mouseClick(m_main->controls().cmdHelp, Qt::LeftButton);

    QCOMPARE(script.missed(), QStringList());
    QVERIFY(script.ran().contains(dialog));
    QVERIFY(cameBack);
    verifyBackOnTheBoard();
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
