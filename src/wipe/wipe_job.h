#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/files.h"
#include "platform/ui.h"
#include "wipe/left_behind.h"
#include "wipe/shred_file.h"
#include "wipe/wipe_run.h"

namespace vellox {

// What the user asked for, as the worker takes it.
struct WipeOrder {
  std::string file;    // empty: no file target
  std::vector<std::string> files;  // several files dropped at once, in place of `file`
  std::string folder;  // empty: no folder target
  int passes = 3;
};

struct FolderOutcome {
  // What the folder target itself turned out to be, when it was no folder to walk: missing, a
  // link (removed as a name), or something else; the walk's counts are then all zero.
  enum class Root { Walked, Missing, LinkRemoved, LinkLeft, NotAFolder } root = Root::Walked;
  std::string rootReason;
  std::size_t wiped = 0;
  std::size_t linksRemoved = 0;
  std::size_t relocating = 0;  // of those wiped: compressed, sparse or encrypted
  std::vector<LeftBehind> leftBehind;
  // Stopped by Cancel: how many files and links were left as they were, unreached.
  bool cancelled = false;
  std::size_t notReached = 0;
};

struct WipeOutcome {
  std::optional<Shred> file;
  std::optional<FolderOutcome> dropped;
  std::optional<FolderOutcome> folder;
};

struct ClosingMessage {
  std::string text;
  MsgIcon icon;
};

// Runs on the worker thread: walks the folder first, so the total is known, then
// shreds the file target and the folder's files, reporting to `run`.
WipeOutcome runWipe(Files& files, const WipeOrder& order, WipeRun& run, ShredControl& control);

// The boxes that close a wipe, in order: the file target's, the dropped files', then the folder's.
std::vector<ClosingMessage> closingMessages(const WipeOrder& order, const WipeOutcome& outcome, char separator);

}  // namespace vellox
