#include "desktop/settings/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void emptyStoreGivesTheDefaults();
    void storedTextsAreConverted_data();
    void storedTextsAreConverted();
    void badTextsFallBackToTheDefaultWithAWarning_data();
    void badTextsFallBackToTheDefaultWithAWarning();
    void savedValuesAreReadBack();
    void saveWritesTheTextForms();
    void saveThatCannotReachTheDiskReportsFailure();
    void systemWideFileGivesDefaultsThatTheUserOverrides();

private:
    QString userFile() const { return m_user->path() + "/Morvane/Morvane.ini"; }
    void writeRaw(const QString &file, const QByteArray &contents);

    std::unique_ptr<QTemporaryDir> m_user;
    std::unique_ptr<QTemporaryDir> m_system;
};

void SettingsStoreTest::init()
{
    m_user = std::make_unique<QTemporaryDir>();
    m_system = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_user->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_system->path());
}

void SettingsStoreTest::writeRaw(const QString &file, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(contents);
}

void SettingsStoreTest::emptyStoreGivesTheDefaults()
{
    GameSettings settings;
    SettingsStore::read(settings);
    QVERIFY(settings.CanSearchButton && settings.CanSelectButton && settings.CanColorChange &&
            settings.CanOpenFile);
    QVERIFY(!settings.PrintModeFlag && !settings.ScreenModeFlag);
    QCOMPARE(settings.LineWidth, qint16(1));
    QCOMPARE(settings.PaintColor[1], qint16(9));
    QCOMPARE(settings.PaintColor[2], qint16(12));
    QCOMPARE(settings.Rate[0], 0.85F);
    QCOMPARE(settings.Rate[1], 0.75F);
    QCOMPARE(settings.Zoom, qint16(100));
    QVERIFY(!settings.ShowSquares);
    QVERIFY(!QFile::exists(userFile())); // reading creates nothing
}

void SettingsStoreTest::storedTextsAreConverted_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("expected");
    QTest::newRow("LineWidth 3") << QByteArray("LineWidth=3") << "LineWidth" << 3.0;
    QTest::newRow("LineWidth 1.5 rounds to 2") << QByteArray("LineWidth=1.5") << "LineWidth" << 2.0;
    QTest::newRow("LineWidth 2.5 rounds to 2") << QByteArray("LineWidth=2.5") << "LineWidth" << 2.0;
    QTest::newRow("Boolean 7 is true") << QByteArray("PrintModeFlag=7") << "PrintModeFlag" << 1.0;
    QTest::newRow("Boolean True") << QByteArray("ScreenModeFlag=True") << "ScreenModeFlag" << 1.0;
    QTest::newRow("Boolean false") << QByteArray("CanOpenFile=false") << "CanOpenFile" << 0.0;
    QTest::newRow("rate 0.5") << QByteArray("RateYoko=0.5") << "RateYoko" << 0.5;
    QTest::newRow("rate 1e3") << QByteArray("RateTate=1e3") << "RateTate" << 1000.0;
    QTest::newRow("black as a default colour") << QByteArray("PaintColorLeft=0") << "Left" << 0.0;
    QTest::newRow("Zoom 1.25") << QByteArray("Zoom=1.25") << "Zoom" << 125.0;
    QTest::newRow("Zoom 1.5") << QByteArray("Zoom=1.5") << "Zoom" << 150.0;
    QTest::newRow("Zoom 2") << QByteArray("Zoom=2") << "Zoom" << 200.0;
    QTest::newRow("Zoom 1") << QByteArray("Zoom=1") << "Zoom" << 100.0;
    QTest::newRow("ShowSquares -1") << QByteArray("ShowSquares=-1") << "ShowSquares" << 1.0;
}

static double fieldValue(const GameSettings &settings, const QString &field)
{
    if (field == "LineWidth")
        return settings.LineWidth;
    if (field == "PrintModeFlag")
        return settings.PrintModeFlag;
    if (field == "ScreenModeFlag")
        return settings.ScreenModeFlag;
    if (field == "CanOpenFile")
        return settings.CanOpenFile;
    if (field == "RateYoko")
        return settings.Rate[0];
    if (field == "RateTate")
        return settings.Rate[1];
    if (field == "Left")
        return settings.PaintColor[1];
    if (field == "Right")
        return settings.PaintColor[2];
    if (field == "CanSearchButton")
        return settings.CanSearchButton;
    if (field == "Zoom")
        return settings.Zoom;
    if (field == "ShowSquares")
        return settings.ShowSquares;
    return -999;
}

void SettingsStoreTest::storedTextsAreConverted()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, field);
    QFETCH(double, expected);
    writeRaw(userFile(), "[Setting]\n" + line + "\n");
    GameSettings settings;
    SettingsStore::read(settings);
    QCOMPARE(fieldValue(settings, field), expected);
}

