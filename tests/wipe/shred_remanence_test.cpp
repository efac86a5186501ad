#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <set>
#include "app/main_window.h"
#include "fakes/fake_files.h"
#include "fakes/test_env.h"
#include "wipe/forwarding_files.h"
#include "wipe/shred_file.h"

namespace vellox::test {
namespace {

const std::string kFolder = "C:\\data";
const std::string kPath = kFolder + "\\secret.txt";

bool allPattern(const std::vector<std::uint8_t>& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0x01; });
}

// Refuses the renames after the first `renamesAllowed`, and deletions when told.
class Refusing : public ForwardingFiles {
 public:
  using ForwardingFiles::ForwardingFiles;
  FileStatus renameInFolder(const std::string& path, const std::string& name) override {
    if (renamesAllowed-- <= 0) return kDiskFull;
    return inner_.renameInFolder(path, name);
  }
  FileStatus deleteFile(const std::string& path) override {
    return refuseDelete ? FileStatus{FileErrc::InUse, 32, "in use"} : inner_.deleteFile(path);
  }
  int renamesAllowed = 100;
  bool refuseDelete = false;
};

// The name is replaced three times by random names of its length in its own folder, and the
// file goes under the last one; a refused rename stops the renaming, a refused deletion puts
// the name back. Results name the file as the user knows it.
TEST(ShredName, TheFileIsRenamedInItsFolderBeforeItGoes) {
  struct Case {
    const char* what;
    int renamesAllowed;
    bool refuseDelete;
    std::size_t renames;  // made, the one putting the name back included
    bool wiped;
  };
  const Case cases[] = {{"all renames", 100, false, 3, true},
                        {"second rename refused", 1, false, 1, true},
                        {"no rename", 0, false, 0, true},
                        {"delete refused", 4, true, 4, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFiles fake;
    fake.addFile(kPath, 700, 'p');
    fake.addFile(kFolder + "\\other.txt", 3);
    Refusing files(fake);
    files.renamesAllowed = c.renamesAllowed;
    files.refuseDelete = c.refuseDelete;
    const Shred shred = shredFile(files, kPath, 3);
    EXPECT_EQ(static_cast<bool>(shred), c.wiped) << shred.reason;
    ASSERT_EQ(fake.renames.size(), c.renames);
    std::string from = kPath;
    for (const auto& rename : fake.renames) {
      EXPECT_EQ(rename.from, from);
      const std::string name = rename.to.substr(kFolder.size() + 1);
      EXPECT_EQ(rename.to.substr(0, kFolder.size() + 1), kFolder + "\\");
      EXPECT_EQ(name.size(), std::string("secret.txt").size());
      if (rename.to != kPath)
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char ch) { return std::isalnum(ch) && !std::isupper(ch); }));
      from = rename.to;
    }
    EXPECT_TRUE(fake.exists(kFolder + "\\other.txt"));
    if (c.wiped) {
      EXPECT_EQ(fake.deletes.back(), from);
      EXPECT_TRUE(allPattern(fake.deletedData.at(kPath)));
      EXPECT_FALSE(fake.exists(from));
    } else {
      EXPECT_EQ(from, kPath) << "the name is put back";
      EXPECT_TRUE(fake.exists(kPath));
      EXPECT_TRUE(allPattern(fake.node(kPath).data));
    }
  }
}

