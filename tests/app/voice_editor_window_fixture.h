#pragma once
// The real window over the memory backend with the first part playing the factory voice "Aurora",
// driven with Qt mouse events on the editor surface.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/voice_editor_link.h"
#include "core/user_voice_part.h"
#include "image/qs300_factory.h"

#include "app_test_support.h"
#include "surface_mouse.h"

#include <QCoreApplication>

#include <memory>

namespace app::testing {

class VoiceEditorWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        f.dir.writeIni(kVirtualOutIni);
        window = startUp(f.session, f.prompts, {});
        testvoice::assignUserVoice(f.session.image(), 0, image::factoryUserBank()[0], false);
        window->show();
        QCoreApplication::processEvents();
        f.backend.clearSent();
    }
    TFXg& editor() { return window->editorWindow(); }
    qs300::VoiceEditor& voiceEditor() { return editor().voiceEditor().editor(); }
    void send(QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons held) {
        sendMouse(editor(), type, local, button, held);
    }
    void click(QPoint p) { clickAt(editor(), p); }

    SessionFixture f;
    std::unique_ptr<TMF> window;
};

} // namespace app::testing
