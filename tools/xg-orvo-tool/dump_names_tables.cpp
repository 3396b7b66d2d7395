#include "dump_format.h"

#include <array>
#include <utility>

namespace tool {

namespace {

constexpr std::array<std::string_view, 7> channelNames{
    "NoteOff",       "NoteOn",          "KeyPressure", "ControlChange",
    "ProgramChange", "ChannelPressure", "PitchBend"};

constexpr std::array<std::pair<std::uint8_t, std::string_view>, 17> metaNames{{
    {0x00, "SequenceNumber"},
    {0x01, "Text"},
    {0x02, "Copyright"},
    {0x03, "TrackName"},
    {0x04, "InstrumentName"},
    {0x05, "Lyric"},
    {0x06, "Marker"},
    {0x07, "CuePoint"},
    {0x08, "ProgramName"},
    {0x09, "DeviceName"},
    {0x20, "ChannelPrefix"},
    {0x21, "Port"},
    {0x2F, "EndOfTrack"},
    {0x51, "Tempo"},
    {0x54, "SmpteOffset"},
    {0x58, "TimeSignature"},
    {0x59, "KeySignature"},
}};

} // namespace

std::string_view channelMessageName(std::uint8_t status) {
    return channelNames[((status >> 4) - 8) % channelNames.size()];
}

std::string_view metaTypeName(std::uint8_t type) {
    if (type == 0x7F) return "SequencerSpecific";
    for (const auto& [value, name] : metaNames) {
        if (value == type) return name;
    }
    return {};
}

} // namespace tool
