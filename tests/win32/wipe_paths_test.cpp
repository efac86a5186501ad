#include <gtest/gtest.h>
#include <algorithm>
#include "app/main_window.h"
#include "wipe/secure_wipe_tab.h"
#include "fakes/test_env.h"
#include "wipe/services_with_files.h"
#include "files_temp_dir.h"
#include "platform/win32/win32_services.h"
#include "wipe/enum_files.h"
#include "wipe/shred_file.h"

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

  std::vector<std::string> foundFiles{""};
  std::string folder = root;
  enumFiles(*files, foundFiles, folder);
  std::vector<std::string> found(foundFiles.begin() + 1, foundFiles.end());
  std::sort(found.begin(), found.end());
  // Literal paths: the walk's root made full once, with the names appended as listed.
  std::vector<std::string> expected{"\\\\?\\" + longFile, "\\\\?\\" + unicodeFile};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);

  for (const auto& path : found) EXPECT_TRUE(shredFile(*files, path, 3)) << path;
  EXPECT_FALSE(fileExists(unicodeFile));
  EXPECT_FALSE(fileExists(longFile));
  EXPECT_TRUE(fileExists(deep));  // folders stay
}

}  // namespace
}  // namespace vellox::test

namespace vellox::test {
namespace {

// Wipes `folder` through the window's command with OK to the warning; the messages shown.
std::vector<ShownMessage> wipeFolder(Files& files, const std::string& folder) {
  TestEnv env;
  Services services = servicesWithFiles(env, files);
  frmmain form(services, env.state, [] {});
  env.views.main->txtFolderToWipe.setText(folder);
  env.ui.answers.push_back(MsgAnswer::Ok);
  form.tab<SecureWipeTab>().cmdWipe_Click();
  env.settle();
  return env.ui.messages;
}

// Names that Windows would trim or take for a device are wiped themselves, once each.
TEST(Win32Wipe, ListedNamesAreTakenLiterally) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  const std::string target = dir / "target";
  for (const char* name : {"a", "a.", "a ", "NUL", "con.txt"}) ASSERT_TRUE(makeFile(target + "\\" + name, name)) << name;
  const auto messages = wipeFolder(*files, target);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text.substr(messages[0].text.find('\n') + 1), "Target: every file in " + target + "\\");
  EXPECT_EQ(messages[1].text, "5File(s) wiped");
  for (const char* name : {"a", "a.", "a ", "NUL", "con.txt"}) EXPECT_FALSE(fileExists(target + "\\" + name)) << name;
}

// A file that shares its data with a name outside the folder keeps its data and attributes there.
TEST(Win32Wipe, HardLinkedFilesKeepTheirDataAndOnlyTheirNameGoes) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  const std::string outside = dir / "store", target = dir / "target";
  ASSERT_TRUE(makeFile(outside + "\\object.bin", "shared data"));
  ASSERT_TRUE(makeFile(outside + "\\kept.ro", "read-only data"));
  ASSERT_TRUE(makeFile(target + "\\own.txt", "own"));
  ASSERT_TRUE(CreateDirectoryW(longForm(target + "\\sub").c_str(), nullptr));
  ASSERT_TRUE(CreateHardLinkW(longForm(target + "\\sub\\object.bin").c_str(), longForm(outside + "\\object.bin").c_str(),
                              nullptr));
  ASSERT_TRUE(CreateHardLinkW(longForm(target + "\\kept.ro").c_str(), longForm(outside + "\\kept.ro").c_str(), nullptr));
  ASSERT_TRUE(SetFileAttributesW(longForm(outside + "\\kept.ro").c_str(), FILE_ATTRIBUTE_READONLY));

  const auto messages = wipeFolder(*files, target);
  ASSERT_EQ(messages.size(), 2u);
  // In the order the folder lists them, which is the file system's own.
  const std::string& text = messages[1].text;
  EXPECT_EQ(text.rfind("1File(s) wiped\n2 item(s) could not be wiped:\n", 0), 0u) << text;
  for (const char* name : {"\\sub\\object.bin", "\\kept.ro"})
    EXPECT_NE(text.find("\n" + target + name + ": other names share its data"), std::string::npos) << text;
  EXPECT_EQ(messages[1].icon, MsgIcon::Exclamation);
  EXPECT_EQ(fileContents(outside + "\\object.bin"), "shared data");
  EXPECT_EQ(fileContents(outside + "\\kept.ro"), "read-only data");
  EXPECT_NE(GetFileAttributesW(longForm(outside + "\\kept.ro").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  // Only the names inside the folder went, the read-only one too.
  EXPECT_FALSE(fileExists(target + "\\sub\\object.bin"));
  EXPECT_FALSE(fileExists(target + "\\kept.ro"));
  EXPECT_FALSE(fileExists(target + "\\own.txt"));
}

}  // namespace
}  // namespace vellox::test
