#include "image/qs300_factory.h"

#include "image/voice_dump.h"

namespace image {

namespace {

VoiceBank buildBank(std::span<const VoiceSpec> specs) {
    VoiceBank bank{};
    for (std::size_t i = 0; i < bank.size() && i < specs.size(); ++i) {
        const auto data = buildVoiceData(specs[i]);
        bank[i] = makeVoiceRecord(data);
    }
    return bank;
}

} // namespace

const VoiceBank& factoryUserBank() {
    static const VoiceBank bank = buildBank(factoryUserVoiceSpecs());
    return bank;
}

const VoiceBank& factoryPresetBank() {
    static const VoiceBank bank = buildBank(factoryPresetVoiceSpecs());
    return bank;
}

const VoiceRecord& presetOrUserVoice(const VoiceBank& userBank, int index) {
    if (index >= kBankVoiceCount && index < 2 * kBankVoiceCount)
        return userBank[static_cast<std::size_t>(index - kBankVoiceCount)];
    if (index >= 0 && index < kBankVoiceCount)
        return factoryPresetBank()[static_cast<std::size_t>(index)];
    return factoryPresetBank()[0];
}

} // namespace image
