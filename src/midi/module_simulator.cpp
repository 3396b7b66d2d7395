#include "midi/module_simulator.h"

#include "image/checksum.h"
#include "image/voice_dump.h"
#include "midi/block_dumps.h"
#include "midi/xg_messages.h"
#include "midi/xg_templates.h"

#include <algorithm>

namespace midi {

namespace {

using Data = std::span<const std::uint8_t>;
using Answer = ModuleSimulator::Answer;

constexpr std::uint8_t kYamaha = 0x43;
constexpr std::uint8_t kXgModel = 0x4C;
constexpr std::uint8_t kQsModel = 0x4B;
constexpr std::uint8_t kBulkDump = 0x00;
constexpr std::uint8_t kParameterChange = 0x10;
constexpr std::uint8_t kDumpRequest = 0x20;
constexpr std::uint8_t kParameterRequest = 0x30;

constexpr std::size_t kRequestSize = 8;    // F0 43 2n 4C hh mm ll F7
constexpr std::size_t kSmallestChange = 9; // F0 43 1n 4C hh mm ll vv F7
constexpr std::size_t kSmallestDump = 12;  // F0 43 0n 4C cc cc hh mm ll vv cs F7
constexpr std::size_t kQsLocalSize = 9;

// System commands within 00 00.
constexpr std::uint8_t kDrumSetupReset = 0x7D;
constexpr std::uint8_t kXgSystemOn = 0x7E;
constexpr std::uint8_t kAllParameterReset = 0x7F;

// Where a voice dump says what it is: 02 7D bytes, address 11 vv 00.
constexpr std::uint8_t kVoiceCountHigh = 0x02;
constexpr std::uint8_t kVoiceCountLow = 0x7D;
constexpr std::uint8_t kVoiceAddressHigh = 0x11;
constexpr std::uint8_t kQsLocalAddress = 0x09;

// Effect dump start addresses within 02 01.
constexpr std::uint8_t kReverbTail = 0x10;
constexpr std::uint8_t kChorusTail = 0x30;
constexpr std::uint8_t kVariationTail = 0x70;
constexpr std::uint8_t kPartDumpBAddress = 0x30;

bool isGmSystemOn(Data m) {
    return m.size() == 6 && m[1] == 0x7E && m[3] == 0x09 && m[4] == 0x01;
}

bool checksumHolds(Data dump) {
    return image::yamahaChecksum(dump.subspan(kBulkCoveredStart, dump.size() - 6)) ==
           dump[dump.size() - 2];
}

template <std::size_t N> Answer toAnswer(const std::array<std::uint8_t, N>& bytes) {
    return {bytes.begin(), bytes.end()};
}

} // namespace

ModuleSimulator::ModuleSimulator(int deviceNumber) : device_(std::clamp(deviceNumber, 0, 15)) {}

void ModuleSimulator::setAnswering(AnswerKind kind, bool on) {
    answering_[static_cast<std::size_t>(kind)] = on;
}

bool ModuleSimulator::answering(AnswerKind kind) const {
    return answering_[static_cast<std::size_t>(kind)];
}

std::vector<Answer> ModuleSimulator::receive(Data m) {
    ++received_;
    receivedBytes_ += m.size();
    std::vector<Answer> answers;
    if (m.size() < 2 || m.front() != 0xF0 || m.back() != 0xF7) return answers;
    // A data byte with its top bit set means a broken message: a module drops it whole.
    if (std::any_of(m.begin() + 1, m.end() - 1, [](std::uint8_t b) { return b >= 0x80; }))
        return answers;
    bool taken = false;
    if (isGmSystemOn(m)) {
        memory_.reset();
        taken = true;
    } else if (m.size() >= kRequestSize && m[1] == kYamaha && forThisDevice(m[2])) {
        if (m[3] == kXgModel) taken = takeXg(m, answers);
        if (m[3] == kQsModel) taken = takeQs300(m, answers);
    }
    if (taken) ++taken_;
    if (silent_) answers.clear();
    answersSent_ += answers.size();
    return answers;
}

bool ModuleSimulator::takeXg(Data m, std::vector<Answer>& answers) {
    const XgAddress at{m[4], m[5], m[6]};
    switch (m[2] & 0xF0) {
    case kParameterChange: {
        if (m.size() < kSmallestChange) return false;
        const auto data = m.subspan(7, m.size() - 8);
        if (at.high == kSystemHigh && at.mid == 0 && at.low >= kDrumSetupReset)
            return takeSystemCommand(at.low, data);
        return memory_.write(at, data) > 0;
    }
    case kBulkDump:
        return takeBulkDump(m);
    case kDumpRequest:
        if (m.size() != kRequestSize) return false;
        if (answersFor(at)) answerDumpRequest(at, answers);
        return true;
    case kParameterRequest:
        if (m.size() != kRequestSize) return false;
        if (answersFor(at)) answerParameterRequest(at, answers);
        return true;
    default:
        return false;
    }
}

bool ModuleSimulator::takeSystemCommand(std::uint8_t low, Data data) {
    switch (low) {
    case kXgSystemOn:
    case kAllParameterReset:
        memory_.reset();
        return true;
    case kDrumSetupReset:
        if (data[0] > 1) return false;
        memory_.resetDrumSetup(data[0]);
        return true;
    default:
        return false;
    }
}

// A dump whose byte count or checksum is wrong is ignored whole, as a module does.
bool ModuleSimulator::takeBulkDump(Data m) {
    if (m.size() < kSmallestDump) return false;
    const auto data = m.subspan(kBulkDataStart, m.size() - kBulkDataStart - 2);
    const std::size_t announced = static_cast<std::size_t>(m[4]) << 7 | m[5];
    if (announced != data.size() || !checksumHolds(m)) return false;
    return memory_.write({m[6], m[7], m[8]}, data) > 0;
}

bool ModuleSimulator::takeQs300(Data m, std::vector<Answer>& answers) {
    switch (m[2] & 0xF0) {
    case kBulkDump: {
        if (m.size() != image::kVoiceDumpSize || m[4] != kVoiceCountHigh ||
            m[5] != kVoiceCountLow || m[6] != kVoiceAddressHigh || m[7] >= image::kPartCount ||
            m[8] != 0 || !checksumHolds(m))
            return false;
        image::VoiceDump dump{};
        std::copy(m.begin(), m.end(), dump.begin());
        memory_.storeVoice(m[7], dump);
        return true;
    }
    case kParameterChange:
        if (m.size() != kQsLocalSize || m[4] != 0 || m[5] != 0 || m[6] != kQsLocalAddress)
            return false;
        localOn_ = m[7] != 0;
        return true;
    case kDumpRequest:
        if (m.size() != kRequestSize || m[4] != kVoiceAddressHigh || m[5] >= image::kPartCount ||
            m[6] != 0)
            return false;
        if (answering(AnswerKind::Voices)) answerVoiceRequest(m[5], answers);
        return true;
    default:
        return false;
    }
}

bool ModuleSimulator::answersFor(XgAddress at) const {
    if (at.high == kSystemHigh && at.mid == 0) return answering(AnswerKind::System);
    if (at.high == kEffectHigh && at.mid == kEffectMid) return answering(AnswerKind::Effects);
    if (at.high == kPartHigh) return answering(AnswerKind::Parts);
    if (at.high == kDrumSetup1High || at.high == kDrumSetup2High)
        return answering(AnswerKind::Drums);
    return false;
}

void ModuleSimulator::answerParameterRequest(XgAddress at, std::vector<Answer>& answers) const {
    const auto value = memory_.parameter(at);
    if (value.empty()) return;
    Answer change{0xF0,     kYamaha, static_cast<std::uint8_t>(kParameterChange | device_),
                  kXgModel, at.high, at.mid,
                  at.low};
    change.insert(change.end(), value.begin(), value.end());
    change.push_back(0xF7);
    answers.push_back(std::move(change));
}

void ModuleSimulator::answerDumpRequest(XgAddress at, std::vector<Answer>& answers) const {
    XgTemplates t;
    t.setDevice(device_);
    const auto& img = memory_.image();
    if (at.high == kSystemHigh && at.mid == 0 && at.low == 0) {
        Answer dump{0xF0,     kYamaha, static_cast<std::uint8_t>(device_),
                    kXgModel, 0,       kSystemBlockSize,
                    0,        0,       0};
        const auto block = memory_.systemBlock();
        dump.insert(dump.end(), block.begin(), block.end());
        dump.push_back(0); // checksum
        dump.push_back(0xF7);
        renewChecksum(dump);
        answers.push_back(std::move(dump));
        return;
    }
    if (at.high == kEffectHigh && at.mid == kEffectMid) {
        const auto both = [&](auto& dumpA, auto& dumpB, const auto& block, bool head) {
            fillEffectDumps(dumpA, dumpB, block);
            if (head) answers.push_back(toAnswer(dumpA));
            answers.push_back(toAnswer(dumpB));
        };
        switch (at.low) {
        case kReverbBlockAddress:
        case kReverbTail:
            both(t.reverbDumpA, t.reverbDumpB, img.reverb.current, at.low == kReverbBlockAddress);
            return;
        case kChorusBlockAddress:
        case kChorusTail:
            both(t.chorusDumpA, t.chorusDumpB, img.chorus.current, at.low == kChorusBlockAddress);
            return;
        case kVariationBlockAddress:
        case kVariationTail:
            both(t.variationDumpA, t.variationDumpB, img.variation.current,
                 at.low == kVariationBlockAddress);
            return;
        default:
            return;
        }
    }
    if (at.high == kPartHigh && at.mid < image::kPartCount) {
        // The module's parts never play a user voice of the editor's, so the dump carries
        // bank and program exactly as they were received.
        if (at.low == 0) {
            fillPartDumpA(t.partDumpA, img, at.mid, SynthType::OtherXg);
            answers.push_back(toAnswer(t.partDumpA));
        } else if (at.low == kPartDumpBAddress) {
            fillPartDumpB(t.partDumpB, img, at.mid);
            answers.push_back(toAnswer(t.partDumpB));
        }
        return;
    }
    if ((at.high == kDrumSetup1High || at.high == kDrumSetup2High) && at.low == 0 &&
        at.mid >= image::kFirstDrumNote && at.mid <= kLastDrumNote) {
        const int setup = at.high == kDrumSetup1High ? 1 : 2;
        fillDrumNoteDump(t.drumNoteDump, setup, at.mid, memory_.drumNote(setup - 1, at.mid));
        answers.push_back(toAnswer(t.drumNoteDump));
    }
}

void ModuleSimulator::answerVoiceRequest(int number, std::vector<Answer>& answers) const {
    image::VoiceDump dump = memory_.voice(number);
    dump[kDeviceByte] = static_cast<std::uint8_t>(device_);
    dump[image::kVoiceDumpNumberByte] = static_cast<std::uint8_t>(number);
    image::renewVoiceDumpChecksum(dump);
    answers.push_back(toAnswer(dump));
}

} // namespace midi
