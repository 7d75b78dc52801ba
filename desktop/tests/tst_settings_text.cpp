#include "core/settings/SettingsTable.h"
#include "core/settings/SettingsText.h"

#include <QTest>

#include <cfloat>
#include <clocale>

using namespace SettingsText;

class SettingsTextTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void booleans_data();
    void booleans();
    void integers_data();
    void integers();
    void singles_data();
    void singles();
    void typedRates_data();
    void typedRates();
    void generalNumberForm_data();
    void generalNumberForm();
    void zoomFactors_data();
    void zoomFactors();
    void everyDefaultConverts();
};

// The readers must not depend on the locale: a German locale writes "0,85".
void SettingsTextTest::initTestCase()
{
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
}

void SettingsTextTest::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1 means "does not convert"
    QTest::newRow("-1") << "-1" << 1;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("7") << "7" << 1;
    QTest::newRow("0.0") << "0.0" << 0;
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false") << "false" << 0;
    QTest::newRow("yes") << "yes" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("hex") << "&H1" << -1;
}

void SettingsTextTest::booleans()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto value = readBoolean(text);
    QCOMPARE(value.has_value(), expected != -1);
    if (value)
        QCOMPARE(int(*value), expected);
}

void SettingsTextTest::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("expected");
    QTest::newRow("3") << "3" << true << 3;
    QTest::newRow("1.5 rounds to even 2") << "1.5" << true << 2;
    QTest::newRow("2.5 rounds to even 2") << "2.5" << true << 2;
    QTest::newRow("-2.5 rounds to even -2") << "-2.5" << true << -2;
    QTest::newRow("blanks around") << "  12 " << true << 12;
    QTest::newRow("exponent") << "1e2" << true << 100;
    QTest::newRow("32767") << "32767" << true << 32767;
    QTest::newRow("-32768") << "-32768" << true << -32768;
    QTest::newRow("32767.5 overflows") << "32767.5" << false << 0;
    QTest::newRow("40000 overflows") << "40000" << false << 0;
    QTest::newRow("text") << "abc" << false << 0;
    QTest::newRow("trailing text") << "12abc" << false << 0;
    QTest::newRow("nan") << "nan" << false << 0;
    QTest::newRow("inf") << "inf" << false << 0;
    QTest::newRow("hex") << "0x10" << false << 0;
}

void SettingsTextTest::integers()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(int, expected);
    const auto value = readInteger16(text);
    QCOMPARE(value.has_value(), converts);
    if (value)
        QCOMPARE(int(*value), expected);
}

void SettingsTextTest::singles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<float>("expected");
    QTest::newRow("0.85") << "0.85" << true << 0.85F;
    QTest::newRow("1e3") << "1e3" << true << 1000.0F;
    QTest::newRow(".5") << ".5" << true << 0.5F;
    QTest::newRow("-0.25") << "-0.25" << true << -0.25F;
    QTest::newRow("leading plus") << "+0.5" << true << 0.5F;
    QTest::newRow("far beyond double range") << "1e400" << false << 0.0F;
    QTest::newRow("tiny is zero") << "-1e-400" << true << 0.0F;
    QTest::newRow("abc") << "abc" << false << 0.0F;
    QTest::newRow("comma is not the point") << "0,85" << false << 0.0F;
    QTest::newRow("nan") << "nan" << false << 0.0F;
    QTest::newRow("inf") << "inf" << false << 0.0F;
    QTest::newRow("beyond float range") << "1e39" << false << 0.0F;
}

void SettingsTextTest::singles()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(float, expected);
    const auto value = readSingle(text);
    QCOMPARE(value.has_value(), converts);
    if (value)
        QCOMPARE(*value, expected);
}

