#pragma once
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include "platform/download.h"

namespace vellox::test {

// What the update check relies on from the download service. A side gives
// download(), publish(name, body), url(name), unreachableUrl(name), target(name)
// (a path in a folder of its own), write(path, body) and read(path).
template <class Side>
class DownloadContract : public ::testing::Test {
 protected:
  Side side;
};

TYPED_TEST_SUITE_P(DownloadContract);

TYPED_TEST_P(DownloadContract, APublishedFileArrivesWithItsExactBytesOverAnyOldFile) {
  const std::string body("1.01,\"release\"\r\n\x00\xFF tail", 23);
  this->side.publish("version.txt", body);
  const std::string target = this->side.target("upd.txt");
  this->side.write(target, "an older and longer copy that must not shine through");
  EXPECT_TRUE(this->side.download().downloadToFile(this->side.url("version.txt"), target));
  EXPECT_EQ(this->side.read(target), body);
}

TYPED_TEST_P(DownloadContract, AChangedFileIsFetchedAfresh) {
  const std::string target = this->side.target("upd.txt");
  this->side.publish("version.txt", "1.0");
  ASSERT_TRUE(this->side.download().downloadToFile(this->side.url("version.txt"), target));
  this->side.publish("version.txt", "2.5");
  ASSERT_TRUE(this->side.download().downloadToFile(this->side.url("version.txt"), target));
  EXPECT_EQ(this->side.read(target), "2.5");
}

TYPED_TEST_P(DownloadContract, AServerThatDoesNotAnswerIsAFailureThatWritesNothing) {
  this->side.publish("version.txt", "1.0");
  const std::string target = this->side.target("upd.txt");
  EXPECT_FALSE(this->side.download().downloadToFile(this->side.unreachableUrl("version.txt"), target));
  EXPECT_EQ(this->side.read(target), std::nullopt);
}

REGISTER_TYPED_TEST_SUITE_P(DownloadContract, APublishedFileArrivesWithItsExactBytesOverAnyOldFile,
                            AChangedFileIsFetchedAfresh, AServerThatDoesNotAnswerIsAFailureThatWritesNothing);

}  // namespace vellox::test
