#pragma once
#include <functional>
#include <memory>
#include <string>
#include "platform/instance.h"

namespace vellox::win32 {

// The running instance listens on a message-only window whose class is named after the
// instance's mutex; a later instance finds it there and sends its text in a WM_COPYDATA
// tagged with a registered message, so that no other sender's data is taken for it.
bool handOffText(const std::string& name, const std::string& text);
std::unique_ptr<HandOffListener> listenForHandOff(const std::string& name,
                                                  std::function<void(const std::string&)> received);

}  // namespace vellox::win32
