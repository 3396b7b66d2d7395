#pragma once
// A shown part editor with the effect editor hooked in, over the memory backend.

#include "effects/effect_editor.h"
#include "screen_test_support.h"

namespace effects::testing {

using editor::testing::Msg;

inline Msg effectParam(int address, int value) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            0x02,
            0x01,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(value),
            0xF7};
}
inline Msg effectPair(int address, int msb, int lsb) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            0x02,
            0x01,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(msb),
            static_cast<std::uint8_t>(lsb),
            0xF7};
}
inline Msg systemParam(int address, int value) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            0x00,
            0x00,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(value),
            0xF7};
}
// An XG bulk dump of `data` at 02 01 address, with its checksum.
inline Msg bulkDump(int address, const std::vector<std::uint8_t>& data) {
    Msg m;
    m.reserve(data.size() + 11);
    for (int byte : {0xF0, 0x43, 0x00, 0x4C, static_cast<int>(data.size() >> 7),
                     static_cast<int>(data.size() & 0x7F), 0x02, 0x01, address})
        m.push_back(static_cast<std::uint8_t>(byte));
    for (std::uint8_t byte : data) m.push_back(byte);
    int sum = 0;
    for (std::size_t i = 4; i < m.size(); ++i) sum += m[i];
    m.push_back(static_cast<std::uint8_t>((128 - (sum & 0x7F)) & 0x7F));
    m.push_back(0xF7);
    return m;
}
// The two dumps that carry a whole block: parameters 11..16 (the last six bytes) apart.
template <std::size_t N>
std::vector<Msg> blockDumps(int base, int tailAddress, const std::array<std::uint8_t, N>& block) {
    const std::vector<std::uint8_t> head(block.begin(), block.end() - 6);
    const std::vector<std::uint8_t> tail(block.end() - 6, block.end());
    return {bulkDump(base, head), bulkDump(tailAddress, tail)};
}

struct EffectEditorFixture : editor::testing::EditorFixture {
    std::unique_ptr<EffectEditor> effects;

    void SetUp() override {
        EditorFixture::SetUp();
        effects = std::make_unique<EffectEditor>(*image, xg, port, *editor, host);
        effects->show();
        backend.clearSent();
        host.repaints.clear();
    }
    void TearDown() override { effects.reset(); }

    void click(int x, int y) {
        press(x, y);
        release();
    }
    void chooseType(int list, int item) { editor->popupListClicked(list, item, false); }
    // Press on a knob slot of a row (its top-left pixel).
    void pressSlot(image::EffectKind kind, int slot) {
        const HitRect r = knobRect(kind, slot);
        press(r.left, r.top);
    }
};

} // namespace effects::testing
