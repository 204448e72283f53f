// verdelune-kit's entry point on POSIX systems: arguments are taken as UTF-8.
#include <iostream>
#include <string>
#include <vector>

#include "crypto/Utf8.h"
#include "kit/Kit.h"

int main(int argc, char** argv) {
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i)
    args.push_back(vl::FromUtf8(argv[i]));
  return vl::kit::RunKit(args, std::cout, std::cerr);
}
