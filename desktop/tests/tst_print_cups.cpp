// Run by tests/cups/print_through_cups.sh, which starts a CUPS server with a cups-pdf queue as the
// default printer and a second one for a user's own default, and tells where the printed files
// appear.
#include "support/MainWindowFixture.h"
#include "support/PrintedPage.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/print/GamePrinter.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Dpi = 50;

// Where a point of the page as it was laid out lies on the printed sheet. A landscape page comes
// out turned a quarter turn anticlockwise on the portrait sheet, as a printer feeds it.
QPointF onSheet(QPointF onPage, QSizeF page, QSizeF sheet)
{
    if (page.width() <= page.height())
        return onPage * (sheet.width() / page.width());
    const double scale = sheet.height() / page.width();
    return {onPage.y() * scale, sheet.height() - onPage.x() * scale};
}

bool queueIsEmpty()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    return lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 &&
           lpstat.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

class PrintCupsTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void colourCopyComesOutOfTheDefaultPrinter_data();
    void colourCopyComesOutOfTheDefaultPrinter();
    void windowPrintComesOutOfTheDefaultPrinter_data();
    void windowPrintComesOutOfTheDefaultPrinter();
    void windowPrintComesOutOfTheUsersOwnDefaultPrinter_data();
    void windowPrintComesOutOfTheUsersOwnDefaultPrinter();

private:
    void print(bool colourCopy, int paper, int orientation);
    void checkSheet(int paper);
    void checkColour(QPointF onPage, QRgb expected, const QString &what);

    QDir m_output;
    QString m_printed;
    QImage m_sheet;
    QSizeF m_sheetSize;
};

void PrintCupsTest::initTestCase()
{
    const QString output = qEnvironmentVariable("MORVANE_CUPS_OUTPUT");
    QVERIFY2(!output.isEmpty(), "run through tests/cups/print_through_cups.sh, which starts CUPS");
    m_output = QDir(output);
    QVERIFY(m_output.exists());
}

void PrintCupsTest::init()
{
    freshStore();
    startGame();
    QVERIFY(m_main->printer().hasPrinter());
    QCOMPARE(m_main->printer().printer().printerName(), qEnvironmentVariable("MORVANE_CUPS_QUEUE"));

    drawOnBoard(KnownBoard::paint);
}

void PrintCupsTest::cleanup()
{
    endGame();
    if (!m_printed.isEmpty())
        QFile::remove(m_printed);
    m_printed.clear();
}

// Prints with the window's print button, then waits for the queue to hand out the file.
void PrintCupsTest::print(bool colourCopy, int paper, int orientation)
{
    const QStringList before = m_output.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    m_main->session().setSwitch(Switch::ColourPrint, colourCopy);
    m_main->session().setPaperSize(static_cast<qint16>(paper));
    m_main->session().setOrientation(static_cast<qint16>(orientation));
    MessageBoxAnswerer boxes;
    QTest::mouseClick(m_main->controls().cmdRedraw, Qt::LeftButton);
    QCOMPARE(boxes.seen, QStringList());

    // The job is in the queue once the click returns; the file is complete once the job is.
    QTRY_VERIFY_WITH_TIMEOUT(queueIsEmpty(), 20000);
    QStringList added = m_output.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QString &file : before)
        added.removeOne(file);
    QCOMPARE(added.size(), 1);
    m_printed = m_output.filePath(added.first());
    QVERIFY(!m_main->controls().PrintLabel->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
}

// The sheet is the paper asked for, always upright: the orientation shows in the picture on it.
void PrintCupsTest::checkSheet(int paper)
{
    const PrintedPage::Info info = PrintedPage::info(m_printed);
    QCOMPARE(info.pages, 1);
    m_sheetSize = info.size;
    QVERIFY2(PrintedPage::sameSize(m_sheetSize, PrintedPage::paperSize(paper)),
             qPrintable(QStringLiteral("sheet of %1 x %2 pt")
                            .arg(m_sheetSize.width())
                            .arg(m_sheetSize.height())));
    m_sheet = PrintedPage::render(m_printed, Dpi);
    QVERIFY(!m_sheet.isNull());
}

