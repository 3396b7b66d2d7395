// The output queue: the window hands messages over without waiting for the cable, the
// editor's messages go before MIDI thru, and a thru flood stays bounded without leaving a
// note hanging. Time is a fake clock; the sender's turns are played by runDue().

#include "image/image_init.h"
#include "midi/backend.h"
#include "midi/clock.h"
#include "midi/errors.h"
#include "midi/memory_backend.h"
#include "midi/message_ring.h"
#include "midi/midi_port.h"
#include "midi/short_message.h"
#include "midi/thru_queue.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

using Msg = std::vector<std::uint8_t>;

// Records every message with the time it was handed over.
class TimedBackend final : public midi::Backend {
  public:
    explicit TimedBackend(const midi::Clock& clock) : clock_(clock) {}
    std::vector<std::string> inputNames() override { return {}; }
    std::vector<std::string> outputNames() override { return {"Slow Cable"}; }
    std::string virtualOutputName() const override { return "XG-Orvo Out"; }
    void openOutput(int) override { broken_ = false; }
    void closeOutput() override {}
    void openInput(int, midi::InputCallback) override {}
    void closeInput() override {}
    void send(midi::Bytes m) override {
        if (broken_) throw midi::BackendError("device unplugged");
        sent.push_back({clock_.now(), Msg(m.begin(), m.end())});
    }
    void unplug() { broken_ = true; }

    struct Sent {
        midi::Millis at;
        Msg bytes;
    };
    std::vector<Sent> sent;

  private:
    const midi::Clock& clock_;
    bool broken_ = false;
};

bool isEditorMessage(const Msg& m) {
    return m.front() == 0xF0;
}

struct Stepped : ::testing::Test {
    midi::ManualClock clock;
    TimedBackend backend{clock};
    midi::MidiPort port{backend, clock, midi::SenderMode::Stepped};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};

    void SetUp() override {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }
    // One millisecond of the sender's thread.
    void tick() {
        clock.advance(midi::Millis(1));
        port.queue().runDue();
    }
    void runOut() {
        for (int i = 0; i < 100000 && !idle(); ++i) tick();
    }
    bool idle() {
        return port.queue().editorDoneCount() == port.queue().editorQueuedCount() &&
               port.queue().thruQueuedBytes() == 0;
    }
    void thru(std::uint8_t status, std::uint8_t d1, std::uint8_t d2) {
        port.SendShortRaw(midi::packShort(status, d1, d2));
    }
};

