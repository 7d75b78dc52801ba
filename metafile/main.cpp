// morvane-wmf: renders one Windows metafile onto white and writes the raster to standard output in
// the form of board/pictures/HelperRasterFormat.h. libwmf is old C code with a history of memory
// faults, so the game runs it only here, in a short-lived process with limits set by the caller.
// Exit status 0 means a complete raster was written; anything else means "not a picture".

#include "metafile/MetafileRenderer.h"
#include "metafile/SanitizerBuild.h"

#include <cstdio>
#include <unistd.h>

#ifdef MORVANE_ADDRESS_SANITIZER
// libwmf hands out the rendered image without a public call to free it; the process ends right
// after writing it, so that memory is not a leak worth failing a sanitizer build for.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}
#endif

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: morvane-wmf FILE\n", stderr);
        return 2;
    }
    // libwmf prints some of its diagnostics to stdout; they must not end up inside the raster.
    const int rasterFd = dup(STDOUT_FILENO);
    std::FILE *raster = rasterFd >= 0 ? fdopen(rasterFd, "wb") : nullptr;
    if (raster == nullptr || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        std::fputs("morvane-wmf: cannot set up the output\n", stderr);
        return 1;
    }
    const bool rendered = renderMetafileToStream(argv[1], raster);
    return std::fclose(raster) == 0 && rendered ? 0 : 1;
}
