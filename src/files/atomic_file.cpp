#include "files/atomic_file.h"

#include "files/errors.h"
#include "files/file_errors.h"
#include "files/input_file.h"
#include "files/posix_files.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <sstream>
#include <utility>

namespace files {

namespace fs = std::filesystem;

namespace {

// Tries before giving up on finding an unused temporary name; a clash is already unlikely.
constexpr int kNameAttempts = 64;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

[[noreturn]] void saveFailed(std::string_view what, const fs::path& path, std::error_code error) {
    throw EFileError(saveErrorText(what, path, describeFileError(error, FileAccess::Write)), error);
}

// Replacing a folder, a device or a dangling link with a regular file would destroy
// something that is not ours to replace.
[[noreturn]] void refuseToReplace(std::string_view what, const fs::path& path, bool folder) {
    const auto error =
        std::make_error_code(folder ? std::errc::is_a_directory : std::errc::invalid_argument);
    throw EFileError(saveErrorText(what, path,
                                   folder ? "it is a folder, not a file"
                                          : "it is not a regular file and is left as it is"),
                     error);
}

// A symbolic link to a file (a configuration kept with the user's other settings, say)
// stays a link: the save replaces the file it names. A link to anything else, or to
// nothing, is refused like the thing itself.
fs::path linkTarget(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

// ".NAME.<random>.tmp" in the target's folder: the same file system, so the rename is one
// atomic step, and hidden from the file dialogs.
fs::path temporaryNameFor(const fs::path& path, std::random_device& random) {
    std::ostringstream name;
    name << '.' << path.filename().string() << '.' << std::hex << random() << random() << ".tmp";
    return path.parent_path() / name.str();
}

#ifdef XGORVO_POSIX_FILES

// The temporary file of one save: closed and removed on every way out unless it was put
// in place.
class Temporary {
  public:
    Temporary(const fs::path& target, std::string_view what, const std::error_code& fault) {
        if (fault) saveFailed(what, target, fault);
        std::random_device random;
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            path_ = temporaryNameFor(target, random);
            // 0666 lets the user's umask decide, as for any new file.
            descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor_ >= 0) return;
            if (errno != EEXIST && errno != EINTR) break;
        }
        const auto error = lastError();
        path_.clear();
        saveFailed(what, target, error);
    }
    ~Temporary() {
        if (descriptor_ >= 0) ::close(descriptor_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int descriptor() const { return descriptor_; }
    const fs::path& path() const { return path_; }
    std::error_code close() {
        const int result = ::close(std::exchange(descriptor_, -1));
        return result == 0 ? std::error_code{} : lastError();
    }
    void keep() { path_.clear(); }

  private:
    fs::path path_;
    int descriptor_ = -1;
};

std::error_code writeAll(int descriptor, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return lastError();
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

// Data on the disk, not just in the system's cache; macOS needs its own request for that.
std::error_code flushToDisk(int descriptor) {
#ifdef F_FULLFSYNC
    if (::fcntl(descriptor, F_FULLFSYNC) == 0) return {};
#endif
    return ::fsync(descriptor) == 0 ? std::error_code{} : lastError();
}

// The rename itself is only durable once the folder's entry is on the disk. Some file
// systems cannot flush a folder; the new file is in place either way.
void flushFolder(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

void save(const fs::path& path, std::span<const std::uint8_t> bytes, std::string_view what,
          const SaveFaults& faults) {
    struct stat existing {};
    const bool replacing = ::lstat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        refuseToReplace(what, path, S_ISDIR(existing.st_mode));

    Temporary temporary(path, what, faults.create);
    // The new version keeps the permissions the user gave the old one.
    if (replacing) ::fchmod(temporary.descriptor(), existing.st_mode & 07777);
    std::error_code error = faults.write ? faults.write : writeAll(temporary.descriptor(), bytes);
    if (!error) error = flushToDisk(temporary.descriptor());
    if (!error) error = temporary.close();
    if (!error) error = faults.rename;
    if (!error && ::rename(temporary.path().c_str(), path.c_str()) != 0) error = lastError();
    if (error) saveFailed(what, path, error);
    temporary.keep();
    flushFolder(path);
}

#else

void save(const fs::path& path, std::span<const std::uint8_t> bytes, std::string_view what,
          const SaveFaults& faults) {
    std::error_code error;
    const auto existing = fs::symlink_status(path, error);
    const bool replacing = !error && fs::exists(existing);
    if (replacing && !fs::is_regular_file(existing))
        refuseToReplace(what, path, fs::is_directory(existing));

    std::random_device random;
    fs::path temporary;
    std::FILE* stream = nullptr;
    if (faults.create) saveFailed(what, path, faults.create);
    for (int attempt = 0; attempt < kNameAttempts && stream == nullptr; ++attempt) {
        temporary = temporaryNameFor(path, random);
        errno = 0;
        stream = std::fopen(temporary.string().c_str(), "wbx"); // x: created exclusively
        if (stream == nullptr && errno != EEXIST) break;
    }
    if (stream == nullptr)
        saveFailed(what, path,
                   errno != 0 ? lastError() : std::make_error_code(std::errc::io_error));

    error = faults.write;
    if (!error && std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size())
        error = lastError();
    if (!error && std::fflush(stream) != 0) error = lastError();
    if (std::fclose(stream) != 0 && !error) error = lastError();
    if (!error && replacing) fs::permissions(temporary, existing.permissions(), error);
    if (!error) error = faults.rename;
    if (!error) fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        saveFailed(what, path, error);
    }
}

#endif

} // namespace

std::vector<std::uint8_t> readWholeFile(const fs::path& path, std::size_t limit) {
    InputFile file(path);
    if (file.size() > limit) {
        throw EFileError(openErrorText(path, "the file is too large"),
                         std::make_error_code(std::errc::file_too_large));
    }
    return file.read(static_cast<std::size_t>(file.size()));
}

void writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes,
                         std::string_view what, const SaveFaults& faults) {
    save(linkTarget(path), bytes, what, faults);
}

void writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes,
                         std::string_view what) {
    writeFileAtomically(path, bytes, what, SaveFaults{});
}

void writeFileAtomically(const fs::path& path, const std::string& text, std::string_view what) {
    writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), what);
}

} // namespace files
