#include <gtest/gtest.h>
#include "browsers/json_reader.h"

namespace vellox {
namespace {

TEST(JsonReader, ReadsValuesInOrderAndRefusesWhatIsNotJson) {
  const auto doc = parseJson(" {\"b\": [1, -2.5e-3, true, false, null], \"a\": {\"t\": \"x\\u00e9\\n\\/\"},"
                             " \"b\": \"second\"} ");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->keys, (std::vector<std::string>{"b", "a", "b"}));
  const JsonValue* b = doc->member("b");
  ASSERT_TRUE(b && b->kind == JsonValue::Kind::Array && b->items.size() == 5);
  EXPECT_EQ(b->items[1].text, "-2.5e-3");
  EXPECT_TRUE(b->items[2].flag);
  EXPECT_EQ(b->items[4].kind, JsonValue::Kind::Null);
  EXPECT_EQ(doc->member("a")->member("t")->text, "x\xC3\xA9\n/");
  EXPECT_EQ(doc->member("a")->member("none"), nullptr);
  EXPECT_EQ(b->member("a"), nullptr) << "an array has no members";
  EXPECT_EQ(parseJson("\"\\u00e9\\ud83d\\ude00\"")->text, "\xC3\xA9\xF0\x9F\x98\x80") << "a surrogate pair";
  EXPECT_FALSE(parseJson("\"\\ud800x\"")) << "a lone surrogate";
  EXPECT_FALSE(parseJson(std::string(100, '[') + std::string(100, ']'))) << "deeper than any settings file";

  for (const char* bad : {"", "{", "{\"a\" 1}", "{\"a\":1,}", "[1 2]", "\"tab\there\"", "\"\\u12G4\"", "tru",
                          "{a:1}", "1 2", "\"open"})
    EXPECT_FALSE(parseJson(bad)) << bad;
}

}  // namespace
}  // namespace vellox
