#pragma once
// Compares two images in what a module holds of them: the part table (bank LSB and
// program of a user-voice part are the module's way of naming the voice), the system
// block, the effect blocks of the chosen types, the drum setups of the chosen kits and
// the user voices. What only the editor keeps (the rows of types not chosen, the voice
// bank, the copies taken after a load, the current part) is left out.

#include "image/synth_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace testing_support {

template <typename State>
void expectSameEffect(const State& read, const State& edited, const std::string& name) {
    EXPECT_EQ(read.typeIndex, edited.typeIndex) << name;
    const bool hasRow = edited.typeIndex > 0 && edited.typeIndex <= State::kRowCount;
    if (hasRow) {
        EXPECT_EQ(read.current, edited.current) << name;
    }
}

inline void expectModuleHeldEqual(const image::SynthImage& read, const image::SynthImage& edited) {
    namespace off = image::offset;
    int wrong = 0;
    for (int p = 0; p < image::kPartCount; ++p) {
        const bool userVoice = edited.hasUserVoice(p);
        EXPECT_EQ(read.hasUserVoice(p), userVoice) << "user voice of part #" << p;
        for (int o = 0; o < image::kPartRecordSize && wrong < 5; ++o) {
            if (userVoice && (o == off::kBankLsb || o == off::kProgram)) continue;
            if (read.part(p, o) != edited.part(p, o) && ++wrong <= 5)
                ADD_FAILURE() << "part #" << p << " offset " << o << ": read "
                              << int(read.part(p, o)) << ", edited " << int(edited.part(p, o));
        }
        const auto i = static_cast<std::size_t>(p);
        if (!userVoice) continue;
        EXPECT_TRUE(std::equal(read.partVoices[i].begin() + image::kVoiceDumpDataStart,
                               read.partVoices[i].begin() + image::kVoiceDumpDataStart +
                                   image::kVoiceDataSize,
                               edited.partVoices[i].begin() + image::kVoiceDumpDataStart))
            << "voice of part #" << p;
    }
    EXPECT_EQ(read.system.masterTune(), edited.system.masterTune());
    EXPECT_EQ(read.system.masterVolume, edited.system.masterVolume);
    EXPECT_EQ(read.system.transpose, edited.system.transpose);
    expectSameEffect(read.reverb, edited.reverb, "reverb");
    expectSameEffect(read.chorus, edited.chorus, "chorus");
    expectSameEffect(read.variation, edited.variation, "variation");
    for (std::size_t s = 0; s < 2; ++s) {
        const auto& a = read.drums[s];
        const auto& b = edited.drums[s];
        EXPECT_EQ(a.kit, b.kit) << "drum setup #" << s;
        if (a.kit != b.kit || b.kit == image::kNoKit) continue;
        EXPECT_TRUE(std::equal(a.table.begin(), a.table.begin() + b.slotCount, b.table.begin()))
            << "drum setup #" << s;
    }
}

} // namespace testing_support
