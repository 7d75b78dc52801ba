#include "core/session/GameSession.h"
#include "core/settings/GameSettings.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/print/GamePrinter.h"
#include "desktop/settings/SettingsStore.h"
#include "desktop/teacher/Teacher.h"
#include "desktop/teacher/ZoomChoice.h"
#include "support/DialogScript.h"
#include "support/RecordedChanges.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

using UserInput::replaceText;

const QStringList SavedKeys{
    "CanSearchButton", "CanSelectButton", "CanColorChange",  "CanOpenFile",
    "PrintModeFlag",   "ScreenModeFlag",  "LineWidth",       "RateYoko",
    "RateTate",        "PaintColorLeft",  "PaintColorRight", "Zoom",
    "ShowSquares",
};

void clickBox(QWidget *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

} // namespace

class TestTeacherSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void saveWritesWhatTheDialogShows_data();
    void saveWritesWhatTheDialogShows();
    void failedSaveSaysSoOnceAndKeepsTheGameGoing();

private:
    QString userFile() const { return m_store->filePath("user/Morvane/Morvane.ini"); }
    // As the game starts: the store read into the record, the dialog made and its boxes set.
    void startGame();
    void save();

    std::unique_ptr<QTemporaryDir> m_store;
    const GameSettings &settings() const { return m_session->settings(); }

    std::unique_ptr<GameSession> m_session;
    std::unique_ptr<GamePrinter> m_printer;
    RecordedChanges m_view;
    std::unique_ptr<Teacher> m_dialog;
};

void TestTeacherSave::initTestCase()
{
    m_printer = std::make_unique<GamePrinter>();
}

