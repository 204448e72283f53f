// Settings files in memory, stored as the bytes a real profile call would leave on disk
// (Windows-1252 text, or UTF-8 after a byte-order mark; CR LF lines), through the portable
// INI semantics.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/Profile.h"

namespace vl {

class FakeProfile : public Profile {
 public:
  std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& path, int bufferChars) override;
  bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                   const std::wstring& path) override;
  std::optional<std::uint64_t> FileLength(const std::wstring& path) override;
  std::wstring ExecutableFolder() override { return folder_; }

  // Test side.
  void SetExecutableFolder(std::wstring folder) { folder_ = std::move(folder); }
  void PutFile(const std::wstring& path, std::string bytes) { files_[path] = std::move(bytes); }
  bool HasFile(const std::wstring& path) const { return files_.count(path) != 0; }
  // The file's bytes; "" when there is none.
  std::string FileBytes(const std::wstring& path) const;
  void RemoveFile(const std::wstring& path) { files_.erase(path); }
  // A read-only file (or folder, for a file not there yet): writes fail, reads go on.
  void SetReadOnly(const std::wstring& path, bool readOnly);
  int Writes() const { return writes_; }

 private:
  std::wstring folder_ = L"C:\\Verdelune";
  std::map<std::wstring, std::string> files_;
  std::set<std::wstring> readOnly_;
  int writes_ = 0;
};

}  // namespace vl
