#include "support/TemporarySettingsStore.h"

#include "desktop/app/DisplayCheck.h"
#include "desktop/app/Module1.h"
#include "desktop/app/QtTranslations.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/help/frmSplash.h"
#include "desktop/widgets/DisplayText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void carriageReturnsBecomeLineBreaks_data();
    void carriageReturnsBecomeLineBreaks();
    void standardDialogsSpeakJapanese();
    void splashHoldsUntilTheClockHasMovedTwoSeconds();
    void withoutADisplayTheGameSaysSoInOneLine();
    void sizeThatIsNotOneIsReportedOnceAsAnyKey();
};

void StartUpTest::carriageReturnsBecomeLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("carriage return") << "もるばね\r   ゲーム"
                                     << "もるばね\n   ゲーム";
    QTest::newRow("two joins") << "a\rb\rc"
                               << "a\nb\nc";
    QTest::newRow("CR LF is one break") << "a\r\nb"
                                        << "a\nb";
    QTest::newRow("line feed stays") << "a\nb"
                                     << "a\nb";
    QTest::newRow("empty line kept") << "a\r\rb"
                                     << "a\n\nb";
}

void StartUpTest::carriageReturnsBecomeLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(DisplayText::lines(text), shown);
}

void StartUpTest::standardDialogsSpeakJapanese()
{
    QVERIFY(QtTranslations::installJapanese(*QCoreApplication::instance()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}

// Waits in real time (one to two seconds), but checks only what the whole-second clock says.
void StartUpTest::splashHoldsUntilTheClockHasMovedTwoSeconds()
{
    TemporarySettingsStore store;
    Module1 module;
    qint64 secondShown = 0;
    connect(&module, &Module1::mainWindowShown, this,
            [&] { secondShown = QDateTime::currentSecsSinceEpoch(); });
    QSignalSpy shown(&module, &Module1::mainWindowShown);

    module.Main();
    QPointer<frmSplash> splash = module.splash();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    const QRect screen = splash->screen()->geometry();
    QCOMPARE(splash->frameGeometry().center().x() - screen.center().x(), 0);
    QVERIFY(qAbs(splash->frameGeometry().center().y() - screen.center().y()) <= 1);

    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTest::mouseClick(splash, Qt::LeftButton);
    QTest::mouseClick(splash->Label1(2), Qt::LeftButton);
    splash->windowHandle()->close();
    QVERIFY(splash->isVisible());
    QVERIFY(!module.mainWindow());

    QVERIFY(shown.wait(5000));
    QVERIFY(secondShown >= module.startSecond() + 2);
    QVERIFY(module.mainWindow());
    QVERIFY(module.mainWindow()->isVisible());
    QVERIFY(!splash); // destroyed once the main window is there
}

void StartUpTest::withoutADisplayTheGameSaysSoInOneLine()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(MORVANE_EXECUTABLE), {});
    QVERIFY(game.waitForFinished(30000));

    QVERIFY(game.exitCode() != 0);
    QVERIFY(game.readAllStandardOutput().isEmpty());
    const QString said = QString::fromLocal8Bit(game.readAllStandardError());
    QCOMPARE(said.count(QLatin1Char('\n')), 1);
    QVERIFY2(said.contains(QLatin1String("xvfb-run")), qPrintable(said));
}

// The size is read twice, before the application object exists and with the other keys; only the
// second reading reports a bad text.
void StartUpTest::sizeThatIsNotOneIsReportedOnceAsAnyKey()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Morvane")));
    QFile store(home.filePath(QStringLiteral("Morvane/Morvane.ini")));
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[Setting]\nLineWidth=thick\nZoom=150%\n");
    store.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setReadChannel(QProcess::StandardError);
    game.start(QStringLiteral(MORVANE_EXECUTABLE), {});

    // LineWidth comes before Zoom in the same reading, when the main window loads.
    QByteArray said;
    while (!said.contains("LineWidth")) {
        QVERIFY2(game.waitForReadyRead(30000), said.constData());
        said += game.readAllStandardError();
    }
    game.terminate();
    QVERIFY(game.waitForFinished(30000));
    said += game.readAllStandardError();
    const QList<QByteArray> lines = said.split('\n');
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const QByteArray &line) { return line.contains("Zoom"); }),
             1);
    QVERIFY2(said.contains("\"150%\""), said.constData());
}

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
