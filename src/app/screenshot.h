#pragma once
// The picture that --screenshot writes: a screen of the editor as it first appears, made
// without MIDI and without the port dialog, optionally with every hit rectangle outlined
// and named (--hot), so that anyone can see where a press lands.

#include <filesystem>
#include <string>

namespace app {

struct ScreenshotRequest {
    std::filesystem::path file;
    std::string screen = "editor"; // editor, range, drums, voice or settings
    bool hot = false;
};

// Starts up as usual but without MIDI and without the port dialog, and writes the screen
// to a PNG file. Returns an error text, empty on success.
std::string writeScreenshot(const std::filesystem::path& baseDir, const ScreenshotRequest& request);
// The first page of the "Settings" dialog (--screen settings).
std::string writeSettingsScreenshot(const std::filesystem::path& baseDir,
                                    const std::filesystem::path& file);

} // namespace app
