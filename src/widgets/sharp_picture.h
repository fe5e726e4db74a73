// Pictures drawn for screens at one, two and three times the pixels, so that a scaled-up
// desktop shows them as sharp as the rest of the window.
#pragma once

#include <QIcon>
#include <QImage>
#include <QLabel>

#include <array>
#include <functional>

namespace taremo {

// A picture in three sizes: `sources[k]` gives it drawn at k + 1 times its size in pixels.
// Each is made only when a screen of that scale first shows it.
class SharpPicture : public QLabel {
public:
    using Source = std::function<QImage()>;

    SharpPicture(std::array<Source, 3> sources, QWidget* parent);

    // Which of the three (1 to 3) serves a screen at `ratio` device pixels to the pixel: the
    // first that needs no enlarging, or the largest.
    static int scaleFor(qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& picture(int scale);

    std::array<Source, 3> m_sources;
    std::array<QImage, 3> m_pictures;
};

// The three sizes of a picture kept in the resources as name.ext, name@2x.ext and name@3x.ext.
std::array<SharpPicture::Source, 3> resourceSources(const QString& stem, const QString& extension);

// The game's window icon: 32 pixels, and 64 or 96 as well for screens scaled up.
QIcon gameIcon();

} // namespace taremo
