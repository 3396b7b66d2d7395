#include "files/input_file.h"

#include "files/errors.h"
#include "files/file_errors.h"
#include "files/posix_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace files {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void refuse(const fs::path& path, std::error_code error) {
    throw EFileError(openErrorText(path, describeFileError(error, FileAccess::Read)), error);
}

[[noreturn]] void refuseNotRegular(const fs::path& path, bool folder) {
    const auto error =
        std::make_error_code(folder ? std::errc::is_a_directory : std::errc::invalid_argument);
    throw EFileError(
        openErrorText(path, folder ? "it is a folder, not a file" : "it is not a regular file"),
        error);
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

#ifdef XGORVO_POSIX_FILES

InputFile::InputFile(const fs::path& path) : path_(path) {
    // Without O_NONBLOCK, opening a pipe waits until someone opens its other end.
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor_ < 0) refuse(path, lastError());
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        const auto error = lastError();
        ::close(descriptor_);
        refuse(path, error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        refuseNotRegular(path, S_ISDIR(status.st_mode));
    }
    ::fcntl(descriptor_, F_SETFL, ::fcntl(descriptor_, F_GETFL) & ~O_NONBLOCK);
    size_ = static_cast<std::uint64_t>(status.st_size);
}

InputFile::~InputFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

std::vector<std::uint8_t> InputFile::read(std::size_t n) {
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(n, size_ - consumed_)));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const auto got = ::read(descriptor_, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) refuse(path_, lastError());
        if (got == 0) break; // the file became shorter since it was opened
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    consumed_ += filled;
    return bytes;
}

#else

InputFile::InputFile(const fs::path& path) : path_(path) {
    std::error_code error;
    const auto status = fs::status(path, error);
    if (error) refuse(path, error);
    if (!fs::is_regular_file(status)) refuseNotRegular(path, fs::is_directory(status));
    size_ = fs::file_size(path, error);
    if (error) refuse(path, error);
    errno = 0;
    stream_ = std::fopen(path.string().c_str(), "rb");
    if (stream_ == nullptr)
        refuse(path, errno != 0 ? lastError() : std::make_error_code(std::errc::io_error));
}

InputFile::~InputFile() {
    if (stream_ != nullptr) std::fclose(static_cast<std::FILE*>(stream_));
}

std::vector<std::uint8_t> InputFile::read(std::size_t n) {
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(n, size_ - consumed_)));
    auto* stream = static_cast<std::FILE*>(stream_);
    const std::size_t filled = std::fread(bytes.data(), 1, bytes.size(), stream);
    if (filled < bytes.size() && std::ferror(stream))
        refuse(path_, std::make_error_code(std::errc::io_error));
    bytes.resize(filled);
    consumed_ += filled;
    return bytes;
}

#endif

} // namespace files
