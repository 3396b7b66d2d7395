// The common bytes of a voice that have an XG part parameter of their own.

#include "image/voice_edit.h"

namespace image {

namespace {

struct Mirror {
    int commonOffset;
    int partOffset; // XG part address, as the part record's offset
};

// XG part addresses above 28 sit 7 above their record offset.
constexpr int recordOffset(int address) {
    return address <= 0x28 ? address : address - 7;
}

constexpr std::array<Mirror, 32> kMirrors = [] {
    std::array<Mirror, 32> m{};
    int i = 0;
    m[i++] = {voice::kLevel, recordOffset(0x0B)};
    m[i++] = {voice::kVelocitySenseDepth, recordOffset(0x0C)};
    m[i++] = {voice::kVelocitySenseOffset, recordOffset(0x0D)};
    m[i++] = {voice::kReverbSend, recordOffset(0x13)};
    m[i++] = {voice::kChorusSend, recordOffset(0x12)};
    m[i++] = {voice::kPlayMode, recordOffset(0x05)};
    m[i++] = {voice::kPortamentoSwitch, recordOffset(0x67)};
    m[i++] = {voice::kPortamentoTime, recordOffset(0x68)};
    for (int c = 0; c < voice::kControlCount; ++c) {
        m[i++] = {voice::kBendControls + c, recordOffset(0x23 + c)};
        m[i++] = {voice::kModWheelControls + c, recordOffset(0x1D + c)};
        m[i++] = {voice::kAftertouchControls + c, recordOffset(0x4D + c)};
        m[i++] = {voice::kAssign1Controls + c, recordOffset(0x5A + c)};
    }
    return m;
}();

} // namespace

std::optional<int> mirroredPartOffset(int commonOffset) {
    for (const Mirror& m : kMirrors)
        if (m.commonOffset == commonOffset) return m.partOffset;
    return std::nullopt;
}

} // namespace image
