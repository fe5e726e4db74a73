// A temporary folder for one test, and the exact bytes of the files in it.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace taremo::test {

// The whole content of `file`, or "" when it cannot be read.
inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes `bytes` to `file` as they are, making its folder if need be.
inline std::filesystem::path writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

// A new empty folder of its own under the system's temporary folder; removed with all it holds,
// read-only marks included, when the object goes.
class TempDir {
public:
    TempDir()
    {
        static std::atomic<unsigned> serial{0};
        do {
            m_path = std::filesystem::temp_directory_path() /
                     ("taremo_test_" + std::to_string(std::random_device{}()) + "_" +
                      std::to_string(serial++));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
        for (auto it = fs::recursive_directory_iterator(m_path, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error))
            if (it->is_directory(error) && !it->is_symlink(error))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(m_path, error);
    }
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace taremo::test
