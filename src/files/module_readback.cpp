#include "files/module_readback.h"

#include "image/checksum.h"
#include "image/drum_kits.h"

#include <algorithm>

namespace files {

namespace {

using Byte = std::uint8_t;

// F0 43 0n model <count hi> <count lo> hh mm ll, then the data, the checksum and F7.
constexpr std::size_t kAnswerHeadSize = 9;
constexpr std::size_t kAnswerFrameSize = kAnswerHeadSize + 2;
constexpr std::size_t kCoveredStart = 4;
constexpr Byte kXgModel = 0x4C;
constexpr int kDrumSetup1Address = 0x30;
// The drum notes a setup of an XG kit has, for the progress bar before the parts are read.
constexpr int kDrumNotesEstimate = 2 * image::kDrumSlotCount;

enum class AnswerCheck { Unrelated, Sound, Damaged };

// Whether `m` is the module's answer to `request`: a bulk dump of the same model from the
// same device, starting at the address asked for. A damaged one (wrong byte count or
// checksum, a data byte with its top bit set) is an answer all the same, but unusable.
AnswerCheck checkAnswer(const DumpRequest& request, int device, midi::Bytes m) {
    if (m.size() <= kAnswerFrameSize || m[0] != 0xF0 || m[1] != 0x43 || m.back() != 0xF7)
        return AnswerCheck::Unrelated;
    if (m[2] != (device & 0x0F) || m[3] != request.model()) return AnswerCheck::Unrelated;
    const auto address = request.address();
    if (!std::equal(address.begin(), address.end(), m.begin() + 6)) return AnswerCheck::Unrelated;
    const auto body = m.subspan(1, m.size() - 2);
    const bool sevenBit = std::all_of(body.begin(), body.end(), [](Byte b) { return b < 0x80; });
    const auto count = static_cast<std::size_t>(m[4] << 7 | m[5]);
    const auto covered = m.subspan(kCoveredStart, m.size() - kCoveredStart - 2);
    const bool sound = sevenBit && count == m.size() - kAnswerFrameSize &&
                       image::yamahaChecksum(covered) == m[m.size() - 2];
    return sound ? AnswerCheck::Sound : AnswerCheck::Damaged;
}

} // namespace

ModuleReadback::ModuleReadback(const image::SynthImage& current, midi::SynthType type, int device,
                               midi::MidiPort& port, midi::Clock& clock)
    : original_(std::make_unique<image::SynthImage>(current)), type_(type), device_(device),
      port_(port), clock_(clock),
      reading_(std::make_unique<SysExReading>(SetKind::Set, current, type, false)),
      plan_(blockRequests(device)) {}

ModuleReadback::~ModuleReadback() = default;

int ModuleReadback::requestsPlanned() const {
    const int planned = static_cast<int>(plan_.size());
    return phase_ == Phase::Blocks ? planned + kDrumNotesEstimate : planned;
}

void ModuleReadback::start() {
    advance();
}

ModuleReadback::GroupState& ModuleReadback::groupState(const DumpRequest& request) {
    return groups_[static_cast<std::size_t>(groupOf(request.section))];
}

void ModuleReadback::advance() {
    while (running() && !waiting_) {
        if (next_ >= plan_.size() && !extendPlan()) {
            finish();
            return;
        }
        const auto& request = plan_[next_];
        if (groupState(request).givenUp) {
            missed_.push_back({request, false});
            ++next_;
            continue;
        }
        sendCurrent();
    }
}

// The drum notes and the voices to ask for depend on the part table read so far.
bool ModuleReadback::extendPlan() {
    while (phase_ != Phase::Done) {
        std::vector<DumpRequest> more;
        if (phase_ == Phase::Blocks) {
            phase_ = Phase::Drums;
            more = drumRequests(reading_->image(), device_);
        } else if (phase_ == Phase::Drums) {
            phase_ = Phase::Voices;
            if (type_ == midi::SynthType::Qs300) more = voiceRequests(reading_->image(), device_);
        } else {
            phase_ = Phase::Done;
        }
        if (!more.empty()) {
            plan_.insert(plan_.end(), more.begin(), more.end());
            return true;
        }
    }
    return false;
}

void ModuleReadback::sendCurrent() {
    waiting_ = true;
    sentAt_ = clock_.now();
    // A module that answers at once (a simulated one) calls received() from inside the
    // send; the loop in advance() goes on once the send has returned.
    sending_ = true;
    try {
        port_.SendLong(plan_[next_].message);
    } catch (...) {
        sending_ = false;
        outcome_ = ReadbackOutcome::Cancelled;
        throw;
    }
    sending_ = false;
}

void ModuleReadback::received(midi::Bytes message) {
    if (!running() || !waiting_) return;
    const auto& request = plan_[next_];
    const auto check = checkAnswer(request, device_, message);
    if (check == AnswerCheck::Unrelated) return;
    if (check == AnswerCheck::Sound) {
        reading_->apply(message);
        answers_.emplace_back(message.begin(), message.end());
    }
    settleCurrent(true, check == AnswerCheck::Damaged);
}

void ModuleReadback::timePassed() {
    if (!running() || !waiting_) return;
    // The request may still wait behind other messages: the module's time starts once
    // everything sent has left.
    const auto progress = port_.progress();
    if (progress.queuedMicros > progress.doneMicros) {
        sentAt_ = clock_.now();
        return;
    }
    if (clock_.now() - sentAt_ < kAnswerTimeout) return;
    settleCurrent(false, false);
}

void ModuleReadback::settleCurrent(bool answered, bool badChecksum) {
    auto& group = groupState(plan_[next_]);
    if (answered) {
        ++group.answered;
    } else {
        ++group.unanswered;
        group.givenUp = group.answered == 0 && group.unanswered >= kUnansweredBeforeGivingUp;
    }
    if (!answered || badChecksum) missed_.push_back({plan_[next_], badChecksum});
    ++next_;
    waiting_ = false;
    if (!sending_) advance();
}

void ModuleReadback::cancel() {
    if (!running()) return;
    waiting_ = false;
    outcome_ = ReadbackOutcome::Cancelled;
}

void ModuleReadback::finish() {
    if (answers_.empty())
        outcome_ = ReadbackOutcome::NothingRead;
    else
        outcome_ = missed_.empty() ? ReadbackOutcome::Complete : ReadbackOutcome::Partial;
}

LoadedSet ModuleReadback::takeResult() {
    const bool read = outcome_ == ReadbackOutcome::Complete || outcome_ == ReadbackOutcome::Partial;
    if (taken_ || !read) return {};
    taken_ = true;
    if (outcome_ == ReadbackOutcome::Complete) {
        // Everything the module holds came: read like a set, from a reset image.
        const std::vector<std::span<const std::uint8_t>> messages(answers_.begin(), answers_.end());
        return readSysExMessages(messages, SetKind::Set, *original_, type_);
    }
    auto loaded = reading_->finish();
    keepWhatWasNotRead(*loaded.image);
    return loaded;
}

// The set steps after reading give a drum setup without values its kit's reference values,
// and a part without its voice dump the XG voice: for what the module did not tell, the
// editor keeps what it had.
void ModuleReadback::keepWhatWasNotRead(image::SynthImage& read) const {
    std::array<bool, 2> drumRead{};
    for (const auto& answer : answers_) {
        const int setup = answer[6] - kDrumSetup1Address;
        if (answer[3] == kXgModel && (setup == 0 || setup == 1))
            drumRead[static_cast<std::size_t>(setup)] = true;
    }
    for (std::size_t s = 0; s < 2; ++s)
        if (!drumRead[s] && read.drums[s].kit == original_->drums[s].kit)
            read.drums[s] = original_->drums[s];
    for (const auto& miss : missed_) {
        if (miss.request.section != ModuleSection::Voice) continue;
        const auto p = static_cast<std::size_t>(miss.request.index);
        if (original_->userVoiceKind[p] == image::kXgVoice) continue;
        read.userVoiceKind[p] = original_->userVoiceKind[p];
        read.partVoices[p] = original_->partVoices[p];
    }
}

void takeOverReadback(LoadedSet& loaded, image::SynthImage& image, midi::ImageUndo* undo,
                      const std::function<void()>& beforeTakeOver) {
    if (!loaded.image) return;
    if (beforeTakeOver) beforeTakeOver();
    midi::UndoScope step(undo, "Get From Module");
    const int part = image.currentPart;
    // What the File menu counts changes against stays that of the last file.
    const auto loadedParts = image.loadedParts;
    const auto snapshot = image.effectSnapshot;
    image = *loaded.image;
    image.currentPart = part;
    image.loadedParts = loadedParts;
    image.effectSnapshot = snapshot;
}

} // namespace files
