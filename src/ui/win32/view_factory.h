#pragma once
#include <memory>
#include <windows.h>
#include "ui/views.h"

namespace vellox::win32 {

// The real windows, built from the resources of `module`.
std::unique_ptr<ViewFactory> makeViewFactory(HINSTANCE module);

}  // namespace vellox::win32
