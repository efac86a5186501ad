#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include "app/command_line.h"

namespace vellox::test {
namespace {

TEST(CommandLine, WipeTakesOnePathAndAnythingElseIsNamedInTheError) {
  const std::string usage =
      "\nUse: vellox.exe --wipe \"<path of a file or folder>\"\n  or vellox.exe --wipe-free-space D: [--yes]";
  const std::string needsDrive = "The argument --wipe-free-space needs a drive, such as D:." + usage;
  const std::string yesAlone = "The argument --yes goes with --wipe-free-space." + usage;
  const struct {
    std::vector<std::string> args;
    std::optional<std::string> path;
    std::string error;
    std::optional<std::string> drive = std::nullopt;  // --wipe-free-space
    bool yes = false;
  } cases[] = {
      {{}, std::nullopt, ""},
      {{"--wipe", "C:\\My Files\\a b.txt"}, "C:\\My Files\\a b.txt", ""},
      {{"--wipe", "--wipe"}, "--wipe", ""},  // a file may have any name
      {{"--wipe"}, std::nullopt, "The argument --wipe needs a path." + usage},
      {{"/wipe", "C:\\a"}, std::nullopt, "Unknown argument: /wipe" + usage},
      {{"--WIPE", "C:\\a"}, std::nullopt, "Unknown argument: --WIPE" + usage},
      {{"--wipe", "C:\\a", "C:\\b"}, std::nullopt, "Unknown argument: C:\\b" + usage},
      {{"--wipe", "C:\\a", "--wipe", "C:\\b"}, std::nullopt, "Unknown argument: --wipe" + usage},
      {{"--wipe-free-space", "D:"}, std::nullopt, "", "D:"},
      {{"--wipe-free-space", "d:", "--yes"}, std::nullopt, "", "d:", true},
      {{"--yes", "--wipe-free-space", "E:\\"}, std::nullopt, "", "E:\\", true},
      {{"--wipe-free-space"}, std::nullopt, needsDrive},
      {{"--wipe-free-space", "--yes"}, std::nullopt, needsDrive},
      {{"--yes"}, std::nullopt, yesAlone},
      {{"--wipe", "C:\\a", "--yes"}, std::nullopt, yesAlone},
      {{"--wipe-free-space", "D:", "--yes", "--yes"}, std::nullopt, "Unknown argument: --yes" + usage},
      {{"--wipe-free-space", "D:", "--wipe", "C:\\a"}, std::nullopt, "Unknown argument: --wipe" + usage},
  };
  for (const auto& c : cases) {
    const LaunchRequest request = parseCommandLine(c.args);
    const std::string shown = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(request.wipePath, c.path) << shown;
    EXPECT_EQ(request.error, c.error) << shown;
    EXPECT_EQ(request.wipeFreeSpace, c.drive) << shown;
    EXPECT_EQ(request.yes, c.yes) << shown;
  }
}

}  // namespace
}  // namespace vellox::test
