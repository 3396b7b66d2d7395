#pragma once
// What "Get From Module" tells the user when the module did not answer everything.

#include "files/module_readback.h"

#include <string>

namespace files {

// The sections not read, in request order, as one line: "System, Reverb, Drum Setup 1
// (4 Notes)". Missed parts and voices are named by their numbers, runs as ranges ("3, 5-7");
// a drum setup of which some notes were read says how many were not.
std::string notReadList(const std::vector<DumpRequest>& plan,
                        const std::vector<MissedRequest>& missed);

// What the progress dialog says while the answer to `request` is awaited: "Reading
// Reverb ...", "Reading Drum Setup 1, Note 38 ...".
std::string readingText(const DumpRequest& request);

// The whole message for an ended reading; empty when there is nothing to tell (every
// request answered, or cancelled).
std::string readbackMessage(ReadbackOutcome outcome, const std::vector<DumpRequest>& plan,
                            const std::vector<MissedRequest>& missed);

} // namespace files
