// Draws the game's bitmap artwork: the title picture, the window icon and the About box pictures.
//
// Built with the tests (or `cmake --build build --target draw_art`); from the root:
//   QT_QPA_PLATFORM=offscreen build/draw_art resources
// The test Tools.GridTableAndArtworkAreWhatTheToolsWrite shows that the pictures are its output.
//
// Writes title.png, icon.png (32 pixels), icon-<size>.png for the desktop's other sizes,
// icon.svg (the same icon as scalable vector art), about_title.jpg and about_emblem.jpg into
// the folder given, and of the title, the 32-pixel icon and the About pictures the same drawing
// at twice and three times the pixels (title@2x.png, title@3x.png, ...) for screens scaled up.
// Every letter and digit is drawn from the stroke shapes below rather than from a font, so the
// pictures come out the same whatever fonts the machine has. The flags are not drawn here: they
// are hand-written SVG files next to the pictures.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>

#include <cstdio>
#include <string>

namespace {

// Palette shared by the pictures.
const QColor kPaper(0xF5, 0xF0, 0xE6);
const QColor kPaperShade(0xE2, 0xD9, 0xC8);
const QColor kInk(0x22, 0x34, 0x4F);
const QColor kCoral(0xE2, 0x58, 0x3E);
const QColor kCell(0xFF, 0xFD, 0xF8);
const QColor kTint(0xDC, 0xE8, 0xE4);

// One stroked character: the centre line of its strokes in a box `h` high, and the box's width.
struct Glyph {
    QPainterPath path;
    double width = 0;
};

// Digits are 0.6 of their height wide; the ink is drawn along the path with a round pen.
Glyph digitGlyph(char d, double h)
{
    const double w = 0.6 * h;
    QPainterPath p;
    switch (d) {
    case '0':
        p.addEllipse(QRectF(0, 0, w, h));
        break;
    case '1':
        p.moveTo(0.12 * w, 0.24 * h);
        p.lineTo(0.6 * w, 0);
        p.lineTo(0.6 * w, h);
        break;
    case '2': {
        const QRectF bowl(0, 0, w, w);
        p.arcMoveTo(bowl, 160);
        p.arcTo(bowl, 160, -195);
        p.lineTo(0, h);
        p.lineTo(w, h);
        break;
    }
    case '3': {
        const QRectF top(0.1 * w, 0, 0.8 * w, 0.46 * h);
        const QRectF bottom(0, 0.46 * h, w, 0.54 * h);
        p.arcMoveTo(top, 155);
        p.arcTo(top, 155, -245);
        p.lineTo(0.3 * w, 0.46 * h);
        p.moveTo(0.5 * w, 0.46 * h);
        p.arcTo(bottom, 90, -295);
        break;
    }
    case '4':
        p.moveTo(0.74 * w, h);
        p.lineTo(0.74 * w, 0);
        p.lineTo(0, 0.68 * h);
        p.lineTo(w, 0.68 * h);
        break;
    case '5': {
        const QRectF bowl(0, 0.36 * h, w, 0.64 * h);
        p.moveTo(0.92 * w, 0);
        p.lineTo(0.14 * w, 0);
        p.lineTo(0.08 * w, 0.46 * h);
        p.arcTo(bowl, 135, -290);
        break;
    }
    case '6':
    case '9': {
        p.addEllipse(QRectF(0, 0.42 * h, w, 0.58 * h));
        p.moveTo(0.84 * w, 0.03 * h);
        p.quadTo(0.02 * w, 0.16 * h, 0, 0.71 * h);
        if (d == '9') // a 6 turned upside down
            p = QTransform(-1, 0, 0, -1, w, h).map(p);
        break;
    }
    case '7':
        p.moveTo(0, 0);
        p.lineTo(w, 0);
        p.lineTo(0.32 * w, h);
        break;
    case '8':
        p.addEllipse(QRectF(0.08 * w, 0, 0.84 * w, 0.46 * h));
        p.addEllipse(QRectF(0, 0.46 * h, w, 0.54 * h));
        break;
    default:
        break;
    }
    return {p, w};
}

// The capitals of the game's name, in a plain geometric style: straight strokes and circles.
Glyph letterGlyph(char c, double h)
{
    QPainterPath p;
    double w = 0;
    switch (c) {
    case 'T':
        w = 0.78 * h;
        p.moveTo(0, 0);
        p.lineTo(w, 0);
        p.moveTo(w / 2, 0);
        p.lineTo(w / 2, h);
        break;
    case 'A':
        w = 0.86 * h;
        p.moveTo(0, h);
        p.lineTo(w / 2, 0);
        p.lineTo(w, h);
        p.moveTo(0.2 * w, 0.64 * h);
        p.lineTo(0.8 * w, 0.64 * h);
        break;
    case 'R': {
        w = 0.68 * h;
        const double r = 0.26 * h; // radius of the bowl
        const double bx = w - r;   // where the bowl leaves its straight top for the curve
        p.moveTo(0, h);
        p.lineTo(0, 0);
        p.lineTo(bx, 0);
        p.arcTo(QRectF(bx - r, 0, 2 * r, 2 * r), 90, -180);
        p.lineTo(0, 2 * r);
        p.moveTo(0.5 * bx, 2 * r);
        p.lineTo(w, h);
        break;
    }
    case 'E':
        w = 0.6 * h;
        p.moveTo(w, 0);
        p.lineTo(0, 0);
        p.lineTo(0, h);
        p.lineTo(w, h);
        p.moveTo(0, 0.5 * h);
        p.lineTo(0.82 * w, 0.5 * h);
        break;
    case 'M':
        w = 0.86 * h;
        p.moveTo(0, h);
        p.lineTo(0, 0);
        p.lineTo(w / 2, 0.62 * h);
        p.lineTo(w, 0);
        p.lineTo(w, h);
        break;
    case 'O':
        w = h;
        p.addEllipse(QRectF(0, 0, w, h));
        break;
    default:
        break;
    }
    return {p, w};
}

QPen strokePen(const QColor& colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Width of a word's centre lines, its letters `h` high with `gap` between them.
double wordWidth(const char* word, double h, double gap)
{
    double x = 0;
    for (const char* c = word; *c; ++c)
        x += letterGlyph(*c, h).width + (c[1] ? gap : 0);
    return x;
}

// Strokes `word` with its top-left centre-line corner at `origin`; colourOf gives each letter's
// ink.
template <typename ColourOf>
void drawWord(QPainter& painter, const char* word, QPointF origin, double h, double gap,
              double penWidth, ColourOf colourOf)
{
    double x = origin.x();
    for (int i = 0; word[i]; ++i) {
        const Glyph g = letterGlyph(word[i], h);
        painter.setPen(strokePen(colourOf(i), penWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(g.path.translated(x, origin.y()));
        x += g.width + gap;
    }
}

// Strokes digit `d` centred in `cell`, `h` high.
void drawDigit(QPainter& painter, char d, const QRectF& cell, double h, double penWidth,
               const QColor& colour)
{
    const Glyph g = digitGlyph(d, h);
    const QPointF topLeft = cell.center() - QPointF(g.width / 2, h / 2);
    painter.setPen(strokePen(colour, penWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(g.path.translated(topLeft));
}

// Small pencil marks in the nine spots of a cell, for the digits listed.
void drawPencilMarks(QPainter& painter, const char* digits, const QRectF& cell,
                     const QColor& colour)
{
    const double spot = cell.width() / 3;
    const double h = 0.52 * spot;
    for (const char* d = digits; *d; ++d) {
        const int k = *d - '1', row = k / 3, column = k % 3;
        const QRectF box(cell.left() + column * spot, cell.top() + row * spot, spot, spot);
        drawDigit(painter, *d, box, h, 1.3, colour);
    }
}

// The title picture: one 3x3 block of a grid in the middle of a game, and the name beneath it.
QImage drawTitle(int scale)
{
    QImage image(330 * scale, 285 * scale, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const double cell = 44;
    const QRectF block(330 / 2.0 - 1.5 * cell, 26, 3 * cell, 3 * cell);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kPaperShade);
    painter.drawRoundedRect(block.translated(7, 7).adjusted(-2, -2, 2, 2), 5, 5);
    painter.setBrush(kCell);
    painter.drawRect(block);

    // Row by row: a digit, ' ' for an empty cell, '*' for the selected cell, 'p' for pencil marks.
    const char* const layout = "5 8"
                               "p3 "
                               "1*7";
    const auto cellRect = [&](int k) {
        const int row = k / 3, column = k % 3;
        return QRectF(block.left() + column * cell, block.top() + row * cell, cell, cell);
    };
    for (int k = 0; k < 9; ++k) {
        if (layout[k] == '*') {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kCoral);
            painter.drawRect(cellRect(k));
        } else if (k % 3 == 1 || k / 3 == 2) { // the selected cell's column and row
            painter.setPen(Qt::NoPen);
            painter.setBrush(kTint);
            painter.drawRect(cellRect(k));
        }
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.5));
    for (int i = 1; i < 3; ++i) {
        const double x = block.left() + i * cell;
        const double y = block.top() + i * cell;
        painter.drawLine(QPointF(x, block.top()), QPointF(x, block.bottom()));
        painter.drawLine(QPointF(block.left(), y), QPointF(block.right(), y));
    }
    painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(block);

    for (int k = 0; k < 9; ++k) {
        const char c = layout[k];
        if (c >= '1' && c <= '9')
            drawDigit(painter, c, cellRect(k), 22, 3.4, kInk);
        else if (c == '*')
            drawDigit(painter, '4', cellRect(k), 22, 3.4, Qt::white);
        else if (c == 'p')
            drawPencilMarks(painter, "269", cellRect(k).adjusted(3, 3, -3, -3), kInk);
    }

    // The name, its three syllables in turn ink, coral, ink.
    const double h = 46;
    const double gap = 0.22 * h;
    const double nameTop = 204;
    const double left = (330 - wordWidth("TAREMO", h, gap)) / 2;
    drawWord(painter, "TAREMO", QPointF(left, nameTop), h, gap, 7.5,
             [](int i) { return i / 2 == 1 ? kCoral : kInk; });

    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// The icon at `size` pixels: a rounded ink tile holding a 3x3 block, its centre cell picked out.
// It is laid out on a 32-unit grid so that at 32 pixels every edge falls on a whole pixel.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);

    for (int k = 0; k < 9; ++k) {
        const int row = k / 3, column = k % 3;
        const QRectF cell(2 + column * 10, 2 + row * 10, 8, 8);
        painter.setBrush(k == 4 ? kCoral : kPaper);
        painter.drawRoundedRect(cell, 1.2, 1.2);
    }
    // Two placed digits, drawn as simple ink bars so they read even at 32 pixels.
    painter.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
    painter.drawLine(QPointF(26, 23.5), QPointF(26, 28.5));
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(16, 13.5), QPointF(16, 18.5));

    painter.end();
    return image;
}

// The icon as SVG text: the very shapes of drawIcon on its 32-unit grid, for any size.
QByteArray iconSvg()
{
    const auto hex = [](const QColor& colour) { return colour.name().toLatin1(); };
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                     "viewBox=\"0 0 32 32\">\n"
                     "  <rect width=\"32\" height=\"32\" rx=\"5\" fill=\"" +
                     hex(kInk) + "\"/>\n";
    for (int k = 0; k < 9; ++k) {
        svg += "  <rect x=\"" + QByteArray::number(2 + (k % 3) * 10) + "\" y=\"" +
               QByteArray::number(2 + (k / 3) * 10) +
               "\" width=\"8\" height=\"8\" rx=\"1.2\" fill=\"" + hex(k == 4 ? kCoral : kPaper) +
               "\"/>\n";
    }
    svg += "  <path d=\"M6 3.5V8.5M26 23.5V28.5\" stroke=\"" + hex(kInk) +
           "\" stroke-width=\"1.6\"/>\n"
           "  <path d=\"M16 13.5V18.5\" stroke=\"#ffffff\" stroke-width=\"1.6\"/>\n"
           "</svg>\n";
    return svg;
}

// The About box's title: the name in dark capitals, pressed into light grey.
QImage drawAboutTitle(int scale)
{
    QImage image(146 * scale, 28 * scale, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const double h = 16;
    const double gap = 0.5 * h;
    const QPointF origin((146 - wordWidth("TAREMO", h, gap)) / 2, (28 - h) / 2);
    drawWord(painter, "TAREMO", origin + QPointF(0.8, 0.8), h, gap, 2.8,
             [](int) { return QColor(0xEC, 0xEC, 0xEC); });
    drawWord(painter, "TAREMO", origin, h, gap, 2.8, [](int) { return QColor(0x1C, 0x24, 0x30); });

    painter.end();
    return image;
}

// The About box's emblem: a red 3x3 block stood on its corner, on black. The corner and centre
// tiles are solid, the four between them only outlined.
QImage drawAboutEmblem(int scale)
{
    QImage image(52 * scale, 53 * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.translate(26, 26.5);
    painter.rotate(45);

    const QColor red(0xD8, 0x1E, 0x2A);
    const double tile = 9.5;
    const double step = 11.5;
    for (int k = 0; k < 9; ++k) {
        const int row = k / 3 - 1, column = k % 3 - 1; // from the middle tile
        const QRectF r(column * step - tile / 2, row * step - tile / 2, tile, tile);
        if (k % 2 == 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(red);
            painter.drawRect(r);
        } else {
            painter.setPen(QPen(red, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(1, 1, -1, -1));
        }
    }

    painter.end();
    return image;
}

bool save(const QImage& image, const QDir& dir, const char* name, const char* format, int quality)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "draw_art: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_art <resources folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "draw_art: no folder %s\n", argv[1]);
        return 2;
    }

    // PNG quality 0 asks for the strongest compression; the JPEGs stay sharp at 92.
    bool ok = true;
    for (const int size : {16, 48, 64, 128, 256}) {
        const QByteArray name = "icon-" + QByteArray::number(size) + ".png";
        ok = save(drawIcon(size), dir, name.constData(), "PNG", 0) && ok;
    }
    QFile svg(dir.filePath("icon.svg"));
    ok = svg.open(QIODevice::WriteOnly) && svg.write(iconSvg()) > 0 && ok;
    for (int scale = 1; scale <= 3; ++scale) {
        const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
        const auto name = [&](const char* stem, const char* extension) {
            return stem + suffix + extension;
        };
        ok = save(drawTitle(scale), dir, name("title", ".png").c_str(), "PNG", 0) && ok;
        ok = save(drawIcon(32 * scale), dir, name("icon", ".png").c_str(), "PNG", 0) && ok;
        ok =
            save(drawAboutTitle(scale), dir, name("about_title", ".jpg").c_str(), "JPEG", 92) && ok;
        ok = save(drawAboutEmblem(scale), dir, name("about_emblem", ".jpg").c_str(), "JPEG", 92) &&
             ok;
    }
    return ok ? 0 : 1;
}
