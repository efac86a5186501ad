#include <gtest/gtest.h>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "update/update_check.h"
#include "update/version_file.h"

namespace vellox::test {
namespace {

constexpr const char* kNotFound = "The update file not found.Unable to verify if new download is present";
constexpr const char* kNewer = "A newer version is available!. Do you wish to go to the download page?";
constexpr const char* kUpToDate = "Your version is up to date";
const std::string kFolder = "C:\\Program Files\\Tarn Vellox";
const std::string kCopy = kFolder + "\\upd.txt";

struct Check {
  TestEnv env;
  UpdateCheck check{"http://maker/version.txt", "http://maker/download.html", "1.0"};
  Check() { env.files.addFolder(kFolder); }
  // The server publishes `contents` as the version file; the download writes it where it is asked to.
  void publish(const std::string& contents) {
    env.download.published[check.versionUrl] = contents;
    env.download.store = [this](const std::string& path, const std::string& body) { env.files.addFile(path, body); };
  }
  const ShownMessage& run() {
    runUpdateCheck(env.services, check, 0);
    EXPECT_EQ(env.ui.messages.size(), 1u);
    return env.ui.messages.back();
  }
};

TEST(VersionFile, FirstFieldOfTheFirstLine) {
  struct Case {
    const char* contents;
    const char* field;
  } cases[] = {
      {"1.01", "1.01"},
      {"1.01\r\n9.9\r\n", "1.01"},
      {"  \t1.2,released 2024\n", "1.2"},
      {"\"1.3\",\"notes, more\"\n", "1.3"},
      {"  \"1,4\" trailing\n", "1,4"},
      {"\"unterminated\n2.0", "unterminated"},
      {"1.5 ,x", "1.5"},
      {"\xEF\xBB\xBF" "1.6\n", "1.6"},
      {"", ""},
      {"\r\n2.0", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(firstField(c.contents), c.field) << c.contents;
}

TEST(VersionFile, VersionsAreReadPartByPartTheSameInEveryLocale) {
  using Parts = std::vector<std::uint32_t>;
  EXPECT_EQ(parseVersion("1.01")->parts, (Parts{1, 1}));
  EXPECT_EQ(parseVersion(" 1.10 ")->parts, (Parts{1, 10}));
  EXPECT_EQ(parseVersion("2")->parts, (Parts{2}));
  EXPECT_EQ(parseVersion("1.0.1")->parts, (Parts{1, 0, 1}));
  for (const char* bad : {"", "abc", "1.0beta", "1,01", "nan", "inf", "0x1p3", "1.", ".1", "1..2", "-1", "+1", "1.-2",
                          "99999999999"})
    EXPECT_FALSE(parseVersion(bad).has_value()) << bad;
}

TEST(UpdateCheck, ComparesThePublishedVersionWithOurs) {
  struct Case {
    const char* own;
    const char* published;
    const char* text;
  } cases[] = {
      {"1.0", "1.0", kUpToDate},
      {"1.0", "0.9", kUpToDate},
      {"1.0", "1.01", kNewer},
      {"1.9", "1.10", kNewer},  // part by part: 10 comes after 9
      {"1.10", "1.9", kUpToDate},
      {"1.0", "1", kUpToDate},
      {"1.0", "1.0.1", kNewer},
      {"2.0", "10.0", kNewer},
      {"1.0", "1.01,beta channel", kNewer},
      {"1.0", "\"2.0\"", kNewer},
      {"1.0", "1.0\r\n5.0\r\n", kUpToDate},
  };
  for (const auto& c : cases) {
    Check t;
    t.check.ownVersion = c.own;
    t.env.ui.answers = {MsgAnswer::No};
    t.publish(c.published);
    const auto& shown = t.run();
    EXPECT_EQ(shown.text, c.text) << c.own << " vs " << c.published;
    EXPECT_EQ(shown.caption, " Tarn Vellox");
    EXPECT_EQ(shown.icon, MsgIcon::Information);
    EXPECT_EQ(shown.buttons, std::string(c.text) == kNewer ? MsgButtons::YesNo : MsgButtons::Ok);
    EXPECT_FALSE(t.env.files.exists(kCopy));
  }
}

TEST(UpdateCheck, EmptyOrNonNumericFilesAndFailedDownloadsSayNotFoundAndLeaveNoCopy) {
  for (const char* contents : {"", "version one", "\n1.5"}) {
    Check t;
    t.publish(contents);
    const auto& shown = t.run();
    EXPECT_EQ(shown.text, kNotFound) << contents;
    EXPECT_EQ(shown.icon, MsgIcon::None);
    EXPECT_EQ(shown.buttons, MsgButtons::Ok);
    EXPECT_EQ(shown.caption, " Tarn Vellox");
    EXPECT_FALSE(t.env.files.exists(kCopy));
  }
  Check failed;  // the server does not answer
  EXPECT_EQ(failed.run().text, kNotFound);
  EXPECT_FALSE(failed.env.files.exists(kCopy));
  EXPECT_TRUE(failed.env.shell.openedUrls.empty());
}

TEST(UpdateCheck, YesOpensTheDownloadPageAndNoOpensNothing) {
  for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
    Check t;
    t.publish("1.01");
    t.env.ui.answers = {answer};
    EXPECT_EQ(t.run().text, kNewer);
    if (answer == MsgAnswer::Yes)
      EXPECT_EQ(t.env.shell.openedUrls, std::vector<std::string>{"http://maker/download.html"});
    else
      EXPECT_TRUE(t.env.shell.openedUrls.empty());
  }
}

TEST(UpdateCheck, FetchesTheVersionFileBesideTheProgramKeepingADriveRootsDoubleSeparator) {
  Check t;
  t.publish("1.0");
  t.run();
  ASSERT_EQ(t.env.download.requests.size(), 1u);
  EXPECT_EQ(t.env.download.requests[0].url, "http://maker/version.txt");
  EXPECT_EQ(t.env.download.requests[0].path, kCopy);

  TestEnv root;
  root.instance.folder = "C:\\";
  runUpdateCheck(root.services, {"u", "d", "1.0"}, 0);
  ASSERT_EQ(root.download.requests.size(), 1u);
  EXPECT_EQ(root.download.requests[0].path, "C:\\\\upd.txt");
}

TEST(UpdateCheck, WhenTheProgramFolderRefusesWritingTheCopyGetsAUniqueNameInTheTempFolder) {
  Check t;
  t.env.files.addFile(kCopy, "stale").readOnly = true;
  const std::string temp = "C:\\Users\\me\\Temp\\";
  t.env.files.temp = temp;
  t.env.files.addFile(temp + "upd.txt", "someone else's");
  t.env.files.addFile(temp + "upd1.tmp", "someone else's");
  t.publish("1.01");
  t.env.ui.answers = {MsgAnswer::No};
  EXPECT_EQ(t.run().text, kNewer);
  const std::string copy = t.env.download.requests[0].path;
  EXPECT_EQ(copy.rfind(temp, 0), 0u) << copy;
  EXPECT_FALSE(t.env.files.exists(copy));
  EXPECT_EQ(t.env.files.deletes, std::vector<std::string>{copy});
}

TEST(UpdateCheck, TheButtonsRunTheConfiguredChecksAndLinks) {
  Check t;
  t.check = configuredUpdateCheck();
  t.publish("1.0");
  frmmain form(t.env.services, t.env.state, [] {});
  form.cmdcheckForUpdates.click();
  ASSERT_EQ(t.env.download.requests.size(), 1u);
  EXPECT_EQ(t.env.download.requests[0].url, configuredUpdateCheck().versionUrl);
  EXPECT_EQ(configuredUpdateCheck().ownVersion, "1.0");
  EXPECT_EQ(t.env.ui.messages.back().text, kUpToDate);

  form.cmdHelp.click();
  form.lblurl.click();
  ASSERT_EQ(t.env.shell.openedUrls.size(), 2u);
  EXPECT_NE(t.env.shell.openedUrls[0].find("help.html"), std::string::npos);
  EXPECT_EQ(t.env.shell.openedUrls[1], form.lblurl.text());
}

}  // namespace
}  // namespace vellox::test
