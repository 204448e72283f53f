// The settings file's store: the platform's INI profile calls, and the file system queries
// that go with them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vl {

class Profile {
 public:
  virtual ~Profile() = default;

  // The value of `key` in `section` of the file at `path`, through a buffer of
  // `bufferChars` characters (so at most bufferChars - 1 come back); "" when the file, the
  // section or the key is missing. Names match whatever their case.
  virtual std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& path, int bufferChars) = 0;
  // Stores the value, creating the file, the section or the key as needed; keeps every other
  // section and key. False when the file could not be written.
  virtual bool WriteString(const std::wstring& section, const std::wstring& key,
                           const std::wstring& value, const std::wstring& path) = 0;
  // Length in bytes of the file at `path`; nothing when it cannot be told.
  virtual std::optional<std::uint64_t> FileLength(const std::wstring& path) = 0;
  // The folder of the running executable, without a trailing separator.
  virtual std::wstring ExecutableFolder() = 0;
};

}  // namespace vl
