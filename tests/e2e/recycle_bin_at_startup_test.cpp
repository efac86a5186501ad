// With "Empty Recycle Bin" stored as on, starting the program empties the bin
// at once and asks nothing.
#include <string>
#include "e2e/vellox_fixture.h"
#include "win32/recycle_bin_trash.h"

namespace vellox::e2e {
namespace {

const wchar_t* kSettings = L"Software\\ Tarn Vellox\\Settings";
const wchar_t* kBinned = L"startup-binned.txt";

// The bin holds one file and the option is stored before the program starts.
class RecycleBinAtStartUp : public VelloxTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT";
    ASSERT_TRUE(test::putInTrash(kBinned));
    const wchar_t on[] = L"1";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"autoemptyrecyclebin", REG_SZ, on, sizeof on),
              ERROR_SUCCESS);
    VelloxTest::SetUp();
  }
  void TearDown() override {
    VelloxTest::TearDown();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, L"autoemptyrecyclebin");
  }
};

TEST_F(RecycleBinAtStartUp, AStoredOptionEmptiesTheBinWithoutAsking) {
  EXPECT_TRUE(waitUntil([] { return !test::inTrash(kBinned); }, kPatience));
  EXPECT_TRUE(topLevelWindows({L"", kDialogClass, process().id(), true}).empty()) << "nothing was asked";
  EXPECT_EQ(vellox().mainWindow(Millis(0)), nullptr) << "the window stays in the tray";
  EXPECT_TRUE(process().running());
}

}  // namespace
}  // namespace vellox::e2e
