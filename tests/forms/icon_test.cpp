// The scalable icon must be the same picture as the drawn ones at every installed size.
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

namespace taremo {
namespace {

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
