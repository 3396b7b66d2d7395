// The 128 built-in preset voices. Each line: name, then the elements (wave recipe and
// refinements), then voice-wide settings.
#include "image/qs300_factory.h"
#include "image/qs300_voice_recipes.h"

namespace image {

namespace {

using namespace recipe;
using namespace wave;

// clang-format off
constexpr std::array<VoiceSpec, kBankVoiceCount> kPresetVoices{
    // Bells, mallets and glassy layers
    voiceOf("CrystaLake", bell(Glocken).shifted(12).lvl(80), pad(Pad2).filtered(100, 8)).sends(90, 50),
    voiceOf("Ice Bells", bell(TinkleBell), bell(Glocken).detuned(7).lvl(70)).sends(90, 40),
    voiceOf("Music Box", bell(Celesta).shifted(12)).sends(70, 20),
    voiceOf("Marimba", mallet(Marimba)).sends(50, 10),
    voiceOf("Xylophone", mallet(Xylophone)).sends(50, 10),
    voiceOf("Vibraphone", mallet(Vibes).withTremolo(36, 6)).sends(60, 20),
    voiceOf("Tubular", bell(TublarBell)).sends(80, 20),
    voiceOf("Glocken", bell(Glocken)).sends(70, 10),
    voiceOf("Steel Pan", mallet(SteelDrum)).sends(50, 20),
    voiceOf("Kalimba", mallet(Kalimba)).sends(50, 10),
    voiceOf("Mallet Pad", mallet(Mallet), pad(Pad1).lvl(60)).sends(70, 40),
    voiceOf("Bell Pad", bell(TublarBell).lvl(70), pad(Pad3)).sends(80, 40),
    voiceOf("Digi Bell", bell(Digi22), bell(Digi23).shifted(12).lvl(60)).sends(80, 30),
    voiceOf("Chimes", bell(WindChime)).sends(90, 20),
    voiceOf("Celesta", bell(Celesta)).sends(60, 10),
    // Pianos and keyboards
    voiceOf("GrandPiano", piano(Grand)).sends(40, 0),
    voiceOf("BritePiano", piano(Brite)).sends(40, 0),
    voiceOf("Honky Tonk", piano(Honky), piano(Honky).detuned(12).lvl(90)).sends(40, 20),
    voiceOf("Stage CP", piano(CP80)).sends(40, 30),
    voiceOf("Layer Pno", piano(Grand), piano(Brite).detuned(5).lvl(60)).sends(40, 20),
    voiceOf("Pno&Pad", piano(Grand), pad(Pad1).lvl(60)).sends(60, 30),
    voiceOf("Roads EP", epiano(Roads)).sends(40, 30),
    voiceOf("Tine EP", epiano(Roads).curve(3), bell(Digi22).shifted(12).lvl(40)).sends(40, 30),
    voiceOf("FM Piano", epiano(DX7)).sends(40, 40),
    voiceOf("Dyno EP", epiano(DX7).curve(3), epiano(Roads).lvl(80)).sends(40, 40),
    voiceOf("Trem EP", epiano(Roads).withTremolo(42, 10)).sends(40, 20),
    voiceOf("Clavinet", clav(Clavi)).sends(20, 10),
    voiceOf("Harpsi", piano(Harpsichrd)).sends(50, 10),
    voiceOf("Harpsi 8+4", piano(Harpsichrd), piano(Harpsichrd).shifted(12).lvl(70)).sends(50, 10),
    voiceOf("Accordion", organ(Accordion), organ(Accordion).detuned(10).lvl(90)).sends(40, 20),
    voiceOf("Bandoneon", organ(Bandoneon)).sends(40, 20),
    // Organs
    voiceOf("Drawbars", organ(Drawbar1)).sends(30, 40),
    voiceOf("Full Bars", organ(Drawbar1), organ(Drawbar2).shifted(12).lvl(70)).sends(30, 40),
    voiceOf("Perc Organ", organ(Percussive)).sends(30, 40),
    voiceOf("Rock Organ", organ(Rock1), organ(Rock2).lvl(80)).sends(30, 50),
    voiceOf("Leslie", organ(Drawbar2).withTremolo(50, 8).withVibrato(50, 3)).sends(30, 50),
    voiceOf("Church", organ(Pipe), organ(Pipe).shifted(-12).lvl(80)).sends(110, 10),
    voiceOf("Reed Organ", organ(Reed)).sends(50, 20),
    // Guitars
    voiceOf("Nylon Gtr", guitar(Nylon)).sends(40, 10),
    voiceOf("Steel Gtr", guitar(Steel)).sends(40, 10),
    voiceOf("12 String", guitar(W12GtrUpper), guitar(Steel).lvl(80)).sends(40, 30),
    voiceOf("Jazz Gtr", guitar(JazzGtr)).sends(40, 10),
    voiceOf("Clean Gtr", guitar(Clean)).sends(40, 30),
    voiceOf("Muted Gtr", guitar(Muted)).sends(30, 10),
    voiceOf("Overdrive", guitar(Overdrive)).sends(30, 20),
    voiceOf("Dist Gtr", guitar(Distortion), guitar(OvrdriveLp).lvl(60)).sends(30, 20),
    voiceOf("Harmonics", guitar(Harmonics1)).sends(50, 20),
    voiceOf("Banjo", guitar(Banjo)).sends(30, 10),
    // Basses
    voiceOf("Acou Bass", bass(Upright)).sends(20, 0),
    voiceOf("FingerBass", bass(Finger)).sends(20, 0),
    voiceOf("Pick Bass", bass(Picked)).sends(20, 0),
    voiceOf("Fretless", bass(Fretless).withVibrato(40, 3, 60)).sends(30, 10),
    voiceOf("Slap Bass", bass(Slap1), bass(Slap2).lvl(70)).sends(20, 0),
    voiceOf("Thump", bass(Thump)).sends(20, 0),
    voiceOf("Syn Bass 1", synBass(Bass1)).sends(10, 0),
    voiceOf("Syn Bass 2", synBass(Bass2).withFilter(FilterEg::SynBass2)).sends(10, 0),
    voiceOf("Saw Bass", synBass(Saw)).monoGlide(8),
    voiceOf("Reso Bass", resoBass(Saw)).monoGlide(10),
    voiceOf("Sub Bass", element(Sine, AmpEg::SynBass2).shifted(-12), synBass(Square).lvl(50)).sends(10, 0),
    // Strings and ensembles
    voiceOf("Strings", strings(SectionEns)).sends(60, 20),
    voiceOf("Slow Str", strings(SectionEns).withAmp(AmpEg::SlowPad)).sends(70, 20),
    voiceOf("Str Loop", strings(StrngEnsLp)).sends(60, 20),
    voiceOf("Violin", strings(Violin).withVibrato(44, 7, 40)).sends(50, 10),
    voiceOf("Viola", strings(Viola)).sends(50, 10),
    voiceOf("Cello", strings(Cello)).sends(50, 10),
    voiceOf("ContraBass", strings(ContraBass)).sends(50, 10),
    voiceOf("Pizzicato", pluck(Pizzicato)).sends(60, 10),
    voiceOf("Harp", pluck(Harp).withAmp(AmpEg::Guitar)).sends(70, 10),
    voiceOf("Syn Str", strings(Saw).filtered(90), strings(Saw).detuned(12).filtered(90)).sends(60, 60),
    voiceOf("Orch Hit", drum(OrchHit)).sends(60, 10),
    voiceOf("Full Orch", strings(SectionEns), brass(FrenchHorn).lvl(60), strings(ContraBass).shifted(-12).lvl(60)).sends(80, 20),
    // Brass
    voiceOf("Trumpet", brass(Trumpet).withVibrato(42, 4, 60)).sends(40, 10),
    voiceOf("Mute Trp", brass(MutedTrp)).sends(40, 10),
    voiceOf("Trombone", brass(Trombone)).sends(40, 10),
    voiceOf("Tuba", brass(Tuba)).sends(30, 0),
    voiceOf("FrenchHorn", brass(FrenchHorn)).sends(60, 10),
    voiceOf("Brass Sect", brass(TrumpetEns), brass(Trombone).lvl(70)).sends(40, 20),
    voiceOf("Syn Brass", brass(Saw).filtered(80, 10), brass(Saw).detuned(10).filtered(80, 10)).sends(40, 40),
    voiceOf("Brass Stab", stab(Brass)).sends(40, 20),
    // Reeds and pipes
    voiceOf("Soprano", reed(SopranoSax)).sends(40, 10),
    voiceOf("Alto Sax", reed(AltoSax)).sends(40, 10),
    voiceOf("Tenor Sax", reed(TenorSax)).sends(40, 10),
    voiceOf("Bari Sax", reed(BaritonSax), reed(BariSaxAtk).lvl(60)).sends(40, 10),
    voiceOf("Clarinet", reed(Clarinet)).sends(40, 10),
    voiceOf("Oboe", reed(Oboe)).sends(50, 10),
    voiceOf("EnglshHorn", reed(EnglshHorn)).sends(50, 10),
    voiceOf("Bassoon", reed(Bassoon)).sends(40, 10),
    voiceOf("Flute", flute(Flute)).sends(50, 10),
    voiceOf("Piccolo", flute(Piccolo)).sends(50, 10),
    voiceOf("Recorder", flute(SprRecordr)).sends(50, 10),
    voiceOf("Pan Flute", flute(PanFlute)).sends(60, 10),
    voiceOf("Ocarina", flute(Ocarina)).sends(60, 10),
    // Synth leads
    voiceOf("Square Ld", lead(Square)).monoGlide(6),
    voiceOf("Saw Lead", lead(Saw)).monoGlide(6),
    voiceOf("Sync Lead", lead(Saw).withPitch(PitchEg::AttackPlus12), lead(Square).shifted(7).lvl(50)).monoGlide(6),
    voiceOf("Sine Lead", lead(Sine)).monoGlide(10),
    voiceOf("Fat Lead", lead(Saw), lead(Saw).detuned(12), lead(Square).shifted(-12).lvl(70)).monoGlide(8),
    voiceOf("Digi Lead", lead(Digi9), lead(Digi11).detuned(6).lvl(70)).sends(40, 30),
    voiceOf("Pulse Lead", lead(Pulse10)).monoGlide(6),
    voiceOf("Whistle", flute(Sine).shifted(12)).sends(50, 10),
    // Synth pads and sweeps
    voiceOf("Warm Pad", pad(Pad1), pad(Saw).filtered(60).lvl(60)).sends(70, 50),
    voiceOf("Itopia", pad(Itopia)).sends(80, 40),
    voiceOf("Poly Pad", pad(Saw).filtered(80), pad(Pulse25).detuned(8).filtered(80)).sends(60, 50),
    voiceOf("Sweep Pad", sweep(Saw), sweep(Saw).detuned(10)).sends(70, 50),
    voiceOf("Digi Pad", pad(Digi2), pad(Digi4).detuned(6).lvl(70)).sends(70, 50),
    voiceOf("Space Pad", pad(Pad3), pad(Digi13).shifted(12).lvl(50), pad(Pad1).lvl(70)).sends(90, 50),
    voiceOf("Halo", choir(Ooh), pad(Pad2).lvl(70)).sends(90, 40),
    voiceOf("Air Pad", pad(Breath).filtered(80), pad(Sine).lvl(70)).sends(80, 40),
    // Choirs
    voiceOf("Aah Choir", choir(Aah)).sends(70, 20),
    voiceOf("Ooh Choir", choir(Ooh)).sends(70, 20),
    voiceOf("Big Choir", choir(Aah), choir(Ooh).detuned(8).lvl(80), choir(Aah).shifted(-12).lvl(60)).sends(90, 30),
    // Synth comping
    voiceOf("Saw Comp", comp(Saw)).sends(30, 20),
    voiceOf("Pulse Comp", comp(Pulse25)).sends(30, 20),
    voiceOf("Reso Comp", comp(Saw).filtered(50, 50).withFilter(FilterEg::ResoPerc3)).sends(30, 20),
    voiceOf("Poly Synth", comp(Saw).withAmp(AmpEg::SynComp2), comp(Square).detuned(8).lvl(70)).sends(40, 30),
    // Ethnic
    voiceOf("Sitar", ethnic(Sitar)).sends(50, 10),
    voiceOf("Koto", ethnic(Koto)).sends(50, 10),
    voiceOf("Shamisen", ethnic(Shamisen)).sends(40, 10),
    voiceOf("Dulcimer", ethnic(Dulcimer)).sends(50, 10),
    voiceOf("Shakuhachi", flute(Shakuhachi)).sends(60, 10),
    voiceOf("Sho", organ(Sho).withAmp(AmpEg::SlowPad)).sends(60, 10),
    voiceOf("Bagpipe", reed(BagPipe).withPitch(PitchEg::BagPipe)).sends(40, 10),
    // Percussion and effects
    voiceOf("Timpani", drum(Timpani)).sends(60, 0),
    voiceOf("Taiko", drum(Taiko)).sends(60, 0),
    voiceOf("Syn Tom", drum(Tom3).withPitch(PitchEg::SynTom)).sends(40, 0),
    voiceOf("Rain Storm", fx(Rain), fx(Thunder).lvl(70).delayed(10)).sends(70, 10),
    voiceOf("Seashore", fx(Surf).withTremolo(4, 20)).sends(60, 10),
    voiceOf("Bird Song", fx(Bird1), fx(Bird2).lvl(70)).sends(70, 10),
};
// clang-format on

} // namespace

std::span<const VoiceSpec> factoryPresetVoiceSpecs() {
    return kPresetVoices;
}

} // namespace image
