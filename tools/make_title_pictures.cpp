// Renders the game's raster artwork into an assets folder:
//   pictures/splash.png  400 x 250, the start-up and version window's background
//   pictures/title.png   200 x 105, the title picture of the teacher dialog
//   cursors/brush.png    32 x 32, the play board's paint-brush pointer (hot spot 3, 30)
// Usage: make_title_pictures <assets-dir>; it runs headless with QT_QPA_PLATFORM=offscreen.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <array>

namespace {

const QString GameName = QStringLiteral("もるばねゲーム");
const QString TitleFamily = QStringLiteral("IPAPGothic");

// One bright colour per letter of the name, in reading order.
const std::array<QColor, 7> LetterColours = {
    QColor(255, 64, 64),   // も
    QColor(255, 160, 0),   // る
    QColor(255, 236, 40),  // ば
    QColor(80, 230, 80),   // ね
    QColor(40, 210, 255),  // ゲ
    QColor(255, 110, 210), // ー
    QColor(190, 130, 255), // ム
};

struct LetterStyle
{
    int pixelSize;
    QPointF shadowOffset;
    QColor shadow;
    qreal outlineWidth;
};

QFont titleFont(int pixelSize)
{
    QFont font(TitleFamily);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// Draws text centred on centreX with its baseline at baselineY, each letter in its own colour
// from LetterColours starting at firstColour, over a dark shadow and with a dark outline so that
// light letters stay readable on light parts of the background.
void drawColourfulLine(QPainter &painter, const QString &text, qsizetype firstColour, qreal centreX,
                       qreal baselineY, const LetterStyle &style)
{
    const QFont font = titleFont(style.pixelSize);
    const QFontMetricsF metrics(font);
    qreal x = centreX - metrics.horizontalAdvance(text) / 2;

    for (qsizetype i = 0; i < text.size(); ++i) {
        QPainterPath letter;
        letter.addText(x, baselineY, font, text.at(i));
        x += metrics.horizontalAdvance(text.at(i));

        painter.fillPath(letter.translated(style.shadowOffset), style.shadow);
        painter.strokePath(letter, QPen(style.shadow.darker(150), style.outlineWidth, Qt::SolidLine,
                                        Qt::RoundCap, Qt::RoundJoin));
        const QColor colour = LetterColours.at(size_t((firstColour + i) % LetterColours.size()));
        QLinearGradient shine(letter.boundingRect().topLeft(), letter.boundingRect().bottomLeft());
        shine.setColorAt(0, colour.lighter(135));
        shine.setColorAt(1, colour);
        painter.fillPath(letter, shine);
    }
}

QImage splashPicture()
{
    QImage image(400, 250, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 400, 250);
    background.setColorAt(0.0, QColor(232, 120, 214));
    background.setColorAt(0.45, QColor(150, 92, 210));
    background.setColorAt(1.0, QColor(24, 48, 168));
    painter.fillRect(image.rect(), background);

    // A faint oval glow behind the name lifts it off the gradient; it fades out above the
    // lower third, where the version and credits labels are drawn.
    painter.save();
    painter.translate(200, 78);
    painter.scale(1.8, 1);
    QRadialGradient glow(QPointF(0, 0), 100);
    glow.setColorAt(0, QColor(255, 255, 255, 80));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(-100, -100, 200, 200), glow);
    painter.restore();

    const LetterStyle style{54, QPointF(3.5, 3.5), QColor(30, 10, 60, 220), 2.5};
    drawColourfulLine(painter, GameName, 0, 200, 100, style);

    // A thin rule under the name; the lower third stays free for the version and credits.
    QLinearGradient rule(40, 0, 360, 0);
    rule.setColorAt(0.0, QColor(255, 255, 255, 0));
    rule.setColorAt(0.5, QColor(255, 255, 255, 170));
    rule.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(40, 124, 320, 2), rule);
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage titlePicture()
{
    QImage image(200, 105, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 200, 105);
    background.setColorAt(0.0, QColor(255, 246, 214));
    background.setColorAt(1.0, QColor(214, 232, 255));
    painter.fillRect(image.rect(), background);

    const LetterStyle style{42, QPointF(2, 2), QColor(40, 20, 70, 230), 2.0};
    const qsizetype split = 4; // もるばね | ゲーム
    drawColourfulLine(painter, GameName.left(split), 0, 100, 46, style);
    drawColourfulLine(painter, GameName.mid(split), split, 100, 94, style);
    return image.convertToFormat(QImage::Format_RGB888);
}

// The brush lies at 45 degrees with its bristle tip at the bottom left. It is drawn black
// without antialiasing along a local axis that runs from the tip towards the handle, then
// ringed with white so that it stays visible over the board's black lines.
QImage brushCursor()
{
    constexpr QPoint HotSpot(3, 30);
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(HotSpot.x() + 0.5, HotSpot.y() + 0.5);
        painter.rotate(-45);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);

        QPainterPath bristles;
        bristles.moveTo(0, 0);
        bristles.quadTo(5, -5, 12, -3.6);
        bristles.lineTo(12, 3.6);
        bristles.quadTo(5, 5, 0, 0);
        painter.drawPath(bristles);

        painter.drawRect(QRectF(13.4, -3.4, 4.6, 6.8)); // metal ferrule
        QPainterPath handle;
        handle.moveTo(18, -2.1);
        handle.lineTo(33, -1.6);
        handle.arcTo(QRectF(31.4, -1.6, 3.2, 3.2), 90, -180);
        handle.lineTo(18, 2.1);
        handle.closeSubpath();
        painter.drawPath(handle);
    }
    // The tip must be a black pixel exactly at the hot spot, joined to the bristles.
    image.setPixelColor(HotSpot, Qt::black);
    image.setPixelColor(HotSpot + QPoint(1, -1), Qt::black);

    QImage ringed = image;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                continue;
            bool touchesBrush = false;
            for (int dy = -1; dy <= 1 && !touchesBrush; ++dy)
                for (int dx = -1; dx <= 1 && !touchesBrush; ++dx)
                    touchesBrush =
                        image.valid(x + dx, y + dy) && qAlpha(image.pixel(x + dx, y + dy)) != 0;
            if (touchesBrush)
                ringed.setPixelColor(x, y, Qt::white);
        }
    }
    return ringed;
}

bool save(const QImage &image, const QDir &assets, const QString &relativePath)
{
    const QString path = QDir::cleanPath(assets.filePath(relativePath));
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << "wrote " << path << '\n';
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_title_pictures <assets-dir>\n";
        return 2;
    }
    // Without the intended face the letters would silently come out in a fallback font.
    if (!QFontDatabase::families().contains(TitleFamily)) {
        QTextStream(stderr) << "font " << TitleFamily << " is not installed\n";
        return 1;
    }

    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const bool written = save(splashPicture(), assets, QStringLiteral("pictures/splash.png")) &&
                         save(titlePicture(), assets, QStringLiteral("pictures/title.png")) &&
                         save(brushCursor(), assets, QStringLiteral("cursors/brush.png"));
    return written ? 0 : 1;
}
