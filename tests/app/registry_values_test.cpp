#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "common/registry_values.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

const char* kKey = "Software\\Test";

std::vector<std::uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(RegReader, ValuesOfEachTypeReadAsText) {
  struct Case {
    const char* label;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    std::string expected;
  };
  const Case cases[] = {
      {"string with NUL", kRegSz, bytes(std::string("C:\\Cookies\0", 11)), "C:\\Cookies"},
      {"string without NUL", kRegSz, bytes("C:\\Cookies"), "C:\\Cookies"},
      {"text stops at the first NUL", kRegSz, bytes(std::string("ab\0cd\0", 6)), "ab"},
      {"empty string", kRegSz, {}, ""},
      {"expandable string left unexpanded", kRegExpandSz, bytes(std::string("%TEMP%\\x\0", 9)), "%TEMP%\\x"},
      {"DWORD all ones is -1", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
      {"DWORD little-endian", kRegDword, {0x2C, 0x01, 0x00, 0x00}, "300"},
      {"DWORD largest positive", kRegDword, {0xFF, 0xFF, 0xFF, 0x7F}, "2147483647"},
      {"DWORD smallest", kRegDword, {0x00, 0x00, 0x00, 0x80}, "-2147483648"},
      {"short DWORD", kRegDword, {0x05}, "5"},
      {"oversized DWORD", kRegDword, {1, 0, 0, 0, 0}, ""},
      {"binary", kRegBinary, {0x41, 0x42, 0}, ""},
      {"multi-string", 7, bytes(std::string("a\0b\0\0", 5)), ""},
      {"QWORD", 11, {1, 0, 0, 0, 0, 0, 0, 0}, ""},
  };
  for (const auto& c : cases) {
    TestEnv env;
    env.registry.setRaw(kKey, "v", c.type, c.data);
    EXPECT_EQ(getRegValue(env.services, RegRoot::CurrentUser, kKey, "v"), c.expected) << c.label;
    EXPECT_TRUE(env.ui.messages.empty()) << c.label;
    EXPECT_EQ(env.registry.openKeys, 0) << c.label;
  }
}

TEST(RegReader, AMissingValueShowsTheSystemTextWithoutIcon) {
  TestEnv env;
  env.registry.setString(kKey, "other", "x");
  env.registry.errorTexts[kRegFileNotFound] = "File not found.\r\n   ";
  EXPECT_EQ(getRegValue(env.services, RegRoot::CurrentUser, kKey, "Cookies"), "");
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_EQ(env.ui.messages[0].text, "File not found.\r\n");
  EXPECT_EQ(env.ui.messages[0].caption, " Tarn Vellox");
  EXPECT_EQ(env.ui.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(env.ui.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(env.registry.openKeys, 0);
}

TEST(RegReader, AMissingKeyIsReportedWithTheOpenError) {
  TestEnv env;
  EXPECT_EQ(getRegValue(env.services, RegRoot::CurrentUser, "Software\\Nowhere", "Cookies"), "");
  ASSERT_EQ(env.ui.messages.size(), 1u);
  EXPECT_EQ(env.ui.messages[0].text, "System error 2.\r\n");
}

// A key whose value changes between the size query and the read.
class ShiftingKey : public RegistryKey {
 public:
  long queryInfo(const std::string&, std::uint32_t& type, std::uint32_t& size) override {
    type = reportedType;
    size = 4;
    return kRegOk;
  }
  long queryData(const std::string&, std::vector<std::uint8_t>&) override { return kRegMoreData; }
  long queryText(const std::string&, std::uint32_t, std::string&) override { return kRegMoreData; }
  long setString(const std::string&, const std::string&) override { return kRegOk; }
  long setMultiString(const std::string&, const std::vector<std::string>&) override { return kRegOk; }
  long deleteValue(const std::string&) override { return kRegOk; }
  long setData(const std::string&, std::uint32_t, const std::vector<std::uint8_t>&) override { return kRegOk; }
  long values(std::vector<RegValue>&) override { return kRegOk; }
  long subkeys(std::vector<std::string>&) override { return kRegOk; }
  long counts(std::size_t&, std::size_t&) override { return kRegOk; }
  std::uint32_t reportedType = kRegSz;
};

TEST(RegReader, AFailingReadAfterTheQueryIsSilent) {
  for (auto type : {kRegSz, kRegExpandSz, kRegDword}) {
    TestEnv env;
    ShiftingKey key;
    key.reportedType = type;
    EXPECT_EQ(readRegValue(env.services, key, "v"), "");
    EXPECT_TRUE(env.ui.messages.empty()) << type;
  }
}

TEST(RegReader, LastErrorTextDropsTrailingBlanksOnly) {
  TestEnv env;
  env.registry.errorTexts[5] = "Access denied.\r\n  ";
  env.registry.errorTexts[6] = "   ";
  EXPECT_EQ(lastErrorText(env.services, 5), "Access denied.\r\n");
  EXPECT_EQ(lastErrorText(env.services, 6), "");
  EXPECT_EQ(lastErrorText(env.services, 2), "System error 2.\r\n");
}

}  // namespace
}  // namespace vellox::test
