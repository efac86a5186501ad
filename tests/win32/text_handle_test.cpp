#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "platform/win32/handle.h"
#include "platform/win32/text.h"

using vellox::win32::narrow;
using vellox::win32::UniqueHandle;
using vellox::win32::widen;
using vellox::win32::widenAnsi;

TEST(Text, RoundTripsEveryPlane) {
  const std::string cases[] = {"", "plain", "\xCE\xB1\xCE\xB2\xCE\xB3 Greek", "\xE4\xB8\xAD\xE6\x96\x87",
                               "\xF0\x9F\x98\x80 outside the BMP", std::string("nul\0inside", 10)};
  for (const auto& text : cases) EXPECT_EQ(narrow(widen(text)), text) << text;
  EXPECT_EQ(widen("\xCE\xB1"), std::wstring(L"\x03B1"));
  EXPECT_EQ(widen("\xF0\x9F\x98\x80").size(), 2u);  // a surrogate pair
}

TEST(Text, InvalidUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(widen("a\xFF" "b"), std::wstring(L"a\xFFFD" L"b"));
}

TEST(Text, AnsiBytesAboveAsciiAreConvertedFromTheCodePage) {
  // 0xE9 is e-acute in every Western ANSI code page Wine uses here (1252).
  ASSERT_EQ(GetACP(), 1252u);
  EXPECT_EQ(widenAnsi("caf\xE9"), std::wstring(L"caf\x00E9"));
}

TEST(UniqueHandle, ClosesOnDestructionAndMovesOwnership) {
  const wchar_t* name = L"Local\\VelloxHandleTest";
  {
    UniqueHandle first(CreateMutexW(nullptr, FALSE, name));
    ASSERT_TRUE(first);
    UniqueHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    UniqueHandle probe(OpenMutexW(SYNCHRONIZE, FALSE, name));
    EXPECT_TRUE(probe);
  }
  // Every handle is gone, so the named object is gone too.
  UniqueHandle after(OpenMutexW(SYNCHRONIZE, FALSE, name));
  EXPECT_FALSE(after);
}

TEST(UniqueHandle, TreatsNullAndInvalidValueAsEmpty) {
  UniqueHandle none;
  UniqueHandle invalid(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(none);
  EXPECT_FALSE(invalid);
  EXPECT_TRUE(invalid.close());  // nothing to close is not a failure

  UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  HANDLE raw = event.release();
  EXPECT_FALSE(event);
  EXPECT_NE(CloseHandle(raw), 0);  // release handed it over still open
}