// Each named stream is overwritten with every pass, by the pass rule, right after the file.
TEST(ShredStreams, EveryNamedStreamGetsEveryPassBeforeTheFileGoes) {
  FakeFiles files;
  auto& node = files.addFile(kPath, 100);
  node.streams[":zone:$DATA"].assign(30, 'z');
  node.streams[":hidden:$DATA"].assign(2000, 'h');
  ASSERT_TRUE(shredFile(files, kPath, 3));
  ASSERT_EQ(files.sessions.size(), 9u);
  const std::string order[] = {kPath, kPath + ":hidden:$DATA", kPath + ":zone:$DATA"};
  for (std::size_t i = 0; i < files.sessions.size(); ++i) {
    const auto& session = files.sessions[i];
    EXPECT_EQ(session.path, order[i % 3]) << i;
    EXPECT_TRUE(session.flushedAfterLastWrite) << i;
  }
  EXPECT_EQ(files.deletedData.at(kPath + ":zone:$DATA"), std::vector<std::uint8_t>(3 * 1024, 0x01));
  EXPECT_EQ(files.deletedData.at(kPath + ":hidden:$DATA"), std::vector<std::uint8_t>(4 * 1024, 0x01));
  EXPECT_TRUE(allPattern(files.deletedData.at(kPath)));
}

// Files whose overwrite may land in new clusters are wiped, and say so; the closing messages
// count them and tell why.
TEST(ShredRelocating, CompressedSparseOrEncryptedFilesAreWipedAndNamed) {
  TestEnv env;
  frmmain form{env.services, env.state, [] {}};
  auto& view = *env.views.main;
  env.files.addFile("C:\\f\\packed.bin", 10).relocating = true;
  env.files.addFile("C:\\f\\plain.bin", 10);
  const std::string why =
      "Windows may write to such files in new places on the disk, so an overwrite may not reach their old data.";
  view.txtFolderToWipe.setText("C:\\f\\");
  env.ui.answers.push_back(MsgAnswer::Ok);
  view.cmdWipe.click();
  env.settle();
  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_EQ(env.ui.messages[1].text, "2File(s) wiped\n1 of them were compressed, sparse or encrypted. " + why);

  env.files.addFile("C:\\g\\one.bin", 10).relocating = true;
  view.txtFolderToWipe.setText("");
  view.txtFileToWipe.setText("C:\\g\\one.bin");
  env.ui.answers.push_back(MsgAnswer::Ok);
  view.cmdWipe.click();
  env.settle();
  ASSERT_EQ(env.ui.messages.size(), 4u);
  EXPECT_EQ(env.ui.messages[3].text, "one.bin wiped\nIt was compressed, sparse or encrypted. " + why);
}

// Several files at once: each is started once and in order, each file's passes stay in order,
// and every byte written is reported.
TEST(ShredBatch, SeveralWorkersWipeEveryFileStartedInOrder) {
  FakeFiles files;
  std::vector<std::string> paths{""};
  for (int i = 0; i < 24; ++i) {
    paths.push_back(kFolder + "\\f" + std::to_string(i));
    files.addFile(paths.back(), 100u * static_cast<std::size_t>(i));
  }
  ShredControl control;
  std::vector<std::size_t> started;
  std::atomic<std::uint64_t> written{0};
  std::atomic<int> finished{0};
  control.started = [&](std::size_t i) { started.push_back(i); };
  control.finished = [&](std::size_t, const Shred& shred) { finished += shred ? 1 : 0; };
  control.written = [&](std::uint64_t bytes) { written += bytes; };
  const auto results = shredFiles(files, paths, 1, 3, control);
  ASSERT_EQ(results.size(), 24u);
  EXPECT_TRUE(std::all_of(results.begin(), results.end(), [](const Shred& s) { return static_cast<bool>(s); }));
  EXPECT_EQ(finished, 24);
  std::vector<std::size_t> inOrder(24);
  for (std::size_t i = 0; i < 24; ++i) inOrder[i] = i + 1;
  EXPECT_EQ(started, inOrder);
  std::uint64_t recorded = 0;
  std::map<std::string, std::uint64_t> lastLength;
  for (const auto& session : files.sessions) {
    for (const auto& write : session.writes) recorded += write.size;
    EXPECT_GT(session.lengthAtOpen + 1, lastLength[session.path]) << "passes of one file in order";
    lastLength[session.path] = session.lengthAtOpen + 1;
  }
  EXPECT_EQ(written.load(), recorded);
  EXPECT_EQ(files.sessions.size(), 72u);
}

}  // namespace
}  // namespace vellox::test
