#include "core/settings/PrinterOptions.h"

#include <QTest>

class TestTeacherOptions : public QObject
{
    Q_OBJECT

private slots:
    void paperCodeSelectsOption_data();
    void paperCodeSelectsOption();
    void orientationCodeSelectsOption_data();
    void orientationCodeSelectsOption();
};

void TestTeacherOptions::paperCodeSelectsOption_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("codeAfterSelecting");

    QTest::newRow("B5") << 13 << 0 << 13;
    QTest::newRow("A4") << 9 << 1 << 9;
    QTest::newRow("B4") << 12 << 2 << 12;
    QTest::newRow("Letter shows as B4") << 1 << 2 << 12;
    QTest::newRow("A3 shows as B4") << 8 << 2 << 12;
    QTest::newRow("no code shows as B4") << 0 << 2 << 12;
    QTest::newRow("negative shows as B4") << -9 << 2 << 12;
}

void TestTeacherOptions::paperCodeSelectsOption()
{
    QFETCH(int, code);
    QFETCH(int, option);
    QFETCH(int, codeAfterSelecting);

    QCOMPARE(PrinterOptions::paperOption(code), option);
    QCOMPARE(PrinterOptions::paperCode(option), codeAfterSelecting);
}

void TestTeacherOptions::orientationCodeSelectsOption_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("codeAfterSelecting");

    QTest::newRow("portrait") << 1 << 0 << 1;
    QTest::newRow("landscape") << 2 << 1 << 2;
    QTest::newRow("no code shows as portrait") << 0 << 0 << 1;
    QTest::newRow("3 shows as portrait") << 3 << 0 << 1;
    QTest::newRow("-1 shows as portrait") << -1 << 0 << 1;
}

void TestTeacherOptions::orientationCodeSelectsOption()
{
    QFETCH(int, code);
    QFETCH(int, option);
    QFETCH(int, codeAfterSelecting);

    QCOMPARE(PrinterOptions::orientationOption(code), option);
    QCOMPARE(PrinterOptions::orientationCode(option), codeAfterSelecting);
}

QTEST_APPLESS_MAIN(TestTeacherOptions)
#include "tst_teacher_options.moc"
