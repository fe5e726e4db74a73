// Prints src/puzzle/grid_table.cpp, the catalogue's 250 solved grids, from a fixed seed.
//
// Built with the tests (or `cmake --build build --target grid_generator`); from the root:
//   build/grid_generator > src/puzzle/grid_table.cpp
// The test Tools.GridTableAndArtworkAreWhatTheToolsWrite shows that the table is its output.
//
// The output is the same on every run, compiler and standard library: the tool draws from its
// own splitmix64 sequence and does its own shuffling instead of using <random>'s distributions,
// whose results are left to each library. It exits non-zero, printing nothing on stdout, if the
// table cannot be made.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kGridCount = 250;
constexpr int kCellCount = 81;
constexpr std::uint64_t kSeed = 0x7A4E30C15D2B9F86ULL;

// The opening grids of the catalogue; saved games refer to grids by number, so these keep
// their places and the generated ones follow.
constexpr std::array<const char*, 3> kFixedGrids = {
    "358764291297318465164925837782651349643279158519843672825496713976132584431587926",
    "291385476367149528845267391732456819584791632916823745423518967159674283678932154",
    "812596734357248169469713285293475618741689352586132947128357496635924871974861523",
};

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, bound). Draws at or above the last whole multiple of `bound` are thrown
    // away so that small bounds carry no modulo bias.
    std::uint64_t below(std::uint64_t bound)
    {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        std::uint64_t x;
        do {
            x = next();
        } while (x >= limit);
        return x % bound;
    }

private:
    std::uint64_t m_state;
};

int boxOf(int row, int col) { return row / 3 * 3 + col / 3; }

// Fills cells `cell`..80 of `grid` row by row, trying the digits of each cell in a fresh random
// order; the masks hold the digits already used in each row, column and box.
bool fill(std::string& grid, int cell, std::array<int, 9>& rows, std::array<int, 9>& cols,
          std::array<int, 9>& boxes, SplitMix64& rng)
{
    if (cell == kCellCount)
        return true;
    const int r = cell / 9, c = cell % 9, b = boxOf(r, c);
    std::array<int, 9> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 8; i > 0; --i)
        std::swap(digits[i], digits[rng.below(i + 1)]);
    for (int d : digits) {
        const int bit = 1 << d;
        if ((rows[r] | cols[c] | boxes[b]) & bit)
            continue;
        rows[r] |= bit;
        cols[c] |= bit;
        boxes[b] |= bit;
        grid[cell] = static_cast<char>('0' + d);
        if (fill(grid, cell + 1, rows, cols, boxes, rng))
            return true;
        rows[r] &= ~bit;
        cols[c] &= ~bit;
        boxes[b] &= ~bit;
    }
    return false;
}

std::string randomGrid(SplitMix64& rng)
{
    std::string grid(kCellCount, '0');
    std::array<int, 9> rows{}, cols{}, boxes{};
    fill(grid, 0, rows, cols, boxes, rng); // an empty grid always completes
    return grid;
}

// Checked independently of fill(): every row, column and box holds 1..9 once.
bool isSolved(const std::string& grid)
{
    if (grid.size() != static_cast<std::size_t>(kCellCount))
        return false;
    std::array<int, 9> rows{}, cols{}, boxes{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const char ch = grid[cell];
        if (ch < '1' || ch > '9')
            return false;
        const int bit = 1 << (ch - '0'), r = cell / 9, c = cell % 9;
        rows[r] |= bit;
        cols[c] |= bit;
        boxes[boxOf(r, c)] |= bit;
    }
    constexpr int kAll = 0x3FE; // bits 1..9
    for (int i = 0; i < 9; ++i)
        if (rows[i] != kAll || cols[i] != kAll || boxes[i] != kAll)
            return false;
    return true;
}

// Renames the digits in order of first appearance, so renamed copies of a grid coincide.
std::string relabel(const std::string& grid)
{
    std::array<char, 10> name{};
    char nextName = '1';
    std::string out(grid.size(), '0');
    for (std::size_t i = 0; i < grid.size(); ++i) {
        char& n = name[grid[i] - '0'];
        if (n == 0)
            n = nextName++;
        out[i] = n;
    }
    return out;
}

// One key for a grid, its renamings, its transpose and the transpose's renamings.
std::string canonicalKey(const std::string& grid)
{
    std::string transposed(kCellCount, '0');
    for (int cell = 0; cell < kCellCount; ++cell)
        transposed[cell % 9 * 9 + cell / 9] = grid[cell];
    return std::min(relabel(grid), relabel(transposed));
}

void printTable(const std::vector<std::string>& table)
{
    std::printf("// The catalogue's %d solved grids, cell 1 first; written by "
                "tools/grid_generator.cpp,\n// so change the tool and run it again rather than "
                "editing this file.\n",
                kGridCount);
    std::printf("#include \"puzzle/grid_table.h\"\n\nnamespace taremo {\n\n");
    std::printf("const char kGridTable[kGridCount][kCellCount + 1] = {\n");
    for (std::size_t i = 0; i < table.size(); ++i)
        std::printf("    \"%s\", // %zu\n", table[i].c_str(), i + 1);
    std::printf("};\n\n} // namespace taremo\n");
}

} // namespace

int main()
{
    std::vector<std::string> table;
    std::set<std::string> keys;
    for (const char* fixed : kFixedGrids) {
        const std::string grid = fixed;
        if (!isSolved(grid)) {
            std::fprintf(stderr, "fixed grid %zu is not a solved grid\n", table.size() + 1);
            return 1;
        }
        if (!keys.insert(canonicalKey(grid)).second) {
            std::fprintf(stderr, "fixed grid %zu repeats an earlier one\n", table.size() + 1);
            return 1;
        }
        table.push_back(grid);
    }

    SplitMix64 rng(kSeed);
    int rejected = 0;
    while (table.size() < static_cast<std::size_t>(kGridCount)) {
        std::string grid = randomGrid(rng);
        if (!isSolved(grid)) {
            std::fprintf(stderr, "the filler produced an unsolved grid: %s\n", grid.c_str());
            return 1;
        }
        if (!keys.insert(canonicalKey(grid)).second) {
            ++rejected;
            continue;
        }
        table.push_back(std::move(grid));
    }

    printTable(table);
    std::fprintf(stderr, "%d grids (%zu fixed), %d rejected as equivalent to an earlier one\n",
                 kGridCount, kFixedGrids.size(), rejected);
    return 0;
}