void PrintCupsTest::checkColour(QPointF onPage, QRgb expected, const QString &what)
{
    const QSizeF page = m_main->printer().printer().paperRect(QPrinter::Point).size();
    const QRgb printed = PrintedPage::pixelAt(m_sheet, onSheet(onPage, page, m_sheetSize), Dpi);
    QVERIFY2(PrintedPage::sameColour(printed, expected),
             qPrintable(QStringLiteral("%1 printed as %2").arg(what).arg(printed, 6, 16)));
}

void PrintCupsTest::colourCopyComesOutOfTheDefaultPrinter_data()
{
    PrintedPage::addPaperRows();
}

void PrintCupsTest::colourCopyComesOutOfTheDefaultPrinter()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);

    print(true, paper, orientation);
    if (!QTest::currentTestFailed())
        checkSheet(paper);
    if (QTest::currentTestFailed())
        return;
    const QRectF printable = m_main->printer().printer().pageRect(QPrinter::Point);
    for (const KnownBoard::Square &square : KnownBoard::squares) {
        for (int corner = -1; corner < 4; ++corner) {
            const QPoint pixel = KnownBoard::pixelIn(square, corner);
            checkColour(KnownBoard::onColourCopy(pixel, printable),
                        Palette::color(square.paletteIndex),
                        QStringLiteral("board pixel (%1, %2)").arg(pixel.x()).arg(pixel.y()));
        }
    }
}

void PrintCupsTest::windowPrintComesOutOfTheDefaultPrinter_data()
{
    PrintedPage::addPaperRows();
}

void PrintCupsTest::windowPrintComesOutOfTheDefaultPrinter()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);

    print(false, paper, orientation);
    if (!QTest::currentTestFailed())
        checkSheet(paper);
    if (QTest::currentTestFailed())
        return;
    const QRectF printable = m_main->printer().printer().pageRect(QPrinter::Point);
    const SurfaceView &board = *m_main->controls().picClient;
    for (const KnownBoard::Square &square : KnownBoard::squares) {
        const QPoint inWindow =
            board.mapTo(m_main.get(), board.innerOrigin() + KnownBoard::pixelIn(square));
        checkColour(PrintedPage::onFittedImage(inWindow, m_main->size(), printable),
                    Palette::color(square.paletteIndex),
                    QStringLiteral("square %1, %2").arg(square.column).arg(square.row));
    }
}

void PrintCupsTest::windowPrintComesOutOfTheUsersOwnDefaultPrinter_data()
{
    // Environment variables that name the user's queue, and whether ~/.cups/lpoptions does.
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<bool>("lpoptions");

    // Qt 6.4 alone finds no default printer in the first two.
    QTest::newRow("PRINTER and lpoptions") << QStringList{QStringLiteral("PRINTER")} << true;
    QTest::newRow("LPDEST and lpoptions") << QStringList{QStringLiteral("LPDEST")} << true;
    QTest::newRow("lpoptions alone") << QStringList() << true;
}

// The user's queue is not the server's default: it is the default only through the row's
// settings. CUPS reads those once in a process, so a child process of this program prints, with
// the user's queue and its output folder as the ones to expect.
void PrintCupsTest::windowPrintComesOutOfTheUsersOwnDefaultPrinter()
{
    QFETCH(QStringList, variables);
    QFETCH(bool, lpoptions);

    const QString queue = qEnvironmentVariable("MORVANE_CUPS_USER_QUEUE");
    QVERIFY(!queue.isEmpty());
    QTemporaryDir home;
    QVERIFY(home.isValid());
    if (lpoptions) {
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral(".cups")));
        QFile options(home.filePath(QStringLiteral(".cups/lpoptions")));
        QVERIFY(options.open(QIODevice::WriteOnly));
        options.write("Default " + queue.toUtf8() + "\n");
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("MORVANE_CUPS_QUEUE"), queue);
    environment.insert(QStringLiteral("MORVANE_CUPS_OUTPUT"),
                       qEnvironmentVariable("MORVANE_CUPS_USER_OUTPUT"));
    for (const QString &variable : variables)
        environment.insert(variable, queue);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("windowPrintComesOutOfTheDefaultPrinter:A4 portrait")});
    QVERIFY(child.waitForFinished(120000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAll().constData());
}

QTEST_MAIN(PrintCupsTest)
#include "tst_print_cups.moc"
