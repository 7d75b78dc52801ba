#include "support/MainWindowFixture.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/widgets/Fonts.h"
#include "support/UserInput.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

class MainWindowLayoutTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsStandInTheirPlaces_data();
    void controlsStandInTheirPlaces();
    void fontsAreTheLaidOutOnes_data();
    void fontsAreTheLaidOutOnes();
    void picturesAndPointersAreSet();
    void windowHasFixedSizeAndNoCloseOrSizeButtons();
    void titleLabelShowsTheNameOnTwoLines();
    void printLabelWaitsHiddenBelowTheClientArea();
    void tabVisitsTheControlsInTheirOrder();
    void boardStartsWhiteInsideItsBorderAndStripGrey();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        return m_main->findChild<T *>(QString::fromLatin1(name));
    }
};

void MainWindowLayoutTest::initTestCase()
{
    Fonts::installSubstitutions();
}

void MainWindowLayoutTest::init()
{
    freshStore();
    startGame(Shown::No);
}

void MainWindowLayoutTest::cleanup()
{
    endGame();
}

void MainWindowLayoutTest::controlsStandInTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry"); // pixels: twips / 15
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");

    const QString main = QStringLiteral("MorvaneMain");
    QTest::newRow("picClient") << "picClient"
                               << "SurfaceView" << main << QRect(3, 2, 642, 482) << ""
                               << "";
    QTest::newRow("PicMenseki") << "PicMenseki"
                                << "SurfaceView" << main << QRect(0, 488, 644, 15) << ""
                                << "";
    QTest::newRow("Frame1") << "Frame1"
                            << "QGroupBox" << main << QRect(648, 2, 80, 75) << "色"
                            << "色をえらびます。";
    QTest::newRow("PicIndicate(1)") << "PicIndicate_1"
                                    << "ColorSwatch"
                                    << "Frame1" << QRect(4, 22, 32, 28) << ""
                                    << "左ボタンでぬる色";
    QTest::newRow("PicIndicate(2)") << "PicIndicate_2"
                                    << "ColorSwatch"
                                    << "Frame1" << QRect(42, 22, 32, 28) << ""
                                    << "右ボタンでぬる色";
    QTest::newRow("Label1(0)") << "Label1_0"
                               << "QLabel"
                               << "Frame1" << QRect(9, 52, 26, 21) << "左"
                               << "";
    QTest::newRow("Label1(1)") << "Label1_1"
                               << "QLabel"
                               << "Frame1" << QRect(45, 52, 26, 20) << "右"
                               << "";
    QTest::newRow("Frame2") << "Frame2"
                            << "QGroupBox" << main << QRect(647, 83, 82, 182) << "種類"
                            << "";
    QTest::newRow("OriginalImage") << "OriginalImage"
                                   << "QPushButton"
                                   << "Frame2" << QRect(6, 22, 33, 33) << "元の絵"
                                   << "はじめの絵にします";
    QTest::newRow("Makerandom") << "Makerandom"
                                << "QPushButton"
                                << "Frame2" << QRect(43, 22, 33, 33) << ""
                                << "勝手な線";
    QTest::newRow("MakeGrid") << "MakeGrid"
                              << "QPushButton"
                              << "Frame2" << QRect(6, 62, 33, 33) << ""
                              << "大きなます目";
    QTest::newRow("MakeGridSmall") << "MakeGridSmall"
                                   << "QPushButton"
                                   << "Frame2" << QRect(43, 62, 33, 33) << ""
                                   << "細かいます目";
    QTest::newRow("MakeNaname") << "MakeNaname"
                                << "QPushButton"
                                << "Frame2" << QRect(6, 102, 33, 33) << ""
                                << "ななめの線";
    QTest::newRow("Makesennuki") << "Makesennuki"
                                 << "QPushButton"
                                 << "Frame2" << QRect(43, 102, 32, 33) << ""
                                 << "わくをつくります";
    QTest::newRow("MakeTriangle") << "MakeTriangle"
                                  << "QPushButton"
                                  << "Frame2" << QRect(6, 142, 32, 33) << ""
                                  << "";
    QTest::newRow("cmdRedraw") << "cmdRedraw"
                               << "QPushButton" << main << QRect(652, 268, 33, 33) << ""
                               << "印刷します";
    QTest::newRow("cmdFileOpen") << "cmdFileOpen"
                                 << "QPushButton" << main << QRect(690, 268, 33, 33) << ""
                                 << "絵を変えます";
    QTest::newRow("ColCheck") << "ColCheck"
                              << "QToolButton" << main << QRect(649, 312, 80, 58) << "調べる"
                              << "広さのわりあいを調べます。";
    QTest::newRow("cmdEnd") << "cmdEnd"
                            << "QToolButton" << main << QRect(649, 377, 79, 57) << "おわる"
                            << "おわります";
    QTest::newRow("Image1") << "Image1"
                            << "HotSpot" << main << QRect(650, 438, 39, 31) << ""
                            << "";
    QTest::newRow("cmdHelp") << "cmdHelp"
                             << "QPushButton" << main << QRect(695, 437, 33, 33) << ""
                             << "説明";
    QTest::newRow("title label") << "TitleLabel"
                                 << "QLabel" << main << QRect(650, 475, 76, 29)
                                 << "もるばね\n   ゲーム"
                                 << "";
    QTest::newRow("PrintLabel") << "PrintLabel"
                                << "QLabel" << main << QRect(176, 510, 244, 26) << ""
                                << "";
}

void MainWindowLayoutTest::controlsStandInTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);

    QWidget *widget = m_main->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->toolTip(), tooltip);

    QString shown;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        shown = frame->title();
    QCOMPARE(shown, caption);
}

