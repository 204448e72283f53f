// The control channel: a text file (UTF-8) that a test or a demo appends command lines to.
// Each poll returns the lines completed since the last one; a line still being written (no
// line end yet) waits for the next poll. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace roomsim {

class ControlChannel {
 public:
  // Creates the file empty when it is missing; false when that fails.
  bool Open(const std::wstring& path);
  bool IsOpen() const { return !path_.empty(); }

  // The complete lines appended since the last poll, without their CR LF or LF.
  std::vector<std::wstring> Poll();

 private:
  std::wstring path_;
  std::uint64_t offset_ = 0;  // bytes of complete lines already taken
};

}  // namespace roomsim
