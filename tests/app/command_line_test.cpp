#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include "app/command_line.h"

namespace vellox::test {
namespace {

TEST(CommandLine, WipeTakesOnePathAndAnythingElseIsNamedInTheError) {
  const std::string usage = "\nUse: vellox.exe --wipe \"<path of a file or folder>\"";
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

}  // namespace
}  // namespace vellox::test
