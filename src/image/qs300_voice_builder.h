#pragma once
// Builds QS300 voice data from a short musical description: per element the wave, the
// three envelope templates, key and velocity ranges and a few character settings; per voice
// the name, level, sends, play mode and controller depths. Everything not described takes
// the values of a freshly initialised element, so every byte stays within its range.

#include "image/qs300_templates.h"
#include "image/synth_image.h"

#include <array>
#include <string_view>

namespace image {

struct ElementSpec {
    bool on = false;
    int wave = 37; // "Grand"
    AmpEg amp = AmpEg::Initial;
    FilterEg filter = FilterEg::Initial;
    PitchEg pitch = PitchEg::Initial;
    Byte noteLow = 0, noteHigh = 127;
    Byte velocityLow = 1, velocityHigh = 127;
    Byte level = 100;
    int pan = 0;       // -7..7 (left..right)
    int detune = 0;    // cents, -50..50
    int noteShift = 0; // semitones, -32..32
    Byte cutoff = 127;
    Byte resonance = 0;      // 0..63
    Byte filterVelocity = 4; // 0..7
    Byte velocityCurve = 0;  // 0..6
    Byte lfoWave = 0;        // 0..2
    Byte lfoSpeed = 32;      // 0..63
    Byte lfoPitchDelay = 0;
    Byte vibrato = 0;    // LFO pitch depth 0..63
    Byte wah = 0;        // LFO filter depth 0..15
    Byte tremolo = 0;    // LFO amplitude depth 0..31
    Byte keyOnDelay = 0; // 0..15
    Byte zeroed = 0;     // 1: the element's 80 bytes are all zero (an unused, blank element)

    // Chainable modifiers so that a description reads as one line.
    constexpr ElementSpec keys(int low, int high) const {
        auto e = *this;
        e.noteLow = Byte(low);
        e.noteHigh = Byte(high);
        return e;
    }
    constexpr ElementSpec velocities(int low, int high) const {
        auto e = *this;
        e.velocityLow = Byte(low);
        e.velocityHigh = Byte(high);
        return e;
    }
    constexpr ElementSpec lvl(int v) const {
        auto e = *this;
        e.level = Byte(v);
        return e;
    }
    constexpr ElementSpec panned(int p) const {
        auto e = *this;
        e.pan = p;
        return e;
    }
    constexpr ElementSpec detuned(int cents) const {
        auto e = *this;
        e.detune = cents;
        return e;
    }
    constexpr ElementSpec shifted(int semis) const {
        auto e = *this;
        e.noteShift = semis;
        return e;
    }
    constexpr ElementSpec filtered(int cut, int reso = 0) const {
        auto e = *this;
        e.cutoff = Byte(cut);
        e.resonance = Byte(reso);
        return e;
    }
    constexpr ElementSpec withAmp(AmpEg eg) const {
        auto e = *this;
        e.amp = eg;
        return e;
    }
    constexpr ElementSpec withFilter(FilterEg eg) const {
        auto e = *this;
        e.filter = eg;
        return e;
    }
    constexpr ElementSpec withPitch(PitchEg eg) const {
        auto e = *this;
        e.pitch = eg;
        return e;
    }
    constexpr ElementSpec withVibrato(int speed, int depth, int delay = 0) const {
        auto e = *this;
        e.lfoSpeed = Byte(speed);
        e.vibrato = Byte(depth);
        e.lfoPitchDelay = Byte(delay);
        return e;
    }
    constexpr ElementSpec withWah(int speed, int depth) const {
        auto e = *this;
        e.lfoSpeed = Byte(speed);
        e.wah = Byte(depth);
        return e;
    }
    constexpr ElementSpec withTremolo(int speed, int depth) const {
        auto e = *this;
        e.lfoSpeed = Byte(speed);
        e.tremolo = Byte(depth);
        return e;
    }
    constexpr ElementSpec lfoShape(int wave) const {
        auto e = *this;
        e.lfoWave = Byte(wave);
        return e;
    }
    constexpr ElementSpec curve(int c) const {
        auto e = *this;
        e.velocityCurve = Byte(c);
        return e;
    }
    constexpr ElementSpec delayed(int d) const {
        auto e = *this;
        e.keyOnDelay = Byte(d);
        return e;
    }
    constexpr ElementSpec velocityFilter(int s) const {
        auto e = *this;
        e.filterVelocity = Byte(s);
        return e;
    }
};

// A switched-on element with the given wave and templates.
constexpr ElementSpec element(int wave, AmpEg amp, FilterEg filter = FilterEg::Initial,
                              PitchEg pitch = PitchEg::Initial) {
    ElementSpec e;
    e.on = true;
    e.wave = wave;
    e.amp = amp;
    e.filter = filter;
    e.pitch = pitch;
    return e;
}
// A switched-off element left as a freshly initialised one.
inline constexpr ElementSpec kSpareElement{};
// A switched-off element whose 80 bytes are all zero.
inline constexpr ElementSpec kBlankElement{.zeroed = 1};

struct VoiceSpec {
    std::string_view name; // at most 10 characters
    std::array<ElementSpec, 4> elements{};
    Byte level = 100;
    Byte reverb = 40;
    Byte chorus = 0;
    Byte velocityDepth = 64;
    Byte velocityOffset = 64;
    bool mono = false;
    Byte portamento = 0; // time; 0 = portamento off
    int bendRange = 2;   // semitones, 0..24
    Byte modWheelVibrato = 10;
    Byte modWheelWah = 0;
    int modWheelCutoff = 0; // -64..63 around the centre
    Byte aftertouchVibrato = 0;
    int aftertouchCutoff = 0;

    constexpr VoiceSpec lvl(int v) const {
        auto s = *this;
        s.level = Byte(v);
        return s;
    }
    constexpr VoiceSpec sends(int rev, int cho) const {
        auto s = *this;
        s.reverb = Byte(rev);
        s.chorus = Byte(cho);
        return s;
    }
    constexpr VoiceSpec monoGlide(int time) const {
        auto s = *this;
        s.mono = true;
        s.portamento = Byte(time);
        return s;
    }
    constexpr VoiceSpec bend(int semis) const {
        auto s = *this;
        s.bendRange = semis;
        return s;
    }
    constexpr VoiceSpec wheel(int vibrato, int cutoff = 0, int wah = 0) const {
        auto s = *this;
        s.modWheelVibrato = Byte(vibrato);
        s.modWheelCutoff = cutoff;
        s.modWheelWah = Byte(wah);
        return s;
    }
    constexpr VoiceSpec touch(int vibrato, int cutoff = 0) const {
        auto s = *this;
        s.aftertouchVibrato = Byte(vibrato);
        s.aftertouchCutoff = cutoff;
        return s;
    }
    constexpr VoiceSpec velocity(int depth, int offset = 64) const {
        auto s = *this;
        s.velocityDepth = Byte(depth);
        s.velocityOffset = Byte(offset);
        return s;
    }
};

constexpr VoiceSpec voiceOf(std::string_view name, ElementSpec e1, ElementSpec e2 = kSpareElement,
                            ElementSpec e3 = kSpareElement, ElementSpec e4 = kSpareElement) {
    VoiceSpec v;
    v.name = name;
    v.elements = {e1, e2, e3, e4};
    return v;
}

// The 80 bytes of a freshly initialised element.
std::array<Byte, kVoiceElementSize> defaultElement();

// The 381 data bytes of a described voice. Values outside their ranges are clamped.
std::array<Byte, kVoiceDataSize> buildVoiceData(const VoiceSpec& description);

} // namespace image
