#include <gtest/gtest.h>
#include "platform/utf16.h"
#include "windows_traces/reg_file.h"
#include "windows_traces/registry_backup.h"
#include "trace_world.h"

namespace vellox::test {
namespace {

std::string regText(const std::vector<KeyValues>& keys) {
  const auto data = regFileBytes(keys);
  EXPECT_EQ(data.size() >= 2 ? data[0] * 256 + data[1] : 0, 0xFFFE);
  return utf8FromUtf16({data.begin() + 2, data.end()});
}

std::string repeat(const std::string& text, int times) {
  std::string out;
  while (times-- > 0) out += text;
  return out;
}

// Each type in the form regedit writes and reads back to the same bytes.
TEST(RegFile, ValuesAreWrittenInRegeditsForms) {
  const auto sz = [](const std::string& text) {
    auto data = utf16Bytes(text);
    data.insert(data.end(), {0, 0});
    return data;
  };
  std::vector<std::uint8_t> longBinary(40, 0xAB);
  const struct {
    RegValue value;
    std::string line;
  } cases[] = {
      {{"a", kRegSz, sz("C:\\path \"q\"")}, "\"a\"=\"C:\\\\path \\\"q\\\"\""},
      {{"", kRegSz, sz("default")}, "@=\"default\""},
      {{"na\"me", kRegSz, sz("\xCE\xA9")}, "\"na\\\"me\"=\"\xCE\xA9\""},
      {{"nonul", kRegSz, {'x', 0}}, "\"nonul\"=hex(1):78,00"},
      {{"d", kRegDword, {0x2C, 1, 0, 0}}, "\"d\"=dword:0000012c"},
      {{"short", kRegDword, {1, 2}}, "\"short\"=hex(4):01,02"},
      {{"e", kRegExpandSz, {'%', 0, 0, 0}}, "\"e\"=hex(2):25,00,00,00"},
      {{"q", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}}, "\"q\"=hex(b):01,00,00,00,00,00,00,00"},
      {{"none", kRegBinary, {}}, "\"none\"=hex:"},
      {{"long", kRegBinary, longBinary}, "\"long\"=hex:" + repeat("ab,", 22) + "\\\r\n  " + repeat("ab,", 17) + "ab"},
  };
  for (const auto& [value, line] : cases) {
    const std::string text = regText({{"Software\\K", {value}}});
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\K]\r\n" + line + "\r\n\r\n")
        << value.name;
  }
}

TEST(RegistryBackup, OnlyBackupsOlderThanThirtyDaysAreDeleted) {
  TestEnv env;
  const long today = dayOf("2026-03-31 09:00:00");
  ASSERT_EQ(today - dayOf("2026-03-01"), 30);
  for (const char* name : {"2026-03-01 08-00-00.reg", "2026-02-28 23-59-59.reg", "2026-02-28 23-59-59 (2).reg",
                           "2025-12-31 10-00-00.reg", "2020-01-01 old.reg", "2020-01-01 10-00-00.txt", "notes.reg"})
    env.files.addFile(kBackups + "\\" + name, 10);
  env.files.addFolder(kBackups + "\\2020-01-01 10-00-00.reg");
  dropOldBackups(env.files, env.systemFolders, "2026-03-31 09:00:00");
  for (const char* gone : {"2026-02-28 23-59-59.reg", "2026-02-28 23-59-59 (2).reg", "2025-12-31 10-00-00.reg"})
    EXPECT_FALSE(env.files.exists(kBackups + "\\" + gone)) << gone;
  for (const char* kept : {"2026-03-01 08-00-00.reg", "2020-01-01 old.reg", "2020-01-01 10-00-00.txt", "notes.reg",
                           "2020-01-01 10-00-00.reg"})
    EXPECT_TRUE(env.files.exists(kBackups + "\\" + kept)) << kept;
  std::string log;
  env.files.readFile(kLocal + "\\Tarn Vellox\\clean.log", log, 4096);
  EXPECT_EQ(log, "2026-03-31 09:00:00 | start-up | deleted 3 registry backups older than 30 days\r\n");
}

}  // namespace
}  // namespace vellox::test
