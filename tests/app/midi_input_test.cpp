// MIDI input: the handshake's last status and MIDI thru on the current part's channel.

#include "app/midi_input.h"

#include "app_test_support.h"
#include "image/image_init.h"
#include "midi/short_message.h"

#include <QCoreApplication>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

std::optional<std::uint32_t> thru(const Message& m, bool on, int channel) {
    return thruMessage(midi::Bytes(m.data(), m.size()), on, channel);
}

TEST(ThruMessage, ChannelMessagesMoveToTheReceiveChannel) {
    EXPECT_EQ(thru(bytes({0x90, 60, 100}), true, 4), midi::packShort(0x94, 60, 100));
    EXPECT_EQ(thru(bytes({0x8F, 60, 0}), true, 0), midi::packShort(0x80, 60, 0));
    EXPECT_EQ(thru(bytes({0xB3, 7, 90}), true, 15), midi::packShort(0xBF, 7, 90));
    EXPECT_EQ(thru(bytes({0xD0, 33}), true, 2), midi::packShort(0xD2, 33, 0));
    EXPECT_EQ(thru(bytes({0xE5, 0, 64}), true, 9), midi::packShort(0xE9, 0, 64));
}

TEST(ThruMessage, NotPassed) {
    EXPECT_FALSE(thru(bytes({0x90, 60, 100}), false, 4)) << "thru off";
    EXPECT_FALSE(thru(bytes({0xC0, 5}), true, 4)) << "program change";
    EXPECT_FALSE(thru(bytes({0xCF, 5}), true, 4)) << "program change";
    EXPECT_FALSE(thru(bytes({0xFE}), true, 4)) << "active sensing";
    EXPECT_FALSE(thru(bytes({0xF8}), true, 4)) << "clock";
    EXPECT_FALSE(thru(bytes({0xF0, 0x43, 0x10, 0xF7}), true, 4)) << "system exclusive";
    EXPECT_FALSE(thru(bytes({0x3C, 0x40}), true, 4)) << "data without status";
    EXPECT_FALSE(thru(Message{}, true, 4));
    EXPECT_FALSE(thru(bytes({0x90, 60, 100}), true, 127)) << "part receives on no channel";
    EXPECT_FALSE(thru(bytes({0x90, 60, 100}), true, 16));
}

TEST(ThruMessage, IncompleteOrMalformedInputIsDroppedNotCompleted) {
    EXPECT_FALSE(thru(bytes({0xB0, 0x07}), true, 0)) << "controller without its value";
    EXPECT_FALSE(thru(bytes({0x90}), true, 0)) << "lone note-on status";
    EXPECT_FALSE(thru(bytes({0xE0, 0x00}), true, 0)) << "pitch bend missing its high byte";
    EXPECT_FALSE(thru(bytes({0xD0}), true, 0)) << "channel pressure without its value";
    EXPECT_FALSE(thru(bytes({0x90, 60, 100, 5}), true, 0)) << "a stray byte too many";
    EXPECT_FALSE(thru(bytes({0x90, 0x80, 100}), true, 0)) << "status byte as note number";
    EXPECT_FALSE(thru(bytes({0xB0, 7, 0xF8}), true, 0)) << "real-time byte as value";
}

class MidiInputRelayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        image::initialiseImage(f.session.image());
        f.session.port().RestorePorts({"Keys In", "XG-Orvo Out"});
        ASSERT_TRUE(f.backend.inputOpen());
        ASSERT_TRUE(f.backend.outputOpen());
        auto& image = f.session.image();
        image.currentPart = 2;
        image.part(2, image::offset::kReceiveChannel) = 4; // the third part listens on channel 5
    }

    // Input from the driver, then the GUI thread's turn.
    void receive(Message m) {
        f.backend.inject(std::move(m));
        QCoreApplication::processEvents();
    }
    std::uint8_t lastStatus() { return f.session.messages().handshake().lastInputStatus(); }

    testing::SessionFixture f;
    MidiInputRelay relay{f.session};
};

TEST_F(MidiInputRelayTest, NoteOnLeavesOnTheCurrentPartsChannel) {
    f.backend.inject(bytes({0x90, 60, 100}));
    EXPECT_EQ(f.backend.sentCount(), 0u) << "handled on the GUI thread, not in the callback";
    QCoreApplication::processEvents();
    ASSERT_EQ(f.backend.sent(), std::vector<Message>{bytes({0x94, 60, 100})});
    EXPECT_EQ(lastStatus(), 0x90);
}

TEST_F(MidiInputRelayTest, ProgramChangeAndSystemMessagesOnlyUpdateTheStatus) {
    receive(bytes({0xC0, 12}));
    EXPECT_EQ(lastStatus(), 0xC0);
    receive(bytes({0xFE}));
    EXPECT_EQ(lastStatus(), 0xFE);
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST_F(MidiInputRelayTest, ThruOffPassesNothingButStillNotesTheStatus) {
    f.session.settings().thru = false;
    receive(bytes({0x91, 64, 90}));
    EXPECT_EQ(lastStatus(), 0x91);
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST_F(MidiInputRelayTest, FollowsTheCurrentPart) {
    auto& image = f.session.image();
    image.currentPart = 9;
    image.part(9, image::offset::kReceiveChannel) = 9;
    receive(bytes({0x80, 36, 0}));
    receive(bytes({0xB0, 64, 127}));
    const std::vector<Message> expected{bytes({0x89, 36, 0}), bytes({0xB9, 64, 127})};
    EXPECT_EQ(f.backend.sent(), expected);
}

} // namespace
} // namespace app
