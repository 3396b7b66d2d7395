#pragma once
// The QS300 voice editor in the editor window: its panel, the voice name field `Edit1`,
// and what closing it changes on the part surface. The tool strip's "QS300 EDIT" and the
// menu's "&Edit QS300 Voice ..." open it on the current part.

#include "app/qs300_file_commands.h"
#include "qs300/voice_editor.h"

#include <QObject>

#include <memory>

class QLineEdit;

namespace app {

class ElementAidsLink;
class Session;
class TFXg;

class VoiceEditorLink final : public QObject,
                              public qs300::VoiceEditorHooks,
                              public app::VoiceEditorHooks {
  public:
    VoiceEditorLink(Session& session, TFXg& window);
    ~VoiceEditorLink() override;

    qs300::VoiceEditor& editor() { return *editor_; }
    // Opens the editor on the part (or the first part of its pair) and shows its panel.
    // Returns false for a part without a user voice of its own.
    bool open(int part);
    // The file commands close an open editor first, as "EXIT" does.
    void closeIfOpen();

    // ---- qs300::VoiceEditorHooks ----
    void voiceEditorClosed(int part, int partAtOpen) override;
    void showNameField(const draw::HitRect& area, const std::string& name) override;
    void hideNameField() override;
    void elementAidRequested(qs300::Command command) override;
    ElementAidsLink& elementAids() { return *aids_; }

    // ---- app::VoiceEditorHooks (the QS300 file and store commands) ----
    bool editorOpen() const override { return editor_->isOpen(); }
    void closeEditor() override { closeIfOpen(); }
    image::VoiceRecord editorVoice() override;
    void refreshFromEditVoice() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void commitName();

    Session& session_;
    TFXg& window_;
    std::unique_ptr<qs300::VoiceEditor> editor_;
    QLineEdit* name_ = nullptr;
    std::unique_ptr<ElementAidsLink> aids_;
};

} // namespace app
