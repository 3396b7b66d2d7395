#include "app/session.h"

#include "app/zoom.h"
#include "files/ini_file.h"

#include <algorithm>
#include <string>

namespace app {

midi::SynthOptions synthOptionsOf(const files::Settings& settings) {
    midi::SynthOptions options;
    options.type = static_cast<midi::SynthType>(std::clamp(settings.synthType, 0, 2));
    options.timeout = std::clamp(settings.timeout, 0, 19);
    options.timeoutCheck = settings.timeoutCheck;
    options.multiParameterChange = settings.multiParameterChange;
    options.qsLocalOff = settings.qsLocalOff;
    options.qsLocalOn = settings.qsLocalOn;
    options.xgReset = settings.xgReset;
    return options;
}

Session::Session(midi::Backend& backend, midi::Clock& clock, files::AppPaths paths,
                 midi::SenderMode sender)
    : backend_(backend), clock_(clock), paths_(std::move(paths)),
      image_(std::make_unique<image::SynthImage>()), monitorLog_(clock_),
      tap_(backend_, monitorLog_), port_(tap_, clock_, sender), messages_(port_, *image_, clock_),
      undo_(*image_, messages_), portNames_(paths_.configFile()) {}

Session::~Session() = default;

void Session::loadConfiguration() {
    settings_ = files::LoadSettings(paths_.configFile());
    const auto ini = files::IniFile::load(paths_.configFile());
    const auto stored = ini.value(kViewSection, kZoomKey);
    setZoomPercent(stored ? files::parseProfileInt(*stored).value_or(kDefaultZoom) : kDefaultZoom);
}

void Session::saveConfiguration() {
    files::SaveSettings(paths_.configFile(), settings_);
    auto ini = files::IniFile::load(paths_.configFile());
    ini.setValue(kViewSection, kZoomKey, std::to_string(zoomPercent_));
    ini.save(paths_.configFile(), files::settingsWhat);
}

void Session::applySettings() {
    messages_.setDeviceNumber(std::clamp(settings_.deviceNumber, 0, 15));
    messages_.setOptions(synthOptionsOf(settings_));
}

void Session::createFileContainer() {
    container_ = std::make_unique<files::TxMidiData>();
}

void Session::setZoomPercent(int percent) {
    zoomPercent_ = isOfferedZoom(percent) ? percent : kDefaultZoom;
}

} // namespace app
