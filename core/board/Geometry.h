#pragma once

// Positions and sizes on a raster, in its pixels, with the origin at the top left: whole pixels,
// and fractional ones where input lands between them.

struct Point
{
    int x = 0;
    int y = 0;

    friend bool operator==(const Point &, const Point &) = default;
};

struct Size
{
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Size &, const Size &) = default;
};

// A position on the board in its pixels, between them too: a finger seldom lands on a corner.
struct PointF
{
    double x = 0;
    double y = 0;

    friend bool operator==(const PointF &, const PointF &) = default;
};

// A width and a height in board pixels.
struct SizeF
{
    double width = 0;
    double height = 0;

    friend bool operator==(const SizeF &, const SizeF &) = default;
};

// A rectangle of whole pixels: `width` x `height` from (x, y). Empty when either side is 0.
struct Rect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // The rectangle from corner (x1, y1) to corner (x2, y2), both included.
    static Rect fromCorners(int x1, int y1, int x2, int y2)
    {
        return {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    }

    bool isEmpty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width - 1; }
    int bottom() const { return y + height - 1; }
    bool contains(Point p) const
    {
        return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect &other) const;

    friend bool operator==(const Rect &, const Rect &) = default;
};

inline Rect Rect::united(const Rect &other) const
{
    if (other.isEmpty())
        return *this;
    if (isEmpty())
        return other;
    const int left = x < other.x ? x : other.x;
    const int top = y < other.y ? y : other.y;
    const int r = right() > other.right() ? right() : other.right();
    const int b = bottom() > other.bottom() ? bottom() : other.bottom();
    return fromCorners(left, top, r, b);
}
