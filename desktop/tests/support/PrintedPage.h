#pragma once

#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "support/DialogScript.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMessageBox>
#include <QPointF>
#include <QProcess>
#include <QPushButton>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdlib>

// Printed pages read back through the poppler tools, as a person would look at them.
namespace PrintedPage {

// The first page of a PDF as pdfinfo describes it; `size` as the page is seen, rotation applied.
struct Info
{
    int pages = 0;
    QSizeF size;
};

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline Info info(const QString &pdf)
{
    const QString text = run(QStringLiteral("pdfinfo"), {pdf});
    Info info;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    const auto rotation = QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(text);
    if (!pages.hasMatch() || !size.hasMatch())
        return info;
    info.pages = pages.captured(1).toInt();
    info.size = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    if (rotation.hasMatch() && rotation.captured(1).toInt() % 180 == 90)
        info.size.transpose();
    return info;
}

// The first page as pixels at `dpi`, or a null image when pdftoppm fails.
inline QImage render(const QString &pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".render");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

inline QRgb pixelAt(const QImage &page, QPointF points, int dpi)
{
    return page.pixel((points * dpi / 72.0).toPoint());
}

inline bool sameColour(QRgb a, QRgb b)
{
    constexpr int tolerance = 8;
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Where pixel `pixel` of an image of `imageSize` lies once the image is printed as large as
// `printable` allows, aspect kept, at its top left.
inline QPointF onFittedImage(QPoint pixel, QSize imageSize, const QRectF &printable)
{
    const double scale =
        std::min(printable.width() / imageSize.width(), printable.height() / imageSize.height());
    return printable.topLeft() + (QPointF(pixel) + QPointF(0.5, 0.5)) * scale;
}

constexpr int Portrait = 1;
constexpr int Landscape = 2;

struct PaperCase
{
    const char *name;
    int paper;
    int orientation;
};

constexpr std::array<PaperCase, 6> paperCases{{
    {"A4 portrait", 9, Portrait},
    {"A4 landscape", 9, Landscape},
    {"B4 portrait", 12, Portrait},
    {"B4 landscape", 12, Landscape},
    {"B5 portrait", 13, Portrait},
    {"B5 landscape", 13, Landscape},
}};

// The paper and orientation columns of a test's table, one row for each paper case.
inline void addPaperRows()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    for (const PaperCase &row : paperCases)
        QTest::newRow(row.name) << row.paper << row.orientation;
}

// Page sizes in points, portrait.
inline QSizeF paperSize(int paperCode)
{
    switch (paperCode) {
    case 9:
        return {595.276, 841.89}; // A4
    case 12:
        return {728.504, 1031.81}; // JIS B4
    default:
        return {515.906, 728.504}; // JIS B5
    }
}

// Within 3.5 points (1.2 mm): printer descriptions round the JIS sizes down to whole points.
inline bool sameSize(QSizeF a, QSizeF b)
{
    return std::abs(a.width() - b.width()) < 3.5 && std::abs(a.height() - b.height()) < 3.5;
}

} // namespace PrintedPage

// The known board: the large grid of 80-pixel squares with some squares painted.
namespace KnownBoard {

struct Square
{
    int column;
    int row;
    int paletteIndex; // 15, white, for a square left unpainted
};

constexpr std::array<Square, 6> squares{{
    {0, 0, 9},  // top left corner, light blue
    {7, 5, 12}, // bottom right corner, light red
    {3, 2, 10}, // light green
    {5, 1, 14}, // yellow
    {1, 4, 5},  // purple
    {6, 3, 15}, // left white
}};

inline void paint(Surface &board)
{
    for (int x = 80; x < 640; x += 80)
        board.line(x, 0, x, 479, Palette::Black);
    for (int y = 80; y < 480; y += 80)
        board.line(0, y, 639, y, Palette::Black);
    for (const Square &square : squares) {
        const int left = square.column * 80 + 1;
        const int top = square.row * 80 + 1;
        board.filledBox(left, top, left + 78, top + 78, Palette::color(square.paletteIndex));
    }
}

// A board pixel well inside the square; `corner` picks one of its four corners (0 to 3) instead
// of its centre when not negative.
inline QPoint pixelIn(const Square &square, int corner = -1)
{
    const QPoint centre(square.column * 80 + 40, square.row * 80 + 40);
    if (corner < 0)
        return centre;
    return centre + QPoint(corner % 2 ? 30 : -30, corner / 2 ? 30 : -30);
}

// Where board pixel `pixel` lies on the colour copy's page: 1280 x 960 units over `printable`.
inline QPointF onColourCopy(QPoint pixel, const QRectF &printable)
{
    return printable.topLeft() + QPointF((2 * pixel.x() + 1) * printable.width() / 1280,
                                         (2 * pixel.y() + 1) * printable.height() / 960);
}

} // namespace KnownBoard

// Answers each message box that comes up while it lives with OK, noting its text, title,
// buttons, icon and the pointer shown over it.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer()
    {
        m_script.everyTime<QMessageBox>([this](QMessageBox &box) {
            const QCursor *cursor = QGuiApplication::overrideCursor();
            seen << QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(box.text(), box.windowTitle(),
                             box.standardButtons() == QMessageBox::Ok ? "ok only" : "other buttons",
                             box.icon() == QMessageBox::NoIcon ? "no icon" : "icon")
                        .arg(cursor ? cursor->shape() : -1);
            box.button(QMessageBox::Ok)->click();
        });
    }

    QStringList seen;

private:
    DialogScript m_script;
};
