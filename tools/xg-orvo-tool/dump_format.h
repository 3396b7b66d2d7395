#pragma once
// One readable line per event of a MIDI file, for "xg-orvo-tool dump".

#include "files/midi_track.h"

#include <string>
#include <string_view>

namespace tool {

// "NoteOn ch=1 key=60 vel=100", "SysEx F0 43 10 4C 00 00 7E 00 F7",
// "Meta TrackName \"Piano\"", "Meta Tempo 07 A1 20".
std::string describeEvent(const files::TxMidiTrack& track, const files::MidiEvent& event);

// Names of the channel messages by status high nibble (0x8..0xE) and of the meta types.
std::string_view channelMessageName(std::uint8_t status);
std::string_view metaTypeName(std::uint8_t type); // empty when unknown

} // namespace tool
