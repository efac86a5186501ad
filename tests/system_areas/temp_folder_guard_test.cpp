#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "fakes/running_app.h"

namespace vellox::test {
namespace {

// A machine with the user's, Windows' and the programs' folders, each holding a file.
void fillMachine(TestEnv& env) {
  for (const char* file : {"C:\\Users\\me\\Temp\\a.tmp", "C:\\Users\\me\\notes.txt", "C:\\Users\\me\\Documents\\l.txt",
                           "C:\\Windows\\System32\\k.dll", "C:\\Windows\\Temp\\w.tmp", "C:\\Windows\\Temporary\\t.tmp",
                           "C:\\Program Files (x86)\\App\\app.exe", "D:\\Docs\\d.txt",
                           "C:\\Users\\me\\OneDrive\\Desktop\\s.txt", "D:\\Data\\Documents\\r.txt",
                           "C:\\Users\\me\\AppData\\Local\\Tarn Vellox\\Temp\\o.tmp",
                           "C:\\Users\\me\\AppData\\Local\\Temp\\x\\y.tmp"})
    env.files.addFile(file, 10);
}

struct Row {
  const char* name;
  std::string temp;
  // The folder and why, as the message puts them; empty when the folder is cleared.
  std::string refusal;
  std::function<void(TestEnv&)> setUp = [](TestEnv&) {};
};

const Row kRows[] = {
    {"missing", "C:\\Nowhere\\", "C:\\Nowhere\\\ndoes not exist"},
    {"file", "C:\\Users\\me\\notes.txt\\", "C:\\Users\\me\\notes.txt\\\nis not a folder"},
    {"unopenable", "C:\\Users\\me\\Temp\\", "C:\\Users\\me\\Temp\\\ncould not be opened to check where it leads",
     [](TestEnv& env) { env.systemFolders.unreadable = {"C:\\Users\\me\\Temp"}; }},
    {"drive root", "C:\\", "C:\\\nis the root of a drive"},
    {"profile in other letter case", "c:\\users\\ME\\", "c:\\users\\ME\\\nis your user profile folder"},
    {"profile with other letters", "C:\\USERS\\Z\xC3\x96\xC3\x8B\\", "C:\\USERS\\Z\xC3\x96\xC3\x8B\\\nis your user profile folder",
     [](TestEnv& env) {
       env.files.addFolder("C:\\Users\\Z\xC3\xB6\xC3\xAB");  // Zöë
       env.systemFolders.folders[0].path = "C:\\Users\\Z\xC3\xB6\xC3\xAB";
     }},
    {"above the profile", "C:\\Users\\", "C:\\Users\\\nholds your user profile folder, C:\\Users\\me"},
    {"Documents", "C:\\Users\\me\\Documents\\", "C:\\Users\\me\\Documents\\\nis your Documents folder"},
    {"a link to Documents", "C:\\Users\\me\\Temp\\",
     "C:\\Users\\me\\Temp\\\nwhich leads to C:\\Users\\me\\Documents\nis your Documents folder",
     [](TestEnv& env) { env.systemFolders.links["C:\\Users\\me\\Temp"] = "C:\\Users\\me\\Documents"; }},
    {"Documents behind a link", "D:\\Docs\\", "D:\\Docs\\\nis your Documents folder",
     [](TestEnv& env) { env.systemFolders.links["C:\\Users\\me\\Documents"] = "D:\\Docs"; }},
    {"Windows", "C:\\Windows\\", "C:\\Windows\\\nis the Windows folder"},
    {"inside Windows", "C:\\Windows\\System32\\", "C:\\Windows\\System32\\\nis inside the Windows folder, C:\\Windows"},
    {"Windows' Temp look-alike", "C:\\Windows\\Temporary\\",
     "C:\\Windows\\Temporary\\\nis inside the Windows folder, C:\\Windows"},
    {"Program Files", "C:\\Program Files (x86)\\", "C:\\Program Files (x86)\\\nis the Program Files (x86) folder"},
    {"inside Program Files", "C:\\Program Files (x86)\\App\\",
     "C:\\Program Files (x86)\\App\\\nis inside the Program Files (x86) folder, C:\\Program Files (x86)"},
    // Folders that hold the user's data without being named as such.
    {"local app data without Temp", "C:\\Users\\me\\AppData\\Local\\",
     "C:\\Users\\me\\AppData\\Local\\\nis the known folder Local AppData"},
    {"AppData", "C:\\Users\\me\\AppData\\", "C:\\Users\\me\\AppData\\\nholds the known folder Local AppData, C:\\Users\\me\\AppData\\Local"},
    {"a cloud folder holding the Desktop", "C:\\Users\\me\\OneDrive\\",
     "C:\\Users\\me\\OneDrive\\\nholds your Desktop folder, C:\\Users\\me\\OneDrive\\Desktop",
     [](TestEnv& env) { env.systemFolders.folders[1].path = "C:\\Users\\me\\OneDrive\\Desktop"; }},
    {"a data drive holding moved Documents", "D:\\Data\\",
     "D:\\Data\\\nholds your Documents folder, D:\\Data\\Documents",
     [](TestEnv& env) { env.systemFolders.folders[2].path = "D:\\Data\\Documents"; }},
    {"a folder of no temporary files", "D:\\Docs\\", "D:\\Docs\\\nis not a folder for temporary files"},
    {"the program's own data", "C:\\Users\\me\\AppData\\Local\\Tarn Vellox\\Temp\\",
     "C:\\Users\\me\\AppData\\Local\\Tarn Vellox\\Temp\\\nis a folder of Tarn Vellox's own, "
     "C:\\Users\\me\\AppData\\Local\\Tarn Vellox"},
    {"below the local app data's Temp", "C:\\Users\\me\\AppData\\Local\\Temp\\x\\", ""},
    {"Windows' own Temp", "C:\\Windows\\Temp\\", ""},
    {"the user's Temp", "C:\\Users\\me\\Temp\\", ""},
};

TEST(TempFolderGuard, AFolderThatIsNotTemporaryIsNeverClearedAndOneMessageSaysWhy) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    TestEnv env;
    fillMachine(env);
    env.files.temp = row.temp;
    env.settings.values[{" Tarn Vellox", "Settings", "autocleartemp"}] = "1";
    row.setUp(env);
    RunningApp run(env);

    if (row.refusal.empty()) {
      EXPECT_FALSE(env.files.sessions.empty()) << "an allowed folder is cleared";
      EXPECT_TRUE(env.ui.messages.empty());
      continue;
    }
    EXPECT_TRUE(env.files.sessions.empty());
    EXPECT_TRUE(env.files.deletes.empty());
    ASSERT_EQ(env.ui.messages.size(), 1u);
    const ShownMessage& shown = env.ui.messages[0];
    EXPECT_EQ(shown.text, "The temporary folder was not cleared:\n\n" + row.refusal +
                              ".\n\nPoint the TMP and TEMP environment variables at a folder that holds only "
                              "temporary files.");
    EXPECT_EQ(shown.caption, " Tarn Vellox");
    EXPECT_EQ(shown.icon, MsgIcon::Exclamation);
    EXPECT_EQ(shown.buttons, MsgButtons::Ok);
  }
}

}  // namespace
}  // namespace vellox::test
