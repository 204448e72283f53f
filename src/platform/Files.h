// Plain files beside the program, for the moderation journal: appended to, read back in
// bounded pieces, and handed to the program the system associates with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

class Files {
 public:
  virtual ~Files() = default;

  // Adds the bytes at the end of the file, creating it, in one write that the system has
  // taken when this returns: a program ended right after loses none of them. False when
  // the file could not be written; then nothing of the bytes was kept.
  virtual bool Append(const std::wstring& path, std::string_view bytes) = 0;
  // At most `maxBytes` of the file from `offset`; nothing when it cannot be read.
  virtual std::optional<std::string> Read(const std::wstring& path, std::uint64_t offset,
                                          std::size_t maxBytes) = 0;
  // Opens the file with the program the system associates with its type; false when none
  // could be started.
  virtual bool OpenWithAssociatedProgram(const std::wstring& path) = 0;
};

}  // namespace vl
