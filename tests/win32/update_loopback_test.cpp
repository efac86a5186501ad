#include <gtest/gtest.h>
#include <windows.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include "fakes/test_env.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"
#include "update/update_check.h"

namespace vellox::test {
namespace {

// Serves <root>/www on a free loopback port until <root>/stop appears (90 s at
// most); writes "<port> <closed port>" to <root>/ports once it listens.
constexpr const char* kServer = R"(import functools, http.server, os, socket, sys, time
root = sys.argv[1]
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=os.path.join(root, "www")))
server.timeout = 0.1
probe = socket.socket()
probe.bind(("127.0.0.1", 0))
closed = probe.getsockname()[1]
probe.close()
with open(os.path.join(root, "ports.tmp"), "w") as f:
    f.write("%d %d" % (server.server_address[1], closed))
os.replace(os.path.join(root, "ports.tmp"), os.path.join(root, "ports"))
deadline = time.time() + 90
while not os.path.exists(os.path.join(root, "stop")) and time.time() < deadline:
    server.handle_request()
)";

std::string windowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

void writeFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

bool exists(const std::string& path) { return GetFileAttributesW(win32::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class LoopbackUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* testRoot = std::getenv("VELLOX_TEST_ROOT");
    ASSERT_NE(testRoot, nullptr);
    unixRoot_ = std::string(testRoot) + "/update-" + std::to_string(GetCurrentProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = windowsPath(unixRoot_);
    for (const char* sub : {"", "\\www", "\\prog"})
      ASSERT_TRUE(CreateDirectoryW(win32::widen(root_ + sub).c_str(), nullptr)) << root_ + sub;
    writeFile(root_ + "\\server.py", kServer);
    startServer();
    env_.instance.folder = root_ + "\\prog";
  }

  void TearDown() override {
    writeFile(root_ + "\\stop", "");
    if (process_.hProcess) {
      WaitForSingleObject(process_.hProcess, 5000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }

  void startServer() {
    std::wstring command = win32::widen("python3 " + unixRoot_ + "/server.py " + unixRoot_);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(L"Z:\\usr\\bin\\python3", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!exists(root_ + "\\ports")) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the loopback server did not start";
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream(root_ + "\\ports") >> port_ >> closedPort_;
    ASSERT_GT(port_, 0);
  }

  std::string url(int port, const std::string& name) {
    return "http://127.0.0.1:" + std::to_string(port) + "/" + name;
  }

  const ShownMessage& check(const std::string& versionUrl) {
    runUpdateCheck(services_, {versionUrl, "http://127.0.0.1/download.html", "1.0"}, 0);
    EXPECT_FALSE(exists(root_ + "\\prog\\upd.txt")) << "the local copy outlived the check";
    EXPECT_FALSE(env_.ui.messages.empty());
    return env_.ui.messages.back();
  }

  std::string root_, unixRoot_;
  int port_ = 0, closedPort_ = 0;
  PROCESS_INFORMATION process_{};
  TestEnv env_;
  std::unique_ptr<Files> files_ = win32::makeFiles();
  std::unique_ptr<Download> download_ = win32::makeDownload();
  Services services_{env_.ui,   env_.views,     env_.settings,   env_.registry, env_.shell,
                     *files_,   env_.urlCache,  env_.urlHistory, *download_,    env_.instance, env_.systemFolders};
};

TEST_F(LoopbackUpdate, ANewerPublishedVersionOffersTheDownloadPage) {
  writeFile(root_ + "\\www\\version.txt", "1.01,new release\r\n");
  env_.ui.answers = {MsgAnswer::Yes};
  EXPECT_EQ(check(url(port_, "version.txt")).text,
            "A newer version is available!. Do you wish to go to the download page?");
  EXPECT_EQ(env_.shell.openedUrls, std::vector<std::string>{"http://127.0.0.1/download.html"});
}

TEST_F(LoopbackUpdate, TheSameVersionIsUpToDateAndAChangedFileIsReadAfresh) {
  writeFile(root_ + "\\www\\version.txt", "1.0\r\n");
  EXPECT_EQ(check(url(port_, "version.txt")).text, "Your version is up to date");
  writeFile(root_ + "\\www\\version.txt", "2.5\r\n");
  env_.ui.answers = {MsgAnswer::No};
  EXPECT_EQ(check(url(port_, "version.txt")).text,
            "A newer version is available!. Do you wish to go to the download page?");
  EXPECT_TRUE(env_.shell.openedUrls.empty());
}

// Wine 8 answers a 404 that carries an error page with S_OK and saves the page;
// the check still says "not found" because the page holds no version number.
TEST_F(LoopbackUpdate, AMissingFileOrAClosedPortIsNotFound) {
  const std::string notFound = "The update file not found.Unable to verify if new download is present";
  EXPECT_EQ(check(url(port_, "version.txt")).text, notFound);
  EXPECT_EQ(check(url(closedPort_, "version.txt")).text, notFound);
  EXPECT_EQ(env_.ui.messages.size(), 2u);
  EXPECT_EQ(env_.ui.messages[0].icon, MsgIcon::None);
}

TEST_F(LoopbackUpdate, TheRealDownloadIsTrueWithTheFileAndFalseForAClosedPort) {
  writeFile(root_ + "\\www\\version.txt", "3.0");
  const std::string target = root_ + "\\prog\\fetched.txt";
  EXPECT_TRUE(download_->downloadToFile(url(port_, "version.txt"), target));
  std::string contents;
  EXPECT_TRUE(files_->readFile(target, contents, 100).ok());
  EXPECT_EQ(contents, "3.0");
  EXPECT_FALSE(download_->downloadToFile(url(closedPort_, "version.txt"), root_ + "\\prog\\closed.txt"));
}

}  // namespace
}  // namespace vellox::test
