#include "core/board/ColorStep.h"
#include "core/board/Palette.h"
#include "core/session/GameSession.h"
#include "core/settings/GameSettings.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/print/GamePrinter.h"
#include "desktop/teacher/PressableLabel.h"
#include "desktop/teacher/Teacher.h"
#include "desktop/teacher/ZoomChoice.h"
#include "desktop/widgets/Fonts.h"
#include "support/RecordedChanges.h"
#include "support/UserInput.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <map>
#include <memory>

namespace {

using UserInput::doubleClick;
using UserInput::replaceText;

GameSettings loadedSettings()
{
    GameSettings settings;
    settings.Rate = {0.85f, 0.75f};
    settings.PaintColor = {0, 9, 12};
    settings.CurrentColor = {0, 9, 12};
    settings.LineWidth = 1;
    settings.PaperSize = 9;
    settings.Orientation = 1;
    settings.Zoom = 100;
    return settings;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

void pickFromList(QComboBox *box, int row)
{
    box->showPopup();
    QAbstractItemView *list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

} // namespace

class TestTeacher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void checkBoxReactsToStateChangesOnly_data();
    void checkBoxReactsToStateChangesOnly();
    void defaultColourStepsBySwatchAndLabel_data();
    void defaultColourStepsBySwatchAndLabel();
    void creationShowsRatesAndColours_data();
    void creationShowsRatesAndColours();
    void rateFollowsTheBoxText_data();
    void rateFollowsTheBoxText();
    void enterInRateBoxPressesNothing();
    void tabVisitsTheControlsInTheFormsOrder();
    void optionSetsPrinterCode_data();
    void optionSetsPrinterCode();
    void leavingHidesAndThenEmitsReturned_data();
    void leavingHidesAndThenEmitsReturned();
    void labelsShowTheirWholeText_data();
    void labelsShowTheirWholeText();

private:
    QTemporaryDir m_store;
    const GameSettings &settings() const { return m_session->settings(); }

    std::unique_ptr<GameSession> m_session;
    std::unique_ptr<GamePrinter> m_printer;
    RecordedChanges m_view;
    std::unique_ptr<Teacher> m_dialog;
};

void TestTeacher::initTestCase()
{
    Fonts::installSubstitutions();
    QVERIFY(m_store.isValid());
    // Nothing here may reach the real settings of the account that runs the tests.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_store.filePath("user"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_store.filePath("system"));
    m_printer = std::make_unique<GamePrinter>();
}

void TestTeacher::init()
{
    m_session = std::make_unique<GameSession>();
    m_session->load(loadedSettings());
    m_view = RecordedChanges();
    m_dialog = std::make_unique<Teacher>(*m_session, *m_printer, m_view);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void TestTeacher::cleanup()
{
    m_dialog.reset();
    QVERIFY(!QDir(m_store.filePath("user")).exists());
}

void TestTeacher::checkBoxReactsToStateChangesOnly_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<bool>("actsOnTheWindow"); // tells the main window when it changes
    QTest::addColumn<QByteArray>("field");     // what else follows the box

    const struct
    {
        int box;
        bool actsOnTheWindow;
        QByteArray field;
    } boxes[] = {
        {1, true, {}},
        {2, true, {}},
        {3, true, "ColorChange"},
        {4, true, {}},
        {5, false, "PrintModeFlag"},
        {6, true, {}},
        {7, false, "LineWidth"},
        {8, false, "ShowSquares"},
    };
    for (const auto &entry : boxes) {
        for (bool byClick : {true, false})
            QTest::addRow("Check%d by %s", entry.box, byClick ? "click" : "code")
                << entry.box << byClick << entry.actsOnTheWindow << entry.field;
    }
}

void TestTeacher::checkBoxReactsToStateChangesOnly()
{
    QFETCH(int, box);
    QFETCH(bool, byClick);
    QFETCH(bool, actsOnTheWindow);
    QFETCH(QByteArray, field);

    const auto which = static_cast<Switch>(box);
    QSignalSpy returned(m_dialog.get(), &Teacher::returned);
    int reactions = 0;
    for (bool ticked : {true, false}) {
        if (byClick)
            click(m_dialog->controls().Check[static_cast<size_t>(box)]);
        else
            m_dialog->setCheck(which, ticked);
        if (byClick) // a click ticks a clear box and clears a ticked one
            QCOMPARE(m_dialog->isChecked(which), ticked);
        QCOMPARE(m_view.shown.size(), ++reactions);
        const SessionChanges &shown = m_view.shown.back();
        QCOMPARE(shown.controls || shown.screenMode, actsOnTheWindow);
        QCOMPARE(returned.count(), 0);
        QCOMPARE(m_session->isOn(which), ticked);
        QCOMPARE(m_session->canChangeColor(), field == "ColorChange" && ticked);
        QCOMPARE(settings().PrintModeFlag, field == "PrintModeFlag" && ticked);
        QCOMPARE(settings().LineWidth, field == "LineWidth" && ticked ? 2 : 1);
        QCOMPARE(settings().ShowSquares, field == "ShowSquares" && ticked);

        // The state it already has: no reaction.
        m_dialog->setCheck(which, ticked);
        QCOMPARE(m_view.shown.size(), reactions);
    }
}

void TestTeacher::defaultColourStepsBySwatchAndLabel_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("onLabel");
    QTest::addColumn<bool>("twice"); // a whole double-click
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    QTest::newRow("left swatch from 9") << 1 << false << false << 9 << 12;
    QTest::newRow("left swatch skips the right colour") << 1 << false << false << 11 << 12;
    QTest::newRow("left 15 against right 1") << 1 << false << false << 15 << 1;
    QTest::newRow("left 14 against right 15") << 1 << false << false << 14 << 15;
    QTest::newRow("left swatch double-click") << 1 << false << true << 9 << 12;
    QTest::newRow("left label") << 1 << true << false << 11 << 12;
    QTest::newRow("left label double-click") << 1 << true << true << 10 << 12;
    QTest::newRow("right swatch double-click") << 2 << false << true << 9 << 12;
    QTest::newRow("right label skips the left colour") << 2 << true << false << 9 << 8;
    QTest::newRow("right label double-click over the wrap") << 2 << true << true << 1 << 14;
}

