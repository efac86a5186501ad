#pragma once
#include <map>
#include <string>
#include <vector>
#include "fakes/fake_files.h"
#include "platform/system_folders.h"

namespace vellox::test {

// The protected folders of a user "me" on drive C:, and path resolution over a
// FakeFiles tree: letter case as stored there, and links as the test sets them.
class FakeSystemFolders : public SystemFolders {
 public:
  explicit FakeSystemFolders(FakeFiles& files) : files_(files) {}
  FolderLookup resolve(const std::string& path) override;
  std::vector<SystemFolder> protectedFolders() override { return folders; }
  bool sameName(const std::string& a, const std::string& b) override;
  AppDataFolders appDataFolders() override { return appData; }
  std::vector<std::string> cookieFolders() override { return cookies; }

  std::vector<SystemFolder> folders = {
      {SystemFolderKind::Profile, "user profile", "C:\\Users\\me"},
      {SystemFolderKind::UserFolder, "Desktop", "C:\\Users\\me\\Desktop"},
      {SystemFolderKind::UserFolder, "Documents", "C:\\Users\\me\\Documents"},
      {SystemFolderKind::UserFolder, "Downloads", "C:\\Users\\me\\Downloads"},
      {SystemFolderKind::UserFolder, "Pictures", "C:\\Users\\me\\Pictures"},
      {SystemFolderKind::UserFolder, "Music", "C:\\Users\\me\\Music"},
      {SystemFolderKind::UserFolder, "Videos", "C:\\Users\\me\\Videos"},
      {SystemFolderKind::Windows, "Windows", "C:\\Windows"},
      {SystemFolderKind::Programs, "Program Files", "C:\\Program Files"},
      {SystemFolderKind::Programs, "Program Files (x86)", "C:\\Program Files (x86)"},
      {SystemFolderKind::Programs, "Common Files", "C:\\Program Files\\Common Files"},
      {SystemFolderKind::Programs, "Common Files (x86)", "C:\\Program Files (x86)\\Common Files"},
      {SystemFolderKind::Programs, "ProgramData", "C:\\ProgramData"},
      {SystemFolderKind::Known, "Local AppData", "C:\\Users\\me\\AppData\\Local"},
      {SystemFolderKind::Known, "AppData", "C:\\Users\\me\\AppData\\Roaming"},
      {SystemFolderKind::Known, "Cookies", "C:\\Users\\me\\AppData\\Local\\Microsoft\\Windows\\INetCookies"},
  };
  std::vector<std::string> cookies = {"C:\\Users\\me\\AppData\\Local\\Microsoft\\Windows\\INetCookies"};
  AppDataFolders appData = {"C:\\Users\\me\\AppData\\Local", "C:\\Users\\me\\AppData\\Roaming"};
  // A folder (as stored in the tree) that leads to another, as a junction does.
  std::map<std::string, std::string> links;
  // Folders that exist but cannot be opened.
  std::vector<std::string> unreadable;

 private:
  std::string throughLinks(const std::string& path);
  FileStatus storedSpelling(const std::string& path, std::string& stored);

  FakeFiles& files_;
};

}  // namespace vellox::test
