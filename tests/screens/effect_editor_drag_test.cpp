// Knob drags of the effect rows and the system knobs, and the tool strip's hot areas.

#include "editor/part_controls.h"
#include "effect_editor_fixture.h"
#include "effects/effect_geometry.h"
#include "effects/system_knobs.h"

#include <optional>
#include <string>

namespace effects::testing {
namespace {

using image::EffectKind;

using EffectDrag = EffectEditorFixture;

// Delay L-C-R's left delay: 1..7150 as MSB/LSB at variation bytes 2 and 3 (address 42).
TEST_F(EffectDrag, LongDelayStepsByTenKeepingItsLastDigitAndByOneInFineMode) {
    ASSERT_EQ(image->variation.typeIndex, 9);
    pressSlot(EffectKind::Variation, 1);
    EXPECT_TRUE(editor->dragging());
    EXPECT_EQ(host.confinement, (HitRect{1, 1, 715, 715}));
    EXPECT_EQ(host.pointerX, 333); // 26 * 128 + 5 = 3333
    EXPECT_EQ(host.pointerY, 716 - 333);

    moveBy(0, -1);
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{effectPair(0x42, 26, 15), effectPair(0x42, 26, 25)}));

    backend.clearSent();
    press(host.pointerX, host.pointerY, editor::MouseButton::Right);
    EXPECT_TRUE(effects->knobDrag().fine());
    moveBy(0, -9);
    EXPECT_TRUE(sent().empty());
    moveBy(0, -1);
    moveBy(0, 10);
    moveBy(0, 10);
    EXPECT_EQ(sent(), (std::vector<Msg>{effectPair(0x42, 26, 26), effectPair(0x42, 26, 25),
                                        effectPair(0x42, 26, 24)}));

    // Back in normal mode the drag goes on from 3352 without a jump, in tens, still on the
    // hidden pointer (the real one is somewhere else entirely).
    editor->Ig2MouseUp(editor::MouseButton::Right, {}, host.pointerX, host.pointerY);
    EXPECT_TRUE(host.confined);
    EXPECT_EQ(host.confinement, editor::kUnconfinedArea);
    backend.clearSent();
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{effectPair(0x42, 26, 34)}));
    release();
    EXPECT_FALSE(editor->dragging());
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(host.pointerX, 14);
    EXPECT_EQ(host.pointerY, 520);
}

TEST_F(EffectDrag, LongDelayStopsAtItsEnds) {
    pressSlot(EffectKind::Variation, 1);
    moveTo(0, 0);
    EXPECT_EQ(image->variation.current[2] * 128 + image->variation.current[3], 7150);
    moveTo(0, 2000);
    EXPECT_EQ(image->variation.current[2] * 128 + image->variation.current[3], 1);
    release();
}

TEST_F(EffectDrag, AMessageBoxEndsAKnobDragWithoutSending) {
    press(715, 26); // master volume
    press(host.pointerX, host.pointerY, editor::MouseButton::Right);
    moveBy(0, 10);
    backend.clearSent();
    editor->endDrag();
    EXPECT_FALSE(editor->dragging());
    EXPECT_FALSE(effects->knobDrag().fine());
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{715, 26}));
    EXPECT_EQ(host.shapes.back(), editor::PointerShape::Default);
    moveBy(0, 30);
    release();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(image->system.masterVolume, 126);
}

TEST_F(EffectDrag, TheSurfaceNamesItsHitAreasWithTheEffectRowsAfterTheParts) {
    const auto areas = editor->hitAreas();
    const auto find = [&](const std::string& name) {
        for (const auto& area : areas)
            if (area.name == name) return std::optional<HitRect>(area.rect);
        return std::optional<HitRect>();
    };
    const std::string reverb = editor::kStripControls[editor::strip::kReverb].name;
    EXPECT_EQ(find("P16 " + reverb), (HitRect{545, 75, 568, 98}));
    EXPECT_EQ(find("Reverb knob 1"), knobRect(EffectKind::Reverb, 1));
    EXPECT_FALSE(find("Chorus knob 5").has_value()) << "Chorus 1 shows no fifth knob";
    EXPECT_EQ(areas.front().name, "P1 " + std::string(editor::kStripControls[1].name));
}