void SettingsStoreTest::badTextsFallBackToTheDefaultWithAWarning_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("LineWidth overflow")
        << QByteArray("LineWidth=40000") << "LineWidth" << 1.0 << "40000";
    QTest::newRow("Boolean yes") << QByteArray("CanSearchButton=yes") << "CanSearchButton" << 1.0
                                 << "yes";
    QTest::newRow("ShowSquares yes")
        << QByteArray("ShowSquares=yes") << "ShowSquares" << 0.0 << "yes";
    QTest::newRow("rate abc") << QByteArray("RateYoko=abc") << "RateYoko" << double(0.85F) << "abc";
    QTest::newRow("rate with a comma")
        << QByteArray("RateTate=0,85") << "RateTate" << double(0.75F) << "0,85";
    QTest::newRow("rate nan") << QByteArray("RateTate=nan") << "RateTate" << double(0.75F) << "nan";
    QTest::newRow("colour above the palette")
        << QByteArray("PaintColorLeft=16") << "Left" << 9.0 << "16";
    QTest::newRow("negative colour") << QByteArray("PaintColorRight=-1") << "Right" << 12.0 << "-1";
    // The size is a factor: percent, a comma, or a factor that is not one of the four is not.
    QTest::newRow("Zoom in percent") << QByteArray("Zoom=150") << "Zoom" << 100.0 << "150";
    QTest::newRow("Zoom with a percent sign")
        << QByteArray("Zoom=150%") << "Zoom" << 100.0 << "150%";
    QTest::newRow("Zoom with a comma") << QByteArray("Zoom=1,5") << "Zoom" << 100.0 << "1,5";
    QTest::newRow("Zoom 3") << QByteArray("Zoom=3") << "Zoom" << 100.0 << "3";
    QTest::newRow("Zoom 0") << QByteArray("Zoom=0") << "Zoom" << 100.0 << "0";
    QTest::newRow("Zoom empty") << QByteArray("Zoom=") << "Zoom" << 100.0 << "";
}

void SettingsStoreTest::badTextsFallBackToTheDefaultWithAWarning()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, field);
    QFETCH(double, expected);
    QFETCH(QString, shown);
    writeRaw(userFile(), "[Setting]\n" + line + "\n");
    const QString key = QString::fromLatin1(line.left(line.indexOf('=')));
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(key + ".*\"" + QRegularExpression::escape(shown) + "\""));
    GameSettings settings;
    SettingsStore::read(settings);
    QCOMPARE(fieldValue(settings, field), expected);
}

void SettingsStoreTest::savedValuesAreReadBack()
{
    GameSettings saved;
    saved.CanSearchButton = false;
    saved.CanSelectButton = true;
    saved.CanColorChange = false;
    saved.CanOpenFile = true;
    saved.PrintModeFlag = true;
    saved.ScreenModeFlag = true;
    saved.LineWidth = 2;
    saved.Rate = {0.5F, 1.0F / 3.0F};
    saved.PaintColor = {0, 3, 15};
    saved.Zoom = 150;
    saved.ShowSquares = true;
    QVERIFY(SettingsStore::write(saved));

    GameSettings settings;
    SettingsStore::read(settings);
    QCOMPARE(settings.CanSearchButton, false);
    QCOMPARE(settings.CanSelectButton, true);
    QCOMPARE(settings.CanColorChange, false);
    QCOMPARE(settings.CanOpenFile, true);
    QCOMPARE(settings.PrintModeFlag, true);
    QCOMPARE(settings.ScreenModeFlag, true);
    QCOMPARE(settings.LineWidth, qint16(2));
    QCOMPARE(settings.Rate[0], 0.5F);
    QCOMPARE(settings.Rate[1], 0.3333333F);
    QCOMPARE(settings.PaintColor[1], qint16(3));
    QCOMPARE(settings.PaintColor[2], qint16(15));
    QCOMPARE(settings.Zoom, qint16(150));
    QCOMPARE(settings.ShowSquares, true);
}

void SettingsStoreTest::saveWritesTheTextForms()
{
    GameSettings saved; // every switch off
    saved.LineWidth = 1;
    saved.Rate = {0.5F, 1.5F};
    saved.PaintColor = {0, 9, 12};
    saved.Zoom = 125;
    QVERIFY(SettingsStore::write(saved));

    QFile raw(userFile());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    // The size is written after the eleven keys.
    QCOMPARE(raw.readAll().trimmed().split('\n').last(), QByteArray("Zoom=1.25"));

    QSettings file(userFile(), QSettings::IniFormat);
    file.beginGroup("Setting");
    for (const char *key : {"CanSearchButton", "CanSelectButton", "CanColorChange", "CanOpenFile",
                            "PrintModeFlag", "ScreenModeFlag"})
        QCOMPARE(file.value(key).toString(), QString("0"));
    QCOMPARE(file.value("LineWidth").toString(), QString("1"));
    QCOMPARE(file.value("RateYoko").toString(), QString("0.5"));
    QCOMPARE(file.value("RateTate").toString(), QString("1.5"));
    QCOMPARE(file.value("PaintColorLeft").toString(), QString("9"));
    QCOMPARE(file.value("PaintColorRight").toString(), QString("12"));
    QCOMPARE(file.value("Zoom").toString(), QString("1.25"));
    QCOMPARE(file.value("ShowSquares").toString(), QString("0"));
    QCOMPARE(file.childKeys().size(), 13);
    QVERIFY(!file.contains("PaperSize") && !file.contains("Orientation"));
}

// Tests run as root, for whom a read-only file is still writable: a regular file where the
// settings folder should be really fails.
void SettingsStoreTest::saveThatCannotReachTheDiskReportsFailure()
{
    writeRaw(m_user->path() + "/Morvane", "not a folder");
    QVERIFY(!SettingsStore::write(GameSettings{}));
}

void SettingsStoreTest::systemWideFileGivesDefaultsThatTheUserOverrides()
{
    writeRaw(m_system->path() + "/Morvane/Morvane.ini", "[Setting]\nLineWidth=2\nRateYoko=0.6\n");
    GameSettings before;
    SettingsStore::read(before);
    QCOMPARE(before.LineWidth, qint16(2));
    QCOMPARE(before.Rate[0], 0.6F);

    writeRaw(userFile(), "[Setting]\nLineWidth=1\n");
    GameSettings after;
    SettingsStore::read(after);
    QCOMPARE(after.LineWidth, qint16(1));
    QCOMPARE(after.Rate[0], 0.6F);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
