#include "midi/xg_messages.h"

#include "image/drum_kits.h"
#include "image/part_defaults.h"
#include "midi/block_dumps.h"

#include <algorithm>

namespace midi {

namespace {

using image::Byte;
namespace off = image::offset;

// QS300 modules drop parameter changes that follow each other closer than 3 ms.
constexpr Millis kParameterPause{4};
// XG modules ignore what arrives in the first ~50 ms after XG System On.
constexpr Millis kSystemOnPause{50};

} // namespace

XgMessages::XgMessages(MidiPort& port, image::SynthImage& image, Clock& clock)
    : port_(port), image_(image), handshake_(clock) {}

void XgMessages::setDeviceNumber(int n) {
    device_ = std::clamp(n, 0, 15);
    t_.setDevice(device_);
    const auto dumpDevice = static_cast<Byte>(device_);
    image_.editVoice[kDeviceByte] = dumpDevice;
    for (auto& dump : image_.partVoices) dump[kDeviceByte] = dumpDevice;
}

void XgMessages::setOptions(const SynthOptions& options) {
    options_ = options;
    handshake_.setTimeoutTicks(options.timeout);
}

// ---- single parameters --------------------------------------------------------------------

void XgMessages::SendPartParam(int part, int position, Byte value) {
    const int offset = position - part * image::kPartRecordSize;
    t_.partParam[5] = static_cast<Byte>(part);
    t_.partParam[6] = partAddress(offset);
    t_.partParam[7] = value;
    port_.SendLong(t_.partParam);
}

void XgMessages::SendPartDetune(int part, int position) {
    const Byte detune = image_.parts[static_cast<std::size_t>(position)];
    t_.partParam2[5] = static_cast<Byte>(part);
    t_.partParam2[7] = static_cast<Byte>(detune >> 4);
    t_.partParam2[8] = static_cast<Byte>(detune & 0x0F);
    port_.SendLong(t_.partParam2);
}

void XgMessages::SendEffectParam(Byte address, Byte value) {
    t_.effectParam[6] = address;
    t_.effectParam[7] = value;
    port_.SendLong(t_.effectParam);
}

void XgMessages::SendEffectType(Byte blockAddress, Byte msb, Byte lsb) {
    t_.effectType[6] = blockAddress;
    t_.effectType[7] = msb;
    t_.effectType[8] = lsb;
    port_.SendLong(t_.effectType);
}

void XgMessages::SendDrumParam(int setup, int note, int param, Byte value) {
    t_.drumParam[4] = static_cast<Byte>(setup == 2 ? 0x31 : 0x30);
    t_.drumParam[5] = static_cast<Byte>(note);
    t_.drumParam[6] = static_cast<Byte>(param);
    t_.drumParam[7] = value;
    port_.SendLong(t_.drumParam);
}

void XgMessages::SendMasterTune(int value) {
    for (int i = 0; i < 4; ++i)
        t_.masterTune[static_cast<std::size_t>(7 + i)] =
            static_cast<Byte>((value >> (12 - 4 * i)) & 0x0F);
    port_.SendLong(t_.masterTune);
}

void XgMessages::SendSystemParam(Byte address, Byte value) {
    t_.systemParam[6] = address;
    t_.systemParam[7] = value;
    port_.SendLong(t_.systemParam);
}

void XgMessages::SendSystem() {
    SendMasterTune(image_.system.masterTune());
    SendSystemParam(kMasterVolumeAddress, image_.system.masterVolume);
    SendSystemParam(kTransposeAddress, image_.system.transpose);
}

void XgMessages::SendXGSystemOn() {
    port_.SendLong(t_.xgSystemOn);
    port_.pause(kSystemOnPause);
}

void XgMessages::SendQSLocal(bool on) {
    t_.qsLocal[7] = on ? 1 : 0;
    port_.SendLong(t_.qsLocal);
}

void XgMessages::SendProbe() {
    port_.SendLong(t_.probe);
}

// ---- parts --------------------------------------------------------------------------------

void XgMessages::sendPartOffset(int part, int offset, Byte value) {
    const int position = part * image::kPartRecordSize + offset;
    if (offset == off::kDetune)
        SendPartDetune(part, position);
    else
        SendPartParam(part, position, value);
}

bool XgMessages::SendPart(int part) {
    if (options_.type == SynthType::Qs300 && options_.multiParameterChange)
        return insideHandshake([&] { sendPartByParameters(part); });
    sendPartBulk(part);
    return true;
}

void XgMessages::sendPartByParameters(int part) {
    const bool qsUserVoice = image_.part(part, off::kBankMsb) == image::kBankQsUserVoice;
    auto valueOf = [&](int offset) -> Byte {
        if (qsUserVoice && offset == off::kBankLsb) return 1;
        if (qsUserVoice && offset == off::kProgram) return static_cast<Byte>(part);
        return image_.part(part, offset);
    };
    pause();
    sendPartOffset(part, off::kPartMode, valueOf(off::kPartMode));
    for (int offset = 0; offset < image::kPartRecordSize; ++offset) {
        if (offset == off::kPartMode) continue;
        pause();
        sendPartOffset(part, offset, valueOf(offset));
    }
}

void XgMessages::sendPartBulk(int part) {
    fillPartDumpA(t_.partDumpA, image_, part, options_.type);
    port_.SendLong(t_.partDumpA);
    fillPartDumpB(t_.partDumpB, image_, part);
    port_.SendLong(t_.partDumpB);

    if (options_.type == SynthType::Qs300 &&
        image_.part(part, off::kBankMsb) == image::kBankQsUserVoice) {
        const int base = part * image::kPartRecordSize;
        SendPartParam(part, base + off::kBankMsb, image::kBankQsUserVoice);
        SendPartParam(part, base + off::kBankLsb, 1);
        SendPartParam(part, base + off::kProgram, static_cast<Byte>(part));
    }
}

Byte XgMessages::expectedForTable(int part, int offset) const {
    return image::expectedTableValue(image_, part, offset);
}

void XgMessages::SendPartTable() {
    if (options_.type == SynthType::Qs300) {
        sendPartTableQs300();
        return;
    }
    for (int part = 0; part < image::kPartCount; ++part) {
        for (int offset = 0; offset < image::kPartRecordSize; ++offset) {
            const Byte value = image_.part(part, offset);
            if (value == expectedForTable(part, offset)) continue;
            sendPartOffset(part, offset, value);
            stepProgress();
        }
    }
}

void XgMessages::sendPartTableQs300() {
    static constexpr int kGroup[] = {off::kPartMode, off::kBankMsb, off::kBankLsb, off::kProgram};
    for (int part = 0; part < image::kPartCount; ++part) {
        if (!image::partGroupDiffers(image_, part)) continue;
        for (int offset : kGroup) {
            sendPartOffset(part, offset, image_.part(part, offset));
            stepProgress();
            pause();
        }
    }
    for (int part = 0; part < image::kPartCount; ++part) {
        for (int offset = 0; offset < image::kPartRecordSize; ++offset) {
            if (std::find(std::begin(kGroup), std::end(kGroup), offset) != std::end(kGroup))
                continue;
            const Byte value = image_.part(part, offset);
            if (value == expectedForTable(part, offset)) continue;
            sendPartOffset(part, offset, value);
            stepProgress();
            pause();
        }
    }
}

void XgMessages::SendPartDefaults(int part, bool send, bool full) {
    for (int offset = 0; offset < image::kPartRecordSize; ++offset) {
        if (!full && (offset == off::kBankMsb || offset == off::kBankLsb ||
                      offset == off::kProgram || offset == off::kPartMode))
            continue;
        const Byte value = image::ExpectedPartValue(part, offset);
        image_.part(part, offset) = value;
        if (send) sendPartOffset(part, offset, value);
    }
}

// ---- effects ------------------------------------------------------------------------------

template <std::size_t A, std::size_t B, std::size_t Size>
void XgMessages::sendEffectBlock(Message<A>& dumpA, Message<B>& dumpB,
                                 const std::array<Byte, Size>& block) {
    fillEffectDumps(dumpA, dumpB, block);
    port_.SendLong(dumpA);
    port_.SendLong(dumpB);
}

void XgMessages::SendReverb() {
    if (image_.reverb.typeIndex == 0) {
        SendEffectType(kReverbBlockAddress, 0, 0);
        return;
    }
    sendEffectBlock(t_.reverbDumpA, t_.reverbDumpB, image_.reverb.current);
}

void XgMessages::SendChorus() {
    if (image_.chorus.typeIndex == 0) {
        SendEffectType(kChorusBlockAddress, 0, 0);
        return;
    }
    sendEffectBlock(t_.chorusDumpA, t_.chorusDumpB, image_.chorus.current);
}

void XgMessages::SendVariation() {
    if (image_.variation.typeIndex == 0) {
        SendEffectType(kVariationBlockAddress, 0, 0);
        return;
    }
    if (image_.variation.typeIndex == image::kVariationThruIndex) {
        SendEffectType(kVariationBlockAddress, 0x40, 0);
        return;
    }
    sendEffectBlock(t_.variationDumpA, t_.variationDumpB, image_.variation.current);
}

// ---- drums --------------------------------------------------------------------------------

void XgMessages::SendDrumSetup(int setup) {
    const auto& drums = image_.drums[static_cast<std::size_t>(setup == 2 ? 1 : 0)];
    const int count = std::clamp(drums.slotCount, 0, image::kDrumSlotCount);
    for (int slot = 0; slot < count; ++slot) {
        // A slot count larger than the kit has keys must not send a note outside 0..127.
        const int note = image::DrumNote(drums.kit, slot);
        if (note < 0) break;
        const auto& now = drums.table[static_cast<std::size_t>(slot)];
        const auto& held = drums.module[static_cast<std::size_t>(slot)];
        for (int param = 0; param < image::kDrumParamCount; ++param) {
            const auto j = static_cast<std::size_t>(param);
            if (now[j] == held[j]) continue;
            SendDrumParam(setup, note, param, now[j]);
            stepProgress();
        }
    }
}

// ---- QS300 voices -------------------------------------------------------------------------

bool XgMessages::handshakeNeededForVoice() const {
    return options_.type != SynthType::Db50 && options_.timeoutCheck;
}

bool XgMessages::SendQSVoice(image::VoiceDump& dump) {
    dump[kDeviceByte] = static_cast<Byte>(device_);
    renewChecksum(dump);
    if (!handshakeNeededForVoice()) {
        port_.SendLong(dump);
        return true;
    }
    return insideHandshake([&] { port_.SendLong(dump); });
}

// ---- start and close ----------------------------------------------------------------------

void XgMessages::sendStartMessages() {
    if (options_.qsLocalOff) SendQSLocal(false);
    if (options_.xgReset) SendXGSystemOn();
}

void XgMessages::sendCloseMessages() {
    if (options_.qsLocalOn) SendQSLocal(true);
}

// ---- helpers ------------------------------------------------------------------------------

// Asks the module whether it is ready, sends, and waits until it has taken the lot. A
// module that does not answer in time gets nothing (more) and the user is told.
bool XgMessages::insideHandshake(const std::function<void()>& send) {
    const auto pump = [this] { handshake_.runPump(); };
    handshake_.restart();
    port_.SendLong(t_.probe);
    // The output may still be busy with earlier messages: the time-out counts from the
    // moment the probe leaves.
    port_.waitUntilHandedOver(pump);
    handshake_.startCounting();
    if (!waitForModule()) return false;
    send();
    // The module's time to answer starts when the last byte has been handed over; a part
    // sent parameter by parameter alone takes longer than the shortest time-out.
    port_.waitUntilHandedOver(pump);
    handshake_.restart();
    return waitForModule();
}

bool XgMessages::waitForModule() {
    if (handshake_.waitForAnswer()) return true;
    alert(kQs300Timeout);
    return false;
}

void XgMessages::pause() {
    port_.pause(kParameterPause);
}

void XgMessages::stepProgress() {
    if (progress_) progress_();
}

void XgMessages::alert(const std::string& text) {
    if (alert_) alert_(text);
}

} // namespace midi
