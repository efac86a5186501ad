#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include "platform/win32/text.h"

namespace vellox::test {

// Serves <root>/www on a free loopback port until <root>/stop appears (90 s at
// most); writes "<port> <closed port>" to <root>/ports once it listens.
constexpr const char* kLoopbackServer = R"(import functools, http.server, os, socket, sys, time
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

inline std::string windowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

inline void writeFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

inline bool exists(const std::string& path) {
  return GetFileAttributesW(win32::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A web server on the loopback interface for one test, in a folder of the test
// run's own: root() holds www (what it serves) and prog (room for the test).
class LoopbackServer {
 public:
  LoopbackServer() {
    const char* testRoot = std::getenv("VELLOX_TEST_ROOT");
    if (testRoot == nullptr) return;
    unixRoot_ = std::string(testRoot) + "/web-" + std::to_string(GetCurrentProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = windowsPath(unixRoot_);
    for (const char* sub : {"", "\\www", "\\prog"})
      if (!CreateDirectoryW(win32::widen(root_ + sub).c_str(), nullptr)) return;
    writeFile(root_ + "\\server.py", kLoopbackServer);
    std::wstring command = win32::widen("python3 " + unixRoot_ + "/server.py " + unixRoot_);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(L"Z:\\usr\\bin\\python3", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
      return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!exists(root_ + "\\ports")) {
      if (std::chrono::steady_clock::now() > deadline) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));  // polling interval
    }
    std::ifstream(root_ + "\\ports") >> port_ >> closedPort_;
  }
  ~LoopbackServer() {
    if (!root_.empty()) writeFile(root_ + "\\stop", "");
    if (process_.hProcess) {
      WaitForSingleObject(process_.hProcess, 5000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  bool listening() const { return port_ > 0; }
  const std::string& root() const { return root_; }
  std::string url(const std::string& name) const { return urlOn(port_, name); }
  // The same name on a port where nothing listens.
  std::string closedUrl(const std::string& name) const { return urlOn(closedPort_, name); }
  void publish(const std::string& name, const std::string& contents) const {
    writeFile(root_ + "\\www\\" + name, contents);
  }

 private:
  static std::string urlOn(int port, const std::string& name) {
    return "http://127.0.0.1:" + std::to_string(port) + "/" + name;
  }
  std::string root_, unixRoot_;
  int port_ = 0, closedPort_ = 0;
  PROCESS_INFORMATION process_{};
};

}  // namespace vellox::test
