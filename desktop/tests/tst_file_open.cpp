#include "support/DialogScript.h"
#include "support/MainWindowFixture.h"

#include "core/board/Palette.h"
#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/SurfaceView.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>

// The picture-file button on the real window: Qt's file dialog is answered as a teacher would.
class FileOpenTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pictureIsPlacedAtItsOwnSize_data();
    void pictureIsPlacedAtItsOwnSize();
    void paintingStaysInsideTheWallsOfAPicture();
    void cancelChangesNothing();
    void unreadableFileKeepsTheBoardAndSaysSo_data();
    void unreadableFileKeepsTheBoardAndSaysSo();
    void dialogOffersThePictureFiltersWithTheFirstSelected();

private:
    // Presses the button and picks `path` in the dialog (an empty path cancels it).
    void openThroughTheDialog(const QString &path);
    QString save(const QImage &image, const QString &name);
    void paintAndMeasure();

    QTemporaryDir m_files;
};

void FileOpenTest::init()
{
    freshStore();
    startGame();
}

void FileOpenTest::cleanup()
{
    endGame();
}

QString FileOpenTest::save(const QImage &image, const QString &name)
{
    const QString path = m_files.filePath(name);
    const QByteArray format = QFileInfo(name).suffix().toLower().toLatin1();
    if (!image.save(path, format.constData()))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void FileOpenTest::openThroughTheDialog(const QString &path)
{
    DialogScript script;
    script.whenShown<QFileDialog>(QStringLiteral("file dialog"), [path](QFileDialog &dialog) {
        if (path.isEmpty()) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return;
        }
        dialog.selectFile(path);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    QTest::mouseClick(m_main->controls().cmdFileOpen, Qt::LeftButton);
    QCOMPARE(script.missed(), QStringList());
}

// A painted grid and a graph under it, to see what a load keeps and what it replaces.
void FileOpenTest::paintAndMeasure()
{
    m_main->MakeGrid_Click();
    QTest::mouseClick(m_main->controls().picClient, Qt::LeftButton, {}, QPoint(41, 41));
    m_main->ColCheck_Click();
}

void FileOpenTest::pictureIsPlacedAtItsOwnSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("smaller bitmap leaves the rest white") << "small.bmp" << QSize(320, 240);
    QTest::newRow("larger PNG is cut at the edges") << "large.png" << QSize(800, 600);
    QTest::newRow("upper-case JPEG extension") << "photo.JPG" << QSize(640, 480);
}

void FileOpenTest::pictureIsPlacedAtItsOwnSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Palette::color(10));
    QPainter(&picture).fillRect(QRect(0, 0, 20, 20), Qt::black);
    const QString path = save(picture, name);
    paintAndMeasure();
    const QImage graph = m_main->stripImage();

    openThroughTheDialog(path);

    const QImage &board = m_main->boardImage();
    auto near = [](QRgb a, QRgb b) { // JPEG is lossy
        return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) <
               48;
    };
    QVERIFY(near(board.pixel(5, 5), Palette::Black));
    QVERIFY(near(board.pixel(100, 100), Palette::color(10)));
    const QPoint last(qMin(size.width(), 640) - 1, qMin(size.height(), 480) - 1);
    QVERIFY(near(board.pixel(last), Palette::color(10)));
    if (size.width() < 640)
        QCOMPARE(board.pixel(size.width(), 0), Palette::White);
    if (size.height() < 480)
        QCOMPARE(board.pixel(0, size.height()), Palette::White);
    QCOMPARE(m_main->stripImage(), graph); // the graph stays until the next check
}

void FileOpenTest::paintingStaysInsideTheWallsOfAPicture()
{
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.drawRect(10, 10, 50, 50); // a closed room
    }
    openThroughTheDialog(save(picture, "room.bmp"));
    QTest::mouseClick(m_main->controls().picClient, Qt::RightButton, {}, QPoint(31, 31));
    const QImage &board = m_main->boardImage();
    QCOMPARE(board.pixel(30, 30), Palette::color(m_main->settings().CurrentColor[2]));
    QCOMPARE(board.pixel(5, 5), Palette::White);
    QCOMPARE(board.pixel(300, 300), Palette::White);
}

void FileOpenTest::cancelChangesNothing()
{
    paintAndMeasure();
    const QImage board = m_main->boardImage();
    const QImage graph = m_main->stripImage();
    openThroughTheDialog(QString());
    QCOMPARE(m_main->boardImage(), board);
    QCOMPARE(m_main->stripImage(), graph);
}

void FileOpenTest::unreadableFileKeepsTheBoardAndSaysSo_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("name");
    QTest::newRow("text named as a bitmap") << QByteArray("not a picture\n") << "notes.bmp";
    QTest::newRow("empty file") << QByteArray() << "empty.gif";
    QTest::newRow("truncated PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "cut.png";
}

void FileOpenTest::unreadableFileKeepsTheBoardAndSaysSo()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, name);
    QFile file(m_files.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    paintAndMeasure();
    const QImage board = m_main->boardImage();

    QString message;
    DialogScript script;
    script.whenShown<QFileDialog>(QStringLiteral("file dialog"),
                                  [path = file.fileName()](QFileDialog &dialog) {
                                      dialog.selectFile(path);
                                      QMetaObject::invokeMethod(&dialog, "accept");
                                  });
    script.whenShown<QMessageBox>(QStringLiteral("message"), [&message](QMessageBox &box) {
        message = box.text();
        box.accept();
    });
    QTest::mouseClick(m_main->controls().cmdFileOpen, Qt::LeftButton);
    QCOMPARE(script.missed(), QStringList());

    QVERIFY2(message.contains(QStringLiteral("開けません")), qPrintable(message));
    QCOMPARE(m_main->boardImage(), board);
}

void FileOpenTest::dialogOffersThePictureFiltersWithTheFirstSelected()
{
    QStringList filters;
    QString selected;
    DialogScript script;
    script.whenShown<QFileDialog>(QStringLiteral("file dialog"), [&](QFileDialog &dialog) {
        filters = dialog.nameFilters();
        selected = dialog.selectedNameFilter();
        dialog.reject();
    });
    QTest::mouseClick(m_main->controls().cmdFileOpen, Qt::LeftButton);
    QCOMPARE(filters.size(), 5);
    // The dialog shows the descriptions alone, without the patterns after them.
    QVERIFY2(!selected.isEmpty() && filters.first().startsWith(selected), qPrintable(selected));
    QVERIFY(filters.first().startsWith(QStringLiteral("ビットマップ (*.bmp) ")));
}

QTEST_MAIN(FileOpenTest)
#include "tst_file_open.moc"
