// The simulator's event log.
#include "EventLog.h"

#include <filesystem>
#include <fstream>

#include "Text.h"

namespace roomsim {

EventLog::~EventLog() {
  if (file_ != nullptr) std::fclose(file_);
}

bool EventLog::Open(const std::wstring& path) {
  if (path.empty()) return false;
#ifdef _WIN32
  file_ = _wfopen(path.c_str(), L"wb");
#else
  file_ = std::fopen(std::filesystem::path(path).c_str(), "wb");
#endif
  return file_ != nullptr;
}

void EventLog::Write(std::int64_t ms, const std::string& kind, const std::wstring& details) {
  if (file_ == nullptr) return;
  const std::string line = FormatEvent(ms, kind, details) + "\n";
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}

std::string FormatEvent(std::int64_t ms, const std::string& kind, const std::wstring& details) {
  std::wstring escaped;
  for (wchar_t c : details) {
    if (c == L'\n') {
      escaped += L"\\n";
    } else if (c == L'\r') {
      escaped += L"\\r";
    } else {
      escaped += c;
    }
  }
  std::string line = std::to_string(ms) + " " + kind;
  // Appended in two steps: GCC 12 at -O3 takes `" " + text` for an overlapping copy.
  if (!escaped.empty()) {
    line += ' ';
    line += ToUtf8(escaped);
  }
  return line;
}

}  // namespace roomsim
