#include "desktop/board/MorvaneMain.h"

#include "desktop/board/StripProgress.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/pictures/PictureFilters.h"
#include "desktop/pictures/PictureLoader.h"
#include "desktop/print/BoardPrint.h"
#include "desktop/widgets/RasterImage.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

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

// Any button but the left one is the right side's.
void MorvaneMain::picClient_MouseDown(Qt::MouseButton button, QPointF position)
{
    const Side side = button == Qt::LeftButton ? Side::Left : Side::Right;
    showChanges(m_session.press(side, position.x(), position.y()));
}

void MorvaneMain::setSwatchPointers(bool allowed)
{
    const Qt::CursorShape shape = allowed ? Qt::PointingHandCursor : Qt::ArrowCursor;
    m_ui.PicIndicate[1]->setCursor(shape);
    m_ui.PicIndicate[2]->setCursor(shape);
}

void MorvaneMain::PicIndicate_MouseDown(int index)
{
    showChanges(m_session.stepColor(static_cast<Side>(index)));
}

void MorvaneMain::PicIndicate_DblClick(int index)
{
    showChanges(m_session.stepColor(static_cast<Side>(index)));
}

void MorvaneMain::ColCheck_Click()
{
    showChanges(m_session.check());
}

void MorvaneMain::makePattern(Pattern pattern)
{
    showChanges(m_session.makePattern(pattern));
}

void MorvaneMain::MakeRandom_Click()
{
    makePattern(Pattern::RandomLines);
}

void MorvaneMain::MakeGrid_Click()
{
    makePattern(Pattern::LargeGrid);
}

void MorvaneMain::MakeGridSmall_Click()
{
    makePattern(Pattern::FineGrid);
}

void MorvaneMain::MakeNaname_Click()
{
    makePattern(Pattern::DiagonalLines);
}

void MorvaneMain::Makesennuki_Click()
{
    makePattern(Pattern::LineRemoval);
}

void MorvaneMain::MakeTriangle_Click()
{
    makePattern(Pattern::Triangles);
}

void MorvaneMain::OriginalImage_Click()
{
    showChanges(m_session.showOriginalPicture());
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
    showChanges(m_session.placePicture(rasterOf(*picture)));
}

// Prints the board in colour, cell by cell, or an image of this window, as the teacher chose.
void MorvaneMain::cmdRedraw_Click()
{
    const GameSettings &settings = m_session.settings();
    BoardPrint print(m_printer, settings.PaperSize, settings.Orientation, *this);
    if (settings.PrintModeFlag) {
        StripProgress progress(m_session, *m_ui.PicMenseki, *m_ui.PrintLabel);
        print.colourCopy(m_session.board(), progress);
    } else {
        print.windowPrint();
    }
}
