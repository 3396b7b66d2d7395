#include "image/qs300_factory.h"
#include "image/qs300_templates.h"
#include "image/voice_dump.h"
#include "image/voice_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace image;
namespace el = image::voice::element;

namespace {

const std::vector<std::string> kUserNames{
    "Aurora",     "Tri Pad",    "Expander",   "DancePulse", "Rezzy",      "Pulse Wmod",
    "Seq Saw1",   "Seq Saw2",   "Seq Pulse",  "Seq+Sin-MW", "Pulse25",    "Amped",
    "Crawl",      "These Days", "Precision",  "HvyWeather", "Harmo Lead", "Opus",
    "Light&Body", "Sprite",     "Sanctuary",  "Eerie",      "Slow Morph", "Heli Drone",
    "Ambient-AT", "Sub Oscltr", "Obie Soft",  "Dance Saw",  "Brother",    "Sforzando",
    "HrnSect ff", "Big Ens",    "Tijuana",    "Miles Away", "Back Horns", "Shining",
    "Robo Chat",  "Dance SE",   "S&H303",     "Devil Bell", "Rez Set4",   "Compact",
    "PhaseOrgan", "Door",       "Principal",  "Theatr Org", "Sixties",    "DistHamOrg",
    "Click Jazz", "Gospel",     "Tango",      "Musette",    "Jan",        "Thick",
    "Saw Horn",   "Plucky",     "Pure Sine",  "Pure Tri",   "Scat Line",  "Glass Cut",
    "Syn Clavi",  "SeqQoirVel", "Vocoder",    "Reso Choir", "Tron Choir", "HybriChoir",
    "Dance Pno2", "CheapDance", "Hard",       "Wire Piano", "Rock",       "CP80Chorus",
    "CP80 Heavy", "Jazzy CP70", "Wurlitz",    "PanWurlitz", "Digi Roads", "PhaseRoads",
    "Panning EP", "Noisy Clav", "70thClavnt", "Cembalo",    "Woman",      "Half Drive",
    "Cry-MW",     "FunkWah-MW", "ChrusStrat", "Classic",    "Sevilla",    "Benson",
    "Hawai DoA",  "MarcStrngs", "Ana Strngs", "Chamber",    "SfzTremolo", "Oct",
    "StereoPizz", "LoFi Str",   "ViennaWltz", "DarkStrngs", "Grapelli",   "Hand Bell",
    "Jazz Vibes", "White Bell", "Bluez-MW",   "Toots",      "Alto",       "Solo Oboe",
    "PicoRecrdr", "Picco Solo", "PercuFlute", "Ravi",       "Shaku",      "Rich Koto",
    "Bali",       "Shami",      "Santur2",    "Zither",     "Hack Brett", "Scott Pipe",
    "Xylopad",    "Strynx&Pno", "Fairy",      "EP&Strings", "70th Crime", "Funk Split",
    "Haendel",    "Zamphir"};

std::string nameOf(const VoiceRecord& v) {
    std::string name(v.begin(), v.begin() + kVoiceNameSize);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

std::span<const Byte, kVoiceDataSize> dataOf(const VoiceRecord& v) {
    return std::span<const Byte, kVoiceDataSize>(v.data(), kVoiceDataSize);
}

int elementByte(const VoiceRecord& v, int e, int o) {
    return v[static_cast<std::size_t>(voice::elementStart(e) + o)];
}

template <typename F> void forEveryFactoryVoice(F check) {
    for (const auto* bank : {&factoryPresetBank(), &factoryUserBank()})
        for (const auto& v : *bank) check(v);
}

} // namespace

TEST(FactoryVoices, UserBankNamesAreExactAndInOrder) {
    ASSERT_EQ(kUserNames.size(), 128u);
    for (std::size_t i = 0; i < kUserNames.size(); ++i)
        EXPECT_EQ(nameOf(factoryUserBank()[i]), kUserNames[i]) << i;
}

TEST(FactoryVoices, NamesAreBlankPaddedAndPresetNamesUnique) {
    std::set<std::string> presetNames;
    for (const auto& v : factoryPresetBank()) {
        EXPECT_TRUE(presetNames.insert(nameOf(v)).second) << nameOf(v);
        EXPECT_FALSE(nameOf(v).empty());
    }
    EXPECT_EQ(std::string(factoryUserBank()[52].begin(), factoryUserBank()[52].begin() + 10),
              "Jan       ");
}

TEST(FactoryVoices, AuroraHasABlankThirdElement) {
    const auto& aurora = factoryUserBank()[0];
    EXPECT_EQ(aurora[voice::kElementSwitch], 0x0B);
    const auto third = aurora.begin() + voice::elementStart(2);
    EXPECT_TRUE(std::all_of(third, third + kVoiceElementSize, [](Byte b) { return b == 0; }));
    EXPECT_NE(elementByte(aurora, 3, el::kLevel), 0);
}

TEST(FactoryVoices, CrystaLakeIsTheFirstPresetWithTwoElements) {
    const auto& first = factoryPresetBank()[0];
    EXPECT_EQ(nameOf(first), "CrystaLake");
    EXPECT_EQ(first[voice::kElementSwitch], 0x03);
    EXPECT_EQ(voice::elementCount(dataOf(first)), 2);
}

TEST(FactoryVoices, EveryByteIsWithinItsRange) {
    forEveryFactoryVoice([](const VoiceRecord& v) {
        EXPECT_EQ(voice::firstByteOutOfRange(dataOf(v)), -1) << nameOf(v);
    });
}

TEST(FactoryVoices, ElementsAreMusicallyConsistent) {
    forEveryFactoryVoice([](const VoiceRecord& v) {
        const int sw = v[voice::kElementSwitch];
        EXPECT_TRUE(sw == 1 || sw == 3 || sw == 7 || sw == 15 || sw == 0x0B) << nameOf(v);
        for (int e = 0; e < 4; ++e) {
            if ((sw >> e & 1) == 0) continue;
            const int wave =
                elementByte(v, e, el::kWaveHigh) * 128 + elementByte(v, e, el::kWaveLow);
            EXPECT_TRUE(isListedWave(wave)) << nameOf(v) << " wave " << wave;
            EXPECT_LE(elementByte(v, e, el::kNoteLow), elementByte(v, e, el::kNoteHigh));
            EXPECT_LE(elementByte(v, e, el::kVelocityLow), elementByte(v, e, el::kVelocityHigh));
            EXPECT_GT(elementByte(v, e, el::kLevel), 0) << nameOf(v);
        }
        EXPECT_GT(v[voice::kLevel], 0);
    });
}

TEST(FactoryVoices, AmpEnvelopesComeFromTheTemplates) {
    forEveryFactoryVoice([](const VoiceRecord& v) {
        for (int e = 0; e < 4; ++e) {
            if ((v[voice::kElementSwitch] >> e & 1) == 0) continue;
            std::array<Byte, 6> amp{};
            for (int i = 0; i < 6; ++i)
                amp[static_cast<std::size_t>(i)] =
                    static_cast<Byte>(elementByte(v, e, el::kAmpEgRates + i));
            EXPECT_TRUE(std::any_of(kAmpEgTemplates.begin(), kAmpEgTemplates.end(),
                                    [&](const auto& t) { return t.values == amp; }))
                << nameOf(v);
        }
    });
}

TEST(FactoryVoices, RecordsCarryTheChecksumOfVoiceZero) {
    forEveryFactoryVoice([](const VoiceRecord& v) {
        unsigned sum = 0x02 + 0x7D + 0x11;
        for (auto b : v) sum += b; // data and checksum
        EXPECT_EQ(sum & 0x7F, 0u) << nameOf(v);
    });
}

TEST(FactoryVoices, PresetsAndUserVoicesIndexAsOneList) {
    const auto& bank = factoryUserBank();
    EXPECT_EQ(&presetOrUserVoice(bank, 0), &factoryPresetBank()[0]);
    EXPECT_EQ(&presetOrUserVoice(bank, 128), &bank[0]);
    EXPECT_EQ(&presetOrUserVoice(bank, 255), &bank[127]);
    EXPECT_EQ(&presetOrUserVoice(bank, 256), &factoryPresetBank()[0]);
    EXPECT_EQ(&presetOrUserVoice(bank, -3), &factoryPresetBank()[0]);
}
