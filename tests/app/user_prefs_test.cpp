#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "fakes/running_app.h"

namespace vellox::test {
namespace {

const char* kApp = " Tarn Vellox";

void store(TestEnv& env, const std::string& key, const std::string& value) {
  env.settings.values[{kApp, "Settings", key}] = value;
}

std::string stored(TestEnv& env, const std::string& key) {
  auto it = env.settings.values.find({kApp, "Settings", key});
  return it == env.settings.values.end() ? "<missing>" : it->second;
}

struct BoxKey {
  const char* key;
  HeadlessCheckBox HeadlessMainView::*box;
};

const std::vector<BoxKey> kBoxes = {
    {"autostart", &HeadlessMainView::chkautostart},
    {"runonstart", &HeadlessMainView::chkdelOnStart},
    {"runonshutdown", &HeadlessMainView::chkDelOnShutDown},
    {"autodelcookies", &HeadlessMainView::Chkautoclearcookies},
    {"autodelcache", &HeadlessMainView::ChkAutoClearCache},
    {"autodelhistory", &HeadlessMainView::ChkAutoClearHistory},
    {"autoemptyrecyclebin", &HeadlessMainView::chkEmptyRecycleBin},
    {"autodelwindows", &HeadlessMainView::chkAutoDelWindows},
    {"autocleartemp", &HeadlessMainView::chkdeltempfiles},
    {"delcachedpasswords", &HeadlessMainView::chkDelCachedPasswords},
    {"secureforall", &HeadlessMainView::chkSecureForAll},
};

TEST(UserPrefs, EmptyStoreReadsTwelveKeysInOrderAndGivesTheDefaults) {
  TestEnv env;
  RunningApp run(env);
  std::vector<std::string> expected;
  for (const auto& b : kBoxes) expected.push_back(b.key);
  expected.push_back("shredlevel");
  EXPECT_EQ(env.settings.reads, expected);
  for (const auto& b : kBoxes) EXPECT_EQ((run.view().*b.box).value(), 0) << b.key;
  EXPECT_TRUE(run.view().optQuick.value());
  EXPECT_FALSE(run.view().optDOD.value());
  EXPECT_EQ(env.shell.recycleBinEmptied, 0);
  EXPECT_TRUE(env.ui.messages.empty());
  EXPECT_TRUE(env.settings.values.empty());
}

TEST(UserPrefs, EachKeyFillsItsOwnCheckBox) {
  for (const auto& target : kBoxes) {
    for (int value : {1, 2}) {
      TestEnv env;
      store(env, target.key, std::to_string(value));
      RunningApp run(env);
      for (const auto& b : kBoxes)
        EXPECT_EQ((run.view().*b.box).value(), &b == &target ? value : 0) << target.key << " -> " << b.key;
    }
  }
}

TEST(UserPrefs, BadCheckBoxTextsCountAsUnchecked) {
  for (const char* bad : {"3", "-1", "x", "", "1.5", "1x", "0x1", "True", "99999999999999999999"}) {
    TestEnv env;
    store(env, "autostart", bad);
    store(env, "secureforall", "1");
    RunningApp run(env);
    EXPECT_EQ(run.view().chkautostart.value(), 0) << '"' << bad << '"';
    // A bad value does not stop the keys after it from loading.
    EXPECT_EQ(run.view().chkSecureForAll.value(), 1) << '"' << bad << '"';
    EXPECT_TRUE(env.ui.messages.empty());
  }
}

TEST(UserPrefs, CheckBoxTextsWithBlanksOrLeadingZerosStillCount) {
  for (const char* text : {" 1", "1 ", "01", "+1"}) {
    TestEnv env;
    store(env, "runonstart", text);
    RunningApp run(env);
    EXPECT_EQ(run.view().chkdelOnStart.value(), 1) << '"' << text << '"';
  }
}

TEST(UserPrefs, ShredLevelTextsSelectQuickOrDod) {
  struct Case {
    const char* text;
    bool quick;
  };
  const Case cases[] = {
      {"True", true},   {"true", true},  {"TRUE", true},  {"False", false}, {"false", false},
      {"fALSE", false}, {"0", false},    {"0.0", false},  {"-1", true},     {"7", true},
      {"0.5", true},    {" False ", false}, {"maybe", true}, {"", true},     {"Truex", true},
      {"0x", true},     {"0 False", true},
  };
  for (const auto& c : cases) {
    TestEnv env;
    store(env, "shredlevel", c.text);
    RunningApp run(env);
    EXPECT_EQ(run.view().optQuick.value(), c.quick) << '"' << c.text << '"';
    EXPECT_EQ(run.view().optDOD.value(), !c.quick) << '"' << c.text << '"';
  }
}

// "&Ok" keeps every option box in its text form, so a ticked box holds at the next activation.
TEST(UserPrefs, OkOnAnEmptyStoreWritesEveryOptionAndTheShredLevel) {
  TestEnv env;
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().chkSecureForAll.setValue(1);
  run.view().ChkAutoClearCache.setValue(2);
  run.view().cmdok.click();
  EXPECT_EQ(env.settings.values.size(), kBoxes.size() + 1);
  for (const auto& b : kBoxes) {
    const std::string key = b.key;
    EXPECT_EQ(stored(env, key), key == "secureforall" ? "1" : key == "autodelcache" ? "2" : "0") << key;
  }
  EXPECT_EQ(stored(env, "shredlevel"), "True");
  env.ui.runPosted();
  run.app.showMain(kTabSecureWipe);
  EXPECT_EQ(run.view().chkSecureForAll.value(), 1);
}

TEST(UserPrefs, DodStoredByOkIsSelectedAtTheNextLoad) {
  TestEnv env;
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().optQuick.setValue(false);
  run.view().optDOD.setValue(true);
  run.view().cmdok.click();
  env.ui.runPosted();
  EXPECT_EQ(stored(env, "shredlevel"), "False");

  run.app.showMain(kTabSecureWipe);
  EXPECT_FALSE(run.view().optQuick.value());
  EXPECT_TRUE(run.view().optDOD.value());
}

TEST(UserPrefs, DodClosedWithTheCloseBoxIsForgotten) {
  TestEnv env;
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().optQuick.setValue(false);
  run.view().optDOD.setValue(true);
  run.closeBox();
  EXPECT_TRUE(env.settings.values.empty());
  run.app.showMain(kTabSecureWipe);
  EXPECT_TRUE(run.view().optQuick.value());
  EXPECT_FALSE(run.view().optDOD.value());
}

TEST(UserPrefs, ActivationResetsAChangedBoxFromTheStore) {
  TestEnv env;
  store(env, "autodelcache", "1");
  RunningApp run(env);
  run.app.showMain(kTabSecureWipe);
  run.view().ChkAutoClearCache.setValue(0);
  run.view().chkDelOnShutDown.setValue(1);
  run.app.showMain(kTabSecureWipe);
  EXPECT_EQ(run.view().ChkAutoClearCache.value(), 1);
  EXPECT_EQ(run.view().chkDelOnShutDown.value(), 0);
}

}  // namespace
}  // namespace vellox::test
