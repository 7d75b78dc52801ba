#include "desktop/pictures/HelperRaster.h"
#include "desktop/pictures/MetafileHelper.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using Pictures::decodeHelperRaster;
using Pictures::renderMetafile;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORVANE_TEST_ASAN 1
#endif
#endif
#ifndef MORVANE_TEST_ASAN
#define MORVANE_TEST_ASAN 0
#endif

namespace {

QByteArray raster(quint32 width, quint32 height, const QByteArray &pixels)
{
    QByteArray bytes("MWR1");
    char number[4];
    qToLittleEndian(width, number);
    bytes.append(number, 4);
    qToLittleEndian(height, number);
    bytes.append(number, 4);
    return bytes + pixels;
}

const QByteArray redThenBlue("\xff\0\0\0\0\xff", 6);

// The same bytes as a printf(1) format, for the fake helpers.
QString printfFormat(const QByteArray &bytes)
{
    QString format;
    for (const char byte : bytes)
        format += QStringLiteral("\\%1").arg(uint(quint8(byte)), 3, 8, QLatin1Char('0'));
    return format;
}

} // namespace

class PictureHelperTest : public QObject
{
    Q_OBJECT

private:
    // A stand-in for the metafile helper: a shell script with `body`.
    QString fakeHelper(const QString &body, bool executable = true)
    {
        const QString path = m_dir.filePath(QStringLiteral("helper-%1").arg(++m_helpers));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write("#!/bin/sh\n" + body.toUtf8() + "\n");
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }

    QTemporaryDir m_dir;
    int m_helpers = 0;

private slots:
    void rasterIsReadBack();
    void malformedRastersAreRefused_data();
    void malformedRastersAreRefused();
    void helperOutputBecomesThePicture();
    void helperRunsUnderLimits();
    void misbehavingHelpersGiveNothing_data();
    void misbehavingHelpersGiveNothing();
};

void PictureHelperTest::rasterIsReadBack()
{
    const std::optional<QImage> image = decodeHelperRaster(raster(2, 1, redThenBlue));
    QVERIFY(image.has_value());
    QCOMPARE(image->format(), QImage::Format_RGB32);
    QCOMPARE(image->size(), QSize(2, 1));
    QCOMPARE(image->pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(image->pixel(1, 0), qRgb(0, 0, 255));
}

void PictureHelperTest::malformedRastersAreRefused_data()
{
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("header cut short") << raster(2, 1, redThenBlue).left(10);
    QTest::newRow("wrong magic") << QByteArray("MWR2") + raster(2, 1, redThenBlue).mid(4);
    QTest::newRow("one byte short") << raster(2, 1, redThenBlue.left(5));
    QTest::newRow("one byte too many") << raster(2, 1, redThenBlue + 'x');
    QTest::newRow("zero width") << raster(0, 1, QByteArray());
    QTest::newRow("zero height") << raster(2, 0, QByteArray());
    QTest::newRow("width that overflows a product")
        << raster(0xffffffffu, 0xffffffffu, redThenBlue);
    QTest::newRow("60000 x 60000") << raster(60000, 60000, redThenBlue);
    QTest::newRow("one row too many pixels wide") << raster(64'000'001, 1, redThenBlue);
}

void PictureHelperTest::malformedRastersAreRefused()
{
    QFETCH(QByteArray, output);
    QVERIFY(!decodeHelperRaster(output).has_value());
}

void PictureHelperTest::helperOutputBecomesThePicture()
{
    const QString helper = fakeHelper("printf '" + printfFormat(raster(2, 1, redThenBlue)) + "'");
    const std::optional<QImage> image = renderMetafile(QStringLiteral("any.wmf"), helper);
    QVERIFY(image.has_value());
    QCOMPARE(image->pixel(1, 0), qRgb(0, 0, 255));
}

void PictureHelperTest::helperRunsUnderLimits()
{
    // The helper answers with a picture only when the limits it finds are the ones it should run
    // under: CPU seconds, no core dumps, no files written, and (but under AddressSanitizer,
    // which cannot start with it) 512 MiB of address space.
#if defined(__SANITIZE_ADDRESS__) || MORVANE_TEST_ASAN
    const QString memory = QStringLiteral("unlimited");
#else
    const QString memory = QStringLiteral("524288");
#endif
    const QString helper = fakeHelper(
        QStringLiteral("[ \"$(ulimit -t)\" = 4 ] && [ \"$(ulimit -c)\" = 0 ] && "
                       "[ \"$(ulimit -f)\" = 0 ] && [ \"$(ulimit -v)\" = %1 ] || exit 1\n")
            .arg(memory) +
        "printf '" + printfFormat(raster(2, 1, redThenBlue)) + "'");
    QVERIFY(renderMetafile(QStringLiteral("any.wmf"), helper).has_value());
}

void PictureHelperTest::misbehavingHelpersGiveNothing_data()
{
    QTest::addColumn<QString>("helper");

    const QString valid = "printf '" + printfFormat(raster(2, 1, redThenBlue)) + "'";
    const QList<std::pair<const char *, QString>> scripts = {
        {"crashes", "kill -SEGV $$"},
        {"hangs until killed", "exec sleep 60"},
        {"spins until its CPU time is up", "while :; do :; done"},
        {"fails after a valid raster", valid + "\nexit 3"},
        {"crashes after a valid raster", valid + "\nkill -SEGV $$"},
        {"writes text", "echo hello"},
        {"writes nothing", "exit 0"},
        {"claims 60000 x 60000",
         "printf '" + printfFormat(raster(60000, 60000, redThenBlue)) + "'"},
        {"writes more than any picture", "head -c 300000000 /dev/zero"},
    };
    for (const auto &[name, script] : scripts)
        QTest::newRow(name) << fakeHelper(script);
    QTest::newRow("not executable") << fakeHelper(valid, false);
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("no-such-helper"));
    QTest::newRow("not found at all") << QString();
}

void PictureHelperTest::misbehavingHelpersGiveNothing()
{
    QFETCH(QString, helper);
    QVERIFY(!renderMetafile(QStringLiteral("any.wmf"), helper).has_value());
}

QTEST_GUILESS_MAIN(PictureHelperTest)
#include "tst_picture_helper.moc"
