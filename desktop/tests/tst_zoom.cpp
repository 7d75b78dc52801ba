#include "support/TemporarySettingsStore.h"

#include "core/board/Palette.h"
#include "desktop/app/Module1.h"
#include "desktop/app/StartupZoom.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/teacher/Teacher.h"
#include "desktop/teacher/ZoomChoice.h"
#include "desktop/widgets/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const char *const ScaleFactor = "QT_SCALE_FACTOR";

} // namespace

// The start-up as app/main.cpp runs it, on offscreen screens of chosen sizes: the stored size is
// applied before the application object exists, so each test makes its own.
class ZoomTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startTakesTheLargestSizeThatFits_data();
    void startTakesTheLargestSizeThatFits();
    void gameStartedAtTwicePaintsTheRegionUnderAPress();

private:
    // The offscreen platform with one screen of `size` logical pixels, each `ratio` device pixels
    // wide, as a desktop with its own scale reports it.
    void useScreen(QSize size, qreal ratio = 1.0);

    QTemporaryDir m_screens;
    std::unique_ptr<TemporarySettingsStore> m_store;
    int m_argc = 1;
    char m_name[9] = "tst_zoom";
    char *m_argv[2] = {m_name, nullptr};
};

void ZoomTest::initTestCase()
{
    QVERIFY(m_screens.isValid());
    // The desktop's own factor comes only from the rows that name one.
    qunsetenv(ScaleFactor);
}

void ZoomTest::init()
{
    m_store = std::make_unique<TemporarySettingsStore>();
}

void ZoomTest::cleanup()
{
    m_store.reset();
    qunsetenv(ScaleFactor);
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void ZoomTest::useScreen(QSize size, qreal ratio)
{
    const QString path = m_screens.filePath(QStringLiteral("screen.json"));
    QFile config(path);
    QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write(QStringLiteral(R"({"screens": [{"name": "projector", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(ratio)
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

void ZoomTest::startTakesTheLargestSizeThatFits_data()
{
    QTest::addColumn<QSize>("screen"); // as the desktop reports it, in its logical pixels
    QTest::addColumn<qreal>("desktopRatio");
    QTest::addColumn<QByteArray>("desktopFactor"); // QT_SCALE_FACTOR as found; empty for none
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("inEffect");
    QTest::addColumn<qreal>("ratio"); // device pixels per logical pixel of the game's windows

    QTest::newRow("2 on 1920 x 1080")
        << QSize(1920, 1080) << 1.0 << QByteArray() << "2" << 200 << 2.0;
    QTest::newRow("1.5 on a 1024 x 768 projector gives 1.25")
        << QSize(1024, 768) << 1.0 << QByteArray() << "1.5" << 125 << 1.25;
    QTest::newRow("2 on 1024 x 768 gives 1.25")
        << QSize(1024, 768) << 1.0 << QByteArray() << "2" << 125 << 1.25;
    QTest::newRow("1.5 on 1366 x 768 is too high") // 759 rows and a title bar
        << QSize(1366, 768) << 1.0 << QByteArray() << "1.5" << 125 << 1.25;
    QTest::newRow("1.25 on 800 x 600 gives 1")
        << QSize(800, 600) << 1.0 << QByteArray() << "1.25" << 100 << 1.0;
    QTest::newRow("not a size is 1")
        << QSize(1920, 1080) << 1.0 << QByteArray() << "150" << 100 << 1.0;
    QTest::newRow("desktop at twice its pixels, 2 on top")
        << QSize(1920, 1080) << 2.0 << QByteArray() << "2" << 200 << 4.0;
    QTest::newRow("desktop at twice its pixels leaves 1280 x 720 for 1.5")
        << QSize(1280, 720) << 2.0 << QByteArray() << "1.5" << 125 << 2.5;
    QTest::newRow("desktop factor 1.25 leaves 1536 x 864 for 2")
        << QSize(1920, 1080) << 1.0 << QByteArray("1.25") << "2" << 150 << 1.875;
}

void ZoomTest::startTakesTheLargestSizeThatFits()
{
    QFETCH(QSize, screen);
    QFETCH(qreal, desktopRatio);
    QFETCH(QByteArray, desktopFactor);
    QFETCH(QString, stored);
    QFETCH(int, inEffect);
    QFETCH(qreal, ratio);

    useScreen(screen, desktopRatio);
    if (!desktopFactor.isEmpty())
        qputenv(ScaleFactor, desktopFactor);
    m_store->set(QStringLiteral("Zoom"), stored);

    StartupZoom zoom(m_argc, m_argv);
    QCOMPARE(zoom.inEffect(), qint16(inEffect));
    QGuiApplication app(m_argc, m_argv);
    zoom.restoreEnvironment();

    QWindow window;
    QCOMPARE(window.devicePixelRatio(), ratio);
    // Programs the game starts find the desktop's factor as it was.
    QCOMPARE(qEnvironmentVariableIsSet(ScaleFactor), !desktopFactor.isEmpty());
    QCOMPARE(qgetenv(ScaleFactor), desktopFactor);
}

void ZoomTest::gameStartedAtTwicePaintsTheRegionUnderAPress()
{
    useScreen(QSize(1920, 1080));
    m_store->set(QStringLiteral("Zoom"), QStringLiteral("2"));

    StartupZoom zoom(m_argc, m_argv);
    QApplication app(m_argc, m_argv);
    zoom.restoreEnvironment();
    Fonts::installSubstitutions();
    Module1 module;
    module.settings().ZoomInEffect = zoom.inEffect();
    QSignalSpy mainShown(&module, &Module1::mainWindowShown);
    module.Main();
    QVERIFY(mainShown.wait(5000));

    MorvaneMain &main = *module.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.devicePixelRatio(), 2.0);
    QCOMPARE(main.size(), MorvaneMain::ClientSize);
    const ZoomChoice &sizes = *main.teacherDialog()->controls().FrameZoom;
    QVERIFY(sizes.options()[3]->isChecked());
    QVERIFY2(sizes.note()->text().contains(QLatin1String("200%")),
             qPrintable(sizes.note()->text()));

    // The fine grid's square from (41, 41) to (79, 79), pressed on its last board pixel.
    main.MakeGridSmall_Click();
    SurfaceView &board = *main.controls().picClient;
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.innerOrigin() + QPoint(79, 79));
    const QImage &pixels = main.boardImage();
    const QRgb left = Palette::color(main.settings().CurrentColor[1]);
    for (const QPoint inside : {QPoint(41, 41), QPoint(79, 41), QPoint(60, 79)})
        QCOMPARE(pixels.pixel(inside), left);
    for (const QPoint outside : {QPoint(80, 60), QPoint(39, 60), QPoint(60, 81)})
        QVERIFY(pixels.pixel(outside) != left);

    // On the screen each board pixel is a 2 x 2 block of device pixels.
    const QImage shown = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), board.size() * 2);
    const QPoint origin = board.innerOrigin() * 2;
    for (const QPoint boardPixel : {QPoint(41, 41), QPoint(79, 79), QPoint(80, 79)}) {
        for (const QPoint part : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            QCOMPARE(shown.pixel(origin + boardPixel * 2 + part), pixels.pixel(boardPixel));
    }
}

QTEST_APPLESS_MAIN(ZoomTest)
#include "tst_zoom.moc"
