// The kit's argument parsing: positional arguments and the --key option.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vl::kit {

struct KitArgs {
  std::vector<std::wstring> positional;
  std::optional<std::wstring> key;
  std::wstring error;  // not empty when the arguments cannot be read
};

// Reads `args` from index `first` on: "--key TEXT" or "--key=TEXT" anywhere, "--" ends the
// options, any other argument starting with "--" is an error.
KitArgs ParseKitArgs(const std::vector<std::wstring>& args, std::size_t first);

}  // namespace vl::kit
