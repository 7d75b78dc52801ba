#include "support/DialogScript.h"
#include "support/MainWindowFixture.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/widgets/Fonts.h"
#include "desktop/widgets/QuitPrompt.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

constexpr QRgb LightBlue = 0xff0000ff;

QAbstractButton *buttonWithText(QWidget *box, const QString &text)
{
    for (auto *button : box->findChildren<QAbstractButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Answers the quit question as a user would; false when the answer did not close the box.
bool answer(QWidget *box, const QString &how)
{
    if (how == "enter")
        QTest::keyClick(box, Qt::Key_Return);
    else if (how == "space" && box->focusWidget())
        QTest::keyClick(box->focusWidget(), Qt::Key_Space);
    else if (how == "escape")
        QTest::keyClick(box, Qt::Key_Escape);
    else if (how == "no")
        QTest::mouseClick(buttonWithText(box, QStringLiteral("いいえ")), Qt::LeftButton);
    else if (how == "yes")
        QTest::mouseClick(buttonWithText(box, QStringLiteral("はい")), Qt::LeftButton);
    const bool closed = !box->isVisible();
    box->close(); // not left open should the answer have missed
    return closed;
}

} // namespace

class MainWindowQuitTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void questionIsAskedInTheGamesWords();
    void onlyYesConfirms_data();
    void onlyYesConfirms();
    void answersOtherThanYesKeepEverything_data();
    void answersOtherThanYesKeepEverything();
    void windowManagerCloseAsksTheSameQuestion();
    // Last: ending the event loops cannot be undone within this test program.
    void yesEndsTheGame();

private:
    void pressQuit();
};

void MainWindowQuitTest::initTestCase()
{
    Fonts::installSubstitutions();
}

void MainWindowQuitTest::init()
{
    freshStore();
    startGame(Shown::Active);
}

void MainWindowQuitTest::cleanup()
{
    endGame();
}

void MainWindowQuitTest::pressQuit()
{
    QTest::mouseClick(m_main->findChild<QAbstractButton *>("cmdEnd"), Qt::LeftButton);
}

void MainWindowQuitTest::questionIsAskedInTheGamesWords()
{
    QString title, text, yes, no, defaultButton, escapeButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    DialogScript script;
    script.whenShown<QMessageBox>(QStringLiteral("quit question"), [&](QMessageBox &shown) {
        QMessageBox *box = &shown;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        defaultButton = box->defaultButton()->text();
        escapeButton = box->escapeButton()->text();
        box->reject();
    });
    pressQuit();

    QCOMPARE(title, QStringLiteral("終わりのたしかめ"));
    QCOMPARE(text, QStringLiteral("「はい」のボタンで終わります。\n"
                                  "「いいえ」のボタンでもどります。\n"
                                  "終わってもいいですか？"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(yes, QStringLiteral("はい"));
    QCOMPARE(no, QStringLiteral("いいえ"));
    QCOMPARE(defaultButton, no);
    QCOMPARE(escapeButton, no);
}

void MainWindowQuitTest::onlyYesConfirms_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("Enter chooses the default") << "enter" << false;
    QTest::newRow("Space presses the focused default") << "space" << false;
    QTest::newRow("Esc") << "escape" << false;
    QTest::newRow("click いいえ") << "no" << false;
    QTest::newRow("click はい") << "yes" << true;
}

void MainWindowQuitTest::onlyYesConfirms()
{
    QFETCH(QString, how);
    QFETCH(bool, confirmed);

    bool answered = false;
    DialogScript script;
    script.whenShown<QMessageBox>(QStringLiteral("quit question"),
                                  [&](QMessageBox &box) { answered = answer(&box, how); });
    const bool result = QuitPrompt::confirm(m_main.get());
    QVERIFY(answered);
    QCOMPARE(result, confirmed);
}

void MainWindowQuitTest::answersOtherThanYesKeepEverything_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Space") << "space";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("click いいえ") << "no";
}

void MainWindowQuitTest::answersOtherThanYesKeepEverything()
{
    QFETCH(QString, how);

    auto *board = m_main->findChild<SurfaceView *>("picClient");
    const QPoint origin = board->innerOrigin();
    QTest::mouseClick(board, Qt::LeftButton, {}, origin + QPoint(10, 10));
    QTest::mouseClick(m_main->findChild<ColorSwatch *>("PicIndicate_2"), Qt::LeftButton);
    const GameSettings before = m_main->settings();

    bool answered = false;
    DialogScript script;
    script.whenShown<QMessageBox>(QStringLiteral("quit question"),
                                  [&](QMessageBox &box) { answered = answer(&box, how); });
    pressQuit();

    QVERIFY(answered);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(m_main->isVisible());
    QCOMPARE(m_main->settings().CurrentColor, before.CurrentColor);
    QCOMPARE(m_main->settings().CanSearchButton, before.CanSearchButton);
    QCOMPARE(m_main->settings().PaperSize, before.PaperSize);
    // The box stood over the board; the painting is still there on the screen.
    QCOMPARE(board->grab().toImage().pixel(origin + QPoint(600, 400)), LightBlue);
}

void MainWindowQuitTest::windowManagerCloseAsksTheSameQuestion()
{
    QString title;
    DialogScript script;
    script.whenShown<QMessageBox>(QStringLiteral("quit question"), [&](QMessageBox &box) {
        title = box.windowTitle();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    m_main->windowHandle()->close();

    QCOMPARE(title, QStringLiteral("終わりのたしかめ"));
    QVERIFY(m_main->isVisible());
}

void MainWindowQuitTest::yesEndsTheGame()
{
    DialogScript script;
    script.whenShown<QMessageBox>(QStringLiteral("quit question"),
                                  [](QMessageBox &box) { answer(&box, "yes"); });
    QEventLoop game;
    QTimer::singleShot(0, m_main.get(), &MorvaneMain::cmdEnd_Click);
    // Should Yes not end the loops, the test ends it with a code of its own.
    QTimer::singleShot(10000, &game, [&game] { game.exit(99); });
    QCOMPARE(game.exec(), 0);
}

QTEST_MAIN(MainWindowQuitTest)
#include "tst_mainwindow_quit.moc"
