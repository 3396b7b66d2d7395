#pragma once
// QS300 voice files (.QVC: one voice, 382 bytes) and bank files (.QVB: the 128 voices of
// the user bank, 48896 bytes), raw voice records without any header.
//
// Reading never half-changes anything: a file is read whole and checked before the voice
// or the bank is touched. Bytes above 7F are cut to 7 bits, since the module takes only
// 7-bit data and a stray high bit would end the voice dump early. Saves go through the
// atomic writer, so a failed save leaves the old file as it was.

#include "image/synth_image.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

inline constexpr std::string_view kVoiceFileExtension = ".QVC";
inline constexpr std::string_view kBankFileExtension = ".QVB";

// Throws EFileError for a file that cannot be read or does not hold exactly 382 bytes.
image::VoiceRecord readVoiceFile(const std::filesystem::path& path);

// Fills the bank from the start with as many bytes as the file holds (a shorter file
// fills only the first voices) and returns that count. Throws EFileError, leaving the
// bank untouched, for a file that cannot be read or is longer than a bank.
std::size_t readBankFile(const std::filesystem::path& path, image::VoiceBank& bank);

// Throw EFileError when the file cannot be written.
void writeVoiceFile(const std::filesystem::path& path, const image::VoiceRecord& voice);
void writeBankFile(const std::filesystem::path& path, const image::VoiceBank& bank);

// The name a voice is saved under at first: the 10-character name, blanks kept, + ".QVC".
std::string proposedVoiceFileName(const image::VoiceRecord& voice);

// A name the user typed without any dot gets the extension.
std::filesystem::path withDefaultExtension(const std::filesystem::path& path,
                                           std::string_view extension);

// The voice a part plays: its own entry of the part voices, or for the second part of a
// pair, the first part's entry, which holds the whole voice.
image::VoiceRecord partVoiceRecord(const image::SynthImage& image, int part);

} // namespace files
