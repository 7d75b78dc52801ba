#include "metafile/PlaceablePicture.h"

#include "core/pictures/PictureLimits.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace {

constexpr std::uint32_t PlaceableKey = 0x9ac6cdd7u;
constexpr std::size_t PlaceableHeaderBytes = 22;
constexpr std::size_t StandardHeaderBytes = 18;
constexpr std::size_t RecordsStart = PlaceableHeaderBytes + StandardHeaderBytes;
// Offsets in the standard header.
constexpr std::size_t FileSizeField = 6;
constexpr std::size_t MaxRecordField = 12;

constexpr int PixelsPerInch = 96;
// Window and viewport extents are 16-bit signed numbers.
constexpr int MaxExtent = 32767;

enum Function : std::uint16_t {
    EndOfFile = 0x0000,
    SetMapMode = 0x0103,
    SetWindowOrg = 0x020b,
    SetWindowExt = 0x020c,
    SetViewportOrg = 0x020d,
    SetViewportExt = 0x020e,
    OffsetViewportOrg = 0x0211,
    ScaleViewportExt = 0x0412,
};
constexpr std::int16_t Anisotropic = 8;
// The longest record written here: three words of size and function, two of parameters.
constexpr std::uint32_t PrologueRecordWords = 5;

std::uint32_t read16(const std::vector<unsigned char> &bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8;
}

std::int16_t readSigned16(const std::vector<unsigned char> &bytes, std::size_t at)
{
    return static_cast<std::int16_t>(read16(bytes, at));
}

std::uint32_t read32(const std::vector<unsigned char> &bytes, std::size_t at)
{
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

void write32(std::vector<unsigned char> &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

void appendRecord(std::vector<unsigned char> &out, Function function,
                  std::initializer_list<int> parameters)
{
    const auto append16 = [&out](unsigned value) {
        out.push_back(static_cast<unsigned char>(value & 0xff));
        out.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
    };
    const auto words = static_cast<std::uint32_t>(3 + parameters.size());
    append16(words & 0xffff);
    append16(words >> 16);
    append16(function);
    for (const int parameter : parameters)
        append16(static_cast<unsigned>(parameter) & 0xffff);
}

// Records that would take the mapping away from the window-onto-picture one set up front.
bool changesMappingModeOrViewport(std::uint32_t function)
{
    switch (function) {
    case SetMapMode:
    case SetViewportOrg:
    case SetViewportExt:
    case OffsetViewportOrg:
    case ScaleViewportExt:
        return true;
    default:
        return false;
    }
}

} // namespace

PlaceablePicture::PlaceablePicture(int width, int height, std::vector<unsigned char> bytes)
    : m_width(width)
    , m_height(height)
    , m_bytes(std::move(bytes))
{}

bool PlaceablePicture::isPlaceable(const std::vector<unsigned char> &file)
{
    return file.size() >= PlaceableHeaderBytes && read32(file, 0) == PlaceableKey;
}

std::optional<PlaceablePicture> PlaceablePicture::prepare(const std::vector<unsigned char> &file,
                                                          const char *&reason)
{
    reason = nullptr;
    if (!isPlaceable(file) || file.size() < RecordsStart) {
        reason = "not a placeable metafile";
        return std::nullopt;
    }
    const int left = readSigned16(file, 6);
    const int top = readSigned16(file, 8);
    const int right = readSigned16(file, 10);
    const int bottom = readSigned16(file, 12);
    const std::int64_t unitsPerInch = read16(file, 14);
    const int boxWidth = std::abs(right - left);
    const int boxHeight = std::abs(bottom - top);
    if (unitsPerInch == 0) {
        reason = "no units per inch";
        return std::nullopt;
    }
    if (boxWidth > MaxExtent || boxHeight > MaxExtent) {
        reason = "box too large for a window";
        return std::nullopt;
    }
    const std::int64_t width = boxWidth * std::int64_t{PixelsPerInch} / unitsPerInch;
    const std::int64_t height = boxHeight * std::int64_t{PixelsPerInch} / unitsPerInch;
    if (!Pictures::fitsPixelLimit(width, height) || width > MaxExtent || height > MaxExtent) {
        reason = "picture size out of range";
        return std::nullopt;
    }

    std::vector<unsigned char> out(file.begin(), file.begin() + RecordsStart);
    // Four records of at most PrologueRecordWords two-byte words.
    constexpr std::size_t PrologueBytes = std::size_t{4} * PrologueRecordWords * 2;
    out.reserve(file.size() + PrologueBytes);
    appendRecord(out, SetWindowOrg, {std::min(top, bottom), std::min(left, right)});
    appendRecord(out, SetWindowExt, {boxHeight, boxWidth});
    appendRecord(out, SetViewportExt, {int(height), int(width)});
    // Last: libwmf works out the scale when the mode is set, and needs both extents for it.
    appendRecord(out, SetMapMode, {Anisotropic});

    std::size_t at = RecordsStart;
    while (at + 6 <= file.size()) {
        const std::uint64_t bytes = std::uint64_t{read32(file, at)} * 2;
        const std::uint32_t function = read16(file, at + 4);
        if (function == EndOfFile || bytes < 6 || bytes > file.size() - at)
            break;
        if (!changesMappingModeOrViewport(function))
            out.insert(out.end(), file.begin() + std::ptrdiff_t(at),
                       file.begin() + std::ptrdiff_t(at + bytes));
        at += bytes;
    }
    out.insert(out.end(), file.begin() + std::ptrdiff_t(at), file.end());

    write32(out, PlaceableHeaderBytes + FileSizeField,
            static_cast<std::uint32_t>((out.size() - PlaceableHeaderBytes) / 2));
    write32(out, PlaceableHeaderBytes + MaxRecordField,
            std::max(read32(out, PlaceableHeaderBytes + MaxRecordField), PrologueRecordWords));
    return PlaceablePicture(int(width), int(height), std::move(out));
}
