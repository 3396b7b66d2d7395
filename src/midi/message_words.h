#pragma once
// Puts one MIDI message into words, for the monitor and the command-line listings: "Reverb
// Return = 64", "Variation Type = Delay L-C-R", "Note On ch 1 60 v 63". Decoding is done on
// demand: a message is only put into words when somebody looks at it.

#include "midi/backend.h"

#include <string>

namespace midi {

// What the monitor filters by.
enum class MessageKind { Channel, Parameter, Dump, Request, Other };

MessageKind messageKindOf(Bytes message);

// The bytes as "F0 43 10 ..." (upper-case hex, one space between).
std::string hexBytes(Bytes message);

// The message in words. A message the program does not know says "unknown" in its text.
std::string describeMessage(Bytes message);

} // namespace midi
