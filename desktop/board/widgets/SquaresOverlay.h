#pragma once

#include "core/board/SquareCount.h"

#include <QRgb>

#include <optional>

class QPainter;
class QRect;

// What the check button shows over the board when the teacher asks for the squares: a light grid
// of the unit squares and, at the two bottom corners, each side's area and number of regions in
// its own colour. Painted over the board's image by the view, never into the board's raster.
class SquaresOverlay
{
public:
    void show(const SquareCount::Result &result, QRgb leftColor, QRgb rightColor);
    void hide() { m_shown.reset(); }
    bool isShown() const { return m_shown.has_value(); }

    // `board` is where the board's pixels lie in the painter's coordinates.
    void paint(QPainter &painter, const QRect &board) const;

private:
    struct Shown
    {
        SquareCount::Result result;
        QRgb leftColor;
        QRgb rightColor;
    };

    std::optional<Shown> m_shown;
};
