#include "platform/win32/win32_drives.h"
#include <winioctl.h>
#include <cwctype>
#include "platform/win32/handle.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {

// A drive without its medium (a card reader, an empty slot) must not bring up the system's
// "insert a disk" box while the list is read.
class QuietErrors {
 public:
  QuietErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
  ~QuietErrors() { SetThreadErrorMode(old_, nullptr); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  DWORD old_ = 0;
};

bool filledFileSystem(const std::string& name) {
  return name == "NTFS" || name == "ReFS" || name == "FAT32" || name == "exFAT";
}

template <class Descriptor>
std::optional<Descriptor> storageProperty(HANDLE volume, STORAGE_PROPERTY_ID property) {
  STORAGE_PROPERTY_QUERY query{};
  query.PropertyId = property;
  query.QueryType = PropertyStandardQuery;
  Descriptor descriptor{};
  DWORD got = 0;
  if (!DeviceIoControl(volume, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &descriptor, sizeof descriptor,
                       &got, nullptr) ||
      got < sizeof descriptor)
    return std::nullopt;
  return descriptor;
}

// The volume's snapshots, as the volume shadow copy driver names them; readable by
// administrators only, so for others it stays unknown.
constexpr DWORD kQueryNamesOfSnapshots = CTL_CODE(0x53, 6, METHOD_BUFFERED, FILE_ANY_ACCESS);

std::optional<bool> hasShadowCopies(const std::wstring& device) {
  UniqueHandle volume(CreateFileW(device.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
  if (!volume) return std::nullopt;
  struct {
    ULONG length;
    WCHAR names[2];
  } names{};
  DWORD got = 0;
  const BOOL ok = DeviceIoControl(volume.get(), kQueryNamesOfSnapshots, nullptr, 0, &names, sizeof names, &got, nullptr);
  if (!ok && GetLastError() != ERROR_MORE_DATA) return std::nullopt;
  return names.length > 2 * sizeof(WCHAR);
}

}  // namespace

FileStatus statusOfError(DWORD error) {
  FileErrc code = FileErrc::Other;
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) code = FileErrc::NotFound;
  if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) code = FileErrc::AccessDenied;
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) code = FileErrc::InUse;
  std::string text = systemErrorText(error);
  text.erase(text.find_last_not_of("\r\n ") + 1);
  return {code, static_cast<long>(error), text.empty() ? "Error " + std::to_string(error) + "." : text};
}

std::wstring rootOfName(const std::string& name) {
  const bool letter = !name.empty() && std::isalpha(static_cast<unsigned char>(name[0]));
  const std::string rest = letter ? name.substr(1) : name;
  if (!letter || !(rest.empty() || rest == ":" || rest == ":\\" || rest == ":/")) return L"";
  return std::wstring(1, static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(name[0])))) + L":\\";
}

DriveLookup lookUpRoot(const std::wstring& root) {
  QuietErrors quiet;
  DriveLookup lookup;
  const UINT type = GetDriveTypeW(root.c_str());
  if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return lookup;
  if (type != DRIVE_FIXED && type != DRIVE_REMOVABLE) {
    lookup.problem = DriveProblem::NotLocal;
    return lookup;
  }
  wchar_t label[MAX_PATH + 1] = {}, fileSystem[MAX_PATH + 1] = {};
  DWORD flags = 0;
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, &flags, fileSystem, MAX_PATH + 1))
    return lookup;
  Drive& drive = lookup.drive;
  drive.root = narrow(root);
  drive.label = narrow(label);
  drive.fileSystem = narrow(fileSystem);
  drive.removable = type == DRIVE_REMOVABLE;
  ULARGE_INTEGER available{}, total{};
  if (GetDiskFreeSpaceExW(root.c_str(), &available, &total, nullptr)) {
    drive.freeBytes = available.QuadPart;
    drive.totalBytes = total.QuadPart;
  }
  lookup.problem = (flags & FILE_READ_ONLY_VOLUME)          ? DriveProblem::ReadOnly
                   : !filledFileSystem(drive.fileSystem) ? DriveProblem::UnknownFileSystem
                                                         : DriveProblem::None;
  return lookup;
}

DriveNature driveNature(const std::wstring& root) {
  QuietErrors quiet;
  DriveNature nature;
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters) &&
      bytesPerSector) {
    nature.sectorBytes = bytesPerSector;
    nature.clusterBytes = sectorsPerCluster * bytesPerSector;
  }
  // No access rights are needed to ask the device what it is.
  const std::wstring device = L"\\\\.\\" + root.substr(0, 2);
  UniqueHandle volume(
      CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (volume) {
    if (auto seek = storageProperty<DEVICE_SEEK_PENALTY_DESCRIPTOR>(volume.get(), StorageDeviceSeekPenaltyProperty))
      nature.media = seek->IncursSeekPenalty ? DriveMedia::Rotating : DriveMedia::SolidState;
    if (auto trim = storageProperty<DEVICE_TRIM_DESCRIPTOR>(volume.get(), StorageDeviceTrimProperty))
      nature.trim = trim->TrimEnabled != 0;
  }
  nature.shadowCopies = hasShadowCopies(device);
  return nature;
}

std::optional<std::uint64_t> freeBytesOf(const std::wstring& root) {
  ULARGE_INTEGER available{};
  if (!GetDiskFreeSpaceExW(root.c_str(), &available, nullptr, nullptr)) return std::nullopt;
  return available.QuadPart;
}

}  // namespace vellox::win32
