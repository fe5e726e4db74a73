// Pictures built into the executable as runs of equal pixels. The title picture and the window
// icon are shown before the first window appears; unpacking them is a simple copy loop, where
// the PNG decoder took as long as the rest of the start-up beyond the toolkit's own.
#pragma once

#include <cstddef>
#include <cstdint>

#include <QImage>

namespace taremo {

struct PackedPicture {
    int width;
    int height;
    bool opaque;
    const std::uint32_t* colours; // 0xAARRGGBB
    std::size_t colourCount;
    const std::uint16_t* runs; // pairs: colour index, number of pixels
    std::size_t runValues;     // twice the number of runs
};

// The picture as an image; pixels past the runs stay transparent (opaque: black).
QImage unpack(const PackedPicture& picture);

// Each at its size, then at twice and three times the pixels for scaled-up screens.
extern const PackedPicture kTitlePicture;
extern const PackedPicture kTitlePicture2x;
extern const PackedPicture kTitlePicture3x;
extern const PackedPicture kIconPicture;
extern const PackedPicture kIconPicture2x;
extern const PackedPicture kIconPicture3x;

} // namespace taremo
