#include "desktop/widgets/RasterImage.h"
#include "support/MainWindowFixture.h"
#include "support/PrintedPage.h"

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/StripProgress.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/print/BoardPrint.h"
#include "desktop/print/GamePrinter.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Dpi = 100;
const QString Preparing = QStringLiteral("印刷準備中");
const QString Spooling = QStringLiteral("印刷スプール中");

// A print whose printer counts as installed or not, as the test says, and that notes what the
// window showed at each failure instead of asking: the label's text ("-" while it is hidden).
class NotingBoardPrint : public BoardPrint
{
public:
    NotingBoardPrint(GamePrinter &printer, int paper, int orientation, MorvaneMain &window,
                     bool installed)
        : BoardPrint(printer, paper, orientation, window)
        , m_window(window)
        , m_installed(installed)
    {}

    QStringList failures;

protected:
    bool printerInstalled() const override { return m_installed; }
    void reportFailure() override
    {
        const QLabel &label = *m_window.controls().PrintLabel;
        QString seen = label.isVisible() ? label.text() : QStringLiteral("-");
        failures << seen;
    }

private:
    MorvaneMain &m_window;
    bool m_installed;
};

// Asks the real message box, with no printer installed.
class UnplugedBoardPrint : public BoardPrint
{
public:
    using BoardPrint::BoardPrint;

protected:
    bool printerInstalled() const override { return false; }
};

// Notes, at each repaint of the graph strip, how far the grey bar reaches from the left edge,
// the label's text and whether the hourglass is up.
class StripWatcher : public QObject
{
public:
    StripWatcher(SurfaceView &strip, const QLabel &label)
        : m_strip(strip)
        , m_label(label)
    {
        strip.installEventFilter(this);
    }

    struct Paint
    {
        int barWidth;
        QString label;
        bool hourglass;
    };
    QList<Paint> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QImage strip = imageOf(m_strip.surface().image());
            int width = 0;
            while (width < strip.width() && strip.pixel(width, 5) == Palette::color(8))
                ++width;
            const QCursor *cursor = QGuiApplication::overrideCursor();
            paints.append({width, m_label.isVisible() ? m_label.text() : QString(),
                           cursor && cursor->shape() == Qt::WaitCursor});
        }
        return QObject::eventFilter(watched, event);
    }

private:
    SurfaceView &m_strip;
    const QLabel &m_label;
};

QImage emptyStrip()
{
    return imageOf(Surface(640, 11, Palette::LightGrey).image()).copy();
}

} // namespace

class PrintPdfTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void colourCopyPrintsTheWholeBoardInColour_data();
    void colourCopyPrintsTheWholeBoardInColour();
    void windowPrintPrintsTheWindowAsShown_data();
    void windowPrintPrintsTheWindowAsShown();
    void colourCopyShowsItsProgressWhileItRuns();
    void everyFailingStepIsReportedOnceAndTheRestStillRuns_data();
    void everyFailingStepIsReportedOnceAndTheRestStillRuns();
    void theFailureMessageIsAnUntitledBoxWithOkOnly();
    void thePrintButtonTakesThePathTheTeacherChose_data();
    void thePrintButtonTakesThePathTheTeacherChose();

private:
    StripProgress progress() const
    {
        return {m_main->session(), *m_main->controls().PicMenseki, *m_main->controls().PrintLabel};
    }
    void checkTheWindowIsBackToNormal(bool stripEmptied);

    QTemporaryDir m_dir;
    QString m_pdf;
    std::unique_ptr<GamePrinter> m_printer;
    QImage m_boardBefore;
    QImage m_stripBefore;
};

void PrintPdfTest::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QFile::remove(m_pdf);
    m_printer = std::make_unique<GamePrinter>();
    m_printer->printer().setOutputFormat(QPrinter::PdfFormat);
    m_printer->printer().setOutputFileName(m_pdf);

    freshStore();
    startGame();

    drawOnBoard(KnownBoard::paint);
    // A bar graph on the screen, as a measurement leaves it: the left side's light blue square
    // makes a short bar from the left edge.
    m_main->ColCheck_Click();
    QCOMPARE(m_main->stripImage().pixel(2, 5), Palette::color(9));
    m_boardBefore = m_main->boardImage();
    m_stripBefore = m_main->stripImage();
}

