#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Pictures {

struct PictureFilter
{
    QString description;
    QString pattern;
};

// The entries of the picture file dialog's filter list, in order; the first is preselected. The
// four classic entries keep their texts exactly, trailing spaces included; PNG comes fifth.
QList<PictureFilter> pictureFilters();

// The same entries as QFileDialog name filters, "description(pattern)", e.g.
// "ビットマップ (*.bmp) (*.BMP)": Qt takes the pattern from the last parentheses. Show them with
// QFileDialog::HideNameFilterDetails so that the list reads the descriptions alone. Qt's own
// dialog (DontUseNativeDialog) matches the patterns whatever the case of the file name, so
// "scan.bmp" shows under "*.BMP" and "photo.JPG" under "*.jpg".
QStringList pictureNameFilters();

} // namespace Pictures
