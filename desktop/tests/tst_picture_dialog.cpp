#include "desktop/pictures/PictureFilters.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

using Pictures::pictureNameFilters;

// Qt's own file dialog, set up as the picture button sets it up, on a folder of files named the
// way a school's files are: the patterns must match whatever the case of the names.
class PictureDialogTest : public QObject
{
    Q_OBJECT

private:
    void setUp(QFileDialog &dialog)
    {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(pictureNameFilters());
        dialog.setDirectory(m_dir.path());
    }

    static QStringList shownFiles(const QFileDialog &dialog)
    {
        const auto *list = dialog.findChild<QListView *>(QStringLiteral("listView"));
        const QAbstractItemModel *model = list->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, list->rootIndex());
            if (model->flags(index) & Qt::ItemIsEnabled)
                names << index.data().toString();
        }
        names.sort();
        return names;
    }

    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void descriptionsAreShownAndTheFirstIsChosen();
    void patternsMatchWhateverTheCase_data();
    void patternsMatchWhateverTheCase();
};

void PictureDialogTest::initTestCase()
{
    for (const char *name : {"scan.bmp", "old.BMP", "photo.JPG", "picture.jpeg", "lines.WMF",
                             "Clip.Gif", "map.PNG", "notes.txt"}) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void PictureDialogTest::descriptionsAreShownAndTheFirstIsChosen()
{
    QFileDialog dialog;
    setUp(dialog);
    const auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown << types->itemText(i);
    // The game's four descriptions, in its order, then PNG; the dialog trims the trailing blanks.
    const QStringList descriptions{"ビットマップ (*.bmp)", "WMFファイル(*.wmf)",
                                   "JPEGファイル (*.jpg)", "Gifファイル (*.gif)",
                                   "PNGファイル (*.png)"};
    QCOMPARE(shown, descriptions);
    // With the details hidden, selectedNameFilter() answers the shown text: ask the list instead.
    QCOMPARE(types->currentIndex(), 0);
}

void PictureDialogTest::patternsMatchWhateverTheCase_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("bitmap *.BMP") << 0 << QStringList{"old.BMP", "scan.bmp"};
    QTest::newRow("metafile *.wmf") << 1 << QStringList{"lines.WMF"};
    QTest::newRow("jpeg *.jpg, not .jpeg") << 2 << QStringList{"photo.JPG"};
    QTest::newRow("gif *.gif") << 3 << QStringList{"Clip.Gif"};
    QTest::newRow("png *.png") << 4 << QStringList{"map.PNG"};
}

void PictureDialogTest::patternsMatchWhateverTheCase()
{
    QFETCH(int, filter);
    QFETCH(QStringList, expected);

    QFileDialog dialog;
    setUp(dialog);
    dialog.selectNameFilter(pictureNameFilters().at(filter));
    dialog.show();
    QTRY_COMPARE(shownFiles(dialog), expected);
}

QTEST_MAIN(PictureDialogTest)
#include "tst_picture_dialog.moc"
