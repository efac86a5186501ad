#pragma once
#include <gtest/gtest.h>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "platform/registry.h"

namespace vellox::test {

// What the logic relies on from the registry, run against the fake and the real
// one. A side gives registry(), root() (a key of its own, which exists) and
// putDword(subkey, name, value), since nothing of the program writes a DWORD.
template <class Side>
class RegistryContract : public ::testing::Test {
 protected:
  std::unique_ptr<RegistryKey> open(const std::string& subkey, RegAccess access, long expected = kRegOk) {
    std::unique_ptr<RegistryKey> key;
    EXPECT_EQ(side.registry().open(RegRoot::CurrentUser, subkey, access, key), expected) << subkey;
    EXPECT_EQ(key != nullptr, expected == kRegOk) << subkey;
    return key;
  }
  Side side;
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, OnlyWritingCreatesKeys) {
  const std::string absent = this->side.root() + "\\absent";
  this->open(absent, RegAccess::Default, kRegFileNotFound);
  this->open(absent, RegAccess::Default, kRegFileNotFound);  // the first did not make it
  this->open(absent, RegAccess::Write);
  this->open(absent, RegAccess::Default);
}

TYPED_TEST_P(RegistryContract, AMissingValueIsNotFoundForEveryCall) {
  auto reader = this->open(this->side.root(), RegAccess::Default);
  auto writer = this->open(this->side.root(), RegAccess::Write);
  ASSERT_TRUE(reader && writer);
  std::uint32_t type = 0, size = 0;
  std::vector<std::uint8_t> data(16);
  std::string text;
  EXPECT_EQ(reader->queryInfo("absent", type, size), kRegFileNotFound);
  EXPECT_EQ(reader->queryData("absent", data), kRegFileNotFound);
  EXPECT_EQ(reader->queryText("absent", 16, text), kRegFileNotFound);
  EXPECT_EQ(writer->deleteValue("absent"), kRegFileNotFound);
}

// A string is REG_SZ with its NUL; the size queryInfo reports is exactly the room
// queryText needs, and one byte less is "more data".
TYPED_TEST_P(RegistryContract, StringsReadBackWithTheirNulInTheRoomReported) {
  auto writer = this->open(this->side.root(), RegAccess::Write);
  auto reader = this->open(this->side.root(), RegAccess::Default);
  ASSERT_TRUE(writer && reader);
  for (const std::string value : {"False", "", "\xCE\xA9 caf\xC3\xA9", "\"C:\\Program Files\\Tarn Vellox\\vellox.exe\""}) {
    SCOPED_TRACE(value);
    ASSERT_EQ(writer->setString("v", value), kRegOk);
    std::uint32_t type = 0, size = 0;
    ASSERT_EQ(reader->queryInfo("v", type, size), kRegOk);
    EXPECT_EQ(type, kRegSz);
    std::string text;
    EXPECT_EQ(reader->queryText("v", size, text), kRegOk);
    EXPECT_EQ(text, value + std::string(1, '\0'));
    EXPECT_EQ(reader->queryText("v", size - 1, text), kRegMoreData);
  }
}

// A list is REG_MULTI_SZ: each text with its NUL, then one more; an empty list is two NULs.
TYPED_TEST_P(RegistryContract, MultiStringsReadBackAsNulSeparatedTexts) {
  auto writer = this->open(this->side.root(), RegAccess::Write);
  auto reader = this->open(this->side.root(), RegAccess::Default);
  ASSERT_TRUE(writer && reader);
  const struct {
    std::vector<std::string> values;
    std::string stored;
  } cases[] = {
      {{"example.com", "\xCE\xB1.gr"}, std::string("example.com\0\xCE\xB1.gr\0\0", 19)},
      {{"one"}, std::string("one\0\0", 5)},
      {{}, std::string(2, '\0')},
  };
  for (const auto& [values, stored] : cases) {
    SCOPED_TRACE(stored);
    ASSERT_EQ(writer->setMultiString("m", values), kRegOk);
    std::uint32_t type = 0, size = 0;
    ASSERT_EQ(reader->queryInfo("m", type, size), kRegOk);
    EXPECT_EQ(type, kRegMultiSz);
    std::string text;
    EXPECT_EQ(reader->queryText("m", size, text), kRegOk);
    EXPECT_EQ(text, stored);
  }
}

TYPED_TEST_P(RegistryContract, DwordsAreFourLittleEndianBytes) {
  this->side.putDword(this->side.root(), "d", 300);
  auto reader = this->open(this->side.root(), RegAccess::Default);
  ASSERT_TRUE(reader);
  std::uint32_t type = 0, size = 0;
  ASSERT_EQ(reader->queryInfo("d", type, size), kRegOk);
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(size, 4u);
  std::vector<std::uint8_t> data(8, 0xEE);
  EXPECT_EQ(reader->queryData("d", data), kRegOk);
  EXPECT_EQ(data, (std::vector<std::uint8_t>{0x2C, 0x01, 0x00, 0x00}));
  std::vector<std::uint8_t> small(2);
  EXPECT_EQ(reader->queryData("d", small), kRegMoreData);
}

TYPED_TEST_P(RegistryContract, ADeletedValueIsGoneAndDeletesOnce) {
  auto writer = this->open(this->side.root(), RegAccess::Write);
  ASSERT_TRUE(writer);
  ASSERT_EQ(writer->setString("gone", "x"), kRegOk);
  EXPECT_EQ(writer->deleteValue("gone"), kRegOk);
  EXPECT_EQ(writer->deleteValue("gone"), kRegFileNotFound);
  auto reader = this->open(this->side.root(), RegAccess::Default);
  std::uint32_t type = 0, size = 0;
  EXPECT_EQ(reader->queryInfo("gone", type, size), kRegFileNotFound);
}

// A tree goes with its subkeys and values, and leaves its siblings and parent.
TYPED_TEST_P(RegistryContract, ADeletedTreeTakesWhatIsBelowItOnce) {
  const std::string tree = this->side.root() + "\\tree";
  auto top = this->open(tree, RegAccess::Write);
  auto below = this->open(tree + "\\below", RegAccess::Write);
  auto sibling = this->open(tree + "-sibling", RegAccess::Write);
  ASSERT_TRUE(top && below && sibling);
  ASSERT_EQ(below->setString("", "default"), kRegOk);
  top.reset();
  below.reset();
  EXPECT_EQ(this->side.registry().deleteTree(RegRoot::CurrentUser, tree), kRegOk);
  this->open(tree + "\\below", RegAccess::Default, kRegFileNotFound);
  this->open(tree, RegAccess::Default, kRegFileNotFound);
  this->open(tree + "-sibling", RegAccess::Default);
  this->open(this->side.root(), RegAccess::Default);
  EXPECT_EQ(this->side.registry().deleteTree(RegRoot::CurrentUser, tree), kRegFileNotFound);
}

// A key opened for writing cannot be read, and one opened to read cannot be written.
TYPED_TEST_P(RegistryContract, AccessIsWhatTheKeyWasOpenedFor) {
  constexpr long kAccessDenied = 5;
  auto writer = this->open(this->side.root(), RegAccess::Write);
  auto reader = this->open(this->side.root(), RegAccess::Default);
  ASSERT_TRUE(writer && reader);
  ASSERT_EQ(writer->setString("v", "x"), kRegOk);
  std::uint32_t type = 0, size = 0;
  std::string text;
  EXPECT_EQ(writer->queryInfo("v", type, size), kAccessDenied);
  EXPECT_EQ(writer->queryText("v", 64, text), kAccessDenied);
  EXPECT_EQ(reader->setString("v", "y"), kAccessDenied);
  EXPECT_EQ(reader->deleteValue("v"), kAccessDenied);
}

TYPED_TEST_P(RegistryContract, ErrorTextsAreSentencesEndingInALineBreak) {
  for (long code : {kRegFileNotFound, 5L}) {
    const std::string text = this->side.registry().errorText(code);
    EXPECT_GT(text.size(), 2u) << code;
    EXPECT_EQ(text.substr(text.size() < 2 ? 0 : text.size() - 2), "\r\n") << code;
  }
}

// Every type comes back byte for byte, strings as UTF-16 LE with what NULs they were given;
// a key lists its values and its direct subkeys, and counts them alike.
TYPED_TEST_P(RegistryContract, ValuesAndSubkeysAreListedAsStored) {
  const std::string key = this->side.root() + "\\listed";
  auto writer = this->open(key, RegAccess::Write);
  auto child = this->open(key + "\\child\\grandchild", RegAccess::Write);
  ASSERT_TRUE(writer && child);
  std::map<std::string, std::pair<std::uint32_t, std::vector<std::uint8_t>>> stored = {
      {"", {kRegSz, {'d', 0, 0, 0}}}, {"bin", {kRegBinary, {0x00, 0xFF, 0x10}}}, {"empty", {kRegBinary, {}}},
      {"dw", {kRegDword, {1, 2, 3, 4}}}, {"exp", {kRegExpandSz, {'%', 0, 'A', 0, '%', 0, 0, 0}}},
      {"multi", {kRegMultiSz, {'a', 0, 0, 0, 0xA9, 0x03, 0, 0, 0, 0}}}, {"q", {kRegQword, {1, 2, 3, 4, 5, 6, 7, 8}}}};
  for (const auto& [name, v] : stored) ASSERT_EQ(writer->setData(name, v.first, v.second), kRegOk) << name;
  ASSERT_EQ(writer->setString("text", "\xCE\xA9"), kRegOk);
  stored["text"] = {kRegSz, {0xA9, 0x03, 0, 0}};
  auto reader = this->open(key, RegAccess::Default);
  ASSERT_TRUE(reader);
  std::vector<RegValue> listed;
  ASSERT_EQ(reader->values(listed), kRegOk);
  decltype(stored) byName;
  for (const auto& v : listed) byName[v.name] = {v.type, v.data};
  EXPECT_EQ(byName, stored);
  std::vector<std::string> names;
  ASSERT_EQ(reader->subkeys(names), kRegOk);
  EXPECT_EQ(names, std::vector<std::string>{"child"});
  std::size_t subkeys = 0, values = 0;
  ASSERT_EQ(reader->counts(subkeys, values), kRegOk);
  EXPECT_EQ(std::make_pair(subkeys, values), std::make_pair(std::size_t{1}, stored.size()));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, OnlyWritingCreatesKeys, AMissingValueIsNotFoundForEveryCall,
                            StringsReadBackWithTheirNulInTheRoomReported, MultiStringsReadBackAsNulSeparatedTexts,
                            DwordsAreFourLittleEndianBytes,
                            ADeletedValueIsGoneAndDeletesOnce, ADeletedTreeTakesWhatIsBelowItOnce,
                            AccessIsWhatTheKeyWasOpenedFor,
                            ErrorTextsAreSentencesEndingInALineBreak, ValuesAndSubkeysAreListedAsStored);

}  // namespace vellox::test
