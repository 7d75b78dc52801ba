#include "board/MorvaneMain.h"

#include "board/StripProgress.h"
#include "board/pictures/decode/PictureFilters.h"
#include "board/pictures/decode/PictureLoader.h"
#include "board/print/BoardPrint.h"
#include "board/raster/ColorStep.h"
#include "board/raster/Measurement.h"
#include "board/raster/Palette.h"
#include "board/raster/SquareCount.h"
#include "board/widgets/ColorSwatch.h"
#include "board/widgets/SurfaceView.h"
#include "patterns/DiagonalLines.h"
#include "patterns/Grids.h"
#include "patterns/LineRemoval.h"
#include "patterns/OriginalPicture.h"
#include "patterns/RandomLines.h"
#include "patterns/Triangles.h"
#include "teacher/Teacher.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include <cmath>

// The handlers of the children's controls: painting, colours, measurement, patterns, pictures
// and printing.

namespace {

// Qt's own dialog, so it looks and behaves the same on every desktop and matches the patterns
// whatever the case of the file names.
QString choosePictureFile(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Dialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = Pictures::pictureNameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

// The pixel under the pointer is the one whose square holds the position: flooring, not rounding,
// is right for fractional positions too (HiDPI screens, tablets). Only the rectangle that the fill
// painted is repainted on the screen: a small region stays cheap on a large, high-density screen.
void MorvaneMain::picClient_MouseDown(Qt::MouseButton button, QPointF position)
{
    m_ui.picClient->hideSquares();
    const size_t side = button == Qt::LeftButton ? 1 : 2;
    m_board.setFillColor(Palette::color(m_settings.CurrentColor[side]));
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    const QRect painted = m_board.floodFill(x, y).bounds;
    if (!painted.isEmpty())
        m_ui.picClient->refresh(painted);
}

// The teacher dialog's box "色が変えられる" holds the live switch from the start on.
bool MorvaneMain::colorChangeAllowed() const
{
    return m_teacher != nullptr && m_teacher->isChecked(Switch::ColorChange);
}

void MorvaneMain::setSwatchPointers(bool allowed)
{
    const Qt::CursorShape shape = allowed ? Qt::PointingHandCursor : Qt::ArrowCursor;
    m_ui.PicIndicate[1]->setCursor(shape);
    m_ui.PicIndicate[2]->setCursor(shape);
}

void MorvaneMain::PicIndicate_MouseDown(int index)
{
    stepColor(index);
}

void MorvaneMain::PicIndicate_DblClick(int index)
{
    stepColor(index);
}

void MorvaneMain::stepColor(int index)
{
    if (!colorChangeAllowed())
        return;
    const auto side = static_cast<size_t>(index);
    auto &colors = m_settings.CurrentColor;
    colors[side] = colorStep(colors[side], colors[3 - side]);
    m_ui.PicIndicate[side]->setBackColor(Palette::color(colors[side]));
}

// The sides are told apart by the colours their swatches show; the bars are drawn in the palette
// colours of the current colour indices.
void MorvaneMain::ColCheck_Click()
{
    const TerritoryCount count = sampleTerritory(m_board.image(), m_ui.PicIndicate[1]->BackColor(),
                                                 m_ui.PicIndicate[2]->BackColor());
    drawTerritoryGraph(m_strip, count, Palette::color(m_settings.CurrentColor[1]),
                       Palette::color(m_settings.CurrentColor[2]));
    refreshStrip();
    showSquaresIfAsked();
}

// The teacher's box "ますの数を表示する" holds the live switch; the squares are counted by the
// same colours as the bars.
void MorvaneMain::showSquaresIfAsked()
{
    if (m_teacher == nullptr || !m_teacher->isChecked(Switch::ShowSquares)) {
        m_ui.picClient->hideSquares();
        return;
    }
    const SquareCount::Result result = SquareCount::count(
        m_board.image(), m_ui.PicIndicate[1]->BackColor(), m_ui.PicIndicate[2]->BackColor());
    m_ui.picClient->showSquares(result, Palette::color(m_settings.CurrentColor[1]),
                                Palette::color(m_settings.CurrentColor[2]));
}

// A pattern or the built-in picture replaced the board and emptied the graph strip. Each pattern
// button empties both and draws its lines anew. A finger held on the old board paints nothing.
void MorvaneMain::showNewBoard()
{
    m_ui.picClient->hideSquares();
    m_ui.picClient->cancelFingers();
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::MakeRandom_Click()
{
    MakeRandom(m_board, m_strip, m_settings, m_random);
    showNewBoard();
}

void MorvaneMain::MakeGrid_Click()
{
    MakeGrid(m_board, m_strip, m_settings);
    showNewBoard();
}

void MorvaneMain::MakeGridSmall_Click()
{
    MakeGridSmall(m_board, m_strip, m_settings);
    showNewBoard();
}

void MorvaneMain::MakeNaname_Click()
{
    MakeNaname(m_board, m_strip, m_settings);
    showNewBoard();
}

void MorvaneMain::Makesennuki_Click()
{
    Makesennuki(m_board, m_strip, m_settings, m_random);
    showNewBoard();
}

void MorvaneMain::MakeTriangle_Click()
{
    MakeTriangle(m_board, m_strip, m_settings);
    showNewBoard();
}

void MorvaneMain::OriginalImage_Click()
{
    OriginalImage(m_board, m_strip, m_PicOrignal.picture());
    showNewBoard();
}

// The picture replaces the board at its own size from the top left corner; the graph strip keeps
// its graph. A file that cannot be read as a picture leaves the board as it was, with a message,
// rather than an empty board.
void MorvaneMain::cmdFileOpen_Click()
{
    const QString path = choosePictureFile(this);
    if (path.isEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QImage> picture = Pictures::loadPicture(path);
    QGuiApplication::restoreOverrideCursor();
    if (!picture) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("この絵のファイルは開けませんでした。\n"
                                            "ほかのファイルをえらんでください。"));
        return;
    }
    m_board.setPicture(*picture);
    m_ui.picClient->hideSquares();
    refreshBoard();
}

// Prints the board in colour, cell by cell, or an image of this window, as the teacher chose.
void MorvaneMain::cmdRedraw_Click()
{
    BoardPrint print(m_printer, m_settings.PaperSize, m_settings.Orientation, *this);
    if (m_settings.PrintModeFlag) {
        StripProgress progress(m_strip, *m_ui.PicMenseki, *m_ui.PrintLabel);
        print.colourCopy(m_board, progress);
    } else {
        print.windowPrint();
    }
}
