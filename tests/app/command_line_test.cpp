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
  const struct {
    std::vector<std::string> args;
    std::optional<std::string> path;
    std::string error;
  } cases[] = {
      {{}, std::nullopt, ""},
      {{"--wipe", "C:\\My Files\\a b.txt"}, "C:\\My Files\\a b.txt", ""},
      {{"--wipe", "--wipe"}, "--wipe", ""},  // a file may have any name
      {{"--wipe"}, std::nullopt, "The argument --wipe needs a path." + usage},
      {{"/wipe", "C:\\a"}, std::nullopt, "Unknown argument: /wipe" + usage},
      {{"--WIPE", "C:\\a"}, std::nullopt, "Unknown argument: --WIPE" + usage},
      {{"--wipe", "C:\\a", "C:\\b"}, std::nullopt, "Unknown argument: C:\\b" + usage},
      {{"--wipe", "C:\\a", "--wipe", "C:\\b"}, std::nullopt, "Unknown argument: --wipe" + usage},
  };
  for (const auto& c : cases) {
    const LaunchRequest request = parseCommandLine(c.args);
    const std::string shown = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(request.wipePath, c.path) << shown;
    EXPECT_EQ(request.error, c.error) << shown;
  }
}

TEST(CommandLine, WipeFreeSpaceTakesOneDriveAndYesOnlyWithIt) {
  const struct {
    std::vector<std::string> args;
    std::optional<std::string> drive;
    bool yes;
    const char* error;  // its first line
  } cases[] = {
      {{"--wipe-free-space", "D:"}, "D:", false, ""},
      {{"--wipe-free-space", "d:", "--yes"}, "d:", true, ""},
      {{"--yes", "--wipe-free-space", "E:\\"}, "E:\\", true, ""},
      {{"--wipe-free-space"}, std::nullopt, false, "The argument --wipe-free-space needs a drive, such as D:."},
      {{"--wipe-free-space", "--yes"}, std::nullopt, false, "The argument --wipe-free-space needs a drive, such as D:."},
      {{"--yes"}, std::nullopt, false, "The argument --yes goes with --wipe-free-space."},
      {{"--wipe", "C:\\a", "--yes"}, std::nullopt, false, "The argument --yes goes with --wipe-free-space."},
      {{"--wipe-free-space", "D:", "--yes", "--yes"}, std::nullopt, false, "Unknown argument: --yes"},
      {{"--wipe-free-space", "D:", "--wipe", "C:\\a"}, std::nullopt, false, "Unknown argument: --wipe"},
  };
  for (const auto& c : cases) {
    const LaunchRequest request = parseCommandLine(c.args);
    EXPECT_EQ(request.wipeFreeSpace, c.drive) << c.args.front();
    EXPECT_EQ(request.yes, c.yes) << c.args.front();
    EXPECT_EQ(request.error.substr(0, request.error.find('\n')), c.error) << c.args.front();
    EXPECT_FALSE(request.wipePath.has_value());
  }
}

}  // namespace
}  // namespace vellox::test
