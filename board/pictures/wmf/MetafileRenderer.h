#pragma once

#include <cstdio>

// Renders the metafile at `path` at its own size (placeable header: bounding box and units per
// inch at 96 dpi; otherwise the extents libwmf finds in its records) onto white, and writes it to
// `out` as a helper raster. False, with a reason on stderr, when the file is not a metafile libwmf
// can play, is larger than Pictures::MaxPixels, or the write fails.
bool renderMetafileToStream(const char *path, std::FILE *out);
