#pragma once
// The bulk dump requests that read the module back, in the order they go out: one
// "F0 43 2n 4C hh mm ll F7" for each XG block the editor keeps, and on a QS300
// "F0 43 2n 4B 11 vv 00 F7" for a user voice. The drum notes and the voices to ask for
// follow from the part table that has been read by then.

#include "image/synth_image.h"

#include <array>
#include <cstdint>
#include <vector>

namespace files {

enum class ModuleSection { System, Reverb, Chorus, Variation, Part, DrumSetup, Voice };

// Requests a module answers, or does not answer, as a whole: many XG modules answer the
// parts but not the drum setups, or no effect block at all.
enum class AnswerGroup { System, Effects, Parts, Drums, Voices };
AnswerGroup groupOf(ModuleSection section);

inline constexpr std::size_t kDumpRequestSize = 8;

struct DumpRequest {
    ModuleSection section = ModuleSection::System;
    int index = 0; // the part (0..15) or drum setup (0..1) asked for
    std::array<std::uint8_t, kDumpRequestSize> message{};

    std::uint8_t model() const { return message[3]; }
    // The address the answer must carry: hh mm ll.
    std::array<std::uint8_t, 3> address() const { return {message[4], message[5], message[6]}; }
};

// The system block, the reverb, chorus and variation blocks (each as the two dumps the
// editor itself sends) and both dumps of every part, for device number `device`.
std::vector<DumpRequest> blockRequests(int device);
// The notes the drum editor edits, for each drum setup that a part of `image` uses.
std::vector<DumpRequest> drumRequests(const image::SynthImage& image, int device);
// The user voices of the parts of `image` that play one; a part plays the user voice
// with its own number.
std::vector<DumpRequest> voiceRequests(const image::SynthImage& image, int device);

} // namespace files
