#pragma once
#include <windows.h>
#include <initializer_list>

namespace vellox::e2e {

enum class MouseButton { Left, Right };

POINT centre(const RECT& rect);
// Moves the pointer and clicks in one SendInput batch: a separate move can be
// undone by the target before the click arrives.
bool clickAt(POINT screen, MouseButton button = MouseButton::Left);
bool doubleClickAt(POINT screen);
// Treats a click at this point as just made elsewhere (by an earlier process),
// so the next click here is not taken as the second half of a double-click.
void rememberOutsideClick(POINT screen, MouseButton button = MouseButton::Left);
// Presses and releases each virtual key in turn.
bool pressKeys(std::initializer_list<WORD> keys);

}  // namespace vellox::e2e