void TestTeacher::defaultColourStepsBySwatchAndLabel()
{
    QFETCH(int, side);
    QFETCH(bool, onLabel);
    QFETCH(bool, twice);
    QFETCH(int, left);
    QFETCH(int, right);

    GameSettings loaded = loadedSettings();
    loaded.PaintColor = {0, qint16(left), qint16(right)};
    m_session->load(loaded);
    const GameSettings before = settings();
    // The dialog's swatches step whatever Check3 says; it governs the main window's only.
    QVERIFY(!m_dialog->isChecked(Switch::ColorChange));

    const auto i = static_cast<size_t>(side);
    const auto other = static_cast<size_t>(3 - side);
    QWidget *target = onLabel ? static_cast<QWidget *>(m_dialog->controls().Label1[i])
                              : static_cast<QWidget *>(m_dialog->controls().IndicateSet[i]);
    qint16 expected = colorStep(before.PaintColor[i], before.PaintColor[other]);
    if (twice) {
        expected = colorStep(expected, before.PaintColor[other]);
        doubleClick(target);
    } else {
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QCOMPARE(settings().PaintColor[i], expected);
    QCOMPARE(settings().PaintColor[other], before.PaintColor[other]);
    QCOMPARE(m_dialog->controls().IndicateSet[i]->BackColor(), Palette::color(expected));
    QCOMPARE(settings().CurrentColor, before.CurrentColor);
    QCOMPARE(settings().Rate, before.Rate);
}

void TestTeacher::creationShowsRatesAndColours_data()
{
    QTest::addColumn<float>("yoko");
    QTest::addColumn<float>("tate");
    QTest::addColumn<QString>("yokoText");
    QTest::addColumn<QString>("tateText");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("zoom"); // the stored size, its option's index and the size in effect
    QTest::addColumn<int>("zoomOption");
    QTest::addColumn<int>("inEffect");
    QTest::addColumn<QString>("now");

    QTest::newRow("defaults") << 0.85f << 0.75f << "0.85"
                              << "0.75" << 9 << 12 << 100 << 0 << 100 << "いまは 100% です。";
    QTest::newRow("a half is not the list's 0.50")
        << 0.5f << 0.95f << "0.5"
        << "0.95" << 1 << 15 << 200 << 3 << 200 << "いまは 200% です。";
    // The size chosen did not fit the screen at this start.
    QTest::newRow("beyond the list")
        << 0.0f << 1.0f / 3.0f << "0"
        << "0.3333333" << 0 << 2 << 150 << 2 << 125 << "いまは画面に入る 125% です。";
}

void TestTeacher::creationShowsRatesAndColours()
{
    QFETCH(float, yoko);
    QFETCH(float, tate);
    QFETCH(QString, yokoText);
    QFETCH(QString, tateText);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, zoom);
    QFETCH(int, zoomOption);
    QFETCH(int, inEffect);
    QFETCH(QString, now);

    GameSettings loaded = loadedSettings();
    loaded.Rate = {yoko, tate};
    loaded.PaintColor = {0, qint16(left), qint16(right)};
    loaded.Zoom = qint16(zoom);
    loaded.ZoomInEffect = qint16(inEffect);
    GameSession session;
    session.load(loaded);
    const GameSettings &settings = session.settings();
    const Teacher dialog(session, *m_printer, m_view);

    const TeacherControls &ui = dialog.controls();
    QCOMPARE(ui.RateCombo[0]->currentText(), yokoText);
    QCOMPARE(ui.RateCombo[1]->currentText(), tateText);
    // The boxes' change reaction read the rates back from the texts just written.
    QCOMPARE(settings.Rate[0], yokoText.toFloat());
    QCOMPARE(settings.Rate[1], tateText.toFloat());
    QCOMPARE(ui.IndicateSet[1]->BackColor(), Palette::color(left));
    QCOMPARE(ui.IndicateSet[2]->BackColor(), Palette::color(right));
    QVERIFY(ui.FrameZoom->options()[static_cast<size_t>(zoomOption)]->isChecked());
    QCOMPARE(settings.Zoom, qint16(zoom));
    QCOMPARE(ui.FrameZoom->note()->text(),
             QStringLiteral("次に起動したときから変わります。") + now);
}

