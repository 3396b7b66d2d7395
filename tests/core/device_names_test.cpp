#include "midi/device_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(DeviceNames, SequencerNumbersAreDroppedAndOtherNamesKept) {
    EXPECT_EQ(midi::withoutClientPortNumbers("USB MIDI 1 20:0"), "USB MIDI 1");
    EXPECT_EQ(midi::withoutClientPortNumbers("Synth 128:10"), "Synth");
    EXPECT_EQ(midi::withoutClientPortNumbers("JACK: a:b"), "JACK: a:b");
    EXPECT_EQ(midi::withoutClientPortNumbers("Port 1:"), "Port 1:");
    EXPECT_EQ(midi::withoutClientPortNumbers("Plain"), "Plain");
}

TEST(DeviceNames, TwoIdenticalInterfacesAreToldApartByTheirOrder) {
    const Names before{"USB MIDI", "Synth", "USB MIDI"};
    EXPECT_EQ(midi::findSameDevice(before, 0, before), 0);
    EXPECT_EQ(midi::findSameDevice(before, 2, before), 2);
    // A device plugged in ahead of them moves both down; the second stays the second.
    const Names moved{"New", "USB MIDI", "USB MIDI", "Synth"};
    EXPECT_EQ(midi::findSameDevice(before, 0, moved), 1);
    EXPECT_EQ(midi::findSameDevice(before, 2, moved), 2);
    EXPECT_EQ(midi::findSameDevice(before, 1, moved), 3);
}

TEST(DeviceNames, ADeviceThatIsGoneIsNotFound) {
    const Names before{"USB MIDI", "USB MIDI", "Synth"};
    EXPECT_EQ(midi::findSameDevice(before, 1, Names{"USB MIDI", "Synth"}), -1);
    EXPECT_EQ(midi::findSameDevice(before, 2, Names{"USB MIDI"}), -1);
    EXPECT_EQ(midi::findSameDevice(before, 3, before), -1) << "beyond the earlier list";
    EXPECT_EQ(midi::findSameDevice(Names{}, 0, before), -1);
}

} // namespace
