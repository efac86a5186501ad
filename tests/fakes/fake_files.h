#pragma once
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include "platform/files.h"

namespace vellox::test {

// An in-memory file system with "\" paths, which also takes them in the literal "\\?\" form.
// Folders list their entries in the order they were created. Every open for writing is
// recorded as one session. Safe to call from several threads; the records are read after.
// A path may name a file's stream as Windows does: "C:\\f.txt:name:$DATA".
class FakeFiles : public Files {
 public:
  // The attribute bits of fileFacts, as Windows numbers them.
  static constexpr std::uint32_t kReadOnly = 1, kHidden = 2, kSystem = 4;

  struct Node {
    bool directory = false;
    bool link = false;      // a symbolic link or junction: a name of another place
    bool dataLink = false;  // a reparse point that holds data (placeholder, deduplicated file)
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    bool locked = false;  // held open by another program without write sharing
    bool relocating = false;  // compressed, sparse or encrypted
    std::uint32_t links = 1;  // names of the file, counting those outside the fake
    std::vector<std::uint8_t> data;
    std::map<std::string, std::vector<std::uint8_t>> streams;  // by name, ":name:$DATA"
    std::string createdAs;  // the key the file was made under, whatever names it had since
    std::uint64_t id = 0;   // its identity: kept through renames, new for a new node
  };
  struct Write {
    std::uint64_t offset;
    std::size_t size;
    int flushesBefore = 0;  // of this session
  };
  struct Rename {
    std::string from, to;  // keys
  };
  struct Session {
    std::string path;
    std::uint64_t lengthAtOpen = 0;
    std::vector<Write> writes;
    int flushes = 0;
    bool flushedAfterLastWrite = false;
  };

  char separator() const override { return '\\'; }
  std::optional<std::string> literalPath(const std::string& text) override;
  std::unique_ptr<FileNode> openNode(const std::string& literalPath, FileStatus& status) override;
  std::unique_ptr<WritableFile> openForWrite(const std::string& path, FileStatus& status) override;
  FileStatus deleteFile(const std::string& path) override;
  FileStatus renameInFolder(const std::string& path, const std::string& newName) override;
  FileStatus createFolder(const std::string& path) override;
  FileStatus namedStreams(const std::string& path, std::vector<std::string>& streams) override;
  FileStatus removeLink(const std::string& path) override;
  FileStatus deleteOneName(const std::string& path) override;
  FileStatus setNormalAttributes(const std::string& path) override;
  FileStatus setAttributes(const std::string& path, std::uint32_t attributes) override;
  FileStatus fileFacts(const std::string& path, FileFacts& facts) override;
  FileStatus fileLength(const std::string& path, std::uint64_t& length) override;
  FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) override;
  FolderListing readFolder(const std::string& folder) override;
  std::string tempPath() override { return temp; }

  // Set-up helpers; parent folders are created as needed.
  void addFolder(const std::string& path);
  Node& addFile(const std::string& path, std::size_t size = 0, std::uint8_t fill = 'x');
  Node& addFile(const std::string& path, const std::string& contents);
  bool exists(const std::string& path) const { return nodes_.count(keyOf(path)) != 0; }
  Node& node(const std::string& path) { return nodes_.at(keyOf(path)); }
  // The plain form of a path, "\\?\C:\x" as "C:\x".
  static std::string keyOf(const std::string& path);

  std::vector<Session> sessions;
  std::vector<std::string> deletes;  // every delete attempt, in order
  std::vector<Rename> renames;       // every rename made, in order
  std::vector<std::string> attributeResets;
  // The bytes each file, and each of its streams, held when it was deleted, by the key it was
  // made under (and the stream's name).
  std::map<std::string, std::vector<std::uint8_t>> deletedData;
  std::string temp;
  // Folders that refuse to be listed, folders whose listing fails after that many entries,
  // and the error a length query gives.
  std::vector<std::string> unlistable;
  std::map<std::string, std::size_t> listingStopsAfter;
  std::map<std::string, FileStatus> lengthErrors;

 private:
  friend class FakeWritableFile;
  std::string parentOf(const std::string& key) const;
  void link(const std::string& key);
  void unlink(const std::string& key);
  // The bytes a file or stream key names; none when it does not exist.
  std::vector<std::uint8_t>* dataOf(const std::string& key);

  std::recursive_mutex mutex_;

  std::map<std::string, Node> nodes_;
  std::uint64_t lastId_ = 0;
  std::map<std::string, std::vector<std::string>> children_;  // folder -> entry names in order

 public:
  // Names "<prefix><n>.tmp", n counting up past the names taken.
  std::string createUniqueFile(const std::string& folder, const std::string& prefix) override;
};

}  // namespace vellox::test
