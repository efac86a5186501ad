#pragma once
#include <string>

namespace vellox {

class Shell {
 public:
  virtual ~Shell() = default;
  // Empties the Recycle Bin of every drive without asking; true when the shell
  // reports success (the caller stays silent either way). Without `shown`, as when no one
  // asked for it just now, it shows no progress window and plays no sound.
  virtual bool emptyRecycleBin(bool shown) = 0;
  // Hands the URL to the default handler; failures are the caller's to ignore.
  virtual bool openUrl(const std::string& url) = 0;
  // Whether the clipboard holds anything, and emptying it; false when another program
  // keeps it open.
  virtual bool clipboardHasData() = 0;
  virtual bool emptyClipboard() = 0;
  // Clears the shell's own list of recent documents, so Explorer does not write its
  // cached list back over a cleaned Recent folder.
  virtual void clearRecentDocuments() = 0;
};

}  // namespace vellox
