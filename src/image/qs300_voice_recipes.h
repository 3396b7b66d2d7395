#pragma once
// Element recipes for the factory voice descriptions: one per instrument family, each a
// wave with the envelope templates that suit it. Descriptions refine them with modifiers.

#include "image/qs300_voice_builder.h"
#include "image/qs300_waves.h"

namespace image::recipe {

constexpr ElementSpec piano(int w) {
    return element(w, AmpEg::APiano, FilterEg::APiano).curve(1).velocityFilter(5);
}
constexpr ElementSpec epiano(int w) {
    return element(w, AmpEg::TunePerc1, FilterEg::APiano).curve(2).velocityFilter(6);
}
constexpr ElementSpec clav(int w) {
    return element(w, AmpEg::PcMute, FilterEg::ResoClavi).filtered(90, 20);
}
constexpr ElementSpec organ(int w) {
    return element(w, AmpEg::Organ);
}
constexpr ElementSpec mallet(int w) {
    return element(w, AmpEg::TunePerc3).curve(1);
}
constexpr ElementSpec bell(int w) {
    return element(w, AmpEg::TunePerc1).curve(1);
}
constexpr ElementSpec guitar(int w) {
    return element(w, AmpEg::Guitar, FilterEg::Guitar).curve(1);
}
constexpr ElementSpec pluck(int w) {
    return element(w, AmpEg::Pluck, FilterEg::ResoPerc2);
}
constexpr ElementSpec bass(int w) {
    return element(w, AmpEg::Bass, FilterEg::Bass).curve(1);
}
constexpr ElementSpec synBass(int w) {
    return element(w, AmpEg::SynBass1, FilterEg::SynBass1).filtered(56, 36);
}
constexpr ElementSpec resoBass(int w) {
    return element(w, AmpEg::SynBass2, FilterEg::SynBaReso).filtered(48, 48);
}
constexpr ElementSpec strings(int w) {
    return element(w, AmpEg::StFast, FilterEg::SlowAtack).withVibrato(38, 4, 40);
}
constexpr ElementSpec pad(int w) {
    return element(w, AmpEg::SlowPad, FilterEg::SynPad).filtered(90, 12).withVibrato(30, 3);
}
constexpr ElementSpec sweep(int w) {
    return element(w, AmpEg::SlowPad, FilterEg::Sweep).filtered(40, 40);
}
constexpr ElementSpec choir(int w) {
    return element(w, AmpEg::SlowPad).withVibrato(34, 5, 30);
}
constexpr ElementSpec brass(int w) {
    return element(w, AmpEg::Brass, FilterEg::Brass, PitchEg::SynBrass).velocityFilter(6);
}
constexpr ElementSpec stab(int w) {
    return element(w, AmpEg::StabBrass, FilterEg::StabBrass).filtered(80, 10);
}
constexpr ElementSpec reed(int w) {
    return element(w, AmpEg::SynLead, FilterEg::VeloPlus).withVibrato(40, 6, 50);
}
constexpr ElementSpec flute(int w) {
    return element(w, AmpEg::Wind, FilterEg::Initial).withVibrato(42, 5, 45);
}
constexpr ElementSpec lead(int w) {
    return element(w, AmpEg::SynLead, FilterEg::Initial).filtered(96, 20).withVibrato(44, 6, 60);
}
constexpr ElementSpec comp(int w) {
    return element(w, AmpEg::SynComp1, FilterEg::ResoAtack).filtered(70, 30);
}
constexpr ElementSpec ethnic(int w) {
    return element(w, AmpEg::Pluck, FilterEg::Guitar, PitchEg::Asia);
}
constexpr ElementSpec drum(int w) {
    return element(w, AmpEg::TunePerc2);
}
constexpr ElementSpec fx(int w) {
    return element(w, AmpEg::SlowPad, FilterEg::Sweep).filtered(64, 30);
}

} // namespace image::recipe
