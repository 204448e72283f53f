// Polling of the control file for new complete lines.
#include "ControlChannel.h"

#include <filesystem>
#include <fstream>

#include "Text.h"

namespace roomsim {

bool ControlChannel::Open(const std::wstring& path) {
  const std::filesystem::path p(path);
  std::error_code ec;
  if (!std::filesystem::exists(p, ec)) {
    std::ofstream create(p, std::ios::binary);
    if (!create) return false;
  }
  path_ = path;
  offset_ = 0;
  return true;
}

std::vector<std::wstring> ControlChannel::Poll() {
  std::vector<std::wstring> lines;
  if (path_.empty()) return lines;
  std::ifstream in(std::filesystem::path(path_), std::ios::binary);
  if (!in) return lines;
  std::error_code ec;
  const auto size = std::filesystem::file_size(std::filesystem::path(path_), ec);
  if (!ec && size < offset_) offset_ = 0;  // the file was emptied or rewritten: start again
  in.seekg(static_cast<std::streamoff>(offset_));
  std::string chunk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t start = 0;
  for (std::size_t nl = chunk.find('\n'); nl != std::string::npos; nl = chunk.find('\n', start)) {
    std::string line = chunk.substr(start, nl - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (offset_ == 0 && start == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    lines.push_back(FromUtf8(line));
    start = nl + 1;
  }
  offset_ += start;
  return lines;
}

}  // namespace roomsim
