#include "board/pictures/wmf/MetafileRenderer.h"

#include "board/pictures/decode/HelperRasterFormat.h"
#include "board/pictures/decode/PictureLimits.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
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

// libwmf divides by the placeable header's units per inch; zero would make the size undefined.
bool hasUsableUnits(wmfAPI *api)
{
    return !api->File->placeable || api->File->pmh->Inch != 0;
}

bool contains(const wmfD_Rect &frame, const wmfD_Rect &drawing)
{
    // Pens reach half their width beyond the coordinates they stroke.
    const double slackX = std::max(2.0, 0.02 * (frame.BR.x - frame.TL.x));
    const double slackY = std::max(2.0, 0.02 * (frame.BR.y - frame.TL.y));
    return drawing.TL.x >= frame.TL.x - slackX && drawing.TL.y >= frame.TL.y - slackY &&
           drawing.BR.x <= frame.BR.x + slackX && drawing.BR.y <= frame.BR.y + slackY;
}

// The part of libwmf's drawing space (points) that becomes the picture. libwmf places a
// placeable file's coordinates at 72 / units-per-inch points each, measured from the last window
// origin the file sets, or from 0 where it sets none; Windows measures from the header's corner
// in that case. The header's box is used when the drawing lies inside it, measured either way.
// Otherwise (anisotropic mapping, or drawing outside its own header) the box libwmf found around
// the drawing is stretched over the picture, as libwmf's own converters do.
wmfD_Rect pictureFrame(wmfAPI *api, const wmfD_Rect &drawing)
{
    if (!api->File->placeable)
        return drawing;
    const wmfPlaceableMetaHeader &header = *api->File->pmh;
    const float pointsPerUnit = 72.0f / static_cast<float>(header.Inch);
    const float width = static_cast<float>(header.Right - header.Left) * pointsPerUnit;
    const float height = static_cast<float>(header.Bottom - header.Top) * pointsPerUnit;
    const float left = static_cast<float>(header.Left) * pointsPerUnit;
    const float top = static_cast<float>(header.Top) * pointsPerUnit;
    for (const wmfD_Rect frame : {wmfD_Rect{{left, top}, {left + width, top + height}},
                                  wmfD_Rect{{0.0f, 0.0f}, {width, height}}}) {
        if (contains(frame, drawing))
            return frame;
    }
    return drawing;
}

} // namespace

bool renderMetafileToStream(const char *path, std::FILE *out)
{
    ApiHandle api = createApi();
    if (!api)
        return fail("libwmf did not start");
    if (wmf_file_open(api.get(), path) != wmf_E_None)
        return fail("not a metafile");

    wmfD_Rect bounds{};
    unsigned width = 0;
    unsigned height = 0;
    bool played =
        hasUsableUnits(api.get()) && wmf_scan(api.get(), 0, &bounds) == wmf_E_None &&
        wmf_display_size(api.get(), &width, &height, DotsPerInch, DotsPerInch) == wmf_E_None;
    if (played && !Pictures::fitsPixelLimit(width, height)) {
        wmf_file_close(api.get());
        return fail("picture size out of range");
    }

    wmf_gd_t *device = WMF_GD_GetData(api.get());
    if (played) {
        device->type = wmf_gd_image;
        device->bbox = pictureFrame(api.get(), bounds);
        device->width = width;
        device->height = height;
        played = wmf_play(api.get(), 0, &bounds) == wmf_E_None && device->gd_image != nullptr;
    }
    wmf_file_close(api.get());
    if (!played)
        return fail("metafile could not be played");

    if (!writeRaster(wmf_gd_image_pixels(device->gd_image), width, height, out))
        return fail("could not write the picture");
    return true;
}
