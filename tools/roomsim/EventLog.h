// The simulator's event log: one UTF-8 line per event, "<ms since start> <kind> <details>",
// written in binary mode (no CR LF translation) and flushed at once, so that a test reading
// the file from Linux sees every event as it happens. Portable.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace roomsim {

class EventLog {
 public:
  EventLog() = default;
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // Opens (truncates) the file; false when it cannot be written. An empty path logs nothing.
  bool Open(const std::wstring& path);
  bool IsOpen() const { return file_ != nullptr; }

  void Write(std::int64_t ms, const std::string& kind, const std::wstring& details);

 private:
  std::FILE* file_ = nullptr;
};

// The log line without its line end. Line breaks inside the details are written as "\n" and
// "\r" so that one event stays one line.
std::string FormatEvent(std::int64_t ms, const std::string& kind, const std::wstring& details);

}  // namespace roomsim
