#pragma once
// Builds the messages of one "encode"/"send" request (WHAT ARGS...) from a freshly reset
// image, exactly as the editor would send them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tool {

using Message = std::vector<std::uint8_t>;

struct EncodeResult {
    std::vector<Message> messages;
    std::string error; // set when the arguments are wrong
};

// `args` starts with the optional "--device N", then WHAT and its arguments.
EncodeResult encodeRequest(std::span<const std::string> args);

// Parses a decimal or 0x-hex number within [low, high].
std::optional<long> parseNumber(const std::string& text, long low, long high);

// "F0 43 10 4C ... F7"
std::string hexLine(const Message& message);

// The list of WHAT words with their arguments, for the usage text.
const char* encodeUsage();

} // namespace tool
