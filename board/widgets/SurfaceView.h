#pragma once

#include "board/widgets/SquaresOverlay.h"

#include <QWidget>

class Surface;

// Shows a Surface inside a border, pixel for pixel (no smoothing, so a HiDPI screen shows sharp
// blocks), and reports presses in the surface's pixel units: (0, 0) is the inner top-left corner.
class SurfaceView : public QWidget
{
    Q_OBJECT

public:
    enum class Border {
        Flat,   // one dark pixel: the play board
        Sunken, // two pixels, shaded inwards: the graph strip
    };

    SurfaceView(Surface &surface, Border border, QWidget *parent = nullptr);

    Surface &surface() const { return m_surface; }
    int borderWidth() const;
    // Where the surface's pixel (0, 0) lies in this widget.
    QPoint innerOrigin() const { return QPoint(borderWidth(), borderWidth()); }

    // Shows what changed in the surface: all of it, or only `surfaceRect` (surface pixels).
    void refresh();
    void refresh(const QRect &surfaceRect);

    // The unit squares and the sides' counts over the surface, until hidden.
    void showSquares(const SquareCount::Result &result, QRgb leftColor, QRgb rightColor);
    void hideSquares();
    bool showsSquares() const { return m_squares.isShown(); }

signals:
    // `position` is in surface pixels and may be fractional (HiDPI, tablets).
    void pressed(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Surface &m_surface;
    Border m_border;
    SquaresOverlay m_squares;
};
