// The virtual keyboard on the memory backend: which key a point plays, the notes on and
// off of single notes, glissando and chords in the order they leave, the velocity drag,
// and that nothing keeps sounding when the window loses the mouse.

#include "aids/keyboard_keys.h"
#include "aids/virtual_keyboard.h"
#include "draw/palette.h"

#include "screen_test_support.h"

#include <gtest/gtest.h>

namespace {

using aids::Key;
using aids::PlayState;
using aids::VirtualKeyboard;
using editor::MouseButton;
using editor::testing::Msg;

Msg on(int channel, int note, int velocity) {
    return {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(note),
            static_cast<std::uint8_t>(velocity)};
}
Msg off(int channel, int note) {
    return on(channel, note, 0);
}

// x of the middle of white key i (1..75), and of the black key at offset o of group g.
int whiteX(int index) {
    return 15 + 7 * (index - 1) + 3;
}
int blackX(int group, int offset) {
    return 15 + 49 * group + offset + 3;
}
constexpr int kWhiteY = 60;
constexpr int kBlackY = 40;

struct KeyboardTest : ::testing::Test {
    midi::MemoryBackend backend{{"In"}, {"Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    image::SynthImage synth;
    editor::testing::ScriptedHost host;
    std::unique_ptr<VirtualKeyboard> keyboard;
    int closes = 0;

    void SetUp() override {
        editor::testing::ensureApplication();
        image::initialiseImage(synth);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        keyboard = std::make_unique<VirtualKeyboard>(synth, port, host, 100);
        keyboard->setCloseRequest([this] { ++closes; });
        backend.clearSent();
    }
    void press(int x, int y, MouseButton b = MouseButton::Left) { keyboard->Ig2MouseDown(b, x, y); }
    void release(int x, int y, MouseButton b = MouseButton::Left) { keyboard->Ig2MouseUp(b, x, y); }
};

TEST(KeyboardKeys, BlackKeysWinInTheirZoneAndWhiteKeysBelow) {
    ASSERT_TRUE(aids::keyAt(blackX(2, 12), kBlackY));
    EXPECT_EQ(aids::keyAt(blackX(2, 12), kBlackY)->note, 27);
    EXPECT_TRUE(aids::keyAt(blackX(2, 12), kBlackY)->black);
    // Below the black keys the same x is a white key (D sharp lies over D and E).
    EXPECT_FALSE(aids::keyAt(blackX(2, 12), kWhiteY)->black);
    EXPECT_EQ(aids::keyAt(whiteX(1), kWhiteY)->note, 0);
    EXPECT_EQ(aids::keyAt(whiteX(75), kWhiteY)->note, 127);
    EXPECT_EQ(aids::keyAt(blackX(10, 26), kBlackY)->note, 126);
    // Every note has exactly one key.
    std::vector<int> notes;
    for (int i = 1; i <= aids::kWhiteKeys; ++i) notes.push_back(aids::whiteNote(i));
    for (int i = 1; i <= aids::kBlackKeys; ++i) notes.push_back(aids::blackNote(i));
    std::sort(notes.begin(), notes.end());
    for (int n = 0; n < 128; ++n) EXPECT_EQ(notes[static_cast<std::size_t>(n)], n);
}

TEST_F(KeyboardTest, ASingleNotePlaysOnTheCurrentPartsReceiveChannelAndLightsBlue) {
    synth.currentPart = 8;
    synth.part(8, image::offset::kReceiveChannel) = 5;
    press(blackX(2, 12), kBlackY);
    EXPECT_EQ(keyboard->image().pixel(blackX(2, 12), 45), draw::rgb(0, 0, 255));
    release(blackX(2, 12), kBlackY);
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{on(5, 27, 100), off(5, 27)}));
    EXPECT_EQ(keyboard->image().pixel(blackX(2, 12), 45), draw::ColDarkBrown);
    // A part that receives on no channel plays nothing.
    backend.clearSent();
    synth.part(8, image::offset::kReceiveChannel) = 127;
    press(whiteX(10), kWhiteY);
    release(whiteX(10), kWhiteY);
    EXPECT_TRUE(backend.sent().empty());
}

TEST_F(KeyboardTest, AGlissandoPlaysEachKeyOnceStoppingThePreviousOne) {
    press(whiteX(36), kWhiteY); // C 3 = 60
    for (int i = 36; i <= 40; ++i)
        for (int dx = -2; dx <= 3; ++dx) keyboard->Ig2MouseMove(whiteX(i) + dx, kWhiteY);
    keyboard->Ig2MouseMove(whiteX(40), 10); // out of the keys: nothing
    release(whiteX(40), 10);
    EXPECT_EQ(
        backend.sent(),
        (std::vector<Msg>{on(0, 60, 100), off(0, 60), on(0, 62, 100), off(0, 62), on(0, 64, 100),
                          off(0, 64), on(0, 65, 100), off(0, 65), on(0, 67, 100), off(0, 67)}));
    EXPECT_EQ(keyboard->playState(), PlayState::Idle);
}

TEST_F(KeyboardTest, ChordsStopTheirOtherNotesFirstThenTheRoot) {
    // Minor with the left button in chord mode.
    press(480, 12);
    EXPECT_TRUE(keyboard->minorChords());
    press(whiteX(36), kWhiteY);
    EXPECT_EQ(keyboard->playState(), PlayState::MinorChord);
    keyboard->Ig2MouseMove(whiteX(40), kWhiteY); // no glissando in a chord
    release(whiteX(40), kWhiteY);
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{on(0, 60, 100), on(0, 63, 100), on(0, 67, 100),
                                                off(0, 63), off(0, 67), off(0, 60)}));
    // Major with the right button, in either mode; the left button does not end it.
    backend.clearSent();
    press(whiteX(36), kWhiteY, MouseButton::Right);
    press(whiteX(50), kWhiteY);
    release(whiteX(50), kWhiteY);
    release(whiteX(36), kWhiteY, MouseButton::Right);
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{on(0, 60, 100), on(0, 64, 100), on(0, 67, 100),
                                                off(0, 64), off(0, 67), off(0, 60)}));
    // From note 120 up only the root.
    backend.clearSent();
    press(whiteX(71), kWhiteY, MouseButton::Right); // C 8 = 120
    release(whiteX(71), kWhiteY, MouseButton::Right);
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{on(0, 120, 100), off(0, 120)}));
    // Back to single notes.
    press(380, 12);
    EXPECT_FALSE(keyboard->minorChords());
}

