#pragma once
// A pretend module for tests: it applies every XG parameter change and bulk dump it
// receives to its own address map and keeps the last QS300 voice dump per voice number,
// so a test can check that the module holds what the image says.

#include "image/drum_kits.h"
#include "image/synth_image.h"
#include "midi/effect_addresses.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace testing_support {

class ModuleMirror {
  public:
    using Msg = std::vector<std::uint8_t>;

    // The module starts out holding what `image` says.
    explicit ModuleMirror(const image::SynthImage& image) {
        visit(image, [this](std::uint32_t address, int value) { memory_[address] = value; });
        for (int p = 0; p < image::kPartCount; ++p) {
            const auto& dump = image.partVoices[static_cast<std::size_t>(p)];
            if (image.hasUserVoice(p)) voices_[dump[image::kVoiceDumpNumberByte]] = dump;
        }
    }

    void receive(const Msg& m) {
        if (m.size() < 8 || m[0] != 0xF0 || m[1] != 0x43 || m.back() != 0xF7) return;
        if (m[3] == 0x4B && m.size() == image::kVoiceDumpSize) {
            image::VoiceDump dump{};
            std::copy(m.begin(), m.end(), dump.begin());
            voices_[m[image::kVoiceDumpNumberByte]] = dump;
            return;
        }
        if (m[3] != 0x4C) return;
        const bool bulk = (m[2] & 0xF0) == 0x00;
        const std::size_t at = bulk ? 6 : 4;
        const std::size_t end = m.size() - (bulk ? 2 : 1);
        std::uint32_t address =
            std::uint32_t(m[at]) << 16 | std::uint32_t(m[at + 1]) << 8 | m[at + 2];
        for (std::size_t i = at + 3; i < end; ++i) memory_[address++] = m[i];
    }
    void receiveAll(const std::vector<Msg>& messages) {
        for (const Msg& m : messages) receive(m);
    }

    // Every byte the module holds must be what the image says.
    void expectHolds(const image::SynthImage& image, const char* when) const {
        int wrong = 0;
        visit(image, [&](std::uint32_t address, int value) {
            const auto found = memory_.find(address);
            const int held = found == memory_.end() ? -1 : found->second;
            if (held != value && ++wrong <= 3)
                ADD_FAILURE() << when << ": address " << std::hex << address << " holds " << held
                              << ", image says " << value;
        });
        for (int p = 0; p < image::kPartCount; ++p) {
            if (!image.hasUserVoice(p)) continue;
            const auto& dump = image.partVoices[static_cast<std::size_t>(p)];
            const auto found = voices_.find(dump[image::kVoiceDumpNumberByte]);
            ASSERT_NE(found, voices_.end()) << when;
            EXPECT_TRUE(
                std::equal(dump.begin() + image::kVoiceDumpDataStart,
                           dump.begin() + image::kVoiceDumpDataStart + image::kVoiceDataSize,
                           found->second.begin() + image::kVoiceDumpDataStart))
                << when << ": voice of part #" << p;
        }
    }

  private:
    // Calls `f(address, value)` for each byte of the module that the image decides.
    template <typename F> static void visit(const image::SynthImage& image, F&& f) {
        const auto& s = image.system;
        const int tune = s.masterTune();
        for (int i = 0; i < 4; ++i) f(std::uint32_t(i), (tune >> (12 - 4 * i)) & 0x0F);
        f(midi::kMasterVolumeAddress, s.masterVolume);
        f(midi::kTransposeAddress, s.transpose);
        for (int p = 0; p < image::kPartCount; ++p) {
            const std::uint32_t base = 0x080000u | std::uint32_t(p) << 8;
            for (int o = 0; o < image::kPartRecordSize; ++o) {
                if (o == image::offset::kDetuneFiller) continue;
                if (image.hasUserVoice(p) &&
                    (o == image::offset::kBankLsb || o == image::offset::kProgram))
                    continue; // the module is asked for the user voice by number
                const int v = image.part(p, o);
                if (o == image::offset::kDetune) {
                    f(base | midi::partAddress(o), v >> 4);
                    f(base | (midi::partAddress(o) + 1u), v & 0x0F);
                } else {
                    f(base | midi::partAddress(o), v);
                }
            }
        }
        effect(image.reverb, image::EffectKind::Reverb, f);
        effect(image.chorus, image::EffectKind::Chorus, f);
        effect(image.variation, image::EffectKind::Variation, f);
        for (int setup = 0; setup < 2; ++setup) {
            const auto& d = image.drums[static_cast<std::size_t>(setup)];
            for (int slot = 0; slot < d.slotCount; ++slot) {
                const int note = image::DrumNote(d.kit, slot);
                if (note < 0) break;
                for (int j = 0; j < image::kDrumParamCount; ++j)
                    f(std::uint32_t(0x30 + setup) << 16 | std::uint32_t(note) << 8 |
                          std::uint32_t(j),
                      d.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(j)]);
            }
        }
    }

    template <typename State, typename F>
    static void effect(const State& state, image::EffectKind kind, F& f) {
        const std::uint32_t high = 0x020100u;
        const std::uint32_t typeAddress = high | std::uint32_t(midi::effectByteAddress(kind, 0));
        if (state.typeIndex == 0 || (kind == image::EffectKind::Variation &&
                                     state.typeIndex == image::kVariationThruIndex)) {
            f(typeAddress, state.typeIndex == 0 ? 0 : 0x40);
            return;
        }
        for (int i = 0; i < State::kBlockSize; ++i)
            f(high | std::uint32_t(midi::effectByteAddress(kind, i)),
              state.current[static_cast<std::size_t>(i)]);
    }

    std::map<std::uint32_t, int> memory_;
    std::map<int, image::VoiceDump> voices_;
};

} // namespace testing_support
