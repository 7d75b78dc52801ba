#include "desktop/help/frmSplash.h"
#include "desktop/widgets/Fonts.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWindow>

class SplashTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void labelsShowTheirTextsInPlace_data();
    void labelsShowTheirTextsInPlace();
    void pictureFillsTheClientAreaInsideAThreePixelBorder();
    void clickHidesButDoesNotDestroy_data();
    void clickHidesButDoesNotDestroy();
    void clickDuringStartUpChangesNothing_data();
    void clickDuringStartUpChangesNothing();
    void closeRequestIsRefusedOnlyDuringStartUp();

private:
    QWidget *target(const QString &name) const
    {
        return name.isEmpty() ? m_splash.data() : m_splash->findChild<QWidget *>(name);
    }

    QPointer<frmSplash> m_splash;
};

void SplashTest::initTestCase()
{
    Fonts::installSubstitutions();
}

void SplashTest::init()
{
    m_splash = new frmSplash;
    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash));
}

void SplashTest::cleanup()
{
    delete m_splash;
}

void SplashTest::labelsShowTheirTextsInPlace_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry"); // in the window: client area offset by the border
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("color");

    QTest::newRow("date") << 1 << "1997/12/3" << QRect(304, 5, 98, 26) << 18.0
                          << QColor(224, 224, 224);
    QTest::newRow("version") << 2 << "Version 1.5" << QRect(13, 183, 116, 26) << 18.0
                             << QColor(0, 255, 255);
    QTest::newRow("credits, first half")
        << 0 << "" << QRect(141, 204, 94, 22) << 14.25 << QColor(0, 255, 0);
    QTest::newRow("credits, second half")
        << 3 << "" << QRect(206, 225, 171, 22) << 14.25 << QColor(0, 255, 0);
}

void SplashTest::labelsShowTheirTextsInPlace()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(qreal, points);
    QFETCH(QColor, color);

    QLabel *label = m_splash->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(index));
    QVERIFY(label);
    QCOMPARE(label, m_splash->Label1(index));
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    QVERIFY(!label->text().isEmpty());
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(label->font().pointSizeF(), points);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    QVERIFY(!label->autoFillBackground());
    // The whole text fits its label.
    QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
             qPrintable(label->text()));
}

void SplashTest::pictureFillsTheClientAreaInsideAThreePixelBorder()
{
    QCOMPARE(m_splash->size(), QSize(406, 256));
    QVERIFY(m_splash->windowFlags() & Qt::FramelessWindowHint);

    const QImage picture =
        QImage(QStringLiteral(":/pictures/splash.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(400, 250));
    const QImage shown = m_splash->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(399, 249), QPoint(200, 60), QPoint(20, 240)})
        QCOMPARE(shown.pixel(at + QPoint(3, 3)), picture.pixel(at));
    QCOMPARE(shown.pixel(0, 0), qRgb(255, 255, 255)); // lit top-left edge
    QCOMPARE(shown.pixel(405, 255), qRgb(0, 0, 0));   // shadowed bottom-right edge
}

void SplashTest::clickHidesButDoesNotDestroy_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("picture") << "";
    QTest::newRow("date label") << "Label1_1";
    QTest::newRow("version label") << "Label1_2";
    QTest::newRow("credits, first half") << "Label1_0";
    QTest::newRow("credits, second half") << "Label1_3";
}

void SplashTest::clickHidesButDoesNotDestroy()
{
    QFETCH(QString, name);
    QTest::mouseClick(target(name), Qt::LeftButton);
    QVERIFY(m_splash);
    QVERIFY(!m_splash->isVisible());

    // Shown again it is the same window with the same texts.
    m_splash->show();
    QCOMPARE(m_splash->Label1(2)->text(), QStringLiteral("Version 1.5"));
}

void SplashTest::clickDuringStartUpChangesNothing_data()
{
    clickHidesButDoesNotDestroy_data();
}

void SplashTest::clickDuringStartUpChangesNothing()
{
    QFETCH(QString, name);
    m_splash->setRespondsToUser(false);
    QTest::mouseClick(target(name), Qt::LeftButton);
    QTest::mouseClick(target(name), Qt::RightButton);
    QVERIFY(m_splash->isVisible());
}

void SplashTest::closeRequestIsRefusedOnlyDuringStartUp()
{
    m_splash->setRespondsToUser(false);
    m_splash->windowHandle()->close();
    QVERIFY(m_splash->isVisible());

    m_splash->setRespondsToUser(true);
    m_splash->windowHandle()->close();
    QVERIFY(m_splash);
    QVERIFY(!m_splash->isVisible());
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