void TestTeacher::rateFollowsTheBoxText_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("listRow"); // picked from the list instead of typing when not -1
    QTest::addColumn<float>("rate");

    QTest::newRow("horizontal, not a number") << 0 << "abc" << -1 << 0.0f;
    QTest::newRow("vertical, not a number") << 1 << "abc" << -1 << 0.0f;
    QTest::newRow("above one is kept") << 0 << "1.5" << -1 << 1.5f;
    QTest::newRow("number then text") << 1 << "0.62cm" << -1 << 0.62f;
    QTest::newRow("emptied") << 1 << "" << -1 << 0.0f;
    QTest::newRow("zero, not completed to an entry") << 0 << "0" << -1 << 0.0f;
    QTest::newRow("first entry picked") << 0 << "" << 0 << 0.5f;
    QTest::newRow("last entry picked") << 0 << "" << 9 << 0.95f;
    QTest::newRow("vertical entry picked") << 1 << "" << 2 << 0.6f;
}

void TestTeacher::rateFollowsTheBoxText()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(int, listRow);
    QFETCH(float, rate);

    const auto i = static_cast<size_t>(box);
    const float otherRate = settings().Rate[1 - i];
    QComboBox *combo = m_dialog->controls().RateCombo[i];
    if (listRow < 0)
        replaceText(combo, typed);
    else
        pickFromList(combo, listRow);

    QCOMPARE(combo->currentText(), listRow < 0 ? typed : combo->itemText(listRow));
    QCOMPARE(settings().Rate[i], rate);
    QCOMPARE(settings().Rate[1 - i], otherRate);
}

