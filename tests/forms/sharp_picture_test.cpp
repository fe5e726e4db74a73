// The pictures at the screen's scale (run again by ctest at twice the pixels), the ones built
// into the game as runs of pixels against their artwork.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "widgets/sharp_picture.h"

namespace taremo {
namespace {

using SharpPictures = test::FormTest;
using test::named;

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// What the label shows, pixel for pixel, against the picture made for the screen's scale.
void expectDrawnForTheScreen(QWidget& label, const std::array<SharpPicture::Source, 3>& sizes)
{
    const QImage shot = label.grab().toImage();
    const int scale = SharpPicture::scaleFor(shot.devicePixelRatio());
    ASSERT_EQ(shot.devicePixelRatio(), scale) << "a whole scale, so no smoothing in between";
    EXPECT_EQ(rgb(shot), rgb(sizes.at(static_cast<std::size_t>(scale - 1))()))
        << label.objectName().toStdString() << " at " << scale << "x";
}

TEST_F(SharpPictures, EachScreenGetsThePicturesDrawnForItsScale)
{
    const std::pair<qreal, int> rows[] = {{1.0, 1},   {1.25, 2}, {2.0, 2},
                                          {2.004, 2}, {3.0, 3},  {4.0, 3}};
    for (const auto& [ratio, scale] : rows)
        EXPECT_EQ(SharpPicture::scaleFor(ratio), scale) << ratio;

    FrmMain& main = showMain();
    // The title picture, built into the game as runs of pixels, is the artwork itself.
    expectDrawnForTheScreen(named(main, "Image1"),
                            resourceSources(TAREMO_RESOURCES_DIR "/title", ".png"));
    whileModal<FrmInfo>(
        [&] { test::action(main, "mnuInfo").trigger(); },
        [](FrmInfo& box) {
            expectDrawnForTheScreen(named(box, "Image2"),
                                    resourceSources(":/resources/about_title", ".jpg"));
            expectDrawnForTheScreen(named(box, "Image1"),
                                    resourceSources(":/resources/about_emblem", ".jpg"));
            named<QPushButton>(box, "cmdOK").click();
        });
}

TEST_F(SharpPictures, TheIconIsTheArtworkAtTheScreensScaleOnly)
{
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

} // namespace
} // namespace taremo
