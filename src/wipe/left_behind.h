#pragma once
#include <string>
#include "platform/files.h"

namespace vellox {

// Something a wipe did not destroy, and why.
struct LeftBehind {
  std::string path;
  std::string reason;
};

// Overwriting a file with several names would destroy the data of names outside the target.
inline constexpr const char* kSharedDataReason = "other names share its data";
// Opening a placeholder would download it; a deduplicated file's data belongs to other files too.
inline constexpr const char* kDataLinkReason = "its data is held elsewhere (placeholder or deduplicated file)";
inline constexpr const char* kCancelledReason = "the wipe was cancelled before it was done";

// Why a step failed, in plain words for the common causes and in the system's own text otherwise.
std::string causeOf(const FileStatus& status);

// A path as the user knows it, without the literal-form prefix "\\?\" (or "\\?\UNC\").
std::string shownPath(const std::string& path);

}  // namespace vellox
