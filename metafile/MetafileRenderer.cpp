#include "metafile/MetafileRenderer.h"

#include "core/pictures/PictureLimits.h"
#include "metafile/GdDeviceFixes.h"
#include "metafile/HelperRasterFormat.h"
#include "metafile/PlaceablePicture.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr double DotsPerInch = 96.0;

struct ApiDeleter
{
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};
using ApiHandle = std::unique_ptr<wmfAPI, ApiDeleter>;

ApiHandle createApi()
{
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    wmfAPI *api = nullptr;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL;
    const wmf_error_t error = wmf_api_create(&api, flags, &options);
    ApiHandle handle(api);
    if (error != wmf_E_None)
        return {};
    return handle;
}

bool fail(const char *reason)
{
    std::fprintf(stderr, "morvane-wmf: %s\n", reason);
    return false;
}

void putLittleEndian32(unsigned char *at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// gd's true-colour pixels carry a transparency of 0 (opaque) to 127 (clear) in bits 24 to 30.
void putOverWhite(unsigned gdPixel, unsigned char *rgb)
{
    const unsigned clear = (gdPixel >> 24) & 0x7f;
    for (const int shift : {16, 8, 0}) {
        const unsigned channel = (gdPixel >> shift) & 0xff;
        *rgb++ = static_cast<unsigned char>((channel * (127 - clear) + 255 * clear + 63) / 127);
    }
}

bool writeRaster(const int *pixels, unsigned width, unsigned height, std::FILE *out)
{
    using namespace Pictures::HelperRaster;
    std::array<unsigned char, HeaderSize> header{};
    std::memcpy(header.data(), Magic, sizeof Magic);
    putLittleEndian32(header.data() + 4, width);
    putLittleEndian32(header.data() + 8, height);
    if (std::fwrite(header.data(), 1, header.size(), out) != header.size())
        return false;

    std::vector<unsigned char> row(std::size_t{width} * BytesPerPixel);
    for (unsigned y = 0; y < height; ++y) {
        const int *source = pixels + std::size_t{y} * width;
        for (unsigned x = 0; x < width; ++x)
            putOverWhite(static_cast<unsigned>(source[x]),
                         row.data() + std::size_t{x} * BytesPerPixel);
        if (std::fwrite(row.data(), 1, row.size(), out) != row.size())
            return false;
    }
    return std::fflush(out) == 0;
}

// Metafiles for a 640 x 480 board are small; this keeps a huge file from filling the helper's
// memory before libwmf has looked at it.
constexpr long MaxFileBytes = 64L * 1024 * 1024;

std::optional<std::vector<unsigned char>> readFile(const char *path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path, "rb"), std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return std::nullopt;
    const long size = std::ftell(file.get());
    if (size < 0 || size > MaxFileBytes || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return std::nullopt;
    return bytes;
}

// Whether a placeable picture's drawing, in its pixels, stays within reach of the picture. gd
// fills and strokes shapes without clipping them first, so a window a few units wide, which
// magnifies the drawing hundreds of times, would keep it busy for minutes on shapes thousands of
// pictures wide. Drawing just outside the box, a background a little too large, is common.
bool withinReach(const wmfD_Rect &drawing, unsigned width, unsigned height)
{
    const double reach = 4.0 * std::max(width, height);
    return drawing.TL.x >= -reach && drawing.TL.y >= -reach && drawing.BR.x <= width + reach &&
           drawing.BR.y <= height + reach;
}

} // namespace

bool renderMetafileToStream(const char *path, std::FILE *out)
{
    std::optional<std::vector<unsigned char>> file = readFile(path);
    if (!file)
        return fail("cannot read the file, or it is too large");
    // A placeable file is played rewritten (see PlaceablePicture): its size and the box that its
    // drawing fills are then known before libwmf runs, in pixels.
    std::optional<PlaceablePicture> placeable;
    if (PlaceablePicture::isPlaceable(*file)) {
        const char *reason = nullptr;
        placeable = PlaceablePicture::prepare(*file, reason);
        if (!placeable)
            return fail(reason);
    }
    std::vector<unsigned char> &bytes = placeable ? placeable->bytes() : *file;

    ApiHandle api = createApi();
    if (!api)
        return fail("libwmf did not start");
    GdDeviceFixes::install(api.get());
    if (bytes.empty() || wmf_mem_open(api.get(), bytes.data(), long(bytes.size())) != wmf_E_None)
        return fail("not a metafile");

    wmfD_Rect bounds{};
    unsigned width = 0;
    unsigned height = 0;
    bool played = wmf_scan(api.get(), 0, &bounds) == wmf_E_None;
    if (played && placeable) {
        width = unsigned(placeable->width());
        height = unsigned(placeable->height());
        if (!withinReach(bounds, width, height)) {
            wmf_mem_close(api.get());
            return fail("the window magnifies the drawing far beyond its picture");
        }
    } else if (played) {
        // Without a header the drawing's own extent is the picture, at the size libwmf estimates
        // for it.
        if (wmf_display_size(api.get(), &width, &height, DotsPerInch, DotsPerInch) != wmf_E_None ||
            !Pictures::fitsPixelLimit(width, height)) {
            wmf_mem_close(api.get());
            return fail("picture size out of range");
        }
    }

    wmf_gd_t *device = WMF_GD_GetData(api.get());
    if (played) {
        device->type = wmf_gd_image;
        device->bbox = placeable ? wmfD_Rect{{0.0f, 0.0f}, {float(width), float(height)}} : bounds;
        device->width = width;
        device->height = height;
        played = wmf_play(api.get(), 0, &bounds) == wmf_E_None && device->gd_image != nullptr;
    }
    wmf_mem_close(api.get());
    if (!played)
        return fail("metafile could not be played");

    if (!writeRaster(wmf_gd_image_pixels(device->gd_image), width, height, out))
        return fail("could not write the picture");
    return true;
}