void TestTeacherSave::init()
{
    m_dialog.reset();
    m_store = std::make_unique<QTemporaryDir>();
    QVERIFY(m_store->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_store->filePath("user"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_store->filePath("system"));
}

void TestTeacherSave::startGame()
{
    m_dialog.reset();
    GameSettings stored;
    SettingsStore::read(stored);
    m_session = std::make_unique<GameSession>();
    m_session->load(stored);
    m_dialog = std::make_unique<Teacher>(*m_session, *m_printer, m_view);
    m_dialog->show();
}

void TestTeacherSave::save()
{
    QTest::mouseClick(m_dialog->controls().cmdSaveSetting, Qt::LeftButton);
}

void TestTeacherSave::saveWritesWhatTheDialogShows_data()
{
    QTest::addColumn<QByteArray>("systemWide"); // the administrator's file for every account
    QTest::addColumn<QList<int>>("boxesClicked");
    QTest::addColumn<QString>("yokoTyped"); // empty: left as loaded
    QTest::addColumn<QString>("tateTyped");
    QTest::addColumn<int>("leftSwatchClicks");
    QTest::addColumn<int>("sizeClicked");     // an option of the game's size; -1 for none
    QTest::addColumn<QStringList>("written"); // in the order of SavedKeys

    QTest::newRow("defaults as loaded")
        << QByteArray() << QList<int>{} << QString() << QString() << 0 << -1
        << QStringList{"-1", "-1", "-1", "-1", "0", "0", "1", "0.85", "0.75", "9", "12", "1", "0"};
    QTest::newRow("every box clear")
        << QByteArray() << QList<int>{1, 2, 3, 4} << QString() << QString() << 0 << -1
        << QStringList{"0", "0", "0", "0", "0", "0", "1", "0.85", "0.75", "9", "12", "1", "0"};
    QTest::newRow("every box ticked")
        << QByteArray() << QList<int>{5, 6, 7, 8} << QString() << QString() << 0 << -1
        << QStringList{"-1",   "-1",   "-1", "-1", "-1", "-1", "2",
                       "0.85", "0.75", "9",  "12", "1",  "-1"};
    QTest::newRow("typed rates") << QByteArray() << QList<int>{} << "0.5"
                                 << "1.5" << 0 << -1
                                 << QStringList{"-1",  "-1",  "-1", "-1", "0", "0", "1",
                                                "0.5", "1.5", "9",  "12", "1", "0"};
    QTest::newRow("rate that is not a number")
        << QByteArray() << QList<int>{} << "abc"
        << "0.600" << 0 << -1
        << QStringList{"-1", "-1", "-1", "-1", "0", "0", "1", "0", "0.6", "9", "12", "1", "0"};
    QTest::newRow("left colour stepped past the right one")
        << QByteArray() << QList<int>{2} << QString() << QString() << 3 << -1
        << QStringList{"-1", "0", "-1", "-1", "0", "0", "1", "0.85", "0.75", "13", "12", "1", "0"};
    QTest::newRow("thin lines saved over a system-wide thick")
        << QByteArray("[Setting]\nLineWidth=2\nCanOpenFile=0\n") << QList<int>{7} << QString()
        << QString() << 0 << -1
        << QStringList{"-1", "-1", "-1", "0", "0", "0", "1", "0.85", "0.75", "9", "12", "1", "0"};
    QTest::newRow("size for the projector")
        << QByteArray() << QList<int>{} << QString() << QString() << 0 << 3
        << QStringList{"-1", "-1", "-1", "-1", "0", "0", "1", "0.85", "0.75", "9", "12", "2", "0"};
    QTest::newRow("the layout's size over a system-wide 1.5")
        << QByteArray("[Setting]\nZoom=1.5\n") << QList<int>{} << QString() << QString() << 0 << 0
        << QStringList{"-1", "-1", "-1", "-1", "0", "0", "1", "0.85", "0.75", "9", "12", "1", "0"};
}

void TestTeacherSave::saveWritesWhatTheDialogShows()
{
    QFETCH(QByteArray, systemWide);
    QFETCH(QList<int>, boxesClicked);
    QFETCH(QString, yokoTyped);
    QFETCH(QString, tateTyped);
    QFETCH(int, leftSwatchClicks);
    QFETCH(int, sizeClicked);
    QFETCH(QStringList, written);

    if (!systemWide.isEmpty()) {
        QVERIFY(QDir().mkpath(m_store->filePath("system/Morvane")));
        QFile file(m_store->filePath("system/Morvane/Morvane.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(systemWide);
    }
    startGame();
    for (int box : boxesClicked)
        clickBox(m_dialog->controls().Check[static_cast<size_t>(box)]);
    if (!yokoTyped.isEmpty())
        replaceText(m_dialog->controls().RateCombo[0], yokoTyped);
    if (!tateTyped.isEmpty())
        replaceText(m_dialog->controls().RateCombo[1], tateTyped);
    for (int i = 0; i < leftSwatchClicks; ++i)
        QTest::mouseClick(m_dialog->controls().IndicateSet[1], Qt::LeftButton);
    if (sizeClicked >= 0)
        clickBox(m_dialog->controls().FrameZoom->options()[static_cast<size_t>(sizeClicked)]);
    m_dialog->selectPaperOption(0);
    m_dialog->selectOrientationOption(1);
    save();

    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(QFile::exists(userFile()));
    {
        QSettings file(userFile(), QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList{"Setting"});
        file.beginGroup("Setting");
        QStringList keys = file.childKeys();
        keys.sort();
        QStringList expectedKeys = SavedKeys;
        expectedKeys.sort();
        // No PaperSize or Orientation among them: those come from the printer at each start.
        QCOMPARE(keys, expectedKeys);
        for (qsizetype i = 0; i < SavedKeys.size(); ++i)
            QCOMPARE(SavedKeys[i] + '=' + file.value(SavedKeys[i]).toString(),
                     SavedKeys[i] + '=' + written[i]);
    }

    // The next start reads back what the dialog showed.
    std::array<bool, SwitchCount + 1> ticked{};
    for (int box = 1; box <= SwitchCount; ++box)
        ticked[static_cast<size_t>(box)] = m_dialog->isChecked(static_cast<Switch>(box));
    const GameSettings saved = settings();
    startGame();
    for (int box = 1; box <= SwitchCount; ++box)
        QCOMPARE(m_dialog->isChecked(static_cast<Switch>(box)), ticked[static_cast<size_t>(box)]);
    QCOMPARE(settings().Rate, saved.Rate);
    QCOMPARE(settings().PaintColor, saved.PaintColor);
    QCOMPARE(settings().LineWidth, saved.LineWidth);
    QCOMPARE(settings().PrintModeFlag, saved.PrintModeFlag);
    QCOMPARE(settings().Zoom, saved.Zoom);
}

void TestTeacherSave::failedSaveSaysSoOnceAndKeepsTheGameGoing()
{
    startGame();
    replaceText(m_dialog->controls().RateCombo[0], QStringLiteral("0.5"));
    clickBox(m_dialog->controls().Check[7]);
    // A regular file where the settings folder should be: no account, not even root, can save.
    QFile blocker(m_store->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());
    const GameSettings before = settings();

    QStringList messages;
    DialogScript script;
    script.everyTime<QMessageBox>([&messages](QMessageBox &box) {
        messages << box.text();
        QTest::keyClick(&box, Qt::Key_Enter);
    });
    save();

    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QStringLiteral("設定を保存できませんでした。")),
             qPrintable(messages[0]));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(settings().Rate, before.Rate);
    QCOMPARE(settings().LineWidth, qint16(2));
    QVERIFY(m_dialog->isChecked(Switch::ThickLines));
}

QTEST_MAIN(TestTeacherSave)
#include "tst_teacher_save.moc"
