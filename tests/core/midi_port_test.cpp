#include "midi/errors.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/port_dialog_logic.h"
#include "midi/short_message.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using midi::MemoryBackend;
using midi::MidiPort;
using Msg = std::vector<std::uint8_t>;

class FakeStore : public midi::PortNameStore {
  public:
    midi::PortNames names;
    int saves = 0;
    midi::PortNames loadPortNames() override { return names; }
    void savePortNames(const midi::PortNames& n) override {
        names = n;
        ++saves;
    }
};

struct PortFixture : ::testing::Test {
    MemoryBackend backend{{"Keys In", "Cable In"}, {"DB50 Out", "Cable Out"}};
    midi::ManualClock clock;
    MidiPort port{backend, clock};
    FakeStore store;
    midi::PortDialogLogic dialog{port, store};
};

TEST(MidiPortLists, WithoutDevicesHoldNoneAndTheVirtualPort) {
    MemoryBackend backend;
    midi::ManualClock clock;
    MidiPort port(backend, clock);
    port.FillDeviceLists();
    EXPECT_EQ(port.inputLines(), (std::vector<std::string>{"NONE"}));
    EXPECT_EQ(port.outputLines(), (std::vector<std::string>{"NONE", "XG-Orvo Out"}));
}

TEST_F(PortFixture, OutputLineOneOpensTheVirtualPortAndLineTwoDeviceZero) {
    port.FillDeviceLists();
    EXPECT_EQ(port.outputLines(),
              (std::vector<std::string>{"NONE", "XG-Orvo Out", "DB50 Out", "Cable Out"}));
    port.selectLines(0, 1);
    dialog.FormClose();
    EXPECT_EQ(backend.openedOutputId(), -1);
    port.selectLines(0, 2);
    dialog.FormClose();
    EXPECT_EQ(backend.openedOutputId(), 0);
    EXPECT_FALSE(backend.inputOpen());
}

TEST_F(PortFixture, FirstRunShowsTheDialogAndOpensNothing) {
    const auto startup = dialog.FormCreate();
    EXPECT_TRUE(startup.showDialog);
    EXPECT_FALSE(port.outputOpen());
    EXPECT_FALSE(port.inputOpen());
    EXPECT_EQ(port.selectedOutputLine(), 0);
}

TEST_F(PortFixture, OneStoredNameMissingOpensNothingWithoutDialog) {
    store.names = {"Keys In", "Gone Out"};
    const auto startup = dialog.FormCreate();
    EXPECT_FALSE(startup.showDialog);
    EXPECT_FALSE(port.outputOpen());
    EXPECT_FALSE(port.inputOpen());
    EXPECT_EQ(port.selectedInputLine(), 0);
}

TEST_F(PortFixture, StoredNamesAreOpenedAndNoneMeansClosed) {
    store.names = {"Cable In", "Cable Out"};
    EXPECT_FALSE(dialog.FormCreate().showDialog);
    EXPECT_EQ(backend.openedInputId(), 1);
    EXPECT_EQ(backend.openedOutputId(), 1);

    store.names = {"NONE", "NONE"};
    MemoryBackend other{{"Keys In"}, {"DB50 Out"}};
    MidiPort port2(other, clock);
    midi::PortDialogLogic dialog2(port2, store);
    EXPECT_FALSE(dialog2.FormCreate().showDialog);
    EXPECT_FALSE(port2.outputOpen());
    EXPECT_FALSE(port2.inputOpen());
}

TEST_F(PortFixture, AStoredInputThatFailsToOpenLeavesTheOutputWorking) {
    store.names = {"Keys In", "DB50 Out"};
    backend.failNextInputOpen("Device busy");
    const auto startup = dialog.FormCreate();
    EXPECT_EQ(startup.error, "Device busy");
    EXPECT_FALSE(startup.showDialog);
    EXPECT_FALSE(port.inputOpen());
    EXPECT_TRUE(port.outputOpen());
    EXPECT_EQ(backend.openedOutputId(), 0);
}

TEST_F(PortFixture, OkRemembersTheSelectedLinesByName) {
    port.FillDeviceLists();
    port.selectLines(2, 1);
    dialog.Button1Click();
    EXPECT_EQ(store.saves, 1);
    EXPECT_EQ(store.names.in, "Cable In");
    EXPECT_EQ(store.names.out, "XG-Orvo Out");
}

TEST(MidiPortLists, TheChosenLineOpensTheDeviceAtThatPositionAmongSameNames) {
    // Two identical interfaces show the same name.
    MemoryBackend backend{{"USB MIDI", "USB MIDI"}, {"USB MIDI", "USB MIDI"}};
    midi::ManualClock clock;
    MidiPort port(backend, clock);
    FakeStore store;
    midi::PortDialogLogic dialog(port, store);
    port.FillDeviceLists();
    port.selectLines(2, 3);
    dialog.FormClose();
    EXPECT_EQ(backend.openedInputId(), 1);
    EXPECT_EQ(backend.openedOutputId(), 1);
    port.SendShort(0x90, 60, 100);
    EXPECT_EQ(backend.sentTo(1), (std::vector<Msg>{{0x90, 60, 100}}));
    EXPECT_TRUE(backend.sentTo(0).empty());
}

