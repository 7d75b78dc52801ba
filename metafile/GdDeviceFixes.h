#pragma once

#include <libwmf/api.h>

// Wraps the drawing functions of libwmf's gd device layer to put right two things it does not
// handle, for shapes a window with negative or tiny extents makes:
// - Rectangles and ellipses come with their corners as mapped; where the window turns the drawing
//   over, the "top left" lies below or right of the "bottom right" and gd fills nothing. The
//   corners are put in order.
// - gd strokes a pen wider than one pixel by stamping a pen-sized image at every pixel of the
//   line, so the cost grows with the square of the width: a window a few units wide makes a pen
//   of one unit hundreds of pixels wide, and a single ellipse takes minutes. Pens are narrowed to
//   at most MaxPenPixels while they draw; walls that wide are more than any picture of the board
//   needs.
// Install once libwmf has set up the device layer (wmf_api_create), before playing.
namespace GdDeviceFixes {

inline constexpr double MaxPenPixels = 64.0;

void install(wmfAPI *api);

} // namespace GdDeviceFixes
