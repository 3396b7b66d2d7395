#include "files/qs300_files.h"

#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/file_errors.h"
#include "image/voice_catalogue.h"
#include "image/voice_dump.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace files {
namespace {

constexpr std::string_view kVoiceWhat = "the QS300 voice";
constexpr std::string_view kBankWhat = "the QS300 bank";

[[noreturn]] void refuse(const std::filesystem::path& path, const std::string& cause) {
    throw EFileError(openErrorText(path, cause), std::make_error_code(std::errc::invalid_argument));
}

std::string byteCount(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

} // namespace

image::VoiceRecord readVoiceFile(const std::filesystem::path& path) {
    // One byte more than a voice, so that a longer file is told apart from a huge one.
    const auto bytes = readWholeFile(path, image::kVoiceRecordSize + 1);
    if (bytes.size() != image::kVoiceRecordSize)
        refuse(path, "a QS300 voice file holds " + byteCount(image::kVoiceRecordSize) +
                         ", this one " +
                         (bytes.size() > image::kVoiceRecordSize ? std::string("more")
                                                                 : byteCount(bytes.size())));
    image::VoiceRecord voice{};
    std::transform(bytes.begin(), bytes.end(), voice.begin(),
                   [](std::uint8_t b) { return static_cast<image::Byte>(b & 0x7F); });
    return voice;
}

std::size_t readBankFile(const std::filesystem::path& path, image::VoiceBank& bank) {
    const auto bytes = readWholeFile(path, image::kBankSize + 1);
    if (bytes.size() > image::kBankSize)
        refuse(path, "a QS300 bank file holds at most " + byteCount(image::kBankSize));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bank[i / image::kVoiceRecordSize][i % image::kVoiceRecordSize] =
            static_cast<image::Byte>(bytes[i] & 0x7F);
    return bytes.size();
}

void writeVoiceFile(const std::filesystem::path& path, const image::VoiceRecord& voice) {
    writeFileAtomically(path, std::span<const std::uint8_t>(voice), kVoiceWhat);
}

void writeBankFile(const std::filesystem::path& path, const image::VoiceBank& bank) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(image::kBankSize);
    for (const auto& voice : bank) bytes.insert(bytes.end(), voice.begin(), voice.end());
    writeFileAtomically(path, std::span<const std::uint8_t>(bytes), kBankWhat);
}

std::string proposedVoiceFileName(const image::VoiceRecord& voice) {
    std::string name = image::voiceRecordName(voice);
    // Characters no file system takes become blanks; the length stays ten.
    for (char& c : name)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = ' ';
    return name + std::string(kVoiceFileExtension);
}

std::filesystem::path withDefaultExtension(const std::filesystem::path& path,
                                           std::string_view extension) {
    if (path.filename().string().find('.') != std::string::npos) return path;
    auto named = path;
    named += std::string(extension);
    return named;
}

image::VoiceRecord partVoiceRecord(const image::SynthImage& image, int part) {
    part = std::clamp(part, 0, image::kPartCount - 1);
    const auto p = static_cast<std::size_t>(part);
    const bool secondHalf = image.userVoiceKind[p] == image::kXgVoice && part > 0 &&
                            (image.pairFlagLow[p] != 0 || image.pairFlagHigh[p] != 0);
    return image::voiceRecordFromDump(image.partVoices[secondHalf ? p - 1 : p]);
}

} // namespace files
