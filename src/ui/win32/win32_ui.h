#pragma once
#include <memory>
#include "platform/ui.h"

namespace vellox::win32 {

// Message boxes, file and folder pickers, the event pump and posted tasks.
std::unique_ptr<Ui> makeUi();

}  // namespace vellox::win32
