#include "board/MorvaneMain.h"

#include "board/pictures/decode/PictureFilters.h"
#include "board/pictures/decode/PictureLoader.h"
#include "patterns/OriginalPicture.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

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

void MorvaneMain::OriginalImage_Click()
{
    OriginalImage(m_board, m_strip, m_PicOrignal.picture());
    refreshBoard();
    refreshStrip();
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
    refreshBoard();
}
