#pragma once
// What every surface benchmark stands on: a GUI application for the fonts, a window that
// does nothing, and a shown part editor over the memory backend.

#include "draw/fonts.h"
#include "editor/part_editor.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QGuiApplication>

#include <memory>

namespace bench {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_screens";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

// A window that does nothing but count the repaints it is asked for.
class QuietHost final : public editor::SurfaceHost {
  public:
    void confinePointer(const editor::HitRect&) override {}
    void releasePointer() override {}
    void setPointerPosition(int, int) override {}
    void setPointerShape(editor::PointerShape) override {}
    void repaint(const editor::HitRect&) override { ++repaints; }
    void showPopupList(editor::PopupList, int, int, int, int, const std::vector<std::string>&,
                       int) override {}
    void hidePopupList(editor::PopupList) override {}
    void showMessage(const std::string&) override {}
    long repaints = 0;
};

struct SurfaceRig {
    midi::MemoryBackend backend{{}, {"Module Out"}};
    midi::ManualClock clock;
    midi::SteadyClock realClock; // the sender thread's
    midi::MidiPort port;
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    QuietHost host;
    std::unique_ptr<editor::PartEditor> editor;

    // Inline sends on the benchmark's thread; Threaded hands over to the output queue's
    // sender like the program does.
    explicit SurfaceRig(midi::SenderMode mode = midi::SenderMode::Inline)
        : port(backend,
               mode == midi::SenderMode::Threaded ? static_cast<midi::Clock&>(realClock) : clock,
               mode) {
        ensureApplication();
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        editor = std::make_unique<editor::PartEditor>(*image, xg, port, host);
        editor->show();
    }
};

} // namespace bench
