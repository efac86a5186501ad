#include <gtest/gtest.h>
#include <algorithm>
#include "automatic/auto_clean.h"
#include "browsers/browser_choices.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

const std::string kChrome = "C:\\Users\\me\\AppData\\Local\\Google\\Chrome\\User Data";

std::string cacheFile(const std::string& profile) { return kChrome + "\\" + profile + "\\Cache\\Cache_Data\\f_000001"; }

bool has(const std::vector<std::string>& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

// Three Chrome profiles with a cached file each: "Work" is unchecked in the Browsers
// tab, and "Home" has its databases held open by its running browser.
TEST(AutoCleanBrowsers, CheckedRowsGoAtTheChosenLevelWhileUncheckedAndRunningOnesStay) {
  for (int passes : {0, 7}) {
    TestEnv env;
    env.files.addFile(kChrome + "\\Local State",
                      R"({"profile":{"info_cache":{"Default":{"name":"Person 1"},)"
                      R"("Profile 2":{"name":"Work"},"Profile 3":{"name":"Home"}}}})");
    for (const char* profile : {"Default", "Profile 2", "Profile 3"}) {
      env.files.addFile(cacheFile(profile), 10);
      env.files.addFile(kChrome + "\\" + profile + "\\History", "x");
    }
    env.files.node(kChrome + "\\Profile 3\\History").locked = true;
    BrowserChoices choices;
    choices.setChecked("Chrome", "Work", BrowserItem::Cache, false);
    env.settings.values[{" Tarn Vellox", "Settings", "browseritems"}] = choices.text();

    AutoOptions options;
    options.cache = true;
    options.securePasses = passes;
    ShredControl control;
    CleanBudget budget(control);
    const CleanReport report = runAutoClean(autoCleanSteps(env.services, env.state.historyStore, options), budget, {});

    EXPECT_FALSE(env.files.exists(cacheFile("Default")));
    const auto& gone = env.files.deletedData[cacheFile("Default")];
    EXPECT_EQ(gone, passes > 0 ? std::vector<std::uint8_t>(7 * 1024, 1) : std::vector<std::uint8_t>(10, 'x'));
    EXPECT_TRUE(env.files.exists(cacheFile("Profile 2"))) << "its row is unchecked";
    EXPECT_TRUE(env.files.exists(cacheFile("Profile 3"))) << "its browser is running";
    EXPECT_TRUE(has(report.cleaned, "Chrome (Person 1) cache: ")) << ::testing::PrintToString(report.cleaned);
    EXPECT_TRUE(has(report.skipped, "Chrome (Home) cache: Chrome is running")) << ::testing::PrintToString(report.skipped);
    EXPECT_FALSE(has(report.cleaned, "Chrome (Work)"));
  }
}

}  // namespace
}  // namespace vellox::test
