#pragma once

#include <QMarginsF>

#include <optional>

class QWidget;

namespace FrameExtents {

// The widths of the frame that the window manager draws, or will draw, around `window`: left,
// top, right and bottom, in the window's own (device-independent) pixels. On X11 a window that
// was never shown has no frame yet, so the window manager is asked for the one it would give
// (_NET_REQUEST_FRAME_EXTENTS) and the answer is awaited for a moment. Nothing when that cannot
// be known: another platform, no window manager that answers, or a window without a frame.
// The window's platform window must have been made.
std::optional<QMarginsF> fromWindowManager(const QWidget &window);

} // namespace FrameExtents
