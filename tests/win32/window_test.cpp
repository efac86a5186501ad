#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>
#include "gui_test_util.h"
#include "ui/win32/resources/resource.h"
#include "ui/win32/window.h"
#include "ui/win32/window_classes.h"

namespace vellox::test {
namespace {

// What a test window saw: its handle, its messages, and kGone once its own destructor ran.
constexpr UINT kGone = 0xFFFFFFFF;
struct Log {
  HWND hwnd = nullptr;
  std::vector<UINT> messages;
};

// A window or dialog that logs its messages and may throw from its constructor
// once the window exists.
template <class Base>
class Logged : public Base {
 public:
  // As the main window does: the window goes while the object is still whole.
  ~Logged() override {
    log_.messages.push_back(kGone);
    this->destroy();
  }

 protected:
  explicit Logged(Log& log) : log_(log) {}
  void made(bool fail) {
    log_.hwnd = this->hwnd();
    if (fail) throw std::runtime_error("failed after creation");
  }

 private:
  std::optional<LRESULT> onMessage(UINT message, WPARAM, LPARAM) override {
    log_.messages.push_back(message);
    return std::nullopt;
  }
  Log& log_;
};

class PlainWindow : public Logged<win32::Window> {
 public:
  PlainWindow(Log& log, bool fail, HWND parent = nullptr) : Logged(log) {
    create(GetModuleHandleW(nullptr), L"TarnVelloxTestWindow", L"", parent ? WS_CHILD : WS_POPUP, 0, parent);
    made(fail);
  }
};

class PlainDialog : public Logged<win32::Dialog> {
 public:
  PlainDialog(Log& log, bool fail, HWND parent = nullptr) : Logged(log) {
    win32::registerWindowClasses(GetModuleHandleW(nullptr));
    createDialog(GetModuleHandleW(nullptr), parent ? IDD_PAGE_ABOUT : IDD_SPLASH, parent);
    made(fail);
  }
};

// The messages logged after the object's destructor ran.
std::vector<UINT> afterGone(const Log& log) {
  for (auto at = log.messages.begin(); at != log.messages.end(); ++at)
    if (*at == kGone) return {at + 1, log.messages.end()};
  return {};
}

template <class T>
struct WindowBase : ::testing::Test {};
using Kinds = ::testing::Types<PlainWindow, PlainDialog>;
TYPED_TEST_SUITE(WindowBase, Kinds);

TYPED_TEST(WindowBase, AConstructorThatThrowsAfterCreationLeavesNoWindow) {
  initCommonControls();
  Log log;
  EXPECT_THROW(TypeParam(log, true), std::runtime_error);
  // The window was made and is gone with the object.
  ASSERT_NE(log.hwnd, nullptr);
  EXPECT_FALSE(IsWindow(log.hwnd));
  EXPECT_EQ(afterGone(log), std::vector<UINT>{});
}

TYPED_TEST(WindowBase, NoMessageReachesTheObjectOnceItsDestructorRuns) {
  initCommonControls();
  Log log;
  {
    TypeParam window(log, false);
    SendMessageW(window.hwnd(), WM_USER, 0, 0);
    EXPECT_EQ(log.messages.back(), static_cast<UINT>(WM_USER));
  }
  EXPECT_FALSE(IsWindow(log.hwnd));
  EXPECT_EQ(afterGone(log), std::vector<UINT>{});  // not WM_DESTROY, nor anything else
}

TYPED_TEST(WindowBase, AWindowDestroyedWithItsParentLetsGoOfItsHandle) {
  initCommonControls();
  Log parentLog, childLog;
  PlainWindow parent(parentLog, false);
  TypeParam child(childLog, false, parent.hwnd());
  ASSERT_NE(child.hwnd(), nullptr);
  DestroyWindow(parent.hwnd());
  EXPECT_EQ(parent.hwnd(), nullptr);
  EXPECT_EQ(child.hwnd(), nullptr);  // so its own destruction destroys nothing that came later
}

}  // namespace
}  // namespace vellox::test
