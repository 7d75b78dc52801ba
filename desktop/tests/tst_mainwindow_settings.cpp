#include "support/MainWindowFixture.h"
#include "support/WindowManagerRequest.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/ColorSwatch.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTest>

using StoredTexts = QList<QPair<QString, QString>>;

class MainWindowSettingsTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadSettingsEnablesTheAllowedButtons_data();
    void loadSettingsEnablesTheAllowedButtons();
    void loadSettingsColoursTheSwatches_data();
    void loadSettingsColoursTheSwatches();
    void badTextsAreNamedAndTheGameStillStarts_data();
    void badTextsAreNamedAndTheGameStillStarts();
    void printerCodesAreValidAfterLoading();
    void printerSpeaksTheGamesPaperCodes_data();
    void printerSpeaksTheGamesPaperCodes();
    void startsMaximizedWhenTheStoreAsks();
    void windowManagerStatesFollowTheScreenSetting_data();
    void windowManagerStatesFollowTheScreenSetting();

private:
    // Stores the texts, then makes the window from the store, not yet shown.
    void startGameWith(const StoredTexts &texts);
    QAbstractButton *button(const char *name) const
    {
        return m_main->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
};

void MainWindowSettingsTest::init()
{
    freshStore();
}

void MainWindowSettingsTest::cleanup()
{
    endGame();
}

void MainWindowSettingsTest::startGameWith(const StoredTexts &texts)
{
    for (const auto &[key, text] : texts)
        m_store->set(key, text);
    startGame(Shown::No);
}

void MainWindowSettingsTest::loadSettingsEnablesTheAllowedButtons_data()
{
    QTest::addColumn<StoredTexts>("stored");
    QTest::addColumn<QStringList>("disabled");

    QTest::newRow("empty store") << StoredTexts{} << QStringList{};
    QTest::newRow("CanSelectButton 0")
        << StoredTexts{{"CanSelectButton", "0"}}
        << QStringList{"Makerandom", "MakeNaname", "MakeGrid", "MakeGridSmall", "Makesennuki"};
    QTest::newRow("CanSearchButton 0")
        << StoredTexts{{"CanSearchButton", "0"}} << QStringList{"ColCheck"};
    QTest::newRow("CanOpenFile 0")
        << StoredTexts{{"CanOpenFile", "0"}} << QStringList{"cmdFileOpen"};
    QTest::newRow("CanColorChange 0 disables no button")
        << StoredTexts{{"CanColorChange", "0"}} << QStringList{};
    QTest::newRow("all three off")
        << StoredTexts{{"CanSelectButton", "False"}, {"CanSearchButton", "0"}, {"CanOpenFile", "0"}}
        << QStringList{"Makerandom",  "MakeNaname", "MakeGrid",   "MakeGridSmall",
                       "Makesennuki", "ColCheck",   "cmdFileOpen"};
}

void MainWindowSettingsTest::loadSettingsEnablesTheAllowedButtons()
{
    QFETCH(StoredTexts, stored);
    QFETCH(QStringList, disabled);

    startGameWith(stored);
    for (const char *name :
         {"Makerandom", "MakeNaname", "MakeGrid", "MakeGridSmall", "Makesennuki", "MakeTriangle",
          "OriginalImage", "ColCheck", "cmdFileOpen", "cmdRedraw", "cmdEnd", "cmdHelp"}) {
        const bool expected = !disabled.contains(QString::fromLatin1(name));
        QVERIFY2(button(name)->isEnabled() == expected, name);
    }
}

void MainWindowSettingsTest::loadSettingsColoursTheSwatches_data()
{
    QTest::addColumn<StoredTexts>("stored");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("canChange");

    QTest::newRow("defaults") << StoredTexts{} << 9 << 12 << true;
    QTest::newRow("teacher's colours")
        << StoredTexts{{"PaintColorLeft", "2"}, {"PaintColorRight", "14"}} << 2 << 14 << true;
    QTest::newRow("colour changes off") << StoredTexts{{"CanColorChange", "0"}} << 9 << 12 << false;
}

