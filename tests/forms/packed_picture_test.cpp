// The pictures built in as runs of pixels must be the artwork, pixel for pixel.
#include "app/qt_packed_picture.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {

TEST(PackedPicture, UnpacksToTheArtworkAndKeepsDamagedRunsInside)
{
    for (const auto& [packed, file] :
         {std::pair{&kTitlePicture, "title"}, {&kIconPicture, "icon"}}) {
        const QImage artwork(QString(TAREMO_RESOURCES_DIR "/%1.png").arg(file)); // null: no match
        EXPECT_EQ(unpack(*packed).convertToFormat(QImage::Format_ARGB32),
                  artwork.convertToFormat(QImage::Format_ARGB32)) << file;
    }
    const std::uint32_t red[] = {0xFFFF0000u};
    const std::uint16_t runs[] = {0, 3, 7, 2, 0, 60000}; // no colour 7; 60000 runs past the end
    const QImage image = unpack({4, 2, false, red, 1, runs, std::size(runs)});
    EXPECT_EQ(QList<QRgb>({image.pixel(2, 0), image.pixel(3, 0), image.pixel(3, 1)}),
              QList<QRgb>({0xFFFF0000u, 0u, 0xFFFF0000u}));
}

} // namespace
} // namespace taremo
