#pragma once
// Everything the program keeps for the whole run: the MIDI backend and clock it was given,
// the synth image, the settings, the port, the message layer, the port name store and the
// MIDI file container. Made once by main() (or a test) and passed by reference.

#include "files/app_paths.h"
#include "files/ini_port_name_store.h"
#include "files/midi_data.h"
#include "files/settings.h"
#include "image/synth_image.h"
#include "midi/backend.h"
#include "midi/clock.h"
#include "midi/image_undo.h"
#include "midi/midi_port.h"
#include "midi/monitor_log.h"
#include "midi/monitor_tap.h"
#include "midi/synth_options.h"
#include "midi/xg_messages.h"

#include <memory>
#include <string_view>

namespace app {

// The editor window's zoom in percent, kept in the configuration file beside the other
// window settings.
inline constexpr std::string_view kViewSection = "View";
inline constexpr std::string_view kZoomKey = "Zoom";

// The message layer's options as the settings hold them.
midi::SynthOptions synthOptionsOf(const files::Settings& settings);

class Session {
  public:
    // The program sends from its own thread; tests choose to block or to step.
    Session(midi::Backend& backend, midi::Clock& clock, files::AppPaths paths,
            midi::SenderMode sender = midi::SenderMode::Inline);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Reads the configuration file (settings and zoom); a file that exists but cannot be
    // read raises files::EFileError and leaves the defaults. applySettings() hands them to
    // the message layer once the image is initialised.
    void loadConfiguration();
    // Writes the settings and the zoom back; the port names are the port dialog's.
    void saveConfiguration();
    // Device number and options from the settings into the message layer: the templates
    // and the stored voice dumps of the image take the device number.
    void applySettings();

    // Replaces the empty container the session starts without.
    void createFileContainer();
    bool hasFileContainer() const { return container_ != nullptr; }
    files::TxMidiData& container() { return *container_; }

    midi::Backend& backend() { return backend_; }
    midi::Clock& clock() { return clock_; }
    const files::AppPaths& paths() const { return paths_; }
    files::Settings& settings() { return settings_; }
    image::SynthImage& image() { return *image_; }
    midi::MidiPort& port() { return port_; }
    // Every message sent and received, for the MIDI monitor.
    midi::MonitorLog& monitorLog() { return monitorLog_; }
    midi::XgMessages& messages() { return messages_; }
    midi::ImageUndo& undo() { return undo_; }
    files::IniPortNameStore& portNames() { return portNames_; }

    int zoomPercent() const { return zoomPercent_; }
    // Only 100, 150 and 200 are offered; anything else falls back to 100.
    void setZoomPercent(int percent);

  private:
    midi::Backend& backend_;
    midi::Clock& clock_;
    files::AppPaths paths_;
    files::Settings settings_;
    // About 100 kB: kept on the heap.
    std::unique_ptr<image::SynthImage> image_;
    midi::MonitorLog monitorLog_;
    midi::MonitorTap tap_; // the port sends through it
    midi::MidiPort port_;
    midi::XgMessages messages_;
    midi::ImageUndo undo_;
    files::IniPortNameStore portNames_;
    std::unique_ptr<files::TxMidiData> container_;
    int zoomPercent_ = 100;
};

} // namespace app
