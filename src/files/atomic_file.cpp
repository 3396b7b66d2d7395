#include "files/atomic_file.h"

#include <fstream>
#include <system_error>

namespace files {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const char* what, const fs::path& path) {
    throw fs::filesystem_error(what, path, std::make_error_code(std::errc::io_error));
}

} // namespace

std::vector<std::uint8_t> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw fs::filesystem_error("Cannot open file", path,
                                   std::make_error_code(std::errc::no_such_file_or_directory));
    }
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) fail("Cannot read file", path);
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() &&
        !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        fail("Cannot read file", path);
    return bytes;
}

void writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    fs::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) fail("Cannot create file", temporary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            fail("Cannot write file", temporary);
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw fs::filesystem_error("Cannot replace file", temporary, path, error);
    }
}

void writeFileAtomically(const fs::path& path, const std::string& text) {
    writeFileAtomically(path,
                        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace files