void SettingsTextTest::typedRates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("list entry") << "0.85" << 0.85F;
    QTest::newRow("1.5") << "1.5" << 1.5F;
    QTest::newRow("leading blanks") << "   0.7" << 0.7F;
    QTest::newRow("number then text") << "0.6abc" << 0.6F;
    QTest::newRow("incomplete exponent") << "2e" << 2.0F;
    QTest::newRow("exponent") << "5e-1x" << 0.5F;
    QTest::newRow("comma stops the number") << "0,85" << 0.0F;
    QTest::newRow("abc") << "abc" << 0.0F;
    QTest::newRow("empty") << "" << 0.0F;
    QTest::newRow("nan is not a number") << "nan" << 0.0F;
    QTest::newRow("inf is not a number") << "inf" << 0.0F;
    QTest::newRow("hex reads its leading zero") << "0x10" << 0.0F;
    QTest::newRow("too large is clamped") << "1e400" << FLT_MAX;
    QTest::newRow("too small is clamped") << "-1e400" << -FLT_MAX;
    QTest::newRow("tiny is zero") << "1e-400" << 0.0F;
    QTest::newRow("plus sign") << "+0.25" << 0.25F;
    QTest::newRow("many digits, small exponent") << "123456e-400" << 0.0F;
    QTest::newRow("small mantissa, large exponent") << "0.0001e400" << FLT_MAX;
    QTest::newRow("exponent beyond any integer") << "1e99999999999999999999" << FLT_MAX;
}

void SettingsTextTest::typedRates()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    QCOMPARE(readTypedNumber(text), expected);
}

void SettingsTextTest::generalNumberForm_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.85") << 0.85F << "0.85";
    QTest::newRow("0.5") << 0.5F << "0.5";
    QTest::newRow("1.5") << 1.5F << "1.5";
    QTest::newRow("0.1f") << 0.1F << "0.1";
    QTest::newRow("1/3") << 1.0F / 3.0F << "0.3333333";
    QTest::newRow("1e-7") << 1e-7F << "1E-07";
    QTest::newRow("123456789") << 123456789.0F << "1.234568E+08";
    QTest::newRow("zero") << 0.0F << "0";
    QTest::newRow("negative") << -0.75F << "-0.75";
    QTest::newRow("whole number") << 2.0F << "2";
}

void SettingsTextTest::generalNumberForm()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(generalNumber(value), text);
    // What is written is read back as the same float.
    QCOMPARE(readSingle(text).value_or(-99.0F), value);
}

void SettingsTextTest::zoomFactors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size"); // percent; -1 for none
    QTest::addColumn<QString>("written");
    QTest::newRow("1") << "1" << 100 << "1";
    QTest::newRow("1.25") << "1.25" << 125 << "1.25";
    QTest::newRow("1.5") << "1.5" << 150 << "1.5";
    QTest::newRow("2") << "2" << 200 << "2";
    QTest::newRow("read as a rate: zeros, blanks, sign") << " +1.50 " << 150 << "1.5";
    QTest::newRow("read as a rate: exponent") << "125e-2" << 125 << "1.25";
    QTest::newRow("between two sizes") << "1.3" << -1 << "";
    QTest::newRow("just above a size") << "1.2500001" << -1 << "";
    QTest::newRow("below the smallest") << "0.5" << -1 << "";
    QTest::newRow("negative") << "-2" << -1 << "";
}

void SettingsTextTest::zoomFactors()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(QString, written);
    const auto read = readZoom(text);
    QCOMPARE(read.value_or(-1), size);
    if (read)
        QCOMPARE(zoomText(*read), written);
}

void SettingsTextTest::everyDefaultConverts()
{
    GameSettings settings;
    for (const SettingKey &key : settingKeys())
        QVERIFY2(key.read(settings, QString::fromLatin1(key.defaultText)), key.key);
    QCOMPARE(settings.CanSearchButton, true);
    QCOMPARE(settings.CanSelectButton, true);
    QCOMPARE(settings.CanColorChange, true);
    QCOMPARE(settings.CanOpenFile, true);
    QCOMPARE(settings.PrintModeFlag, false);
    QCOMPARE(settings.ScreenModeFlag, false);
    QCOMPARE(settings.LineWidth, qint16(1));
    QCOMPARE(settings.PaintColor[1], qint16(9));
    QCOMPARE(settings.PaintColor[2], qint16(12));
    QCOMPARE(settings.Rate[0], 0.85F);
    QCOMPARE(settings.Rate[1], 0.75F);
}

QTEST_APPLESS_MAIN(SettingsTextTest)
#include "tst_settings_text.moc"
