#include <gtest/gtest.h>
#include "platform/program_folder.h"

namespace vellox {
namespace {

TEST(ProgramFolder, IsTheFolderWithoutTrailingSeparatorExceptAtADriveRoot) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\Program Files\\Tarn Vellox\\vellox.exe", "C:\\Program Files\\Tarn Vellox"},
      {"C:\\vellox.exe", "C:\\"},
      {"d:/vellox.exe", "d:/"},
      {"\\\\?\\C:\\vellox.exe", "\\\\?\\C:\\"},
      {"\\\\?\\C:\\deep\\vellox.exe", "\\\\?\\C:\\deep"},
      {"\\\\server\\share\\vellox.exe", "\\\\server\\share"},
      {"Z:\\tmp\\\xCE\xB1\xCE\xB2\\vellox.exe", "Z:\\tmp\\\xCE\xB1\xCE\xB2"},
      {"vellox.exe", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(folderOfPath(c.path), c.folder) << c.path;
}

}  // namespace
}  // namespace vellox
