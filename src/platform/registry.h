#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vellox {

enum class RegRoot { CurrentUser };
// Write opens the key for setting and deleting values, creating it when missing.
enum class RegAccess { Default, Write };

// Value types by their Windows numbers.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

inline constexpr long kRegOk = 0;
inline constexpr long kRegFileNotFound = 2;
inline constexpr long kRegMoreData = 234;

// A value as stored: strings of every string type as UTF-16 LE bytes, NULs included.
struct RegValue {
  std::string name;
  std::uint32_t type = kRegSz;
  std::vector<std::uint8_t> data;
};

// One open key; closed when destroyed. Results are Windows error codes.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // Type and size in bytes of a value, without its data.
  virtual long queryInfo(const std::string& name, std::uint32_t& type, std::uint32_t& size) = 0;
  // The raw data into `data`, whose size is the room offered; on success it is
  // resized to the bytes returned.
  virtual long queryData(const std::string& name, std::vector<std::uint8_t>& data) = 0;
  // The characters of a string value as stored, unexpanded, read into `room`
  // bytes: embedded and trailing NULs are kept, nothing is added.
  virtual long queryText(const std::string& name, std::uint32_t room, std::string& text) = 0;
  // Stores a REG_SZ value with its terminating NUL.
  virtual long setString(const std::string& name, const std::string& value) = 0;
  // Stores a REG_MULTI_SZ value: each text with its NUL, then the NUL that ends the list.
  // A text may not be empty, since an empty one would end the list early.
  virtual long setMultiString(const std::string& name, const std::vector<std::string>& values) = 0;
  virtual long deleteValue(const std::string& name) = 0;
  // Stores `data` exactly as given under `type` (strings as UTF-16 LE bytes).
  virtual long setData(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) = 0;
  // Reading needs a key opened to read; the order is the registry's own.
  virtual long values(std::vector<RegValue>& values) = 0;
  virtual long subkeys(std::vector<std::string>& names) = 0;
  // How many subkeys and values the key has, without reading them.
  virtual long counts(std::size_t& subkeys, std::size_t& values) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  virtual long open(RegRoot root, const std::string& subkey, RegAccess access,
                    std::unique_ptr<RegistryKey>& key) = 0;
  // Deletes the key with every key and value below it; kRegFileNotFound when it is missing.
  virtual long deleteTree(RegRoot root, const std::string& subkey) = 0;
  // The system's message text for an error code.
  virtual std::string errorText(long code) = 0;
};

}  // namespace vellox
