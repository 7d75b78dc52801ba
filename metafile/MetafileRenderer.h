#pragma once

#include <cstdio>

// Renders the metafile at `path` at its own size onto white, and writes it to `out` as a helper
// raster. A placeable file is drawn as PlaceablePicture describes; any other takes the extent of
// its drawing at the size libwmf estimates. False, with a reason on stderr, when the file is not a
// metafile libwmf can play, is larger than Pictures::MaxPixels, or the write fails.
bool renderMetafileToStream(const char *path, std::FILE *out);
