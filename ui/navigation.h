// Where Enter and the arrow keys move the focus from a box of the main window.
#pragma once

#include <string_view>

namespace veltar {

struct EnterContext {
    bool plateGradeUserDefined = false;
    bool stiffGradeUserDefined = false;
    bool watertight = false;
};

// The control that Enter moves to; empty when Enter does nothing there.
std::string_view NextOnEnter(std::string_view from, const EnterContext& ctx);

enum class Arrow { Up, Down, Left, Right };

// The box an arrow key moves to; empty when the key is left to the box.
std::string_view NextOnArrow(std::string_view from, Arrow key);

}  // namespace veltar
