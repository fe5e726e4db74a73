// The pictures built in as runs of pixels must be the artwork, pixel for pixel.
#include "app/qt_packed_picture.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {

TEST(PackedPicture, UnpacksToTheArtworkExactly)
{
    const std::pair<const PackedPicture*, const char*> pictures[] = {
        {&kTitlePicture, "title.png"}, {&kIconPicture, "icon.png"}};
    for (const auto& [packed, file] : pictures) {
        const QImage artwork(QStringLiteral(TAREMO_RESOURCES_DIR "/") + QLatin1String(file));
        ASSERT_FALSE(artwork.isNull()) << file;
        const QImage image = unpack(*packed);
        EXPECT_EQ(image.size(), artwork.size()) << file;
        EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
                  artwork.convertToFormat(QImage::Format_ARGB32))
            << file;
    }
    // The title picture fills its 330 x 285 place on the board.
    EXPECT_EQ(unpack(kTitlePicture).size(), QSize(330, 285));
}

TEST(PackedPicture, ShortOrDamagedRunsStayInsideTheImage)
{
    const std::uint32_t colours[] = {0xFFFF0000u};
    const std::uint16_t runs[] = {0, 3, 7, 2, 0, 60000};
    const PackedPicture picture{4, 2, false, colours, 1, runs, std::size(runs)};
    const QImage image = unpack(picture);
    EXPECT_EQ(image.pixel(2, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(3, 0), 0u); // colour 7 does not exist
    EXPECT_EQ(image.pixel(3, 1), 0xFFFF0000u);
    EXPECT_EQ(unpack({2, 2, true, colours, 1, runs, 2}).pixel(1, 1), 0xFF000000u);
}

} // namespace
} // namespace taremo
