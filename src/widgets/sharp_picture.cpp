// Pictures in three sizes, and the window icon.
#include "widgets/sharp_picture.h"

#include "widgets/packed_picture.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace taremo {

namespace {

// A picture drawn by hand is no text to assistive technology: it is a picture, named by its
// accessible name.
QAccessibleInterface* pictureAccessible(const QString&, QObject* object)
{
    auto* picture = dynamic_cast<SharpPicture*>(object);
    return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

} // namespace

SharpPicture::SharpPicture(std::array<Source, 3> sources, QWidget* parent)
    : QLabel(parent), m_sources(std::move(sources))
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    (void)installed;
}

int SharpPicture::scaleFor(qreal ratio)
{
    // A hair over a whole ratio (rounding in the toolkit) does not call for the next size up.
    const int scale = static_cast<int>(std::ceil(ratio - 0.01));
    return std::clamp(scale, 1, 3);
}

const QImage& SharpPicture::picture(int scale)
{
    QImage& image = m_pictures.at(static_cast<std::size_t>(scale - 1));
    if (image.isNull())
        image = m_sources.at(static_cast<std::size_t>(scale - 1))();
    return image;
}

void SharpPicture::paintEvent(QPaintEvent*)
{
    const int scale = scaleFor(devicePixelRatioF());
    const QImage& image = picture(scale);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(contentsRect().topLeft(), QSizeF(image.size()) / scale), image);
}

std::array<SharpPicture::Source, 3> resourceSources(const QString& stem, const QString& extension)
{
    const auto source = [=](const QString& suffix) {
        return [path = stem + suffix + extension] { return QImage(path); };
    };
    return {source(QString()), source(QStringLiteral("@2x")), source(QStringLiteral("@3x"))};
}

QIcon gameIcon()
{
    // Only the sizes that the screens call for: every size is handed to the desktop as each
    // window opens.
    const PackedPicture* const sizes[] = {&kIconPicture, &kIconPicture2x, &kIconPicture3x};
    std::array<bool, 3> wanted{true, false, false};
    for (const QScreen* screen : QGuiApplication::screens()) {
        const int scale = SharpPicture::scaleFor(screen->devicePixelRatio());
        wanted.at(static_cast<std::size_t>(scale - 1)) = true;
    }
    QIcon icon;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (wanted[i])
            icon.addPixmap(QPixmap::fromImage(unpack(*sizes[i])));
    return icon;
}

} // namespace taremo
