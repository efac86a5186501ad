#pragma once
#include <gmock/gmock.h>
#include <algorithm>
#include <cctype>
#include "platform/free_space.h"

namespace vellox::test {

// A side gives service(), root() of a small writable drive ("S:\"), readOnlyRoot() of a
// read-only one, missingName() of a letter with no drive, exists(path) and makeFolder(path).
template <class Side>
class FreeSpaceContract : public ::testing::Test {
 protected:
  FreeSpace& space() { return side.service(); }
  Side side;
};

TYPED_TEST_SUITE_P(FreeSpaceContract);

// The facts the drive list, the warning and the fill plan read; any spelling of the letter.
TYPED_TEST_P(FreeSpaceContract, TheDriveListTellsEachDrivesFileSystemAndSizes) {
  const std::string root = this->side.root();
  const auto drives = this->space().writableDrives();
  const auto drive = std::ranges::find(drives, root, &Drive::root);
  ASSERT_NE(drive, drives.end()) << root;
  EXPECT_THAT(drive->fileSystem, testing::AnyOf("NTFS", "ReFS", "FAT32", "exFAT"));
  EXPECT_TRUE(drive->freeBytes > 0 && drive->freeBytes <= drive->totalBytes);
  EXPECT_EQ(this->space().freeBytes(*drive), drive->freeBytes);  // nobody else writes there
  for (const std::string& name : {root, root.substr(0, 2), std::string(1, char(std::tolower(root[0])))}) {
    const DriveLookup lookup = this->space().lookUpDrive(name);
    EXPECT_TRUE(lookup.problem == DriveProblem::None && lookup.drive.root == root) << name;
  }
  EXPECT_EQ(this->space().volumeOf(root + "a folder\\"), root);
  const DriveNature nature = this->space().nature(*drive);
  EXPECT_TRUE(nature.sectorBytes >= 512 && nature.clusterBytes % nature.sectorBytes == 0) << nature.clusterBytes;
}

// A fill file takes the free space until a write says Full, and gives it all back when closed;
// the fill folder goes with its last file.
TYPED_TEST_P(FreeSpaceContract, AFillFileTakesTheFreeSpaceAndGivesItBackWhenClosed) {
  FreeSpace& space = this->space();
  const Drive drive = space.lookUpDrive(this->side.root()).drive;
  const std::uint64_t before = space.freeBytes(drive).value_or(0);
  const std::string folder = drive.root + "Vellox contract\\", name = folder + "fill-1.tmp";
  FileStatus status;
  auto held = space.openFillFolder(folder, status);
  ASSERT_TRUE(held) << status.description;
  auto file = space.createFillFile(name, FillMode::Unbuffered, status);
  ASSERT_TRUE(file) << status.description;
  EXPECT_FALSE(space.createFillFile(name, FillMode::Unbuffered, status)) << "a name that exists is not taken";
  constexpr std::size_t kBlock = 64 * 1024;
  alignas(4096) static const char zeros[kBlock] = {};  // unbuffered writes need an aligned buffer
  FillWrite write;
  std::uint64_t written = 0;
  for (std::uint64_t limit = before / kBlock + 2; limit-- && write.outcome == FillOutcome::Ok;) {
    write = file->append(zeros, kBlock);
    written += write.written;
  }
  EXPECT_EQ(write.outcome, FillOutcome::Full) << write.status.description;
  EXPECT_TRUE(file->flush().ok());
  EXPECT_GE(written + 2 * kBlock, before);
  EXPECT_LT(space.freeBytes(drive).value_or(kBlock), kBlock);
  file.reset();
  EXPECT_FALSE(this->side.exists(name));
  EXPECT_EQ(space.freeBytes(drive), before);
  held.reset();
  EXPECT_FALSE(this->side.exists(folder));
  // A folder of that name that was there before is not the fill's to remove.
  this->side.makeFolder(folder);
  space.openFillFolder(folder, status).reset();
  EXPECT_TRUE(this->side.exists(folder));
}

// Nothing is written to a drive that is missing or read-only. Where the system does not report a
// read-only volume as such (Wine), the lookup passes it but the fill folder is refused.
TYPED_TEST_P(FreeSpaceContract, AMissingOrReadOnlyDriveIsRefused) {
  FreeSpace& space = this->space();
  EXPECT_EQ(space.lookUpDrive(this->side.missingName()).problem, DriveProblem::Missing);
  EXPECT_EQ(space.lookUpDrive("not a drive").problem, DriveProblem::Missing);
  const std::string readOnly = this->side.readOnlyRoot();
  const DriveProblem problem = space.lookUpDrive(readOnly).problem;
  EXPECT_TRUE(problem == DriveProblem::ReadOnly || problem == DriveProblem::None);
  FileStatus status;
  EXPECT_FALSE(space.openFillFolder(readOnly + "Vellox contract\\", status));
  EXPECT_EQ(status.code, FileErrc::AccessDenied) << status.description;
  EXPECT_FALSE(space.createFillFile(readOnly + "fill-1.tmp", FillMode::Unbuffered, status));
  EXPECT_FALSE(this->side.exists(readOnly + "fill-1.tmp"));
}

REGISTER_TYPED_TEST_SUITE_P(FreeSpaceContract, TheDriveListTellsEachDrivesFileSystemAndSizes,
                            AFillFileTakesTheFreeSpaceAndGivesItBackWhenClosed, AMissingOrReadOnlyDriveIsRefused);

}  // namespace vellox::test
