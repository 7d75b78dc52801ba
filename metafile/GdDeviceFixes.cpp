#include "metafile/GdDeviceFixes.h"

#include <libwmf/ipa.h>
#include <libwmf/macro.h>

#include <algorithm>
#include <utility>

namespace GdDeviceFixes {

namespace {

template <typename Shape> using DrawFunction = void (*)(wmfAPI *, Shape *);

// The device layer's own function for each kind of shape; the helper plays one file per process.
template <typename Shape, int Slot> DrawFunction<Shape> original = nullptr;

void putCornersInOrder(wmfD_Coord &topLeft, wmfD_Coord &bottomRight)
{
    if (topLeft.x > bottomRight.x)
        std::swap(topLeft.x, bottomRight.x);
    if (topLeft.y > bottomRight.y)
        std::swap(topLeft.y, bottomRight.y);
}

// Lines and polygons need nothing put in order.
template <typename Shape> void putInOrder(Shape & /*shape*/) {}

template <> void putInOrder(wmfDrawRectangle_t &rectangle)
{
    putCornersInOrder(rectangle.TL, rectangle.BR);
}

template <> void putInOrder(wmfDrawArc_t &arc)
{
    putCornersInOrder(arc.TL, arc.BR);
}

template <typename Shape, int Slot> void drawFixed(wmfAPI *api, Shape *shape)
{
    putInOrder(*shape);
    wmfPen *pen = WMF_DC_PEN(shape->dc);
    const double width = WMF_PEN_WIDTH(pen);
    const double height = WMF_PEN_HEIGHT(pen);
    WMF_PEN_SET_WIDTH(pen, std::min(width, MaxPenPixels));
    WMF_PEN_SET_HEIGHT(pen, std::min(height, MaxPenPixels));
    original<Shape, Slot>(api, shape);
    WMF_PEN_SET_WIDTH(pen, width);
    WMF_PEN_SET_HEIGHT(pen, height);
}

template <typename Shape, int Slot> void wrap(DrawFunction<Shape> &function)
{
    if (function == nullptr)
        return;
    original<Shape, Slot> = function;
    function = drawFixed<Shape, Slot>;
}

} // namespace

void install(wmfAPI *api)
{
    auto &device = *static_cast<wmfFunctionReference *>(api->function_reference);
    wrap<wmfDrawArc_t, 0>(device.draw_pie);
    wrap<wmfDrawArc_t, 1>(device.draw_chord);
    wrap<wmfDrawArc_t, 2>(device.draw_arc);
    wrap<wmfDrawArc_t, 3>(device.draw_ellipse);
    wrap<wmfDrawLine_t, 0>(device.draw_line);
    wrap<wmfPolyLine_t, 0>(device.poly_line);
    wrap<wmfPolyLine_t, 1>(device.draw_polygon);
    wrap<wmfPolyPoly_t, 0>(device.draw_polypolygon);
    wrap<wmfDrawRectangle_t, 0>(device.draw_rectangle);
}

} // namespace GdDeviceFixes