TEST_F(KeyboardTest, LosingTheWindowInTheMiddleOfAChordStopsEveryNote) {
    press(whiteX(36), kWhiteY, MouseButton::Right);
    synth.part(0, image::offset::kReceiveChannel) = 3; // changed meanwhile: stops where it started
    keyboard->deactivated();
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{on(0, 60, 100), on(0, 64, 100), on(0, 67, 100),
                                                off(0, 64), off(0, 67), off(0, 60)}));
    EXPECT_EQ(keyboard->playState(), PlayState::Idle);
    // The release that never came for this press does nothing when it comes late.
    backend.clearSent();
    release(whiteX(36), kWhiteY, MouseButton::Right);
    EXPECT_TRUE(backend.sent().empty());
}

TEST_F(KeyboardTest, TheVelocityFollowsAOnePixelStripFromZeroToTheTop) {
    press(150, 12);
    EXPECT_EQ(keyboard->playState(), PlayState::Velocity);
    EXPECT_EQ(host.confinement, (editor::HitRect{1000, 0, 1000, 127}));
    EXPECT_EQ(host.pointerY, 127 - 100);
    keyboard->Ig2MouseMove(1000, 0);
    EXPECT_EQ(keyboard->velocity(), 127);
    keyboard->Ig2MouseMove(1000, 127);
    EXPECT_EQ(keyboard->velocity(), 0);
    keyboard->Ig2MouseMove(1000, 30);
    release(1000, 30);
    EXPECT_EQ(keyboard->velocity(), 97);
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{150, 12})) << "back where it was pressed";
    press(whiteX(36), kWhiteY);
    release(whiteX(36), kWhiteY);
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{on(0, 60, 97), off(0, 60)}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(KeyboardTest, CloseHidesOnlyWhenReleasedOverItself) {
    press(50, 12);
    release(50, 12);
    EXPECT_EQ(closes, 1);
    press(50, 12);
    release(300, 12);
    EXPECT_EQ(closes, 1);
}

} // namespace
