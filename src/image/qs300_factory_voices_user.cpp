// The 128 voices a new user bank holds. Each line: name, then the elements (wave recipe and
// refinements), then voice-wide settings.
#include "image/qs300_factory.h"
#include "image/qs300_voice_recipes.h"

namespace image {

namespace {

using namespace recipe;
using namespace wave;

// clang-format off
constexpr std::array<VoiceSpec, kBankVoiceCount> kUserVoices{
    // Synth pads, pulses and sequences
    voiceOf("Aurora", pad(Pad1).detuned(6), pad(Saw).detuned(-6).filtered(70, 16).lvl(80),
            kBlankElement, pad(Sine).shifted(12).lvl(64)).sends(70, 40),
    voiceOf("Tri Pad", pad(Digi3), pad(Digi3).detuned(8).panned(-3), pad(Digi3).detuned(-8).panned(3)).sends(60, 50),
    voiceOf("Expander", sweep(Saw), sweep(Saw).detuned(10).shifted(-12)).sends(50, 40),
    voiceOf("DancePulse", comp(Pulse25), comp(Pulse10).detuned(7).lvl(80)).sends(30, 20),
    voiceOf("Rezzy", synBass(Saw).filtered(40, 55).withFilter(FilterEg::SynBaReso)).sends(20, 0),
    voiceOf("Pulse Wmod", element(Pulse25, AmpEg::SynLead).withTremolo(36, 6), element(Pulse10, AmpEg::SynLead).detuned(5).withWah(36, 8)).wheel(0, 20, 6),
    voiceOf("Seq Saw1", comp(Saw)).sends(30, 10),
    voiceOf("Seq Saw2", comp(Saw).withFilter(FilterEg::SynWah), comp(Saw).detuned(9).shifted(12).lvl(70)).sends(30, 20),
    voiceOf("Seq Pulse", comp(Pulse25).withFilter(FilterEg::ResoPerc1)).sends(30, 10),
    voiceOf("Seq+Sin-MW", comp(Saw), element(Sine, AmpEg::SynComp2).shifted(12).lvl(80)).wheel(0, 30, 8),
    voiceOf("Pulse25", lead(Pulse25)).sends(40, 20),
    voiceOf("Amped", lead(Saw).filtered(110, 30), lead(Pulse25).detuned(12).lvl(80)).sends(40, 30),
    voiceOf("Crawl", sweep(Digi12).withTremolo(8, 10), sweep(Noise).lvl(50)).sends(80, 30),
    voiceOf("These Days", pad(Pad2), strings(StrngEnsLp).lvl(80)).sends(60, 40),
    voiceOf("Precision", bass(Finger), bass(Picked).lvl(60)).sends(10, 0),
    voiceOf("HvyWeather", fx(Wind).withWah(10, 10), fx(Rain).lvl(80), fx(Thunder).lvl(70).delayed(8)).sends(70, 20),
    voiceOf("Harmo Lead", reed(Harmonica), lead(Square).shifted(12).lvl(50)).monoGlide(20),
    voiceOf("Opus", choir(Aah), strings(SectionEns).lvl(90), pad(Pad1).lvl(60)).sends(80, 40),
    voiceOf("Light&Body", pad(Sine), strings(StrngEnsLp).lvl(80)).sends(60, 40),
    voiceOf("Sprite", bell(TinkleBell), pad(Pad3).lvl(60)).sends(80, 40),
    voiceOf("Sanctuary", choir(Ooh), organ(Pipe).lvl(70), pad(Pad1).lvl(50)).sends(100, 30),
    voiceOf("Eerie", fx(Digi20).withVibrato(20, 20), choir(Ooh).withPitch(PitchEg::UpSlow).lvl(70)).sends(90, 40),
    voiceOf("Slow Morph", sweep(Digi7), sweep(Digi8).delayed(10).lvl(80)).sends(70, 40),
    voiceOf("Heli Drone", fx(Helicopter), pad(Digi1).shifted(-12).lvl(70)).sends(50, 20),
    voiceOf("Ambient-AT", pad(Itopia), pad(Pad2).lvl(70)).touch(8, 20).sends(90, 50),
    voiceOf("Sub Oscltr", synBass(Square).shifted(-12), synBass(Saw).detuned(6).lvl(70)).monoGlide(10),
    voiceOf("Obie Soft", pad(Saw).filtered(70, 10), pad(Pulse25).detuned(8).filtered(70, 10)).sends(50, 50),
    voiceOf("Dance Saw", comp(Saw), comp(Saw).detuned(14), comp(Saw).detuned(-14)).sends(30, 30),
    // Brass
    voiceOf("Brother", brass(TrumpetEns), brass(Brass).detuned(5).lvl(80)).sends(40, 20),
    voiceOf("Sforzando", brass(Brass).withFilter(FilterEg::SfzBrass), brass(FrenchHorn).lvl(80)).sends(50, 20),
    voiceOf("HrnSect ff", brass(FrenchHorn).filtered(110), brass(Trombone).lvl(80)).sends(50, 20),
    voiceOf("Big Ens", brass(TrumpetEns), brass(Trombone).shifted(-12).lvl(80), brass(Tuba).shifted(-12).lvl(60)).sends(50, 20),
    voiceOf("Tijuana", brass(Trumpet), brass(Trumpet).detuned(10).lvl(90)).sends(40, 30),
    voiceOf("Miles Away", brass(MutedTrp).withVibrato(40, 6, 60)).sends(60, 10).monoGlide(8),
    voiceOf("Back Horns", stab(Brass), stab(TrumpetEns).detuned(6).lvl(80)).sends(40, 20),
    voiceOf("Shining", brass(Brass).filtered(120), element(Saw, AmpEg::Brass, FilterEg::Brass).lvl(60)).sends(60, 40),
    // Synth effects
    voiceOf("Robo Chat", fx(Digi15).withWah(50, 15), fx(Digi16).withTremolo(50, 20)).sends(30, 20),
    voiceOf("Dance SE", fx(Noise).withPitch(PitchEg::DownFast), drum(Scratch).lvl(80)).sends(40, 20),
    voiceOf("S&H303", resoBass(Saw).withWah(50, 15).lfoShape(2)).monoGlide(12),
    voiceOf("Devil Bell", bell(TublarBell).shifted(-5), bell(Digi22).detuned(20).lvl(70)).sends(80, 30),
    voiceOf("Rez Set4", comp(Saw).filtered(50, 50), comp(Pulse25).filtered(50, 50).shifted(12).lvl(70)).sends(30, 20),
    voiceOf("Compact", comp(Square).withAmp(AmpEg::SynComp2)).sends(30, 20),
    // Organs
    voiceOf("PhaseOrgan", organ(Drawbar1).withTremolo(40, 4), organ(Drawbar2).detuned(4).lvl(80)).sends(40, 50),
    voiceOf("Door", organ(Drawbar2).withPitch(PitchEg::UpFast), fx(DoorSqueak).lvl(60)).sends(40, 20),
    voiceOf("Principal", organ(Pipe), organ(Pipe).shifted(12).lvl(70)).sends(100, 10),
    voiceOf("Theatr Org", organ(Pipe).withVibrato(36, 8), organ(Reed).lvl(80)).sends(80, 30),
    voiceOf("Sixties", organ(Drawbar1).filtered(100), organ(Percussive).lvl(70)).sends(30, 40),
    voiceOf("DistHamOrg", organ(Rock1).filtered(110, 20), organ(Rock2).detuned(5).lvl(80)).sends(30, 40),
    voiceOf("Click Jazz", organ(Drawbar2), organ(Percussive).withAmp(AmpEg::TunePerc2).lvl(70)).sends(30, 30),
    voiceOf("Gospel", organ(Drawbar1), organ(Rock1).lvl(70)).sends(50, 40),
    voiceOf("Tango", organ(Bandoneon).withTremolo(30, 4)).sends(40, 20),
    voiceOf("Musette", organ(Accordion), organ(Accordion).detuned(12).lvl(90)).sends(40, 20),
    voiceOf("Jan", lead(Digi10), pad(Pad2).lvl(60)).sends(60, 40),
    voiceOf("Thick", lead(Saw), lead(Saw).detuned(15), lead(Saw).detuned(-15).shifted(-12)).sends(40, 30),
    voiceOf("Saw Horn", brass(Saw).filtered(90), brass(FrenchHorn).lvl(70)).sends(50, 20),
    voiceOf("Plucky", pluck(Digi5), pluck(Pulse25).lvl(70)).sends(40, 30),
    voiceOf("Pure Sine", lead(Sine).filtered(127)).sends(40, 20),
    voiceOf("Pure Tri", lead(Digi3).filtered(127)).sends(40, 20),
    voiceOf("Scat Line", choir(Ooh).withAmp(AmpEg::PcMute), lead(Sine).lvl(50)).sends(40, 20),
    voiceOf("Glass Cut", bell(Digi24), pad(Digi25).lvl(60)).sends(80, 40),
    voiceOf("Syn Clavi", clav(Pulse25), clav(Saw).shifted(12).lvl(60)).sends(20, 20),
    // Choirs and voices
    voiceOf("SeqQoirVel", comp(Aah).velocities(1, 90), comp(Ooh).velocities(91, 127)).sends(50, 20),
    voiceOf("Vocoder", choir(Aah).withWah(40, 8), lead(Saw).filtered(60, 30).lvl(70)).sends(50, 40),
    voiceOf("Reso Choir", choir(Aah).filtered(80, 40), choir(Ooh).lvl(80)).sends(80, 30),
    voiceOf("Tron Choir", choir(Aah).filtered(90).withTremolo(20, 4), choir(Ooh).detuned(8).lvl(80)).sends(70, 20),
    voiceOf("HybriChoir", choir(Ooh), pad(Pad1).lvl(70), strings(StrngEnsLp).lvl(60)).sends(90, 40),
    // Pianos and electric pianos
    voiceOf("Dance Pno2", piano(Brite), piano(Honky).lvl(70)).sends(40, 30),
    voiceOf("CheapDance", piano(Honky).filtered(100), comp(Saw).lvl(40)).sends(40, 30),
    voiceOf("Hard", piano(Brite).curve(3), piano(Grand).lvl(80)).sends(30, 10),
    voiceOf("Wire Piano", piano(Honky), piano(Harpsichrd).lvl(60)).sends(40, 20),
    voiceOf("Rock", piano(Brite), piano(CP80).lvl(70)).sends(30, 20),
    voiceOf("CP80Chorus", piano(CP80), piano(CP80).detuned(8).lvl(90)).sends(40, 60),
    voiceOf("CP80 Heavy", piano(CP80).curve(3), piano(Brite).lvl(70)).sends(30, 30),
    voiceOf("Jazzy CP70", piano(CP80).filtered(100)).sends(40, 20),
    voiceOf("Wurlitz", epiano(Roads).filtered(110, 10)).sends(40, 30),
    voiceOf("PanWurlitz", epiano(Roads).withTremolo(40, 8).panned(-6), epiano(Roads).withTremolo(40, 8).panned(6)).sends(40, 30),
    voiceOf("Digi Roads", epiano(DX7), epiano(Roads).lvl(80)).sends(40, 40),
    voiceOf("PhaseRoads", epiano(Roads), epiano(Roads).detuned(6).lvl(90)).sends(40, 70),
    voiceOf("Panning EP", epiano(DX7).panned(-7), epiano(DX7).panned(7).delayed(2)).sends(40, 40),
    voiceOf("Noisy Clav", clav(Clavi), drum(KeyPad).lvl(50)).sends(20, 20),
    voiceOf("70thClavnt", clav(Clavi).withFilter(FilterEg::SynWah).filtered(70, 40)).sends(20, 30),
    voiceOf("Cembalo", piano(Harpsichrd)).sends(50, 10),
    voiceOf("Woman", choir(Aah).withPitch(PitchEg::DownSlow), choir(Ooh).lvl(80)).sends(70, 20),
    // Guitars
    voiceOf("Half Drive", guitar(Overdrive).filtered(100)).sends(30, 20),
    voiceOf("Cry-MW", guitar(Distortion).withAmp(AmpEg::SynLead)).wheel(0, 40, 10).sends(30, 20),
    voiceOf("FunkWah-MW", guitar(Muted).withFilter(FilterEg::SynWah).filtered(70, 30)).wheel(0, 30, 12),
    voiceOf("ChrusStrat", guitar(Clean), guitar(Clean).detuned(10).lvl(80)).sends(40, 70),
    voiceOf("Classic", guitar(Nylon)).sends(40, 10),
    voiceOf("Sevilla", guitar(Nylon), guitar(GtrStroke).lvl(50)).sends(50, 20),
    voiceOf("Benson", guitar(JazzGtr).filtered(100), choir(Ooh).withAmp(AmpEg::Guitar).lvl(50)).sends(40, 20),
    voiceOf("Hawai DoA", guitar(Steel).withPitch(PitchEg::UpSlow).withVibrato(40, 10)).sends(50, 20),
    // Strings
    voiceOf("MarcStrngs", strings(SectionEns).withAmp(AmpEg::Brass), strings(Violin).lvl(70)).sends(60, 30),
    voiceOf("Ana Strngs", strings(Saw).filtered(80), strings(Saw).detuned(10).filtered(80)).sends(60, 60),
    voiceOf("Chamber", strings(Violin), strings(Viola).lvl(80), strings(Cello).shifted(-12).lvl(70)).sends(70, 20),
    voiceOf("SfzTremolo", strings(SectionEns).withTremolo(50, 12)).sends(60, 20),
    voiceOf("Oct", strings(StrngEnsLp), strings(StrngEnsLp).shifted(12).lvl(70)).sends(60, 30),
    voiceOf("StereoPizz", pluck(Pizzicato).panned(-4), pluck(Pizzicato).panned(4).detuned(6)).sends(60, 10),
    voiceOf("LoFi Str", strings(Ensemble).filtered(70, 10)).sends(50, 20),
    voiceOf("ViennaWltz", strings(SectionEns), strings(Violin).shifted(12).lvl(60)).sends(80, 20),
    voiceOf("DarkStrngs", strings(Cello).filtered(80), strings(ContraBass).shifted(-12).lvl(80)).sends(60, 20),
    voiceOf("Grapelli", strings(Violin).withAmp(AmpEg::SynLead).withVibrato(44, 8, 40)).monoGlide(6),
    // Mallets and bells
    voiceOf("Hand Bell", bell(TublarBell), bell(Glocken).lvl(60)).sends(70, 20),
    voiceOf("Jazz Vibes", mallet(Vibes).withTremolo(40, 8)).sends(50, 20),
    voiceOf("White Bell", bell(Glocken), pad(Sine).shifted(12).lvl(50)).sends(80, 30),
    voiceOf("Bluez-MW", reed(Harmonica)).wheel(20).sends(40, 10),
    voiceOf("Toots", reed(Harmonica).withVibrato(40, 8, 30)).sends(40, 10),
    // Reeds and winds
    voiceOf("Alto", reed(AltoSax), reed(AltoSaxAtk).lvl(60)).sends(40, 10),
    voiceOf("Solo Oboe", reed(Oboe)).sends(50, 10),
    voiceOf("PicoRecrdr", flute(SprRecordr).shifted(12)).sends(50, 10),
    voiceOf("Picco Solo", flute(Piccolo)).sends(50, 10),
    voiceOf("PercuFlute", flute(Flute), drum(Breath).lvl(60)).sends(50, 10),
    // Ethnic
    voiceOf("Ravi", ethnic(Sitar), ethnic(Sitar).detuned(10).lvl(70)).sends(50, 20),
    voiceOf("Shaku", flute(Shakuhachi).withPitch(PitchEg::UpSlow)).sends(60, 10),
    voiceOf("Rich Koto", ethnic(Koto), ethnic(Koto).detuned(8).lvl(70)).sends(60, 20),
    voiceOf("Bali", mallet(Kalimba), mallet(SteelDrum).lvl(60)).sends(60, 20),
    voiceOf("Shami", ethnic(Shamisen)).sends(40, 10),
    voiceOf("Santur2", ethnic(Dulcimer), ethnic(Dulcimer).detuned(10).lvl(80)).sends(60, 20),
    voiceOf("Zither", ethnic(Harp).withAmp(AmpEg::Guitar), ethnic(Dulcimer).lvl(60)).sends(60, 20),
    voiceOf("Hack Brett", ethnic(Dulcimer).withAmp(AmpEg::TunePerc1)).sends(60, 20),
    voiceOf("Scott Pipe", reed(BagPipe).withPitch(PitchEg::BagPipe)).sends(40, 10),
    // Splits and layers
    voiceOf("Xylopad", mallet(Xylophone), pad(Pad1).lvl(60)).sends(60, 30),
    voiceOf("Strynx&Pno", piano(Grand), strings(StrngEnsLp).lvl(70)).sends(60, 30),
    voiceOf("Fairy", bell(Celesta), bell(TinkleBell).shifted(12).lvl(50), pad(Pad3).lvl(50)).sends(80, 40),
    voiceOf("EP&Strings", epiano(DX7), strings(SectionEns).lvl(70)).sends(60, 30),
    voiceOf("70th Crime", strings(Saw).filtered(90), brass(Brass).lvl(70)).sends(60, 40),
    voiceOf("Funk Split", bass(Slap1).keys(0, 54), clav(Clavi).keys(55, 127)).sends(30, 20),
    voiceOf("Haendel", piano(Harpsichrd), organ(Pipe).lvl(50)).sends(60, 10),
    voiceOf("Zamphir", flute(PanFlute).withVibrato(40, 6, 40)).sends(60, 10),
};
// clang-format on

} // namespace

std::span<const VoiceSpec> factoryUserVoiceSpecs() {
    return kUserVoices;
}

} // namespace image
