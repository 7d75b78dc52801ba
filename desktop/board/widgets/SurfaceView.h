#pragma once

#include "core/board/Surface.h"
#include "desktop/board/widgets/SquaresOverlay.h"

#include <QWidget>

class FingerTracker;

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

    SurfaceView(const Surface &surface, Border border, QWidget *parent = nullptr);

    const Surface &surface() const { return m_surface; }
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

    // Makes this the play board for fingers and pens too. A finger's tap presses as the left
    // button does, a finger held still as the right button, with a ring at the finger while the
    // hold runs. A pen presses at once, as a mouse: its tip as the left button, its side buttons
    // as themselves, its eraser end as the right button.
    void acceptFingersAndPens();
    // The fingers on the board paint nothing more: the board changed under them.
    void cancelFingers();

signals:
    // `position` is in surface pixels and may be fractional (HiDPI, tablets).
    void pressed(Qt::MouseButton button, QPointF position);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void tabletEvent(QTabletEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QSize surfaceSize() const { return {m_surface.width(), m_surface.height()}; }
    qreal pixelsPerMillimetre() const;
    void takeFocusAsAPressDoes();

    const Surface &m_surface;
    Border m_border;
    SquaresOverlay m_squares;
    FingerTracker *m_fingers = nullptr; // null until fingers and pens are accepted
};
