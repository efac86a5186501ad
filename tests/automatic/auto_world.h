#pragma once
#include <string>
#include "cookies/cookie_files.h"
#include "fakes/test_env.h"

namespace vellox::test {

// A user "me" whose browser left something in every store an automatic clean reaches.
struct AutoWorld {
  static constexpr const char* kCookies = "C:\\Users\\me\\AppData\\Local\\Microsoft\\Windows\\INetCookies";
  static constexpr const char* kCached = "C:\\Users\\me\\AppData\\Local\\Cache\\page.htm";
  static constexpr const char* kTemp = "C:\\Users\\me\\AppData\\Local\\Temp\\";
  static constexpr const char* kLog = "C:\\Users\\me\\AppData\\Local\\Tarn Vellox\\clean.log";

  explicit AutoWorld(TestEnv& env) : env(env) {
    env.registry.setString(kShellFoldersKey, kCookiesValue, kCookies);
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) env.files.addFile(cookie(name), 10);
    env.files.addFile(cookie("index.dat"), 10);
    env.urlCache.add("http://site.test/page", kNormalCacheEntry, 0, kCached);
    env.urlCache.add("Cookie:me@site.test/");
    env.files.addFile(kCached, 20);
    env.urlHistory.add(u"http://site.test/", u"Site");
    env.files.temp = kTemp;
    env.files.addFile(std::string(kTemp) + "t.tmp", 10);
    env.shell.bin.insert("binned.txt");
  }
  static std::string cookie(const std::string& name) { return std::string(kCookies) + "\\" + name; }
  int cookiesLeft() const {
    int left = 0;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) left += env.files.exists(cookie(name));
    return left;
  }
  std::string log() {
    std::string text;
    env.files.readFile(kLog, text, std::string::npos);
    return text;
  }

  TestEnv& env;
};

}  // namespace vellox::test
