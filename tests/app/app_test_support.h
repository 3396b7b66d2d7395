#pragma once
// Shared pieces of the application tests: one QApplication for the whole program, a
// scratch base directory, prompts that record instead of waiting, and a session over the
// memory backend.

#include "app/prompts.h"
#include "app/session.h"
#include "draw/fonts.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace app::testing {

using Message = std::vector<std::uint8_t>;

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application =
        QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

// A fresh directory per test, removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("xgorvo_app_" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "_" +
                 std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path ini() const { return path_ / "XG-Orvo.INI"; }
    void writeIni(const std::string& text) const { std::ofstream(ini()) << text; }
    std::string readIni() const {
        std::ifstream in(ini());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::filesystem::path path_;
};

class RecordingPrompts final : public Prompts {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> modals; // window titles, in order
    std::vector<std::string> questions;
    bool answer = false; // what every question is answered
    // What "the user" does with a modal dialog; by default it is closed with Escape.
    std::function<void(QDialog&)> onModal;

    void message(QWidget*, const QString& text) override { messages.push_back(text.toStdString()); }
    bool question(QWidget*, const QString& text) override {
        questions.push_back(text.toStdString());
        return answer;
    }
    void error(QWidget*, const QString& text) override { errors.push_back(text.toStdString()); }
    void runModal(QDialog& dialog) override {
        modals.push_back(dialog.windowTitle().toStdString());
        if (onModal)
            onModal(dialog);
        else
            dialog.reject();
    }
};

// The stored ports of a configuration in which the program's own virtual output is chosen.
inline constexpr const char* kVirtualOutIni = "[Port]\nIn=NONE\nOut=XG-Orvo Out\n";

struct SessionFixture {
    ScratchDir dir;
    midi::MemoryBackend backend{{"Keys In"}, {"Synth A", "Synth B"}};
    midi::ManualClock clock;
    Session session{backend, clock, files::AppPaths{dir.path()}};
    RecordingPrompts prompts;

    SessionFixture() { ensureApplication(); }
};

inline Message bytes(std::initializer_list<int> values) {
    Message m;
    for (int v : values) m.push_back(static_cast<std::uint8_t>(v));
    return m;
}

} // namespace app::testing
