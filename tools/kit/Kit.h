// verdelune-kit, the command line for room-bot operators: the answer a room bot must post to
// an identification line, and text encryption under the shared or a given key.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vl::kit {

// Runs the kit on `args` (without the program name). Results go to `out`, errors to `err`,
// both as UTF-8 lines. Returns the exit status: 0, or 1 for bad input.
int RunKit(const std::vector<std::wstring>& args, std::ostream& out, std::ostream& err);

}  // namespace vl::kit
