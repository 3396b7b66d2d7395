#include "midi/thru_queue.h"

namespace midi {

namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kSustainPedal = 64;
constexpr std::uint8_t kLastPedal = 69;
constexpr std::uint8_t kAllSoundOff = 120;
constexpr std::uint8_t kAllNotesOff = 123;
constexpr std::uint8_t kFirstModeMessage = 120;

enum class Kind { NoteOn, NoteOff, Releasing, Other };

Kind kindOf(Bytes m) {
    const std::uint8_t type = m[0] & 0xF0;
    if (type == kNoteOff && m.size() == 3) return Kind::NoteOff;
    if (type == kNoteOn && m.size() == 3) return m[2] == 0 ? Kind::NoteOff : Kind::NoteOn;
    if (type == kControlChange && m.size() == 3) {
        // Channel mode messages end notes; a pedal let go ends the notes it held.
        if (m[1] >= kFirstModeMessage) return Kind::Releasing;
        if (m[1] >= kSustainPedal && m[1] <= kLastPedal && m[2] < 64) return Kind::Releasing;
    }
    return Kind::Other;
}

} // namespace

bool ThruQueue::push(Bytes m) {
    if (m.empty() || m.size() > 3) return false;
    const bool over = bytes_ + m.size() > kBudgetBytes;
    switch (kindOf(m)) {
    case Kind::NoteOff: {
        const auto key = keyOf(m[0], m[1]);
        if (droppedOn_[key]) {
            droppedOn_.reset(key);
            ++dropped_;
            return false;
        }
        // A note off for a key that is not sounding releases nothing.
        if (over && !sounding_[key]) {
            ++dropped_;
            return false;
        }
        sounding_.reset(key);
        break;
    }
    case Kind::NoteOn: {
        const auto key = keyOf(m[0], m[1]);
        if (over) {
            droppedOn_.set(key);
            ++dropped_;
            return false;
        }
        droppedOn_.reset(key);
        sounding_.set(key);
        break;
    }
    case Kind::Releasing:
        if (over && holdsSameController(m[0], m[1])) {
            ++dropped_;
            return false;
        }
        if (m[1] == kAllSoundOff || m[1] == kAllNotesOff) {
            const std::size_t first = keyOf(m[0], 0);
            for (std::size_t k = first; k < first + 128; ++k) sounding_.reset(k);
        }
        break;
    case Kind::Other:
        if (over) {
            ++dropped_;
            return false;
        }
        break;
    }
    if (count_ == kSlots) { // cannot happen within the bounds above; never overwrite
        ++dropped_;
        return false;
    }
    append(m);
    return true;
}

void ThruQueue::append(Bytes m) {
    Entry& e = slots_[(head_ + count_) % kSlots];
    e.size = static_cast<std::uint8_t>(m.size());
    for (std::size_t i = 0; i < m.size(); ++i) e.bytes[i] = m[i];
    ++count_;
    bytes_ += m.size();
}

void ThruQueue::pop() {
    if (count_ == 0) return;
    bytes_ -= slots_[head_].size;
    head_ = (head_ + 1) % kSlots;
    --count_;
}

bool ThruQueue::holdsSameController(std::uint8_t status, std::uint8_t controller) const {
    for (std::size_t i = 0; i < count_; ++i) {
        const Entry& e = slots_[(head_ + i) % kSlots];
        if (e.size == 3 && e.bytes[0] == status && e.bytes[1] == controller) return true;
    }
    return false;
}

void ThruQueue::dropNoteOns(int channel) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count_; ++i) {
        const Entry e = slots_[(head_ + i) % kSlots];
        const bool noteOn = (e.bytes[0] & 0xF0) == kNoteOn && e.size == 3 && e.bytes[2] != 0;
        if (noteOn && (e.bytes[0] & 0x0F) == (channel & 0x0F)) {
            bytes_ -= e.size;
            continue;
        }
        slots_[(head_ + kept) % kSlots] = e;
        ++kept;
    }
    count_ = kept;
    const std::size_t first = static_cast<std::size_t>(channel & 0x0F) * 128;
    for (std::size_t k = first; k < first + 128; ++k) sounding_.reset(k);
}

void ThruQueue::clear() {
    head_ = 0;
    count_ = 0;
    bytes_ = 0;
    sounding_.reset();
    droppedOn_.reset();
}

} // namespace midi
