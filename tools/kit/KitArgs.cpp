// Splits the kit's arguments into positional ones and the --key option.
#include "kit/KitArgs.h"

namespace vl::kit {

KitArgs ParseKitArgs(const std::vector<std::wstring>& args, std::size_t first) {
  KitArgs parsed;
  bool options = true;
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (!options || arg.size() < 2 || arg.compare(0, 2, L"--") != 0) {
      parsed.positional.push_back(arg);
    } else if (arg == L"--") {
      options = false;
    } else if (arg == L"--key" || arg.starts_with(L"--key=")) {
      if (parsed.key) return {{}, {}, L"--key is given twice"};
      if (arg != L"--key") {
        parsed.key = arg.substr(6);
      } else if (i + 1 < args.size()) {
        parsed.key = args[++i];
      } else {
        return {{}, {}, L"--key needs a value"};
      }
    } else {
      return {{}, {}, L"unknown option " + arg};
    }
  }
  return parsed;
}

}  // namespace vl::kit