TEST_F(EffectDrag, HiddenSlotsAndMovesWithoutADragDoNothing) {
    // Chorus 1 has no knob in slot 5.
    pressSlot(EffectKind::Chorus, 5);
    EXPECT_FALSE(editor->dragging());
    moveBy(3, 3);
    release();
    EXPECT_TRUE(sent().empty());
}

TEST_F(EffectDrag, SystemKnobsSendTheirSystemParameters) {
    press(715, 26); // master volume
    EXPECT_EQ(host.pointerY, 0);
    moveBy(0, 10);
    release();
    press(691, 34); // transpose 40..88
    EXPECT_EQ(host.confinement, (HitRect{40, 40, 88, 88}));
    moveBy(0, -1);
    moveTo(0, 200);
    release();
    press(778, 55); // master tune, bottom-right corner
    moveBy(0, -1);
    release();
    EXPECT_EQ(sent(), (std::vector<Msg>{systemParam(0x04, 117),
                                        systemParam(0x06, 65),
                                        systemParam(0x06, 40),
                                        {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                                         0x01, 0xF7}}));
    EXPECT_EQ(image->system.masterTune(), 1025);
}

TEST(SystemKnobTexts, TuneInCentsAndTransposeInSemitones) {
    using K = SystemKnob;
    EXPECT_EQ(systemKnobText(K::MasterTune, 1024), "0 cent");
    EXPECT_EQ(systemKnobText(K::MasterTune, 1025), "0.1 cent");
    EXPECT_EQ(systemKnobText(K::MasterTune, 1019), "-0.5 cent");
    EXPECT_EQ(systemKnobText(K::MasterTune, 0), "-102.4 cent");
    EXPECT_EQ(systemKnobText(K::MasterTune, 2047), "102.3 cent");
    EXPECT_EQ(systemKnobText(K::Transpose, 40), "-24");
    EXPECT_EQ(systemKnobText(K::Transpose, 64), "0");
    EXPECT_EQ(systemKnobText(K::Transpose, 88), "+24");
    EXPECT_EQ(systemKnobText(K::MasterVolume, 127), "127");
}

struct RecordingHooks final : ToolStripHooks {
    void openVoiceEditor(int part) override { opened.push_back(part); }
    void toggleVirtualKeyboard() override { calls += "K"; }
    void toggleDrumEditor() override { calls += "D"; }
    void toggleKeyboardRange() override { calls += "R"; }
    void showAbout() override { calls += "A"; }
    void thruChanged(bool on) override { thru.push_back(on); }
    std::vector<int> opened;
    std::string calls;
    std::vector<bool> thru;
};

struct ToolStrip : EffectEditorFixture {
    RecordingHooks hooks;
    void SetUp() override {
        EffectEditorFixture::SetUp();
        effects->setHooks(&hooks);
    }
};

TEST_F(ToolStrip, ThruOffSendsAllNotesOffOnTheCurrentPartsChannel) {
    editor->selectPart(2);
    image->part(2, image::offset::kReceiveChannel) = 5;
    click(665, 10);
    EXPECT_FALSE(effects->thru());
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xB5, 0x7B, 0x00}}));
    click(673, 18);
    EXPECT_TRUE(effects->thru());
    EXPECT_EQ(sent().size(), 1u);
    EXPECT_EQ(hooks.thru, (std::vector<bool>{false, true}));
}

TEST_F(ToolStrip, ThruOffOnAPartThatReceivesNothingSendsNothing) {
    image->part(0, image::offset::kReceiveChannel) = 127;
    click(665, 10);
    EXPECT_TRUE(sent().empty());
}

TEST_F(ToolStrip, VoiceEditorRefusesAPartWithoutUserVoice) {
    click(590, 3);
    EXPECT_EQ(host.messages, (std::vector<std::string>{kNoUserVoiceMessage}));
    EXPECT_TRUE(hooks.opened.empty());
    image->part(0, image::offset::kBankMsb) = image::kBankQsUserVoice;
    click(654, 27);
    EXPECT_EQ(hooks.opened, (std::vector<int>{0}));
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(ToolStrip, OtherAreasCallTheShell) {
    click(700, 10); // about
    click(600, 40); // virtual keyboard
    click(630, 40); // drum editor
    click(660, 40); // keyboard range
    EXPECT_EQ(hooks.calls, "AKDR");
    EXPECT_TRUE(sent().empty());
}

} // namespace
} // namespace effects::testing
