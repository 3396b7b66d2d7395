// Sends through the real backend to a peer client over a running JACK server (the test
// script starts one with the dummy driver). Skipped when no server runs, unless one must:
// in CI, or when the test script says it started one.

#include "integration/jack_peer.h"

#include "image/image_init.h"
#include "image/voice_dump.h"
#include "midi/clock.h"
#include "midi/midi_port.h"
#include "midi/rtmidi/rtmidi_backend.h"
#include "midi/short_message.h"

#include <RtMidi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace jackpeer;

TEST(JackRoundTrip, VoiceDumpAndNoteArriveWhole) {
    Received received;
    auto peer = peerInput(received, "PeerDump");
    if (!peer) SKIP_OR_FAIL_WITHOUT_SERVER();

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    const int line = lineOf(port.outputLines(), "JACK: PeerDump:peer in");
    ASSERT_GE(line, 2) << "the peer's port is not listed";
    port.OpenMidiOut(midi::MidiPort::outputIdOfLine(line));

    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    const auto dump = image::makeVoiceDump(image->bank[0], 5, 0);
    port.SendLong(dump);
    port.SendShort(0x90, 60, 100);

    const auto messages = received.waitFor(2);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], Msg(dump.begin(), dump.end()));
    EXPECT_EQ(messages[1], (Msg{0x90, 60, 100}));
}

// Other programs' ports that go away while the device is opened shift the numbers the
// system opens by; every opening must still reach the chosen device and no other.
TEST(JackRoundTrip, PortsThatGoAwayDuringOpeningsDoNotMisdirectThem) {
    std::vector<std::unique_ptr<Received>> strayReceived;
    std::vector<std::unique_ptr<RtMidiIn>> strays;
    for (int i = 0; i < 24; ++i) {
        strayReceived.push_back(std::make_unique<Received>());
        auto stray = peerInput(*strayReceived.back(), "PeerStray" + std::to_string(i));
        if (!stray) SKIP_OR_FAIL_WITHOUT_SERVER();
        strays.push_back(std::move(stray));
    }
    Received received;
    auto target = peerInput(received, "PeerTarget");
    if (!target) SKIP_OR_FAIL_WITHOUT_SERVER();

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    const int line = lineOf(port.outputLines(), "JACK: PeerTarget:peer in");
    ASSERT_GE(line, 2);

    // The ports listed before the target's go one by one while it is opened again and again.
    std::atomic<bool> opening{true};
    std::thread remover([&] {
        while (!strays.empty() && opening) {
            strays.erase(strays.begin());
            std::this_thread::sleep_for(2ms);
        }
    });
    int sent = 0;
    std::string failure;
    try {
        for (int k = 0; k < 24; ++k) {
            port.OpenMidiOut(midi::MidiPort::outputIdOfLine(line));
            port.SendShort(0x90, static_cast<std::uint8_t>(k), 100);
            ++sent;
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }
    opening = false;
    remover.join();
    EXPECT_EQ(failure, "") << "after " << sent << " openings";

    const auto messages = received.waitFor(static_cast<std::size_t>(sent));
    ASSERT_EQ(messages.size(), static_cast<std::size_t>(sent));
    for (int k = 0; k < sent; ++k)
        EXPECT_EQ(messages[static_cast<std::size_t>(k)],
                  (Msg{0x90, static_cast<std::uint8_t>(k), 100}));
    for (const auto& stray : strayReceived) {
        std::lock_guard lock(stray->mutex);
        EXPECT_TRUE(stray->messages.empty()) << "a note went to another program's port";
    }
}

TEST(JackRoundTrip, InputFromAPeerReachesTheHandler) {
    std::unique_ptr<RtMidiOut> peer;
    try {
        peer = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "PeerKeys");
        bool failed = false;
        peer->setErrorCallback(&noteFailure, &failed);
        peer->openVirtualPort("peer out");
        peer->setErrorCallback(nullptr, nullptr);
        if (failed) peer.reset();
    } catch (const RtMidiError&) {
        peer.reset();
    }
    if (!peer) SKIP_OR_FAIL_WITHOUT_SERVER();

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    const int line = lineOf(port.inputLines(), "JACK: PeerKeys:peer out");
    ASSERT_GE(line, 1);
    std::mutex mutex;
    std::vector<Msg> got;
    port.setInputHandler([&](midi::Bytes m) {
        std::lock_guard lock(mutex);
        got.emplace_back(m.begin(), m.end());
    });
    port.OpenMidiIn(midi::MidiPort::inputIdOfLine(line));
    const std::vector<unsigned char> note{0x91, 64, 90};
    for (int i = 0; i < 300; ++i) {
        if (i % 50 == 0) peer->sendMessage(&note);
        std::this_thread::sleep_for(10ms);
        std::lock_guard lock(mutex);
        if (!got.empty()) break;
    }
    std::lock_guard lock(mutex);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0], (Msg{0x91, 64, 90}));
}

