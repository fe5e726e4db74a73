// Build step for the Windows build: gathers PNG pictures of the game's icon, one per size, into
// the .ico file that the executable's resources carry (Windows reads PNG entries in icons).
//
//   make_icon <output.ico> <picture.png>...
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "make_icon: %s\n", message.c_str());
    return 1;
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void putLittle(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return fail("usage: make_icon <output.ico> <picture.png>...");
    // Width and height sit in the PNG header; an icon holds one picture of each size, smallest
    // first.
    std::map<std::uint32_t, std::string> bySize;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string png{std::istreambuf_iterator<char>(in), {}};
        if (png.size() < 24 || png.compare(1, 3, "PNG") != 0 || png.compare(12, 4, "IHDR") != 0)
            return fail(std::string("not a PNG picture: ") + argv[i]);
        const std::uint32_t width = bigEndian(png, 16), height = bigEndian(png, 20);
        if (width != height || width == 0 || width > 256)
            return fail(std::string("not a square of 1 to 256 pixels: ") + argv[i]);
        bySize[width] = png;
    }
    std::string out;
    putLittle(out, 0, 2);
    putLittle(out, 1, 2); // an icon, not a cursor
    putLittle(out, static_cast<std::uint32_t>(bySize.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * bySize.size());
    for (const auto& [size, png] : bySize) {
        putLittle(out, size & 0xFF, 1); // 256 is written as 0
        putLittle(out, size & 0xFF, 1);
        putLittle(out, 0, 2); // no palette, reserved
        putLittle(out, 1, 2); // planes
        putLittle(out, 32, 2);
        putLittle(out, static_cast<std::uint32_t>(png.size()), 4);
        putLittle(out, offset, 4);
        offset += static_cast<std::uint32_t>(png.size());
    }
    for (const auto& entry : bySize)
        out += entry.second;
    std::ofstream file(argv[1], std::ios::binary);
    file << out;
    return file.good() ? 0 : fail(std::string("cannot write ") + argv[1]);
}
