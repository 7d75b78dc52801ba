#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// A placeable metafile made ready for libwmf to draw the way Windows draws such a picture: at the
// size of its header's box at 96 pixels per inch, with the window its records set mapped onto the
// whole picture, whatever mapping mode they choose. Until the records set a window origin or
// extent, the header's box is the window. Plain C++: the helper links no Qt.
class PlaceablePicture
{
public:
    static bool isPlaceable(const std::vector<unsigned char> &file);

    // Null, with a reason, when the header gives no picture: no units per inch, an empty box,
    // a box wider or taller than a window extent can be, or a size beyond Pictures::MaxPixels.
    static std::optional<PlaceablePicture> prepare(const std::vector<unsigned char> &file,
                                                   const char *&reason);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // The metafile to play. Its records begin by setting the anisotropic mapping mode, the box as
    // the window and the picture's size in pixels as the viewport; the records that would change
    // the mapping mode or the viewport are left out, so libwmf's device units are the picture's
    // pixels from the first record to the last. Damaged records and what follows them are kept
    // as they are, for libwmf to refuse.
    std::vector<unsigned char> &bytes() { return m_bytes; }

private:
    PlaceablePicture(int width, int height, std::vector<unsigned char> bytes);

    int m_width;
    int m_height;
    std::vector<unsigned char> m_bytes;
};
