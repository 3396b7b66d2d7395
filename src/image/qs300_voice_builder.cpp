#include "image/qs300_voice_builder.h"

#include "image/voice_layout.h"

#include <algorithm>

namespace image {

namespace {

using namespace voice;
using namespace voice::element;

Byte clampTo(int value, int low, int high) {
    return static_cast<Byte>(std::clamp(value, low, high));
}

// Evenly spread scaling break points; scaling offsets at 64 leave the keyboard flat.
constexpr std::array<Byte, 4> kBreakPoints{24, 48, 72, 96};

void putElement(std::span<Byte, kVoiceElementSize> out, const ElementSpec& description) {
    if (description.zeroed) {
        std::fill(out.begin(), out.end(), Byte{0});
        return;
    }
    const auto defaults = defaultElement();
    std::copy(defaults.begin(), defaults.end(), out.begin());
    const int wave = std::clamp(description.wave, 0, kWaveCount - 1);
    out[kWaveHigh] = static_cast<Byte>(wave / 128);
    out[kWaveLow] = static_cast<Byte>(wave % 128);
    out[kNoteLow] = clampTo(description.noteLow, 0, 127);
    out[kNoteHigh] = clampTo(std::max(description.noteLow, description.noteHigh), 0, 127);
    out[kVelocityLow] = clampTo(description.velocityLow, 1, 127);
    out[kVelocityHigh] =
        clampTo(std::max(description.velocityLow, description.velocityHigh), 1, 127);
    out[kLfoWave] = clampTo(description.lfoWave, 0, 2);
    out[kLfoSpeed] = clampTo(description.lfoSpeed, 0, 63);
    out[kLfoPitchDelay] = clampTo(description.lfoPitchDelay, 0, 127);
    out[kLfoPitchDepth] = clampTo(description.vibrato, 0, 63);
    out[kLfoFilterDepth] = clampTo(description.wah, 0, 15);
    out[kLfoAmpDepth] = clampTo(description.tremolo, 0, 31);
    out[kNoteShift] = clampTo(64 + description.noteShift, 32, 96);
    out[kDetune] = clampTo(64 + description.detune, 14, 114);
    out[kResonance] = clampTo(description.resonance, 0, 63);
    out[kFilterVelocitySense] = clampTo(description.filterVelocity, 0, 7);
    out[kCutoff] = clampTo(description.cutoff, 0, 127);
    out[element::kLevel] = clampTo(description.level, 0, 127);
    out[kVelocityCurve] = clampTo(description.velocityCurve, 0, 6);
    out[kPan] = clampTo(7 + description.pan, 0, 14);
    out[kKeyOnDelay] = clampTo(description.keyOnDelay, 0, 15);

    const auto& pitch = pitchEgTemplate(description.pitch).values;
    std::copy(pitch.begin(), pitch.end(), out.begin() + kPitchEgRates);
    const auto& filter = filterEgTemplate(description.filter).values;
    std::copy(filter.begin(), filter.end(), out.begin() + kFilterEgRates);
    const auto& amp = ampEgTemplate(description.amp).values;
    std::copy(amp.begin(), amp.end(), out.begin() + kAmpEgRates);
}

// One controller group: pitch, cutoff, amplitude, then pitch/filter/amplitude modulation.
void putControls(std::span<Byte> out, int pitch, int cutoff, int pitchMod, int filterMod) {
    out[0] = clampTo(64 + pitch, 40, 88);
    out[1] = clampTo(64 + cutoff, 0, 127);
    out[2] = 64;
    out[3] = clampTo(pitchMod, 0, 127);
    out[4] = clampTo(filterMod, 0, 127);
    out[5] = 0;
}

} // namespace

std::array<Byte, kVoiceElementSize> defaultElement() {
    std::array<Byte, kVoiceElementSize> e{};
    e[kWaveHigh] = 0;
    e[kWaveLow] = 37; // "Grand"
    e[kNoteLow] = 0;
    e[kNoteHigh] = 127;
    // The editor's own initial element has velocity low 0; 1 keeps the byte in range and
    // plays the same, since no note arrives with velocity 0.
    e[kVelocityLow] = 1;
    e[kVelocityHigh] = 127;
    e[kLfoPhaseInit] = 1;
    e[kLfoSpeed] = 32;
    e[kNoteShift] = 64;
    e[kDetune] = 64;
    e[kPitchScalingCenter] = 64;
    e[kPitchEgDepth] = 1;
    e[kPitchEgVelocityLevel] = e[kPitchEgVelocityRate] = e[kPitchEgRateScaling] = 64;
    e[kPitchEgRateScalingCenter] = 60;
    std::fill_n(e.begin() + kPitchEgRates, 4, Byte{63});
    std::fill_n(e.begin() + kPitchEgLevels, 5, Byte{64});
    e[kFilterVelocitySense] = 4;
    e[kCutoff] = 127;
    std::copy(kBreakPoints.begin(), kBreakPoints.end(), e.begin() + kFilterBreakPoints);
    std::fill_n(e.begin() + kFilterScalingOffsets, 4, Byte{64});
    e[kFilterEgVelocityLevel] = e[kFilterEgVelocityRate] = e[kFilterEgRateScaling] = 64;
    e[kFilterEgRateScalingCenter] = 60;
    std::fill_n(e.begin() + kFilterEgRates, 4, Byte{63});
    std::fill_n(e.begin() + kFilterEgLevels, 5, Byte{64});
    e[element::kLevel] = 100;
    std::copy(kBreakPoints.begin(), kBreakPoints.end(), e.begin() + kLevelBreakPoints);
    std::fill_n(e.begin() + kLevelScalingOffsets, 4, Byte{64});
    e[kPan] = 7;
    e[kAmpEgRateScaling] = 64;
    e[kAmpEgRateScalingCenter] = 60;
    std::fill_n(e.begin() + kAmpEgRates, 4, Byte{63});
    e[kAmpEgDecay1Level] = 127;
    e[kAmpEgDecay2Level] = 127;
    e[kFilterResonanceSense] = 64;
    return e;
}

std::array<Byte, kVoiceDataSize> buildVoiceData(const VoiceSpec& description) {
    std::array<Byte, kVoiceDataSize> data{};
    for (int i = 0; i < kVoiceNameSize; ++i) {
        const auto c =
            static_cast<std::size_t>(i) < description.name.size()
                ? static_cast<unsigned char>(description.name[static_cast<std::size_t>(i)])
                : ' ';
        data[static_cast<std::size_t>(i)] = c >= 32 && c <= 126 ? c : ' ';
    }
    Byte elementSwitch = 0;
    for (int e = 0; e < 4; ++e) {
        const auto& element = description.elements[static_cast<std::size_t>(e)];
        if (element.on && !element.zeroed) elementSwitch |= static_cast<Byte>(1 << e);
        putElement(
            std::span<Byte, kVoiceElementSize>(data.data() + elementStart(e), kVoiceElementSize),
            element);
    }
    data[kElementSwitch] = elementSwitch;
    data[voice::kLevel] = clampTo(description.level, 0, 127);
    data[kVelocitySenseDepth] = clampTo(description.velocityDepth, 0, 127);
    data[kVelocitySenseOffset] = clampTo(description.velocityOffset, 0, 127);
    data[kReverbSend] = clampTo(description.reverb, 0, 127);
    data[kChorusSend] = clampTo(description.chorus, 0, 127);
    data[kPlayMode] = description.mono ? 0 : 1;
    data[kPortamentoSwitch] = description.portamento > 0 ? 1 : 0;
    data[kPortamentoTime] = clampTo(description.portamento, 0, 127);
    const auto group = [&](int start) {
        return std::span(data).subspan(static_cast<std::size_t>(start), kControlCount);
    };
    putControls(group(kBendControls), std::clamp(description.bendRange, 0, 24), 0, 0, 0);
    putControls(group(kModWheelControls), 0, description.modWheelCutoff,
                description.modWheelVibrato, description.modWheelWah);
    putControls(group(kAftertouchControls), 0, description.aftertouchCutoff,
                description.aftertouchVibrato, 0);
    putControls(group(kAssign1Controls), 0, 0, 0, 0);
    return data;
}

} // namespace image
