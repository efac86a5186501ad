#include "platform/win32/win32_free_space.h"
#include "platform/win32/handle.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_drives.h"

namespace vellox::win32 {

namespace {

constexpr const wchar_t* kLiteralPrefix = L"\\\\?\\";

std::wstring literal(const std::string& path) {
  std::wstring wide = widen(path);
  return wide.rfind(kLiteralPrefix, 0) == 0 ? wide : kLiteralPrefix + wide;
}

FileStatus lastError() { return statusOfError(GetLastError()); }

bool isFull(DWORD error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }

class Win32FillFile : public FillFile {
 public:
  explicit Win32FillFile(UniqueHandle handle) : handle_(std::move(handle)) {}

  FillWrite append(const void* data, std::size_t size) override {
    FillWrite result;
    DWORD written = 0;
    const BOOL ok = WriteFile(handle_.get(), data, static_cast<DWORD>(size), &written, nullptr);
    result.written = written;
    if (ok && written == size) return result;
    const DWORD error = ok ? ERROR_DISK_FULL : GetLastError();
    result.outcome = isFull(error) ? FillOutcome::Full : FillOutcome::Failed;
    result.status = statusOfError(error);
    return result;
  }

  FileStatus flush() override { return FlushFileBuffers(handle_.get()) ? FileStatus{} : lastError(); }

 private:
  UniqueHandle handle_;
};

class Win32FillFolder : public FillFolder {
 public:
  Win32FillFolder(std::string path, UniqueHandle handle) : path_(std::move(path)), handle_(std::move(handle)) {}
  const std::string& path() const override { return path_; }

 private:
  std::string path_;
  UniqueHandle handle_;  // opened delete-on-close: the folder goes with its last file
};

class Win32FreeSpace : public FreeSpace {
 public:
  std::vector<Drive> writableDrives() override {
    std::vector<Drive> drives;
    const DWORD letters = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
      if (!(letters & (1u << i))) continue;
      const DriveLookup lookup = lookUpRoot(std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L":\\");
      if (lookup.problem == DriveProblem::None) drives.push_back(lookup.drive);
    }
    return drives;
  }

  DriveLookup lookUpDrive(const std::string& name) override {
    const std::wstring root = rootOfName(name);
    return root.empty() ? DriveLookup{} : lookUpRoot(root);
  }

  DriveNature nature(const Drive& drive) override { return driveNature(widen(drive.root)); }

  std::optional<std::uint64_t> freeBytes(const Drive& drive) override { return freeBytesOf(widen(drive.root)); }

  std::string volumeOf(const std::string& path) override {
    const std::wstring wide = widen(path);
    wchar_t volume[MAX_PATH + 1] = {};
    if (GetVolumePathNameW(wide.c_str(), volume, MAX_PATH + 1)) return narrow(volume);
    return wide.size() >= 3 && wide[1] == L':' ? narrow(wide.substr(0, 2)) + "\\" : std::string();
  }

  std::unique_ptr<FillFolder> openFillFolder(const std::string& path, FileStatus& status) override {
    const std::wstring wide = literal(path);
    const bool made = CreateDirectoryW(wide.c_str(), nullptr);
    if (!made && GetLastError() != ERROR_ALREADY_EXISTS) {
      status = lastError();
      return nullptr;
    }
    // A folder this fill made is held delete-on-close, so it goes with the fill however the
    // program ends; the system refuses that while files are in it. One that was there before is
    // not the fill's to remove (a power cut's is the next start's). Where a system refuses the
    // flag on a folder, it is held without it and the next start removes it.
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    constexpr DWORD kFlags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;
    UniqueHandle handle(made ? CreateFileW(wide.c_str(), FILE_LIST_DIRECTORY | DELETE, kShareAll, nullptr,
                                           OPEN_EXISTING, kFlags | FILE_FLAG_DELETE_ON_CLOSE, nullptr)
                             : nullptr);
    if (!handle)
      handle.reset(CreateFileW(wide.c_str(), FILE_LIST_DIRECTORY, kShareAll, nullptr, OPEN_EXISTING, kFlags, nullptr));
    if (!handle) {
      status = lastError();
      return nullptr;
    }
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      status = statusOfError(ERROR_CANT_ACCESS_FILE);
      return nullptr;
    }
    status = {};
    return std::make_unique<Win32FillFolder>(path, std::move(handle));
  }

  // The one place fill files are made: new names only (CREATE_NEW), shared with no one, and
  // deleted by the system when closed, however the program ends.
  std::unique_ptr<FillFile> createFillFile(const std::string& path, FillMode mode, FileStatus& status) override {
    const DWORD buffering = mode == FillMode::Unbuffered ? FILE_FLAG_NO_BUFFERING : FILE_FLAG_WRITE_THROUGH;
    UniqueHandle handle(CreateFileW(literal(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_SEQUENTIAL_SCAN |
                                        buffering,
                                    nullptr));
    if (!handle) {
      status = lastError();
      return nullptr;
    }
    status = {};
    return std::make_unique<Win32FillFile>(std::move(handle));
  }
};

}  // namespace

std::unique_ptr<FreeSpace> makeFreeSpace() { return std::make_unique<Win32FreeSpace>(); }

}  // namespace vellox::win32
