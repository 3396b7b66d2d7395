#pragma once
// A fresh folder for one test, removed with everything in it afterwards. Its name carries
// a random number so that tests run in parallel never share one.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace testfiles {

class TempFolder {
  public:
    explicit TempFolder(std::string_view name,
                        const std::filesystem::path& base = std::filesystem::temp_directory_path())
        : path_(base /
                ("xgorvo_" + std::string(name) + '_' + std::to_string(std::random_device{}()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Names in the folder, to find temporaries left behind.
    std::size_t entryCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_),
                                                      std::filesystem::directory_iterator()));
    }

  private:
    std::filesystem::path path_;
};

// A folder in memory where the system offers one: the flushes of a thousand saves then
// cost nothing, and the test stays fast.
inline std::filesystem::path memoryFolderBase() {
    std::error_code ignored;
    return std::filesystem::is_directory("/dev/shm", ignored)
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::temp_directory_path();
}

inline void writeText(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace testfiles
