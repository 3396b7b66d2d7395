#include "files/history.h"

#include "files/settings.h"

#include <algorithm>

namespace files {

void rememberSetFile(std::vector<std::string>& history, const std::string& path) {
    const auto found = std::find(history.begin(), history.end(), path);
    if (found == history.begin() && found != history.end()) return;
    if (found != history.end()) {
        std::rotate(history.begin(), found, found + 1);
        return;
    }
    while (history.size() >= historyLength) history.pop_back();
    history.insert(history.begin(), path);
}

} // namespace files
