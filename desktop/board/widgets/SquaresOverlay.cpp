#include "desktop/board/widgets/SquaresOverlay.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

namespace {

constexpr int TextPixels = 22; // readable from the back of a classroom on a projector
constexpr int Padding = 6;
const QColor GridColor(64, 64, 64, 96);
const QColor PlateColor(255, 255, 255, 215);
const QColor PlateEdge(0, 0, 0, 160);

// Each line in the side's colour inside a black outline, so that it reads whatever that colour
// is, even white or yellow on the light plate.
void drawOutlinedLines(QPainter &painter, const QStringList &lines, QPoint topLeft,
                       const QFont &font, QRgb color)
{
    const QFontMetrics metrics(font);
    QPainterPath path;
    int baseline = topLeft.y() + metrics.ascent();
    for (const QString &line : lines) {
        path.addText(QPointF(topLeft.x(), baseline), font, line);
        baseline += metrics.height();
    }
    painter.strokePath(path, QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, QColor::fromRgb(color));
}

// A plate with the side's two lines, in the bottom left or bottom right corner of the board.
void drawSide(QPainter &painter, const QRect &board, const SquareCount::Side &side, QRgb color,
              bool atRight)
{
    QFont font = painter.font();
    font.setPixelSize(TextPixels);
    font.setBold(true);
    const QStringList lines{QStringLiteral("ます ") +
                                QString::fromStdString(SquareCount::areaText(side.halves)),
                            QStringLiteral("じんの数 %1").arg(side.regions)};
    const QFontMetrics metrics(font);
    int textWidth = 0;
    for (const QString &line : lines)
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    const QSize plateSize(textWidth + 2 * Padding,
                          metrics.height() * static_cast<int>(lines.size()) + 2 * Padding);
    const int left = atRight ? board.right() - Padding - plateSize.width() : board.left() + Padding;
    const QRect plate(QPoint(left, board.bottom() - Padding - plateSize.height()), plateSize);
    painter.setPen(PlateEdge);
    painter.setBrush(PlateColor);
    painter.drawRoundedRect(plate, 6, 6);
    drawOutlinedLines(painter, lines, plate.topLeft() + QPoint(Padding, Padding), font, color);
}

} // namespace

void SquaresOverlay::show(const SquareCount::Result &result, QRgb leftColor, QRgb rightColor)
{
    m_shown = Shown{result, leftColor, rightColor};
}

void SquaresOverlay::paint(QPainter &painter, const QRect &board) const
{
    if (!m_shown)
        return;
    painter.save();
    painter.setClipRect(board, Qt::IntersectClip);
    // Lines one board pixel wide along the squares' edges, filled rather than stroked so that
    // they stay sharp at any scale.
    for (int x = SquareCount::UnitSquare; x < board.width(); x += SquareCount::UnitSquare)
        painter.fillRect(QRect(board.left() + x, board.top(), 1, board.height()), GridColor);
    for (int y = SquareCount::UnitSquare; y < board.height(); y += SquareCount::UnitSquare)
        painter.fillRect(QRect(board.left(), board.top() + y, board.width(), 1), GridColor);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSide(painter, board, m_shown->result.left, m_shown->leftColor, false);
    drawSide(painter, board, m_shown->result.right, m_shown->rightColor, true);
    painter.restore();
}