void MainWindowLayoutTest::fontsAreTheLaidOutOnes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");

    const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");
    const QString mincho = QStringLiteral("ＭＳ Ｐ明朝");
    QTest::newRow("window") << "MorvaneMain" << gothic << 9.75 << false;
    QTest::newRow("title label") << "TitleLabel" << gothic << 9.75 << false;
    QTest::newRow("Frame1") << "Frame1" << gothic << 12.0 << true;
    QTest::newRow("Frame2") << "Frame2" << gothic << 12.0 << true;
    QTest::newRow("Label1(0)") << "Label1_0" << mincho << 14.25 << true;
    QTest::newRow("Label1(1)") << "Label1_1" << mincho << 14.25 << true;
    QTest::newRow("OriginalImage") << "OriginalImage" << gothic << 9.0 << false;
    QTest::newRow("ColCheck") << "ColCheck" << gothic << 14.25 << true;
    QTest::newRow("cmdEnd") << "cmdEnd" << gothic << 14.25 << true;
    QTest::newRow("PrintLabel") << "PrintLabel" << gothic << 15.75 << true;
}

void MainWindowLayoutTest::fontsAreTheLaidOutOnes()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);

    QWidget *widget =
        name == QLatin1String("MorvaneMain") ? m_main.get() : m_main->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    // The Japanese faces are substituted by installed fonts that have the glyphs.
    QVERIFY2(QFontInfo(widget->font()).family().startsWith(QLatin1String("IPAP")),
             qPrintable(QFontInfo(widget->font()).family()));
}

void MainWindowLayoutTest::picturesAndPointersAreSet()
{
    QVERIFY(!m_main->windowIcon().isNull());
    for (const char *name :
         {"Makerandom", "MakeGrid", "MakeGridSmall", "MakeNaname", "Makesennuki", "MakeTriangle",
          "cmdRedraw", "cmdFileOpen", "ColCheck", "cmdEnd", "cmdHelp"}) {
        auto *button = control<QAbstractButton>(name);
        QVERIFY2(!button->icon().isNull(), name);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(control("OriginalImage")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(control("PicIndicate_1")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(control("PicIndicate_2")->cursor().shape(), Qt::PointingHandCursor);

    const QCursor brush = control("picClient")->cursor();
    QCOMPARE(brush.shape(), Qt::BitmapCursor);
    QCOMPARE(brush.hotSpot(), QPoint(3, 30));
    QCOMPARE(brush.pixmap().size(), QSize(32, 32));
}

void MainWindowLayoutTest::windowHasFixedSizeAndNoCloseOrSizeButtons()
{
    QVERIFY(m_main->windowTitle().startsWith(QStringLiteral("4年生算数科  もるばねゲーム")));
    QCOMPARE(m_main->size(), QSize(731, 506));
    QCOMPARE(m_main->minimumSize(), QSize(731, 506));
    QCOMPARE(m_main->maximumSize(), QSize(731, 506));

    const Qt::WindowFlags flags = m_main->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void MainWindowLayoutTest::titleLabelShowsTheNameOnTwoLines()
{
    auto *title = control<QLabel>("TitleLabel");
    const QStringList lines = title->text().split(QLatin1Char('\n'));
    QCOMPARE(lines, QStringList({QStringLiteral("もるばね"), QStringLiteral("   ゲーム")}));
    // Both lines fit the label: nothing is cut off at the bottom.
    const QFontMetrics metrics(title->font());
    QVERIFY(metrics
                .boundingRect(QRect(0, 0, title->width(), 1000), Qt::AlignLeft | Qt::AlignTop,
                              title->text())
                .height() <= title->height());
}

void MainWindowLayoutTest::printLabelWaitsHiddenBelowTheClientArea()
{
    m_main->show();
    auto *label = control<QLabel>("PrintLabel");
    QVERIFY(!label->isVisible());
    QVERIFY(label->text().isEmpty());
    QVERIFY(label->geometry().top() >= MorvaneMain::ClientSize.height());
}

// The left swatch holds the focus when the window opens, and Tab moves through the swatches, the
// buttons, the board and the graph strip in the laid-out order and comes round again.
void MainWindowLayoutTest::tabVisitsTheControlsInTheirOrder()
{
    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));

    const QStringList order{"PicIndicate_1", "PicIndicate_2", "OriginalImage", "Makerandom",
                            "MakeGrid",      "MakeGridSmall", "MakeNaname",    "Makesennuki",
                            "MakeTriangle",  "cmdRedraw",     "cmdFileOpen",   "ColCheck",
                            "cmdEnd",        "cmdHelp",       "picClient",     "PicMenseki",
                            "PicIndicate_1"};
    QCOMPARE(UserInput::tabRound(16), order);
}

void MainWindowLayoutTest::boardStartsWhiteInsideItsBorderAndStripGrey()
{
    m_main->show();
    const QImage board = control("picClient")->grab().toImage();
    QCOMPARE(board.size(), QSize(642, 482));
    QCOMPARE(board.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(board.pixel(641, 481), qRgb(0, 0, 0));
    for (const QPoint inner : {QPoint(1, 1), QPoint(640, 480), QPoint(320, 240)})
        QCOMPARE(board.pixel(inner), qRgb(255, 255, 255));

    const QImage strip = control("PicMenseki")->grab().toImage();
    QCOMPARE(strip.size(), QSize(644, 15));
    QCOMPARE(strip.pixel(2, 2), qRgb(192, 192, 192));
    QCOMPARE(strip.pixel(641, 12), qRgb(192, 192, 192));
    QVERIFY(strip.pixel(0, 0) != qRgb(192, 192, 192)); // the sunken edge
}

QTEST_MAIN(MainWindowLayoutTest)
#include "tst_mainwindow_layout.moc"
