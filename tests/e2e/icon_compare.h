#pragma once
#include <windows.h>

namespace vellox::e2e {

// Which of the system's message-box icons (IDI_INFORMATION, IDI_WARNING,
// IDI_ERROR, IDI_QUESTION) the icon control shows on the screen; nullptr for no
// control. Another process's icon handle cannot be drawn here, so the picture
// on the screen is compared with the system icons drawn on the same background.
const wchar_t* nearestSystemIcon(HWND iconControl);

}  // namespace vellox::e2e
