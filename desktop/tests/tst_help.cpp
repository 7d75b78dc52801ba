#include "desktop/help/HelpDialog.h"
#include "desktop/help/frmSplash.h"
#include "desktop/widgets/Fonts.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void returnButtonHoldsTheFocusOnOpening();
    void tabVisitsTheControlsInTheirOrder();
    void leavingHidesAndThenEmitsReturned_data();
    void leavingHidesAndThenEmitsReturned();
    void teacherButtonHidesBeforeAskingForTheTeacherDialog();
    void versionWindowStaysUntilClickedAndIsTheSameTwice();
    void helpTextsFitTheirBoxes_data();
    void helpTextsFitTheirBoxes();

private:
    std::unique_ptr<HelpDialog> m_dialog;
};

void TestHelp::initTestCase()
{
    Fonts::installSubstitutions();
}

void TestHelp::init()
{
    m_dialog = std::make_unique<HelpDialog>();
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void TestHelp::cleanup()
{
    m_dialog.reset();
}

void TestHelp::returnButtonHoldsTheFocusOnOpening()
{
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QCOMPARE(QApplication::focusWidget(), m_dialog->cmdRet());
}

// The picture box with the three sentences takes the focus in its place, after もどる.
void TestHelp::tabVisitsTheControlsInTheirOrder()
{
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QCOMPARE(UserInput::tabRound(4),
             QStringList({"cmdRet", "Picture1", "cmdTeacher", "Command1", "cmdRet"}));
}

void TestHelp::leavingHidesAndThenEmitsReturned_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("もどる") << "cmdRet";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("window close") << "close";
    // Enter on the focused もどる, once however long it is held.
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("held keypad Enter") << "held Enter";
}

void TestHelp::leavingHidesAndThenEmitsReturned()
{
    QFETCH(QString, how);

    m_dialog->hide();
    QSignalSpy teacher(m_dialog.get(), &HelpDialog::teacherRequested);
    bool visibleOnReturn = true;
    int returnedCount = 0;
    connect(m_dialog.get(), &HelpDialog::returned, this, [&] {
        visibleOnReturn = m_dialog->isVisible();
        ++returnedCount;
    });
    QTimer::singleShot(0, this, [&] {
        if (how == "cmdRet") {
            QTest::mouseClick(m_dialog->cmdRet(), Qt::LeftButton);
        } else if (how == "Esc") {
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        } else if (how.endsWith("Enter")) {
            UserInput::holdKey(m_dialog->cmdRet(), how == "Enter" ? Qt::Key_Return : Qt::Key_Enter,
                               how == "Enter" ? 0 : 8);
        } else {
            m_dialog->close();
        }
        // A way out that failed ends the modal wait all the same, without returned().
        m_dialog->hide();
    });
    // As the main window's help button shows it: modally, until it is hidden.
    m_dialog->exec();

    QCOMPARE(returnedCount, 1);
    QVERIFY(!visibleOnReturn);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(teacher.isEmpty());
}

void TestHelp::teacherButtonHidesBeforeAskingForTheTeacherDialog()
{
    QSignalSpy returned(m_dialog.get(), &HelpDialog::returned);
    bool visibleOnRequest = true;
    int requests = 0;
    connect(m_dialog.get(), &HelpDialog::teacherRequested, this, [&] {
        visibleOnRequest = m_dialog->isVisible();
        ++requests;
    });

    QTest::mouseClick(m_dialog->cmdTeacher(), Qt::LeftButton);

    QCOMPARE(requests, 1);
    QVERIFY(!visibleOnRequest);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(returned.isEmpty());
}

void TestHelp::versionWindowStaysUntilClickedAndIsTheSameTwice()
{
    QList<frmSplash *> shown;
    bool helpVisibleBehind = true;
    int roundsShown = 0;
    QTimer clicker;
    connect(&clicker, &QTimer::timeout, this, [&] {
        auto *splash = qobject_cast<frmSplash *>(QApplication::activeModalWidget());
        if (!splash || !splash->isVisible())
            return;
        // Several rounds of events pass without the window going by itself.
        if (++roundsShown < 5)
            return;
        roundsShown = 0;
        shown << splash;
        helpVisibleBehind = helpVisibleBehind && m_dialog->isVisible();
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(20, 20));
    });
    clicker.start(0);

    for (int time = 1; time <= 2; ++time) {
        QTest::mouseClick(m_dialog->Command1(), Qt::LeftButton);
        // The button's reaction returns only once the version window was clicked away.
        QCOMPARE(shown.size(), time);
        QVERIFY(!shown.last()->isVisible());
    }
    clicker.stop();

    QCOMPARE(shown[0], shown[1]);
    QCOMPARE(m_dialog->versionWindow(), shown[0]);
    QVERIFY(helpVisibleBehind);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestHelp::helpTextsFitTheirBoxes_data()
{
    QTest::addColumn<int>("label");
    for (int label = 1; label <= 4; ++label)
        QTest::addRow("Label%d", label) << label;
}

void TestHelp::helpTextsFitTheirBoxes()
{
    QFETCH(int, label);

    const QLabel *text = m_dialog->Label(label);
    QVERIFY(!text->text().isEmpty());
    const int needed = text->heightForWidth(text->width());
    QVERIFY2(needed <= text->height(), qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                                      .arg(text->objectName())
                                                      .arg(needed)
                                                      .arg(text->height())));
    QVERIFY(m_dialog->Picture1()->contentsRect().contains(text->geometry()));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
