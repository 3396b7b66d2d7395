#include "files/file_errors.h"

#include <cerrno>

namespace files {

namespace {

std::string systemText(std::error_code error) {
    std::string text = error.message();
    // The system's own words, as a clause: "Too many links" -> "too many links".
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] + 32);
    return text;
}

} // namespace

std::string describeFileError(std::error_code error, FileAccess access) {
    const bool writing = access == FileAccess::Write;
    // The portable condition: on every system the codes of the C library's errno.
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() != std::generic_category()) return systemText(error);
    switch (condition.value()) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "the disk is full";
    case EACCES:
    case EPERM:
        return writing ? "you do not have permission to write there"
                       : "you do not have permission to read it";
    case ENOENT:
        return writing ? "the folder does not exist" : "the file does not exist";
    case ENOTDIR:
        return "a part of the path is not a folder";
    case ENAMETOOLONG:
        return "the path is too long";
    case EROFS:
        return "the disk is read-only";
    case EISDIR:
        return "it is a folder, not a file";
    case EIO:
        return writing ? "the disk could not be written (input/output error)"
                       : "the disk could not be read (input/output error)";
    case EMFILE:
    case ENFILE:
        return "too many files are open";
    case ENOMEM:
        return "there is not enough memory";
    case EBUSY:
    case ETXTBSY:
        return "the file is in use";
    case EFBIG:
        return "the file is too large";
    case ELOOP:
        return "the path has too many symbolic links";
    default:
        return systemText(error);
    }
}

std::string openErrorText(const std::filesystem::path& path, std::string_view cause) {
    return "Could not open " + path.string() + ": " + std::string(cause) + '.';
}

std::string saveErrorText(std::string_view what, const std::filesystem::path& path,
                          std::string_view cause) {
    std::string text = "Could not save ";
    if (!what.empty()) text += std::string(what) + " to ";
    return text + path.string() + ": " + std::string(cause) + '.';
}

} // namespace files
