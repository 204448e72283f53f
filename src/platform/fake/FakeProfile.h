// Files in memory: the settings files stored as the bytes a real profile call would leave on disk
// (Windows-1252 text, or UTF-8 after a byte-order mark; CR LF lines), through the portable
// INI semantics, and the plain files appended to and read back by the journal.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Profile.h"

namespace vl {

class FakeProfile : public Profile, public Files {
 public:
  std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& path, int bufferChars) override;
  bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                   const std::wstring& path) override;
  std::optional<std::uint64_t> FileLength(const std::wstring& path) override;
  std::wstring ExecutableFolder() override { return folder_; }
  bool Append(const std::wstring& path, std::string_view bytes) override;
  std::optional<std::string> Read(const std::wstring& path, std::uint64_t offset,
                                  std::size_t maxBytes) override;
  bool OpenWithAssociatedProgram(const std::wstring& path) override;

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
  // The files handed to their associated program; opening fails while `canOpen` is false.
  const std::vector<std::wstring>& Opened() const { return opened_; }
  bool canOpen = true;

 private:
  std::wstring folder_ = L"C:\\Verdelune";
  std::map<std::wstring, std::string> files_;
  std::set<std::wstring> readOnly_;
  int writes_ = 0;
  std::vector<std::wstring> opened_;
};

}  // namespace vl