void TestTeacher::enterInRateBoxPressesNothing()
{
    std::map<QString, std::unique_ptr<QSignalSpy>> buttonSpies;
    for (QAbstractButton *button : m_dialog->findChildren<QAbstractButton *>())
        buttonSpies[button->objectName()] =
            std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
    QSignalSpy returned(m_dialog.get(), &Teacher::returned);
    QComboBox *combo = m_dialog->controls().RateCombo[0];

    replaceText(combo, QStringLiteral("0.62"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Enter);

    for (const auto &[name, spy] : buttonSpies)
        QVERIFY2(spy->isEmpty(), qPrintable(name));
    QVERIFY(returned.isEmpty());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(combo->count(), 10);
    QCOMPARE(settings().Rate[0], 0.62f);
}

// The credits box and the two default-colour swatches take the focus in their places. Each group
// of option buttons is one stop; the arrow keys move within it. The sizes and the squares' box
// come last.
void TestTeacher::tabVisitsTheControlsInTheFormsOrder()
{
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    m_dialog->controls().Check[1]->setFocus(Qt::TabFocusReason);
    const QStringList order{
        "Check1",         "Check2",         "Check3",          "Check4",
        "Check5",         "Check6",         "RateCombo_0",     "RateCombo_1",
        "cmdSaveSetting", "Picture1",       "cmdRet",          "IndicateSet_1",
        "IndicateSet_2",  "optPaperSize_0", "OptOrientated_0", "cmdPrinterSetting",
        "Check7",         "optZoom_0",      "Check8",          "Check1"};
    QCOMPARE(UserInput::tabRound(19), order);
}

void TestTeacher::optionSetsPrinterCode_data()
{
    QTest::addColumn<bool>("paper");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<int>("code");

    const int paperCodes[] = {13, 9, 12};
    for (bool byClick : {true, false}) {
        const char *how = byClick ? "click" : "code";
        for (int option = 0; option < 3; ++option)
            QTest::addRow("optPaperSize_%d by %s", option, how)
                << true << option << byClick << paperCodes[option];
        for (int option = 0; option < 2; ++option)
            QTest::addRow("OptOrientated_%d by %s", option, how)
                << false << option << byClick << option + 1;
    }
}

void TestTeacher::optionSetsPrinterCode()
{
    QFETCH(bool, paper);
    QFETCH(int, option);
    QFETCH(bool, byClick);
    QFETCH(int, code);

    // Codes no option has, so that the one written shows.
    m_session->setPaperSize(99);
    m_session->setOrientation(99);
    const TeacherControls &ui = m_dialog->controls();
    QRadioButton *button = paper ? ui.optPaperSize[static_cast<size_t>(option)]
                                 : ui.OptOrientated[static_cast<size_t>(option)];
    if (byClick)
        click(button);
    else if (paper)
        m_dialog->selectPaperOption(option);
    else
        m_dialog->selectOrientationOption(option);

    QVERIFY(button->isChecked());
    const auto field = [this, paper] {
        return paper ? settings().PaperSize : settings().Orientation;
    };
    QCOMPARE(field(), qint16(code));
    QCOMPARE(paper ? settings().Orientation : settings().PaperSize, qint16(99));

    // As a printer setup leaves it: another code under the same option. A click sets it again.
    if (paper)
        m_session->setPaperSize(99);
    else
        m_session->setOrientation(99);
    click(button);
    QCOMPARE(field(), qint16(code));
}

void TestTeacher::leavingHidesAndThenEmitsReturned_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("return button") << "cmdRet";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Esc in a rate box") << "Esc in RateCombo_1";
    QTest::newRow("window close") << "close";
    // Enter on the focused return button, once however long it is held.
    QTest::newRow("Enter on the return button") << "Enter";
    QTest::newRow("held Enter on the return button") << "held Enter";
}

void TestTeacher::leavingHidesAndThenEmitsReturned()
{
    QFETCH(QString, how);

    m_dialog->hide();
    bool visibleOnReturn = true;
    int returnedCount = 0;
    connect(m_dialog.get(), &Teacher::returned, this, [&] {
        visibleOnReturn = m_dialog->isVisible();
        ++returnedCount;
    });
    QTimer::singleShot(0, this, [&] {
        if (how == "cmdRet") {
            QTest::mouseClick(m_dialog->controls().cmdRet, Qt::LeftButton);
        } else if (how == "Esc") {
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        } else if (how.endsWith("Enter")) {
            UserInput::holdKey(m_dialog->controls().cmdRet, Qt::Key_Return, how == "Enter" ? 0 : 8);
        } else if (how == "Esc in RateCombo_1") {
            QLineEdit *edit = m_dialog->controls().RateCombo[1]->lineEdit();
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Escape);
        } else {
            m_dialog->close();
        }
        // A way out that failed ends the modal wait all the same, without returned().
        m_dialog->hide();
    });
    // As the main window shows it: modally, until it is hidden.
    m_dialog->exec();

    QCOMPARE(returnedCount, 1);
    QVERIFY(!visibleOnReturn);
    QVERIFY(!m_dialog->isVisible());
}

void TestTeacher::labelsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    for (const char *name : {"Label1_1", "Label1_2", "wariai_0", "wariai_1"})
        QTest::newRow(name) << QString::fromLatin1(name) << 1;
    QTest::newRow("first credits") << "Label2" << 2;
    QTest::newRow("second credits") << "Label3" << 2;
    QTest::newRow("when the size acts") << "ZoomNote" << 1;
}

void TestTeacher::labelsShowTheirWholeText()
{
    QFETCH(QString, name);
    QFETCH(int, lines);

    const auto *label = m_dialog->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text().count(QLatin1Char('\n')), lines - 1);
    const QSize needed = label->sizeHint();
    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
             qPrintable(QStringLiteral("needs %1 x %2, has %3 x %4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(label->width())
                            .arg(label->height())));
}

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
