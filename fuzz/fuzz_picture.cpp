// Fuzzes the in-process part of picture loading: Qt's readers behind the size limits and the
// completeness checks, the metafile recognition, and the check of what the metafile helper hands
// back; and, of the helper, its rewriting of a placeable metafile's records. The helper as a whole
// is a separate process per file, too slow to fuzz from here.

#include "desktop/pictures/HelperRaster.h"
#include "desktop/pictures/MetafileSignature.h"
#include "desktop/pictures/PictureDecoder.h"
#include "metafile/PlaceablePicture.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Qt finds its GIF and JPEG readers as plugins, through the application object.
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!Pictures::looksLikeMetafile(bytes)) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::optional<QImage> picture = Pictures::decodePicture(buffer);
        if (picture && picture->format() != QImage::Format_RGB32)
            __builtin_trap();
    }
    const std::optional<QImage> raster = Pictures::decodeHelperRaster(bytes);
    if (raster && raster->format() != QImage::Format_RGB32)
        __builtin_trap();

    const std::vector<unsigned char> file(data, data + size);
    const char *reason = nullptr;
    std::optional<PlaceablePicture> placeable = PlaceablePicture::prepare(file, reason);
    // A prepared file keeps its header and gains the records that set up the window.
    if (placeable && (placeable->bytes().size() < 40 || reason != nullptr))
        __builtin_trap();
    if (!placeable && reason == nullptr)
        __builtin_trap();
    return 0;
}
