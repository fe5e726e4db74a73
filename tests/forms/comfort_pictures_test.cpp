// The pictures at the screen's scale (run again by ctest at twice the pixels), the built-in
// pictures unpacked, and the scalable icon against the drawn one at every installed size.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "app/qt_packed_picture.h"
#include "app/qt_sharp_picture.h"
#include <QImageReader>
#include <QLabel>
#include <algorithm>
#include <cstdlib>

namespace taremo {
namespace {

using SharpPictures = testing::FormTest;

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// What the label shows, pixel for pixel, against the picture made for the screen's scale.
void expectDrawnForTheScreen(QLabel* label, const std::array<QImage, 3>& sizes)
{
    const QImage shot = label->grab().toImage();
    const int scale = SharpPicture::scaleFor(shot.devicePixelRatio());
    ASSERT_EQ(shot.devicePixelRatio(), scale) << "a whole scale, so no smoothing in between";
    EXPECT_EQ(rgb(shot), rgb(sizes[static_cast<std::size_t>(scale - 1)]))
        << label->objectName().toStdString() << " at " << scale << "x";
}

std::array<QImage, 3> resourceSizes(const char* stem, const char* extension)
{
    std::array<QImage, 3> sizes;
    const auto sources = resourceSources(QString::fromLatin1(stem), QString::fromLatin1(extension));
    for (std::size_t i = 0; i < sizes.size(); ++i)
        sizes[i] = sources[i]();
    return sizes;
}

TEST_F(SharpPictures, EachScreenGetsThePicturesDrawnForItsScale)
{
    const std::pair<qreal, int> rows[] = {{1.0, 1}, {1.25, 2}, {2.0, 2}, {2.004, 2}, {3.0, 3},
                                          {4.0, 3}};
    for (const auto& [ratio, scale] : rows)
        EXPECT_EQ(SharpPicture::scaleFor(ratio), scale) << ratio;

    const std::array<QImage, 3> title = {unpack(kTitlePicture), unpack(kTitlePicture2x),
                                         unpack(kTitlePicture3x)};
    FrmMain& main = showMain();
    expectDrawnForTheScreen(main.Image1(), title);
    whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [](FrmInfo& box) {
        expectDrawnForTheScreen(box.Image2(), resourceSizes(":/resources/about_title", ".jpg"));
        expectDrawnForTheScreen(box.Image1(), resourceSizes(":/resources/about_emblem", ".jpg"));
        box.cmdOK()->click();
    });
}

TEST_F(SharpPictures, BuiltInPicturesAreTheArtworkAndTheIconSuitsTheScreen)
{
    const std::pair<const PackedPicture*, const char*> packed[] = {
        {&kTitlePicture, "title"}, {&kTitlePicture2x, "title@2x"}, {&kTitlePicture3x, "title@3x"},
        {&kIconPicture, "icon"}, {&kIconPicture2x, "icon@2x"}, {&kIconPicture3x, "icon@3x"}};
    for (const auto& [picture, file] : packed) {
        const QImage artwork(QString(TAREMO_RESOURCES_DIR "/%1.png").arg(file)); // null: no match
        EXPECT_EQ(unpack(*picture).convertToFormat(QImage::Format_ARGB32),
                  artwork.convertToFormat(QImage::Format_ARGB32)) << file;
    }
    const QIcon icon = gameIcon();
    const int scale = SharpPicture::scaleFor(qApp->devicePixelRatio());
    const QImage drawn = icon.pixmap(QSize(32, 32), scale).toImage();
    const QString file = scale == 1 ? "icon" : QString("icon@%1x").arg(scale);
    const QImage artwork(TAREMO_RESOURCES_DIR "/" + file + ".png");
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32),
              artwork.convertToFormat(QImage::Format_ARGB32))
        << "drawn for the screen's scale, not enlarged";
    EXPECT_EQ(icon.availableSizes().size(), scale == 1 ? 1 : 2) << "only the sizes screens need";
}

TEST(PackedPicture, DamagedRunsStayInside)
{
    const std::uint32_t red[] = {0xFFFF0000u};
    const std::uint16_t runs[] = {0, 3, 7, 2, 0, 60000}; // no colour 7; 60000 runs past the end
    const QImage image = unpack({4, 2, false, red, 1, runs, std::size(runs)});
    EXPECT_EQ(QList<QRgb>({image.pixel(2, 0), image.pixel(3, 0), image.pixel(3, 1)}),
              QList<QRgb>({0xFFFF0000u, 0u, 0xFFFF0000u}));
}

// The share of pixels whose colour or cover differs by more than a quarter of its range.
double shareOfDifferentPixels(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int different = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            different += most > 64 ? 1 : 0;
        }
    }
    return static_cast<double>(different) / (x.width() * x.height());
}

TEST(Icon, ScalableIconMatchesEveryDrawnSize)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString name = size == 32 ? "icon.png" : QString("icon-%1.png").arg(size);
        const QImage drawn(TAREMO_RESOURCES_DIR "/" + name);
        QImageReader reader(TAREMO_RESOURCES_DIR "/icon.svg");
        reader.setScaledSize(QSize(size, size));
        const QImage scalable = reader.read();
        ASSERT_EQ(drawn.size(), QSize(size, size));
        ASSERT_EQ(scalable.size(), drawn.size()) << reader.errorString().toStdString();
        // Only a few anti-aliased edge pixels may differ much.
        EXPECT_LT(shareOfDifferentPixels(scalable, drawn), 0.0005);
    }
}

} // namespace
} // namespace taremo