TEST_F(PortFixture, OpenFailuresCarryTheBackendText) {
    port.FillDeviceLists();
    backend.failNextOutputOpen("Device busy");
    try {
        port.OpenMidiOut(0);
        FAIL() << "no exception";
    } catch (const midi::EmidioutputError& e) {
        EXPECT_STREQ(e.what(), "Device busy");
    }
    EXPECT_FALSE(port.outputOpen());

    backend.failNextInputOpen("No sequencer");
    EXPECT_THROW(port.OpenMidiIn(0), midi::EMidiInputError);
    EXPECT_FALSE(port.inputOpen());
}

TEST_F(PortFixture, FormCloseTriesBothDevicesBeforeReportingAFailure) {
    port.FillDeviceLists();
    port.selectLines(1, 2);
    backend.failNextInputOpen("No sequencer");
    EXPECT_THROW(dialog.FormClose(), midi::EMidiInputError);
    EXPECT_TRUE(port.outputOpen());
}

TEST_F(PortFixture, SendsDoNothingWithoutOutput) {
    const Msg sysex{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};
    EXPECT_NO_THROW(port.SendLong(sysex));
    EXPECT_NO_THROW(port.SendShort(0x90, 60, 100));
    EXPECT_NO_THROW(port.AllNotesOff(3));
    EXPECT_EQ(backend.sentCount(), 0u);
}

TEST_F(PortFixture, ShortMessagesGoOutWithTheirLength) {
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    port.SendShort(0x92, 60, 100);
    port.SendShortRaw(midi::packShort(0xC4, 5, 0)); // program change: two bytes
    port.SendShortRaw(0xFE);                        // active sensing: one byte
    port.AllNotesOff(3);
    EXPECT_EQ(backend.sent(),
              (std::vector<Msg>{{0x92, 60, 100}, {0xC4, 5}, {0xFE}, {0xB3, 0x7B, 0x00}}));
    EXPECT_THROW(port.SendShort(0x40, 1, 2), midi::EmidioutputError);
}

TEST_F(PortFixture, ShortDataBytesKeepToSevenBitsOnTheWire) {
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    // A data byte with the top bit set would be read as the status of a new message.
    port.SendShort(0x90, 0xBC, 0xE4);
    port.SendShort(0xC1, 0x85, 0xFF);
    port.SendShortRaw(midi::packShort(0x90, 0xBC, 0xE4));
    port.SendShort(0xB0, 0x80, 0x80);
    EXPECT_EQ(backend.sent(),
              (std::vector<Msg>{
                  {0x90, 0x3C, 0x64}, {0xC1, 0x05}, {0x90, 0x3C, 0x64}, {0xB0, 0x00, 0x00}}));
}

TEST_F(PortFixture, LongMessagesUpToTenThousandBytesAndNoMore) {
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    Msg exact(10000, 0x00);
    exact.front() = 0xF0;
    exact.back() = 0xF7;
    port.SendLong(exact);
    ASSERT_EQ(backend.sentCount(), 1u);
    EXPECT_EQ(backend.sent()[0], exact);

    Msg tooLong(10001, 0x00);
    EXPECT_THROW(port.SendLong(tooLong), midi::EmidioutputError);
    EXPECT_EQ(backend.sentCount(), 1u);
}

TEST_F(PortFixture, AVanishedOutputIsReportedOnceAndClosed) {
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    std::vector<std::string> reports;
    port.setOutputLostHandler([&](const std::string& text) { reports.push_back(text); });
    backend.disconnectOutput("device unplugged");
    port.SendShort(0x90, 60, 100);
    port.SendShort(0x80, 60, 0);
    const Msg sysex{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};
    port.SendLong(sysex);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("DB50 Out"), std::string::npos);
    EXPECT_NE(reports[0].find("device unplugged"), std::string::npos);
    EXPECT_FALSE(port.outputOpen());

    // Choosing the port again brings the output back.
    port.OpenMidiOut(0);
    port.SendLong(sysex);
    EXPECT_EQ(backend.sent().back(), sysex);
}

TEST_F(PortFixture, InputReachesTheHandler) {
    port.FillDeviceLists();
    std::vector<Msg> received;
    port.setInputHandler([&](midi::Bytes m) { received.emplace_back(m.begin(), m.end()); });
    port.OpenMidiIn(0);
    backend.inject({0x90, 64, 90});
    EXPECT_EQ(received, (std::vector<Msg>{{0x90, 64, 90}}));
}

} // namespace