void PrintPdfTest::cleanup()
{
    endGame();
    m_printer.reset();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void PrintPdfTest::checkTheWindowIsBackToNormal(bool stripEmptied)
{
    QVERIFY(!m_main->controls().PrintLabel->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(m_main->boardImage() == m_boardBefore);
    QVERIFY(m_main->stripImage() == (stripEmptied ? emptyStrip() : m_stripBefore));
}

QSizeF expectedPage(int paper, int orientation)
{
    const QSizeF portrait = PrintedPage::paperSize(paper);
    return orientation == PrintedPage::Landscape ? portrait.transposed() : portrait;
}

void PrintPdfTest::colourCopyPrintsTheWholeBoardInColour_data()
{
    PrintedPage::addPaperRows();
}

void PrintPdfTest::colourCopyPrintsTheWholeBoardInColour()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);

    NotingBoardPrint print(*m_printer, paper, orientation, *m_main, true);
    StripProgress shown = progress();
    print.colourCopy(m_main->boardSurface(), shown);

    QCOMPARE(print.failures, QStringList());
    checkTheWindowIsBackToNormal(true);

    const PrintedPage::Info info = PrintedPage::info(m_pdf);
    QCOMPARE(info.pages, 1);
    QVERIFY2(
        PrintedPage::sameSize(info.size, expectedPage(paper, orientation)),
        qPrintable(
            QStringLiteral("page of %1 x %2 pt").arg(info.size.width()).arg(info.size.height())));

    const QImage page = PrintedPage::render(m_pdf, Dpi);
    QVERIFY(!page.isNull());
    const QRectF printable = m_printer->printer().pageRect(QPrinter::Point);
    for (const KnownBoard::Square &square : KnownBoard::squares) {
        for (int corner = -1; corner < 4; ++corner) {
            const QPoint pixel = KnownBoard::pixelIn(square, corner);
            const QRgb printed =
                PrintedPage::pixelAt(page, KnownBoard::onColourCopy(pixel, printable), Dpi);
            QVERIFY2(PrintedPage::sameColour(printed, Palette::color(square.paletteIndex)),
                     qPrintable(QStringLiteral("board pixel (%1, %2) printed as %3")
                                    .arg(pixel.x())
                                    .arg(pixel.y())
                                    .arg(printed, 6, 16)));
        }
    }
}

void PrintPdfTest::windowPrintPrintsTheWindowAsShown_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("afterColourCopy");
    for (const PrintedPage::PaperCase &row : PrintedPage::paperCases)
        QTest::newRow(row.name) << row.paper << row.orientation << false;
    QTest::newRow("A4 landscape after a colour copy") << 9 << PrintedPage::Landscape << true;
    QTest::newRow("B5 portrait after a colour copy") << 13 << PrintedPage::Portrait << true;
}

void PrintPdfTest::windowPrintPrintsTheWindowAsShown()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(bool, afterColourCopy);

    // The same printer has just printed a colour copy on other paper: nothing of its page set-up
    // may carry over.
    if (afterColourCopy) {
        m_printer->printer().setOutputFileName(m_pdf + QStringLiteral(".colour.pdf"));
        NotingBoardPrint colourCopy(*m_printer, 12, 3 - orientation, *m_main, true);
        StripProgress shown = progress();
        colourCopy.colourCopy(m_main->boardSurface(), shown);
        QCOMPARE(colourCopy.failures, QStringList());
        m_printer->printer().setOutputFileName(m_pdf);
        m_stripBefore = emptyStrip();
    }
    NotingBoardPrint print(*m_printer, paper, orientation, *m_main, true);
    print.windowPrint();

    QCOMPARE(print.failures, QStringList());
    checkTheWindowIsBackToNormal(false);

    const PrintedPage::Info info = PrintedPage::info(m_pdf);
    QCOMPARE(info.pages, 1);
    QVERIFY(PrintedPage::sameSize(info.size, expectedPage(paper, orientation)));

    const QImage page = PrintedPage::render(m_pdf, Dpi);
    QVERIFY(!page.isNull());
    const QRectF printable = m_printer->printer().pageRect(QPrinter::Point);
    const SurfaceView &board = *m_main->controls().picClient;
    for (const KnownBoard::Square &square : KnownBoard::squares) {
        const QPoint inWindow =
            board.mapTo(m_main.get(), board.innerOrigin() + KnownBoard::pixelIn(square));
        const QRgb printed = PrintedPage::pixelAt(
            page, PrintedPage::onFittedImage(inWindow, m_main->size(), printable), Dpi);
        QVERIFY2(PrintedPage::sameColour(printed, Palette::color(square.paletteIndex)),
                 qPrintable(QStringLiteral("square %1, %2 printed as %3")
                                .arg(square.column)
                                .arg(square.row)
                                .arg(printed, 6, 16)));
    }
    // The strip is printed with the window: the bar graph, or the empty strip a colour copy left.
    const SurfaceView &strip = *m_main->controls().PicMenseki;
    const QPoint bar = strip.mapTo(m_main.get(), strip.innerOrigin() + QPoint(2, 5));
    const QRgb printedBar =
        PrintedPage::pixelAt(page, PrintedPage::onFittedImage(bar, m_main->size(), printable), Dpi);
    QVERIFY(PrintedPage::sameColour(printedBar,
                                    afterColourCopy ? Palette::LightGrey : Palette::color(9)));
}

