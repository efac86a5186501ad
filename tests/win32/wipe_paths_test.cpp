#include <gtest/gtest.h>
#include <algorithm>
#include "files_temp_dir.h"
#include "platform/win32/win32_services.h"
#include "wipe/mod_enum_files.h"
#include "wipe/mod_secure_wipe.h"

namespace vellox::test {
namespace {

// Greek and Japanese names, and a file whose full path is far beyond 260 characters.
TEST(Win32Wipe, UnicodeNamesAndLongPathsAreWalkedAndShredded) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  const std::string root = dir / "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";  // Ωμέγα
  const std::string unicodeFile = root + "\\\xE6\x97\xA5\xE6\x9C\xAC.txt";     // 日本.txt
  std::string deep = root;
  for (int i = 0; i < 8; ++i) deep += "\\" + std::string(40, static_cast<char>('a' + i));
  const std::string longFile = deep + "\\long \xE2\x82\xAC.bin";  // long €.bin
  ASSERT_GT(longFile.size(), 300u);
  ASSERT_TRUE(makeFile(unicodeFile, "unicode"));
  ASSERT_TRUE(makeFile(longFile, std::string(3000, 'L')));

  std::uint64_t length = 0;
  ASSERT_TRUE(files->fileLength(longFile, length).ok());
  EXPECT_EQ(length, 3000u);

  foundFiles.assign(1, "");
  std::string folder = root;
  enumFiles(*files, folder);
  std::vector<std::string> found(foundFiles.begin() + 1, foundFiles.end());
  std::sort(found.begin(), found.end());
  std::vector<std::string> expected{longFile, unicodeFile};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);

  for (const auto& path : found) EXPECT_TRUE(shredFile(*files, path, 3)) << path;
  EXPECT_FALSE(fileExists(unicodeFile));
  EXPECT_FALSE(fileExists(longFile));
  EXPECT_TRUE(fileExists(deep));  // folders stay
}

}  // namespace
}  // namespace vellox::test
