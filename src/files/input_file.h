#pragma once
// A regular file opened for reading. Opening checks what the path names before anything
// is read: a folder, a pipe that nobody writes to, a device such as /dev/zero or a socket
// is refused at once, so a reader can neither wait forever nor read without end.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace files {

class InputFile {
  public:
    // Throws EFileError ("Could not open …: …").
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The size when the file was opened; reading never goes beyond it.
    std::uint64_t size() const { return size_; }
    // Up to n further bytes, fewer at the end of the file. Throws EFileError.
    std::vector<std::uint8_t> read(std::size_t n);

  private:
    std::filesystem::path path_;
    std::uint64_t size_ = 0;
    std::uint64_t consumed_ = 0;
#if defined(__unix__) || defined(__APPLE__)
    int descriptor_ = -1;
#else
    void* stream_ = nullptr; // a C stream where the system offers no file descriptors
#endif
};

} // namespace files
