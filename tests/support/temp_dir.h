// A temporary folder for one test, and the exact bytes of the files in it.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace taremo::test {

// The whole content of `file`, or "" when it cannot be read.
inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
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
        const auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("taremo_test_" + std::to_string(std::random_device{}()) + "_" +
                             std::to_string(serial++));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempDir()
    {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_directory(error) && !it->is_symlink(error))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, error);
        }
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace taremo::test
