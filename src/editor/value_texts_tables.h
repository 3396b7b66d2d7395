#pragma once
#include <array>
#include <cstdint>

namespace editor {
extern const std::array<std::int8_t, 128> kAmpControlPercent;
}
