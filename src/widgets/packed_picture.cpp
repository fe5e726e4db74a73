#include "widgets/packed_picture.h"

#include <algorithm>

namespace taremo {

QImage unpack(const PackedPicture& picture)
{
    QImage image(picture.width, picture.height,
                 picture.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(picture.opaque ? 0xFF000000u : 0u);
    // 32-bit lines have no padding, so the pixels follow each other across line ends.
    auto* pixel = reinterpret_cast<std::uint32_t*>(image.bits());
    const auto* const end = pixel + static_cast<std::size_t>(picture.width) * picture.height;
    for (std::size_t i = 0; i + 1 < picture.runValues && pixel != end; i += 2) {
        const std::uint16_t index = picture.runs[i];
        const std::uint32_t colour = index < picture.colourCount ? picture.colours[index] : 0u;
        const auto count = std::min<std::ptrdiff_t>(picture.runs[i + 1], end - pixel);
        pixel = std::fill_n(pixel, count, colour);
    }
    return image;
}

} // namespace taremo