void MainWindowSettingsTest::loadSettingsColoursTheSwatches()
{
    QFETCH(StoredTexts, stored);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(bool, canChange);

    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    startGameWith(stored);
    QCOMPARE(m_main->settings().CurrentColor[1], qint16(left));
    QCOMPARE(m_main->settings().CurrentColor[2], qint16(right));

    m_main->show();
    for (const auto &[name, index] : {std::pair{"PicIndicate_1", left}, {"PicIndicate_2", right}}) {
        auto *swatch = m_main->findChild<ColorSwatch *>(QString::fromLatin1(name));
        QCOMPARE(swatch->BackColor(), palette[index]);
        QCOMPARE(swatch->grab().toImage().pixel(swatch->rect().center()), palette[index]);
        QCOMPARE(swatch->cursor().shape(), canChange ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

void MainWindowSettingsTest::badTextsAreNamedAndTheGameStillStarts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("switch as a word") << "CanSelectButton"
                                      << "yes";
    QTest::newRow("colour out of the palette") << "PaintColorLeft"
                                               << "16";
    QTest::newRow("line width too big") << "LineWidth"
                                        << "40000";
    QTest::newRow("screen mode empty") << "ScreenModeFlag"
                                       << "";
}

void MainWindowSettingsTest::badTextsAreNamedAndTheGameStillStarts()
{
    QFETCH(QString, key);
    QFETCH(QString, text);

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(key + ".*\"" + QRegularExpression::escape(text) + "\""));
    startGameWith({{key, text}});
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    QVERIFY(m_main->settings().CurrentColor[1] >= 1 && m_main->settings().CurrentColor[1] <= 15);
    QVERIFY(button("MakeGrid")->isEnabled()); // the switch took its default
    QVERIFY(!m_main->isMaximized());
}

void MainWindowSettingsTest::printerCodesAreValidAfterLoading()
{
    startGameWith({});
    QCOMPARE(m_main->settings().PaperSize, qint16(m_main->printer().PaperSize()));
    QCOMPARE(m_main->settings().Orientation, qint16(m_main->printer().Orientation()));
    if (!m_main->printer().hasPrinter()) {
        QCOMPARE(m_main->settings().PaperSize, qint16(9));
        QCOMPARE(m_main->settings().Orientation, qint16(1));
    }
}

void MainWindowSettingsTest::printerSpeaksTheGamesPaperCodes_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QPageSize::PageSizeId>("size");

    QTest::newRow("A4 portrait") << 9 << 1 << true << QPageSize::A4;
    QTest::newRow("B4 landscape, the JIS size") << 12 << 2 << true << QPageSize::JisB4;
    QTest::newRow("B5 portrait, the JIS size") << 13 << 1 << true << QPageSize::JisB5;
    QTest::newRow("no such paper") << 0 << 1 << false << QPageSize::A4;
    QTest::newRow("no such orientation") << 9 << 3 << false << QPageSize::A4;
}

void MainWindowSettingsTest::printerSpeaksTheGamesPaperCodes()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(bool, accepted);
    QFETCH(QPageSize::PageSizeId, size);

    startGameWith({});
    GamePrinter &printer = m_main->printer();
    if (printer.hasPrinter())
        QSKIP("the default printer may not offer every paper size");
    QCOMPARE(printer.setPaperSize(paper) && printer.setOrientation(orientation), accepted);
    QCOMPARE(printer.printer().pageLayout().pageSize().id(), size);
    QCOMPARE(printer.PaperSize(), accepted ? paper : 9);
    QCOMPARE(printer.Orientation(), accepted ? orientation : 1);
}

void MainWindowSettingsTest::startsMaximizedWhenTheStoreAsks()
{
    startGameWith({{"ScreenModeFlag", "-1"}});
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    QVERIFY(m_main->isMaximized());
    QTRY_VERIFY(m_main->width() > MorvaneMain::ClientSize.width());
    // The controls keep their places on the larger window.
    QCOMPARE(m_main->findChild<QWidget *>("cmdEnd")->geometry(), QRect(649, 377, 79, 57));
}

void MainWindowSettingsTest::windowManagerStatesFollowTheScreenSetting_data()
{
    QTest::addColumn<bool>("fillsScreen"); // ScreenModeFlag
    QTest::addColumn<Qt::WindowState>("asked");

    QTest::newRow("own size, maximised") << false << Qt::WindowMaximized;
    QTest::newRow("own size, full screen") << false << Qt::WindowFullScreen;
    QTest::newRow("own size, minimised") << false << Qt::WindowMinimized;
    QTest::newRow("whole screen, restored") << true << Qt::WindowNoState;
    QTest::newRow("whole screen, minimised") << true << Qt::WindowMinimized;
}

// The window manager may maximise, restore or minimise the window with buttons of its own; the
// window comes straight back, shown and active, in the state the teacher's setting asks for.
void MainWindowSettingsTest::windowManagerStatesFollowTheScreenSetting()
{
    QFETCH(bool, fillsScreen);
    QFETCH(Qt::WindowState, asked);

    startGameWith({{"ScreenModeFlag", fillsScreen ? "-1" : "0"}});
    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));

    QVERIFY(changeStateAsTheWindowManager(*m_main, asked));

    QTRY_VERIFY(!m_main->isMinimized());
    QTRY_COMPARE(m_main->isMaximized(), fillsScreen);
    QTRY_VERIFY(!m_main->isFullScreen());
    QVERIFY(m_main->isVisible());
    QTRY_VERIFY(m_main->isActiveWindow());
    if (!fillsScreen) {
        QTRY_COMPARE(m_main->size(), MorvaneMain::ClientSize);
        QCOMPARE(m_main->maximumSize(), MorvaneMain::ClientSize);
    }
}

QTEST_MAIN(MainWindowSettingsTest)
#include "tst_mainwindow_settings.moc"
