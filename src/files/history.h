#pragma once
// The list of recently loaded or saved set files, most recent first.

#include <string>
#include <vector>

namespace files {

// Moves path to the front (exact, case-sensitive comparison of the whole path); a new path
// pushes the oldest entry out when the list is full. Opening an entry from the list
// itself follows the same rule.
void rememberSetFile(std::vector<std::string>& history, const std::string& path);

} // namespace files
