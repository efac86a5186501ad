#include <gtest/gtest.h>
#include "fakes/running_app.h"

namespace vellox::test {
namespace {

const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// How often each list was filled from the system so far.
struct Fills {
  int cookies, cache, history;
  bool operator==(const Fills&) const = default;
};

Fills fillsOf(TestEnv& env) {
  return {env.ui.doEventsCalls, static_cast<int>(env.urlCache.opened.size()), env.urlHistory.state->enumCalls};
}

// One cookie file, one cache entry and one visited URL for the lists to show.
void addOneOfEach(TestEnv& env) {
  env.files.addFile("C:\\cookies\\a@site[1].txt", 10);
  env.registry.setString(kShellFolders, "Cookies", "C:\\cookies");
  env.urlCache.add("http://a.example/");
  env.urlHistory.add(u"http://h.example/", u"H");
}

TEST(TabSelection, EachListTabFillsItsOwnListEveryTimeAndOtherTabsFillNothing) {
  TestEnv env;
  addOneOfEach(env);
  RunningApp running(env);
  running.app.showMain(kTabSecureWipe);
  auto& tabs = running.view().SSTab1;

  const struct {
    int tab;
    Fills added;
  } steps[] = {
      {kTabCookies, {1, 0, 0}}, {kTabCache, {0, 1, 0}},   {kTabCookies, {1, 0, 0}}, {kTabHistory, {0, 0, 1}},
      {kTabAbout, {0, 0, 0}},   {kTabSecureWipe, {0, 0, 0}}, {kTabGeneral, {0, 0, 0}}, {kTabCache, {0, 1, 0}},
  };
  for (const auto& step : steps) {
    const Fills before = fillsOf(env);
    const auto status = running.view().sbar.text();
    tabs.select(step.tab);
    const Fills after = fillsOf(env);
    EXPECT_EQ((Fills{after.cookies - before.cookies, after.cache - before.cache, after.history - before.history}),
              step.added)
        << "tab " << step.tab;
    EXPECT_EQ(running.view().sbar.text(), status) << "tab " << step.tab;
  }
  EXPECT_EQ(running.view().lstcookies.count(), 1u);
  EXPECT_EQ(running.view().List1.count(), 1u);
  EXPECT_EQ(running.view().URLs.count(), 1u);
}

TEST(TabSelection, ListsStayEmptyUntilTheirTabIsFirstSelected) {
  TestEnv env;
  addOneOfEach(env);
  RunningApp running(env);
  running.app.showMain(kTabAbout);
  EXPECT_EQ(running.view().lstcookies.count(), 0u);
  EXPECT_EQ(running.view().List1.count(), 0u);
  EXPECT_EQ(running.view().URLs.count(), 0u);
}

}  // namespace
}  // namespace vellox::test