TEST(JackRoundTrip, APeerThatGoesAwayIsReportedOnce) {
    Received received;
    auto peer = peerInput(received, "PeerGone");
    if (!peer) SKIP_OR_FAIL_WITHOUT_SERVER();

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    const int line = lineOf(port.outputLines(), "JACK: PeerGone:peer in");
    ASSERT_GE(line, 2);
    port.OpenMidiOut(midi::MidiPort::outputIdOfLine(line));
    int reports = 0;
    port.setOutputLostHandler([&](const std::string&) { ++reports; });

    peer.reset(); // the device disappears
    RtMidiOut lister(RtMidi::UNIX_JACK, "PeerGoneLister");
    const auto listed = [&] {
        for (unsigned i = 0; i < lister.getPortCount(); ++i)
            if (lister.getPortName(i) == "PeerGone:peer in") return true;
        return false;
    };
    ASSERT_TRUE(waitUntil([&] { return !listed(); })) << "the peer's port stays listed";
    port.SendShort(0x90, 60, 100);
    port.SendShort(0x80, 60, 0);
    EXPECT_EQ(reports, 1);
    EXPECT_FALSE(port.outputOpen());
}

std::unique_ptr<RtMidiOut> peerOutput(const std::string& client) {
    try {
        auto out = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, client);
        bool failed = false;
        out->setErrorCallback(&noteFailure, &failed);
        out->openVirtualPort("peer out");
        out->setErrorCallback(nullptr, nullptr);
        if (failed) return nullptr;
        return out;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

// Edits as they reach the reading peer, with the time of arrival.
struct TimedEdits {
    std::mutex mutex;
    std::vector<std::pair<std::uint8_t, std::chrono::steady_clock::time_point>> arrived;
    std::atomic<int> thru{0};

    static void callback(double, std::vector<unsigned char>* m, void* self) {
        auto* r = static_cast<TimedEdits*>(self);
        if (m->empty()) return;
        if (m->front() != 0xF0) {
            ++r->thru;
            return;
        }
        std::lock_guard lock(r->mutex);
        r->arrived.emplace_back((*m)[7], std::chrono::steady_clock::now());
    }
};

TEST(JackRoundTrip, EditsArriveQuicklyWhileAPeerFloodsMidiThru) {
    TimedEdits edits;
    std::unique_ptr<RtMidiIn> reader;
    try {
        reader = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "PeerReader");
        reader->ignoreTypes(false, false, false);
        reader->setCallback(&TimedEdits::callback, &edits);
        reader->openVirtualPort("peer in");
    } catch (const RtMidiError&) {
        reader.reset();
    }
    auto flooder = peerOutput("PeerFlood");
    if (!reader || !flooder) SKIP_OR_FAIL_WITHOUT_SERVER();

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock, midi::SenderMode::Threaded);
    port.FillDeviceLists();
    const int out = lineOf(port.outputLines(), "JACK: PeerReader:peer in");
    const int in = lineOf(port.inputLines(), "JACK: PeerFlood:peer out");
    ASSERT_GE(out, 2);
    ASSERT_GE(in, 1);
    port.OpenMidiOut(midi::MidiPort::outputIdOfLine(out));

    // The driver's thread only queues; this thread plays the window, passing input on.
    std::mutex inputMutex;
    std::vector<Msg> input;
    port.setInputHandler([&](midi::Bytes m) {
        std::lock_guard lock(inputMutex);
        if (input.size() < 100000) input.emplace_back(m.begin(), m.end());
    });
    port.OpenMidiIn(midi::MidiPort::inputIdOfLine(in));

    // 10,000 notes per second for two seconds, about ten times what the cable carries.
    std::atomic<bool> flooding{true};
    std::thread flood([&] {
        int n = 0;
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < 2s) {
            for (int i = 0; i < 10; ++i, ++n) {
                const std::vector<unsigned char> m{static_cast<unsigned char>(n % 2 ? 0x80 : 0x90),
                                                   static_cast<unsigned char>(36 + (n / 2) % 48),
                                                   100};
                flooder->sendMessage(&m);
            }
            std::this_thread::sleep_for(1ms);
        }
        flooding = false;
    });

    std::vector<std::chrono::steady_clock::time_point> editSent;
    auto nextEdit = std::chrono::steady_clock::now() + 200ms;
    while (flooding) {
        std::vector<Msg> batch;
        {
            std::lock_guard lock(inputMutex);
            batch.swap(input);
        }
        for (const auto& m : batch) {
            if (m.size() == 3) port.SendShortRaw(midi::packShort(m[0], m[1], m[2]));
        }
        if (std::chrono::steady_clock::now() >= nextEdit && editSent.size() < 16) {
            const auto k = static_cast<std::uint8_t>(editSent.size());
            const Msg edit{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x0B, k, 0xF7};
            editSent.push_back(std::chrono::steady_clock::now());
            port.SendLong(edit);
            nextEdit += 100ms;
        }
        std::this_thread::sleep_for(1ms);
    }
    flood.join();
    port.drain();
    for (int i = 0; i < 100; ++i) {
        {
            std::lock_guard lock(edits.mutex);
            if (edits.arrived.size() >= editSent.size()) break;
        }
        std::this_thread::sleep_for(10ms);
    }
    port.CloseMidiIn();

    EXPECT_GT(edits.thru.load(), 0) << "thru passed the flood on";
    EXPECT_GT(port.thruDropped(), 0u) << "and dropped what the cable could not carry";
    std::lock_guard lock(edits.mutex);
    ASSERT_EQ(edits.arrived.size(), editSent.size());
    for (std::size_t k = 0; k < edits.arrived.size(); ++k) {
        EXPECT_EQ(edits.arrived[k].first, k);
        EXPECT_LT(edits.arrived[k].second - editSent[k], 100ms) << "edit " << k;
    }
}

