// Build step for the Windows build, which has no SVG reader: draws a flag's SVG as a picture
// that fits a box of the given size at a screen scale, keeping the flag's proportions, just as
// the language dialog's icons fit the flags where SVG is read directly.
//
//   flag_picture <flag.svg> <output.png> <box width> <box height> <scale>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <string>

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "flag_picture: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6)
        return fail("usage: flag_picture <flag.svg> <output.png> <width> <height> <scale>");
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return fail(std::string("cannot read ") + argv[1]);
    const int scale = std::stoi(argv[5]);
    const QSize box(std::stoi(argv[3]), std::stoi(argv[4]));
    const QSize size = renderer.defaultSize().scaled(box, Qt::KeepAspectRatio) * scale;
    if (size.isEmpty())
        return fail("empty picture");
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG"))
        return fail(std::string("cannot write ") + argv[2]);
    return 0;
}
