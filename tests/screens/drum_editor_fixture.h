#pragma once
// A drum editor over the part editor's fixture, opened on the tenth part (drum setup 1 on
// the Standard Kit), with a chooser the test answers for the drum part dialog.

#include "drums/drum_editor.h"
#include "drums/drum_layout.h"
#include "screen_test_support.h"

namespace drums::testing {

using editor::testing::Msg;

inline Msg drumParam(int setup, int note, int param, int value) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            static_cast<std::uint8_t>(setup == 2 ? 0x31 : 0x30),
            static_cast<std::uint8_t>(note),
            static_cast<std::uint8_t>(param),
            static_cast<std::uint8_t>(value),
            0xF7};
}

inline Msg noteOn(int channel, int note, int velocity) {
    return {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(note),
            static_cast<std::uint8_t>(velocity)};
}

struct ScriptedChooser final : DrumPartChooser {
    int answer = 0;
    int asked = 0;
    std::string voice1;
    std::string voice2;
    int chooseDrumPart(const std::string& setup1Voice, const std::string& setup2Voice) override {
        ++asked;
        voice1 = setup1Voice;
        voice2 = setup2Voice;
        return answer;
    }
};

struct DrumEditorFixture : editor::testing::EditorFixture {
    std::unique_ptr<DrumEditor> drums;
    ScriptedChooser chooser;
    std::vector<int> changedParts;

    void SetUp() override {
        EditorFixture::SetUp();
        editor->selectPart(image::kDrumPartIndex);
        drums = std::make_unique<DrumEditor>(*image, xg, port, host);
        drums->setPartChooser(&chooser);
        drums->setPartChanged([this](int part) { changedParts.push_back(part); });
        ASSERT_TRUE(drums->ShowDrumEditor());
        drums->shown();
        backend.clearSent();
        host.repaints.clear();
    }

    void pressAt(int x, int y, editor::MouseButton b = editor::MouseButton::Left,
                 editor::Modifiers m = {}) {
        drums->mouseDown(b, m, x, y);
    }
    void dragTo(int x, int y, editor::Modifiers m = {}) {
        const auto [cx, cy] = host.clamp(x, y);
        host.pointerX = cx;
        host.pointerY = cy;
        drums->mouseMove(m, cx, cy);
    }
    void dragBy(int dx, int dy, editor::Modifiers m = {}) {
        dragTo(host.pointerX + dx, host.pointerY + dy, m);
    }
    void releaseAt(editor::MouseButton b = editor::MouseButton::Left) {
        drums->mouseUp(b, {}, host.pointerX, host.pointerY);
    }
    void click(const HitRect& r) {
        pressAt(r.left + 1, r.top + 1);
        releaseAt();
    }
    // A knob 1..13 pressed in its middle.
    void pressKnob(int knob) {
        const HitRect r = kKnobs[static_cast<std::size_t>(knob - 1)].hit;
        pressAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    image::Byte keyValue(int setup, int slot, int byte) const {
        return image->drums[static_cast<std::size_t>(setup - 1)]
            .table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(byte)];
    }
};

inline constexpr int kLevelKnob = 9;
inline constexpr int kPanKnob = 10;
inline constexpr int kDrumChannel = 9; // the tenth part receives on channel 10

} // namespace drums::testing