TEST(JackRoundTrip, ALossMetByTheSenderThreadIsReportedThroughPoll) {
    Received received;
    auto peer = peerInput(received, "PeerLost");
    if (!peer) SKIP_OR_FAIL_WITHOUT_SERVER();

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock, midi::SenderMode::Threaded);
    port.FillDeviceLists();
    const int line = lineOf(port.outputLines(), "JACK: PeerLost:peer in");
    ASSERT_GE(line, 2);
    port.OpenMidiOut(midi::MidiPort::outputIdOfLine(line));
    std::mutex mutex;
    std::condition_variable told;
    bool notified = false;
    port.setSenderNotifier([&] {
        std::lock_guard lock(mutex);
        notified = true;
        told.notify_all();
    });
    int reports = 0;
    std::thread::id reportedOn;
    port.setOutputLostHandler([&](const std::string&) {
        ++reports;
        reportedOn = std::this_thread::get_id();
    });

    peer.reset();
    std::this_thread::sleep_for(50ms);
    port.SendShort(0x90, 60, 100);
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(told.wait_for(lock, 2s, [&] { return notified; }));
    }
    port.poll();
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(reportedOn, std::this_thread::get_id()) << "only the GUI thread tells the user";
    EXPECT_FALSE(port.outputOpen());
    port.SendShort(0x80, 60, 0);
    EXPECT_EQ(reports, 1);
}

} // namespace