// The copy does not return to the event loop, so the bar and the label must be painted at once.
void PrintPdfTest::colourCopyShowsItsProgressWhileItRuns()
{
    StripWatcher watcher(*m_main->controls().PicMenseki, *m_main->controls().PrintLabel);
    NotingBoardPrint print(*m_printer, 9, PrintedPage::Landscape, *m_main, true);
    StripProgress shown = progress();
    print.colourCopy(m_main->boardSurface(), shown);
    QCOMPARE(print.failures, QStringList());

    QList<int> widths;
    for (const StripWatcher::Paint &paint : watcher.paints) {
        if (widths.isEmpty() || widths.last() != paint.barWidth)
            widths << paint.barWidth;
        if (paint.barWidth > 0) {
            QCOMPARE(paint.label, Preparing);
            QVERIFY(paint.hourglass);
        }
    }
    QList<int> expected{0};
    for (int x = 0; x < 638; x += 2)
        expected << x + 3;
    expected << 640 << 0;
    QCOMPARE(widths, expected);

    // The hourglass goes before the bar does.
    QCOMPARE(watcher.paints.last().label, Spooling);
    QVERIFY(!watcher.paints.last().hourglass);
}

void PrintPdfTest::everyFailingStepIsReportedOnceAndTheRestStillRuns_data()
{
    QTest::addColumn<bool>("colourCopy");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("documentCanStart");
    QTest::addColumn<QStringList>("failures");
    QTest::addColumn<QSizeF>("printedPage"); // empty: nothing printed

    // Colour copy: colour mode, paper, orientation, page set-up, plotting, end of document.
    QTest::newRow("colour copy without a printer")
        << true << false << 9 << PrintedPage::Portrait << true
        << QStringList{Preparing, Preparing, Preparing, Preparing, Preparing, Spooling} << QSizeF();
    // Window print: paper, orientation, the image of the window.
    QTest::newRow("window print without a printer")
        << false << false << 9 << PrintedPage::Portrait << true << QStringList{"-", "-", "-"}
        << QSizeF();
    QTest::newRow("colour copy on a paper with no such code")
        << true << true << 0 << PrintedPage::Landscape << true << QStringList{Preparing}
        << expectedPage(9, PrintedPage::Landscape);
    QTest::newRow("window print in an unknown orientation")
        << false << true << 13 << 3 << true << QStringList{"-"}
        << expectedPage(13, PrintedPage::Portrait);
    QTest::newRow("colour copy whose document cannot start")
        << true << true << 12 << PrintedPage::Portrait << false
        << QStringList{Preparing, Preparing, Spooling} << QSizeF();
    QTest::newRow("window print whose document cannot start")
        << false << true << 12 << PrintedPage::Portrait << false << QStringList{"-"} << QSizeF();
}

void PrintPdfTest::everyFailingStepIsReportedOnceAndTheRestStillRuns()
{
    QFETCH(bool, colourCopy);
    QFETCH(bool, installed);
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(bool, documentCanStart);
    QFETCH(QStringList, failures);
    QFETCH(QSizeF, printedPage);

    if (!documentCanStart)
        m_printer->printer().setOutputFileName(m_dir.filePath(QStringLiteral("missing/x.pdf")));
    NotingBoardPrint print(*m_printer, paper, orientation, *m_main, installed);
    StripProgress shown = progress();
    if (colourCopy)
        print.colourCopy(m_main->boardSurface(), shown);
    else
        print.windowPrint();

    QCOMPARE(print.failures, failures);
    checkTheWindowIsBackToNormal(colourCopy);
    QCOMPARE(QFile::exists(m_pdf), !printedPage.isEmpty());
    if (!printedPage.isEmpty())
        QVERIFY(PrintedPage::sameSize(PrintedPage::info(m_pdf).size, printedPage));
}

void PrintPdfTest::theFailureMessageIsAnUntitledBoxWithOkOnly()
{
    MessageBoxAnswerer boxes;
    UnplugedBoardPrint print(*m_printer, 9, PrintedPage::Portrait, *m_main);
    StripProgress shown = progress();
    print.colourCopy(m_main->boardSurface(), shown);

    // Over the hourglass of the running copy, the box shows the arrow.
    const QString box =
        QStringLiteral("フォームの印刷ができません。||ok only|no icon|%1").arg(Qt::ArrowCursor);
    QCOMPARE(boxes.seen, QStringList(6, box));
    checkTheWindowIsBackToNormal(true);
}

void PrintPdfTest::thePrintButtonTakesThePathTheTeacherChose_data()
{
    QTest::addColumn<bool>("colourCopy");
    QTest::newRow("colour copy") << true;
    QTest::newRow("window print") << false;
}

// The window's own printer, sent to a PDF file. On a machine without printers every printer step
// fails: six steps of the colour copy, three of the window print.
void PrintPdfTest::thePrintButtonTakesThePathTheTeacherChose()
{
    QFETCH(bool, colourCopy);
    m_main->session().setSwitch(Switch::ColourPrint, colourCopy);
    GamePrinter &printer = m_main->printer();
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(m_pdf);

    MessageBoxAnswerer boxes;
    QTest::mouseClick(m_main->controls().cmdRedraw, Qt::LeftButton);

    const qsizetype failingSteps = printer.hasPrinter() ? 0 : colourCopy ? 6 : 3;
    QCOMPARE(boxes.seen.size(), failingSteps);
    QCOMPARE(QFile::exists(m_pdf), printer.hasPrinter());
    checkTheWindowIsBackToNormal(colourCopy);
}

QTEST_MAIN(PrintPdfTest)
#include "tst_print_pdf.moc"
