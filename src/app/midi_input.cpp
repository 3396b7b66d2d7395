#include "app/midi_input.h"

#include "app/session.h"
#include "midi/short_message.h"

#include <QMetaObject>

namespace app {

namespace {
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kSystemMessage = 0xF0;
constexpr std::uint8_t kSystemExclusive = 0xF0;
constexpr int kChannelCount = 16;
// Posted input the window has not handled yet: past the first limit only note offs and
// system messages (the handshake's answer) are posted, past the second nothing.
constexpr int kPostedSoftLimit = 2048;
constexpr int kPostedHardLimit = 8192;
// A flood counts as over after this long without a drop.
constexpr int kDropQuietMs = 1000;
// How long the notice stays.
constexpr int kNoticeMs = 5000;

bool mustReachTheWindow(midi::Bytes m) {
    const std::uint8_t type = m[0] & 0xF0;
    return m[0] >= kSystemMessage || type == 0x80 || (type == 0x90 && m.size() == 3 && m[2] == 0);
}
} // namespace

std::optional<std::uint32_t> thruMessage(midi::Bytes message, bool thru, int receiveChannel) {
    if (!thru || message.empty()) return std::nullopt;
    const std::uint8_t status = message[0];
    if (status < 0x80 || status >= kSystemMessage) return std::nullopt;
    if ((status & 0xF0) == kProgramChange) return std::nullopt;
    // A part switched off (receive channel above 15) listens to nothing, so there is no
    // channel to pass the message on to.
    if (receiveChannel < 0 || receiveChannel >= kChannelCount) return std::nullopt;
    const auto rechannelled =
        static_cast<std::uint8_t>((status & 0xF0) | static_cast<std::uint8_t>(receiveChannel));
    // A message cut short or with a status byte where data belongs is dropped: filling
    // the gap with zeros would play a note or set a volume the player never sent.
    if (message.size() != midi::shortMessageLength(status)) return std::nullopt;
    for (std::size_t i = 1; i < message.size(); ++i)
        if (message[i] >= 0x80) return std::nullopt;
    const std::uint8_t data1 = message.size() > 1 ? message[1] : 0;
    const std::uint8_t data2 = message.size() > 2 ? message[2] : 0;
    return midi::packShort(rechannelled, data1, data2);
}

MidiInputRelay::MidiInputRelay(Session& session, QObject* parent)
    : QObject(parent), session_(session) {
    dropTimer_.setSingleShot(true);
    connect(&dropTimer_, &QTimer::timeout, this, &MidiInputRelay::checkDrops);
    session_.port().setInputHandler([this](midi::Bytes message) {
        // Runs on the driver's thread: copy and queue, nothing else.
        if (message.empty()) return;
        const int posted = posted_.load();
        if (posted >= kPostedHardLimit ||
            (posted >= kPostedSoftLimit && !mustReachTheWindow(message))) {
            ++inputDropped_;
            return;
        }
        ++posted_;
        std::vector<std::uint8_t> copy(message.begin(), message.end());
        QMetaObject::invokeMethod(
            this,
            [this, copy = std::move(copy)] {
                --posted_;
                receive(copy);
            },
            Qt::QueuedConnection);
    });
}

MidiInputRelay::~MidiInputRelay() {
    // Stop the driver first, so that no callback runs while the handler goes away.
    try {
        if (session_.port().inputOpen()) session_.port().CloseMidiIn();
    } catch (const std::exception&) {
        // Closing at exit: nothing left to tell the user.
    }
    session_.port().setInputHandler({});
}

void MidiInputRelay::receive(const std::vector<std::uint8_t>& message) {
    if (message.empty()) return;
    session_.messages().handshake().noteInputStatus(message[0]);
    auto& image = session_.image();
    const int channel = image.part(image.currentPart, image::offset::kReceiveChannel);
    if (const auto packed = thruMessage(message, session_.settings().thru, channel)) {
        if (!session_.port().SendShortRaw(*packed)) noteDrop();
    }
    if (inputDropped_.load() != 0 && !dropTimer_.isActive()) noteDrop();
    if (observer_) observer_(message);
    if (sysExListener_ && message[0] == kSystemExclusive) sysExListener_(message);
}

std::uint64_t MidiInputRelay::droppedCount() const {
    return session_.port().thruDropped() + inputDropped_.load();
}

void MidiInputRelay::noteDrop() {
    if (!dropTimer_.isActive() && droppedCount() != reportedDrops_) dropTimer_.start(kDropQuietMs);
}

void MidiInputRelay::checkDrops() {
    const auto count = droppedCount();
    if (noticeShown_ && count == reportedDrops_) {
        noticeShown_ = false;
        if (reporter_) reporter_({});
        return;
    }
    if (count != seenDrops_) { // still flooding
        seenDrops_ = count;
        dropTimer_.start(kDropQuietMs);
        return;
    }
    if (count == reportedDrops_) return;
    const auto flood = count - reportedDrops_;
    reportedDrops_ = count;
    noticeShown_ = true;
    if (reporter_) reporter_(std::to_string(flood) + " dropped");
    dropTimer_.start(kNoticeMs);
}

} // namespace app
