#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "fakes/test_env.h"
#include "loopback_server.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"
#include "update/update_check.h"

namespace vellox::test {
namespace {

class LoopbackUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.listening()) << "the loopback server did not start";
    root_ = server_.root();
    env_.instance.folder = root_ + "\\prog";
  }

  const ShownMessage& check(const std::string& versionUrl) {
    runUpdateCheck(services_, {versionUrl, "http://127.0.0.1/download.html", "1.0"}, 0);
    EXPECT_FALSE(exists(root_ + "\\prog\\upd.txt")) << "the local copy outlived the check";
    EXPECT_FALSE(env_.ui.messages.empty());
    return env_.ui.messages.back();
  }

  LoopbackServer server_;
  std::string root_;
  TestEnv env_;
  std::unique_ptr<Files> files_ = win32::makeFiles();
  std::unique_ptr<Download> download_ = win32::makeDownload();
  Services services_{env_.ui,   env_.views,     env_.settings,   env_.registry, env_.shell,
                     *files_,   env_.urlCache,  env_.urlHistory, *download_,    env_.instance, env_.systemFolders, env_.processes, env_.freeSpace};
};

TEST_F(LoopbackUpdate, ANewerPublishedVersionOffersTheDownloadPage) {
  server_.publish("version.txt", "1.01,new release\r\n");
  env_.ui.answers = {MsgAnswer::Yes};
  EXPECT_EQ(check(server_.url("version.txt")).text,
            "A newer version is available!. Do you wish to go to the download page?");
  EXPECT_EQ(env_.shell.openedUrls, std::vector<std::string>{"http://127.0.0.1/download.html"});
}

TEST_F(LoopbackUpdate, TheSameVersionIsUpToDateAndAChangedFileIsReadAfresh) {
  server_.publish("version.txt", "1.0\r\n");
  EXPECT_EQ(check(server_.url("version.txt")).text, "Your version is up to date");
  server_.publish("version.txt", "2.5\r\n");
  env_.ui.answers = {MsgAnswer::No};
  EXPECT_EQ(check(server_.url("version.txt")).text,
            "A newer version is available!. Do you wish to go to the download page?");
  EXPECT_TRUE(env_.shell.openedUrls.empty());
}

// Wine 8 answers a 404 that carries an error page with S_OK and saves the page;
// the check still says "not found" because the page holds no version number.
TEST_F(LoopbackUpdate, AMissingFileOrAClosedPortIsNotFound) {
  const std::string notFound = "The update file not found.Unable to verify if new download is present";
  EXPECT_EQ(check(server_.url("version.txt")).text, notFound);
  EXPECT_EQ(check(server_.closedUrl("version.txt")).text, notFound);
  EXPECT_EQ(env_.ui.messages.size(), 2u);
  EXPECT_EQ(env_.ui.messages[0].icon, MsgIcon::None);
}

// The temporary folder is shared: the copy goes to a new file of its own there,
// which the download fills and the check deletes; another's "upd.txt" is left alone.
TEST_F(LoopbackUpdate, WhenTheProgramFolderRefusesWritingTheCopyIsAUniqueTempFile) {
  server_.publish("version.txt", "1.0\r\n");
  const std::string refused = root_ + "\\prog\\upd.txt";
  writeFile(refused, "");
  ASSERT_TRUE(SetFileAttributesW(win32::widen(refused).c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string temp = files_->tempPath();
  const std::string others = temp + "upd.txt";
  const bool hadOthers = exists(others);
  if (!hadOthers) writeFile(others, "someone else's");
  const auto copies = [&] {
    std::vector<std::string> found;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(win32::widen(temp + "upd*.tmp").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return found;
    do found.push_back(win32::narrow(data.cFileName));
    while (FindNextFileW(find, &data));
    FindClose(find);
    return found;
  };
  const auto before = copies();

  runUpdateCheck(services_, {server_.url("version.txt"), "http://127.0.0.1/download.html", "1.0"}, 0);
  ASSERT_EQ(env_.ui.messages.size(), 1u);
  EXPECT_EQ(env_.ui.messages[0].text, "Your version is up to date");
  EXPECT_EQ(copies(), before);
  EXPECT_TRUE(exists(others));
  if (!hadOthers) DeleteFileW(win32::widen(others).c_str());
  SetFileAttributesW(win32::widen(refused).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace vellox::test
