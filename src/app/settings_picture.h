#pragma once
// The "Settings" dialog as a picture, its first page showing the given settings.

#include "files/settings.h"

#include <QImage>

namespace app {

class TFSets;

QImage settingsPicture(TFSets& dialog, const files::Settings& settings);

} // namespace app
