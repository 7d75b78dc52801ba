#include "board/print/BoardPrint.h"

#include "board/print/GamePrinter.h"
#include "board/print/page/ColourCopyPage.h"
#include "board/raster/Palette.h"
#include "board/raster/Surface.h"
#include "board/widgets/SurfaceView.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int ProgressGrey = 8;

// Each step of the copy blocks the event loop, so the window is repainted at once, not later.
void showStatus(QLabel &label, const QString &text)
{
    label.setText(text);
    label.show();
    label.repaint();
}

void emptyStrip(const BoardPrint::Display &display)
{
    display.strip.clearPicture();
    display.stripView.repaint();
}

// The bar after column `x`: from x to x + 2 over the strip view's whole outer height, so it
// covers the inner strip from top to bottom; the part beyond the strip is cut. The page is wider
// than the strip, so the bar stops growing before the last columns.
void growProgressBar(const BoardPrint::Display &display, int x)
{
    if (x >= display.strip.ScaleWidth())
        return;
    const int height = display.stripView.height();
    display.strip.filledBox(x, 0, x + 2, height, Palette::color(ProgressGrey));
    const QRect bar(x, 0, 3, height);
    display.stripView.repaint(bar.translated(display.stripView.innerOrigin()));
}

} // namespace

void BoardPrint::colourCopy(const Surface &board, const Display &display)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    showStatus(display.label, QStringLiteral("印刷準備中"));
    emptyStrip(display);

    step(setColourMode());
    setPaper();
    QPainter painter;
    step(openPage(painter));

    // The page collects the plots; it goes to the printer as one image when the document ends.
    // Without an open document the very first plot fails, and the plotting stops there.
    ColourCopyPage page(board);
    if (painter.isActive()) {
        while (!page.isComplete())
            growProgressBar(display, page.plotColumn());
    } else {
        reportFailure();
    }

    showStatus(display.label, QStringLiteral("印刷スプール中"));
    if (painter.isActive()) {
        // The page's 1280 x 960 units span the printable area. Scaling the image rather than the
        // painter's window matters: Qt keeps a window set on a printer for its next document.
        painter.drawImage(printableArea(), page.image());
        step(painter.end());
    } else {
        reportFailure();
    }

    QGuiApplication::restoreOverrideCursor();
    emptyStrip(display);
    display.label.hide();
}
