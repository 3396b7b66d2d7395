#pragma once
// A voice editor over a freshly initialised image and an open memory output, with a part
// playing "Aurora" as its user voice.

#include "core/user_voice_part.h"
#include "image/qs300_factory.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"
#include "qs300/voice_editor.h"
#include "screen_test_support.h"

#include <numeric>

namespace qs300::testing {

using editor::Modifiers;
using editor::MouseButton;
using editor::testing::Msg;
namespace el = image::voice::element;

inline bool checksumHolds(const Msg& dump) {
    const int sum = std::accumulate(dump.begin() + 4, dump.end() - 1, 0);
    return dump.size() == 392 && (sum & 0x7F) == 0;
}

inline int dumpElementByte(const Msg& dump, int element, int offset) {
    return dump[image::elementIndex(element, offset)];
}

struct VoiceEditorFixture : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    editor::testing::ScriptedHost host;
    std::unique_ptr<VoiceEditor> editor;
    std::vector<std::string> alerts;

    void SetUp() override {
        editor::testing::ensureApplication();
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        xg.setAlertHandler([this](const std::string& text) { alerts.push_back(text); });
        editor = std::make_unique<VoiceEditor>(*image, xg, port, host);
    }
    void use(midi::SynthType type, bool timeoutCheck = false) {
        midi::SynthOptions o;
        o.type = type;
        o.timeoutCheck = timeoutCheck;
        xg.setOptions(o);
    }
    // The part plays "Aurora" (elements 1, 2 and 4 on) and the editor is open on it.
    void openOn(int part, bool twoParts = false) {
        testvoice::assignUserVoice(*image, part, image::factoryUserBank()[0], twoParts);
        ASSERT_TRUE(editor->open(part));
        backend.clearSent();
    }
    int byte(int offset) const { return editor->edit().elementByte(offset); }
    void setByte(int offset, int value) {
        editor->edit().voice()[image::elementIndex(editor->currentElement(), offset)] =
            static_cast<image::Byte>(value);
        editor->redrawAll();
    }
    std::vector<Msg> sent() const { return backend.sent(); }

    void press(int x, int y, MouseButton b = MouseButton::Left, Modifiers m = {}) {
        host.pointerX = x;
        host.pointerY = y;
        editor->mouseDown(b, m, x, y);
    }
    void pressOn(const draw::HitRect& r, MouseButton b = MouseButton::Left) {
        press(r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2, b);
    }
    void moveTo(int x, int y, Modifiers m = {}) {
        const auto [cx, cy] = host.clamp(x, y);
        host.pointerX = cx;
        host.pointerY = cy;
        editor->mouseMove(m, cx, cy);
    }
    void moveBy(int dx, int dy, Modifiers m = {}) {
        moveTo(host.pointerX + dx, host.pointerY + dy, m);
    }
    void release(MouseButton b = MouseButton::Left) {
        editor->mouseUp(b, {}, host.pointerX, host.pointerY);
    }
};

} // namespace qs300::testing