TEST_F(Stepped, SixteenVoiceDumpsLeaveTheWindowFree) {
    // Events reach the window every 10 ms; the first one sends sixteen voice dumps (two
    // seconds of cable), every other one an edit. No event waits for the cable.
    constexpr int kEvents = 100;
    int handled = 0;
    midi::Millis longestWait{0};
    midi::Millis longestHandler{0};
    for (int ms = 0; handled < kEvents; ++ms) {
        while (handled < kEvents && midi::Millis(handled * 10) <= clock.now()) {
            const auto started = clock.now();
            longestWait = std::max(longestWait, started - midi::Millis(handled * 10));
            if (handled == 0) {
                for (int part = 0; part < 16; ++part) xg.SendQSVoice(image->partVoices[part]);
            } else {
                xg.SendPartParam(0, 11, static_cast<image::Byte>(handled));
            }
            longestHandler = std::max(longestHandler, clock.now() - started);
            ++handled;
        }
        tick();
    }
    EXPECT_LE(longestWait.count(), 5);
    EXPECT_EQ(longestHandler.count(), 0);
    runOut();
    // Everything arrives, in the order it was sent, at the cable's pace.
    ASSERT_EQ(backend.sent.size(), 16u + 99u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(backend.sent[i].bytes.size(), 392u) << i;
    for (int i = 1; i < kEvents; ++i) EXPECT_EQ(backend.sent[15 + i].bytes[7], i) << i;
    EXPECT_GE(backend.sent[15].at.count(), (16 * 392 - 512) * 1000 / 3125);
}

TEST_F(Stepped, PausesHoldBackEverythingThatFollows) {
    xg.SendXGSystemOn();
    thru(0x90, 60, 100);
    xg.SendPartParam(0, 11, 90);
    runOut();
    ASSERT_EQ(backend.sent.size(), 3u);
    EXPECT_EQ(backend.sent[0].at.count(), 1);
    EXPECT_GE((backend.sent[1].at - backend.sent[0].at).count(), 50) << "module still resetting";
    EXPECT_EQ(backend.sent[1].bytes[6], 0x0B) << "the edit before the thru note";
    EXPECT_EQ(backend.sent[2].bytes, (Msg{0x90, 60, 100}));
}

TEST_F(Stepped, HandshakeCountsItsTimeOutFromTheProbeLeaving) {
    midi::SynthOptions o;
    o.type = midi::SynthType::Qs300;
    o.timeoutCheck = true;
    o.timeout = 2;
    xg.setOptions(o);
    std::vector<std::string> alerts;
    xg.setAlertHandler([&](const std::string& t) { alerts.push_back(t); });
    // Two seconds of voice dumps before the probe: far longer than the time-out.
    for (int part = 0; part < 16; ++part) port.SendLong(image->partVoices[part]);
    midi::Millis probeOut{-1};
    xg.handshake().setPump([&] {
        if (probeOut.count() < 0 && !backend.sent.empty() && backend.sent.back().bytes.size() == 8)
            probeOut = clock.now();
        // The module answers 150 ms after the probe reached it.
        if (probeOut.count() >= 0 && clock.now() - probeOut >= midi::Millis(150))
            xg.handshake().noteInputStatus(0xF0);
        port.queue().runDue();
    });
    auto voice = image->partVoices[0];
    EXPECT_TRUE(xg.SendQSVoice(voice));
    EXPECT_TRUE(alerts.empty());
    EXPECT_GE(probeOut.count(), (16 * 392 - 512) * 1000 / 3125);
}

TEST_F(Stepped, ThruKeepsUnderTwoMillisecondsWhileTheCableKeepsUp) {
    // 1,000 messages per second for two seconds, every one out within 2 ms.
    std::vector<midi::Millis> arrivals;
    for (int i = 0; i < 2000; ++i) {
        const auto note = static_cast<std::uint8_t>(36 + (i / 2) % 48);
        thru(i % 2 ? 0x80 : 0x90, note, i % 2 ? 0 : 100);
        arrivals.push_back(clock.now());
        tick();
    }
    runOut();
    ASSERT_EQ(backend.sent.size(), arrivals.size());
    EXPECT_EQ(port.thruDropped(), 0u);
    for (std::size_t i = 0; i < arrivals.size(); ++i)
        ASSERT_LT((backend.sent[i].at - arrivals[i]).count(), 2) << i;
}

TEST_F(Stepped, ThruFloodIsBoundedLeavesNoNoteHangingAndLetsEditsGoFirst) {
    // 10,000 messages per second for 10 s: notes, a controller and pitch bends on a cable
    // that carries about 1,000.
    std::uint64_t injected = 0;
    std::size_t mostQueued = 0;
    std::vector<std::size_t> editPositions;
    for (int ms = 0; ms < 10000; ++ms) {
        for (int i = 0; i < 10; ++i) {
            const int n = ms * 10 + i;
            const auto note = static_cast<std::uint8_t>(24 + (n / 3) % 80);
            switch (n % 3) {
            case 0:
                thru(0x90, note, 100);
                break;
            case 1:
                thru(0x80, note, 64);
                break;
            default:
                thru(n % 2 ? 0xB0 : 0xE0, n % 2 ? 1 : 0, static_cast<std::uint8_t>(n & 0x7F));
            }
            ++injected;
            mostQueued = std::max(mostQueued, port.queue().thruQueuedBytes());
        }
        if (ms % 500 == 250) {
            editPositions.push_back(backend.sent.size());
            xg.SendPartParam(3, 3 * 104 + 11, static_cast<image::Byte>(ms / 500));
        }
        tick();
    }
    runOut();
    EXPECT_LE(mostQueued, midi::ThruQueue::kBudgetBytes + 3);

    // Each edit was the next message out after it was made.
    for (std::size_t k = 0; k < editPositions.size(); ++k) {
        const auto& m = backend.sent.at(editPositions[k]).bytes;
        ASSERT_TRUE(isEditorMessage(m)) << "edit " << k;
        EXPECT_EQ(m[7], k);
    }
    // Every note that went out was ended.
    std::map<int, int> sounding;
    std::uint64_t thruOut = 0;
    for (const auto& s : backend.sent) {
        if (isEditorMessage(s.bytes)) continue;
        ++thruOut;
        const int type = s.bytes[0] & 0xF0;
        if (type == 0x90 && s.bytes[2] > 0) ++sounding[s.bytes[1]];
        if (type == 0x80) sounding[s.bytes[1]] = 0;
    }
    for (const auto& [note, count] : sounding) EXPECT_EQ(count, 0) << "note " << note;
    // The count of dropped messages is exact, and most of the flood was dropped.
    EXPECT_EQ(port.thruDropped() + thruOut, injected);
    EXPECT_GT(port.thruDropped(), injected / 2);
}

TEST(MessageRing, MessagesAndPausesComeOutWholeAcrossTheEndOfTheBlock) {
    // One message always stays behind, so the entries wander round the block.
    midi::MessageRing ring(64);
    std::array<std::uint8_t, 64> out{};
    const auto message = [](int round) {
        Msg m(static_cast<std::size_t>(3 + round % 13));
        for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(round + i);
        return m;
    };
    const auto popMessage = [&] {
        const auto size = ring.frontSize();
        ring.popInto(out.data());
        return Msg(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(size));
    };
    Msg behind = message(0);
    ring.push(midi::Bytes(behind.data(), behind.size()));
    for (int round = 1; round < 60; ++round) {
        const Msg m = message(round);
        ASSERT_TRUE(ring.fits(m.size() + 4)) << round;
        ring.push(midi::Bytes(), static_cast<std::uint16_t>(300 + round));
        ring.push(midi::Bytes(m.data(), m.size()));
        ASSERT_EQ(popMessage(), behind) << round;
        ASSERT_EQ(ring.frontSize(), 0u);
        EXPECT_EQ(ring.frontPause(), 300 + round);
        ring.popInto(out.data());
        behind = m;
    }
    EXPECT_EQ(popMessage(), behind);
    EXPECT_TRUE(ring.empty());
}

TEST(ThruQueue, NotesAreNeverLeftHanging) {
    midi::ThruQueue q;
    const auto push = [&](Msg m) { return q.push(midi::Bytes(m.data(), m.size())); };
    // Fill the budget with controllers.
    while (push({0xB0, 1, 5})) {
    }
    const auto full = q.dropped();
    EXPECT_FALSE(push({0x90, 60, 100})) << "a note on that does not fit is dropped";
    EXPECT_FALSE(push({0x80, 60, 0})) << "and its note off with it";
    q.clear();
    ASSERT_TRUE(push({0x90, 61, 100}));
    ASSERT_TRUE(push({0x91, 62, 100}));
    while (push({0xB0, 1, 5})) {
    }
    EXPECT_TRUE(push({0x80, 61, 0})) << "the note off of a sounding note always fits";
    EXPECT_TRUE(push({0x91, 62, 0})) << "so does a note on of velocity 0";
    EXPECT_TRUE(push({0xB0, 123, 0}));
    EXPECT_FALSE(push({0xB0, 123, 0})) << "one waiting All Notes Off is enough";
    EXPECT_TRUE(push({0xB0, 64, 0})) << "sustain pedal released";
    EXPECT_FALSE(push({0x80, 70, 0})) << "a note off for a silent key releases nothing";
    EXPECT_GT(q.dropped(), full);
}

TEST(ThruQueue, TheEditorsAllNotesOffRemovesWaitingNoteOnsOfItsChannel) {
    midi::ThruQueue q;
    const auto push = [&](Msg m) { return q.push(midi::Bytes(m.data(), m.size())); };
    push({0x92, 60, 100});
    push({0x93, 60, 100});
    push({0x82, 59, 0});
    q.dropNoteOns(2);
    std::vector<Msg> left;
    for (; !q.empty(); q.pop()) left.emplace_back(q.front().bytes.begin(), q.front().bytes.end());
    EXPECT_EQ(left, (std::vector<Msg>{{0x93, 60, 100}, {0x82, 59, 0}}));
    EXPECT_EQ(q.queuedBytes(), 0u);
}

TEST_F(Stepped, AFailureOnTheSenderIsReportedOnceAndEmptiesTheQueue) {
    std::vector<std::string> lost;
    port.setOutputLostHandler([&](const std::string& text) { lost.push_back(text); });
    for (int part = 0; part < 4; ++part) port.SendLong(image->partVoices[part]);
    tick();
    backend.unplug();
    runOut();
    EXPECT_TRUE(lost.empty()) << "told on the GUI thread only";
    EXPECT_TRUE(port.outputOpen());
    port.poll();
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_NE(lost[0].find("device unplugged"), std::string::npos);
    EXPECT_FALSE(port.outputOpen());
    EXPECT_TRUE(idle());
    port.poll();
    EXPECT_EQ(lost.size(), 1u);
}

TEST_F(Stepped, StoppingALongSendKeepsWhatIsOutAndForgetsTheRest) {
    for (int part = 0; part < 16; ++part) port.SendLong(image->partVoices[part]);
    for (int i = 0; i < 400; ++i) tick();
    const auto out = backend.sent.size();
    ASSERT_GT(out, 0u);
    ASSERT_LT(out, 16u);
    port.stopSending();
    const auto progress = port.progress();
    EXPECT_EQ(progress.doneMicros, progress.queuedMicros);
    // What the program sends at close still goes.
    port.AllNotesOff(0);
    runOut();
    ASSERT_EQ(backend.sent.size(), out + 1);
    EXPECT_EQ(backend.sent.back().bytes, (Msg{0xB0, 0x7B, 0x00}));
}

TEST(ThreadedOutput, SendsInOrderAndDrainsBeforeClosing) {
    midi::MemoryBackend backend({}, {"Module"});
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock, midi::SenderMode::Threaded);
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    std::vector<Msg> expected;
    for (int i = 0; i < 40; ++i) {
        Msg m{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, static_cast<std::uint8_t>(i), 0x00, 0xF7};
        port.SendLong(m);
        expected.push_back(m);
    }
    port.drain();
    port.CloseMidiOut();
    EXPECT_EQ(backend.sent(), expected);
}

} // namespace
