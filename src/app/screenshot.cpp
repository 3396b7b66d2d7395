#include "app/screenshot.h"

#include "app/editor_window.h"
#include "app/settings_picture.h"
#include "app/startup.h"
#include "draw/canvas.h"
#include "draw/hot_overlay.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <iostream>
#include <utility>
#include <vector>

namespace app {
namespace {

// Without a user to answer, messages go to the error stream and dialogs close at once.
class ConsolePrompts final : public Prompts {
  public:
    void message(QWidget*, const QString& text) override {
        std::cerr << "xg-orvo: " << text.toStdString() << '\n';
    }
    void error(QWidget*, const QString& text) override {
        std::cerr << "xg-orvo: " << text.toStdString() << '\n';
    }
    void runModal(QDialog& dialog) override { dialog.reject(); }
};

constexpr std::array<std::pair<const char*, editor::Panel>, 4> kScreens{{
    {"editor", editor::Panel::Surface},
    {"range", editor::Panel::KeyboardRange},
    {"drums", editor::Panel::DrumEditor},
    {"voice", editor::Panel::VoiceEditor},
}};

std::vector<draw::NamedHitRect> namedRects(const std::vector<editor::NamedArea>& areas) {
    std::vector<draw::NamedHitRect> rects;
    rects.reserve(areas.size());
    for (const editor::NamedArea& area : areas) rects.push_back({area.rect, area.name});
    return rects;
}

} // namespace

std::string writeSettingsScreenshot(const std::filesystem::path& baseDir,
                                    const std::filesystem::path& file) {
    midi::MemoryBackend backend;
    midi::ManualClock clock;
    Session session(backend, clock, files::AppPaths{baseDir});
    ConsolePrompts prompts;
    auto window = startUp(session, prompts, {false, false, {}});
    const QImage picture = settingsPicture(window->settingsDialog(), session.settings());
    if (!picture.save(QString::fromStdString(file.string()), "PNG"))
        return "cannot write " + file.string();
    return {};
}

std::string writeScreenshot(const std::filesystem::path& baseDir,
                            const ScreenshotRequest& request) {
    if (request.screen == "settings") return writeSettingsScreenshot(baseDir, request.file);
    const auto known = std::find_if(kScreens.begin(), kScreens.end(), [&](const auto& screen) {
        return request.screen == screen.first;
    });
    if (known == kScreens.end())
        return "unknown screen \"" + request.screen + "\" (editor, range, drums or voice)";

    midi::MemoryBackend backend;
    midi::ManualClock clock;
    Session session(backend, clock, files::AppPaths{baseDir});
    ConsolePrompts prompts;
    StartOptions options;
    options.restorePorts = false;
    options.mayAskForPorts = false;
    auto window = startUp(session, prompts, options);
    editor::Panels& panels = window->editorWindow().panels();
    const editor::Panel panel = known->second;
    if (panel != editor::Panel::Surface && !panels.open(panel))
        return "the screen \"" + request.screen + "\" is not part of this version yet";

    const editor::Screen& screen = panels.screen(panel);
    QImage picture = screen.image().copy();
    if (request.hot) {
        draw::Canvas canvas(picture);
        draw::DrawHotOverlay(canvas, namedRects(screen.hitAreas()));
    }
    if (!picture.save(QString::fromStdString(request.file.string()), "PNG"))
        return "cannot write " + request.file.string();
    return {};
}

} // namespace app
