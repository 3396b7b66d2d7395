#pragma once
// QS300 voice records (381 data bytes + checksum, as kept in banks and files) and the
// 392-byte voice bulk dump "F0 43 0n 4B 02 7D 11 vv 00 <381 data> cs F7".
//
// The checksum of a dump covers the byte count, the address and the data (dump bytes
// 4..389), so it depends on the voice number vv. The checksum byte of a record is the
// dump's checksum byte (dump bytes 9..390 are the record). A record made here without a
// dump (factory voices) carries the checksum of a dump for voice number 0, which is what
// a bank file holds for a voice sent as user voice 0. Whoever sends or writes a voice
// computes the checksum afresh, so a stale record checksum never reaches the module.

#include "image/synth_image.h"

#include <span>

namespace image {

// Checksum byte of a dump of these data for the given voice number.
Byte voiceDumpChecksum(std::span<const Byte, kVoiceDataSize> data, int voiceNumber);

// A record from 381 data bytes, with the checksum of a dump for voice number 0.
VoiceRecord makeVoiceRecord(std::span<const Byte, kVoiceDataSize> data);

// The complete dump of a record for voice number 0..127 (masked to 7 bits) and device
// number 0..15 (masked to 4 bits), with a fresh checksum.
VoiceDump makeVoiceDump(const VoiceRecord& record, int voiceNumber, int device);

// Recomputes the checksum byte of a dump from its count, address and data bytes.
void renewVoiceDumpChecksum(VoiceDump& dump);

// Dump bytes 9..390: the data and the dump's checksum byte.
VoiceRecord voiceRecordFromDump(const VoiceDump& dump);

// Copies a record's 381 data bytes into a dump (number, device kept) and renews its checksum.
void putVoiceRecord(VoiceDump& dump, const VoiceRecord& record);

// The edit voice template: the factory voice "Aurora" as a dump for device 0, voice 0.
const VoiceDump& editVoiceTemplate();

} // namespace image
