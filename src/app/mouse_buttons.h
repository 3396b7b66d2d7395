#pragma once
// The mouse buttons the painted screens know, from Qt's.

#include "editor/surface_host.h"

#include <Qt>

#include <optional>

namespace app {

inline std::optional<editor::MouseButton> buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return editor::MouseButton::Left;
    case Qt::RightButton:
        return editor::MouseButton::Right;
    case Qt::MiddleButton:
        return editor::MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace app
