#pragma once
// Readable names of the module's parameters, shared by every listing that puts a message
// or a file into words.

#include <string_view>

namespace midi {

std::string_view partParameterName(int offset); // record offset 0..103, empty beyond
std::string_view drumParameterName(int param);  // 0..15, empty beyond

} // namespace midi
