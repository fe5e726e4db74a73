// Build step: turns a picture file into C++ source holding it as runs of equal pixels, so that
// the game shows its first window without a picture decoder (see src/widgets/packed_picture.h).
//
//   pack_picture <picture> <output.cpp> <variable name> [spare]
//
// The output defines `const taremo::PackedPicture <name>` in namespace taremo. With "spare", for
// the pictures that only scaled-up screens show, the pixels go into a section of their own, away
// from what every start reads: the loader then leaves their pages on the disk, where they would
// otherwise come into memory with their neighbours.
#include <QFileInfo>
#include <QImage>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Run {
    unsigned colour; // index into the colour table
    unsigned count;
};

constexpr unsigned kMaxRun = 0xFFFF;

int fail(const std::string& message)
{
    std::fprintf(stderr, "pack_picture: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool spare = argc == 5 && std::string(argv[4]) == "spare";
    if (argc != 4 && !spare)
        return fail("usage: pack_picture <picture> <output.cpp> <variable name> [spare]");
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull())
        return fail(std::string("cannot read ") + argv[1]);
    const bool opaque = !image.hasAlphaChannel();
    image = image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);

    std::vector<QRgb> colours;
    std::map<QRgb, unsigned> indexOf;
    std::vector<Run> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = opaque ? (line[x] | 0xFF000000u) : line[x];
            const auto [it, added] = indexOf.try_emplace(pixel, unsigned(colours.size()));
            if (added)
                colours.push_back(pixel);
            if (!runs.empty() && runs.back().colour == it->second && runs.back().count < kMaxRun)
                ++runs.back().count;
            else
                runs.push_back({it->second, 1});
        }
    }
    if (colours.size() > 0x10000)
        return fail("more than 65536 colours");

    std::ofstream out(argv[2], std::ios::binary);
    out << "// Made by tools/pack_picture from "
        << QFileInfo(QString::fromLocal8Bit(argv[1])).fileName().toStdString()
        << " at build time.\n"
        << "#include \"widgets/packed_picture.h\"\n\n";
    const char* const place = spare ? "PLACE " : "";
    if (spare) {
        out << "#if defined(__ELF__)\n"
            << "#define PLACE __attribute__((section(\"taremo_spare_pictures\")))\n"
            << "#else\n#define PLACE\n#endif\n\n";
    }
    out << "namespace taremo {\nnamespace {\n\n" << place << "const std::uint32_t kColours[] = {";
    char number[16];
    for (std::size_t i = 0; i < colours.size(); ++i) {
        std::snprintf(number, sizeof number, "0x%08X,", colours[i]);
        out << (i % 8 == 0 ? "\n    " : " ") << number;
    }
    out << "\n};\n\n// Colour index, then how many pixels in a row have it.\n"
        << place << "const std::uint16_t kRuns[] = {";
    for (std::size_t i = 0; i < runs.size(); ++i)
        out << (i % 8 == 0 ? "\n    " : " ") << runs[i].colour << ',' << runs[i].count << ',';
    out << "\n};\n\n} // namespace\n\nconst PackedPicture " << argv[3] << "{" << image.width()
        << ", " << image.height() << ", " << (opaque ? "true" : "false")
        << ", kColours, std::size(kColours), kRuns, std::size(kRuns)};\n\n} // namespace taremo\n";
    return out.good() ? 0 : fail(std::string("cannot write ") + argv[2]);
}
