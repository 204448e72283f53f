// verdelune-kit's entry point on Windows (-municode): wide arguments keep their accents, and
// the output is UTF-8 in binary mode so that no CR is added to the line ends.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "kit/Kit.h"

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::wstring> args(argv + 1, argv + argc);
  return vl::kit::RunKit(args, std::cout, std::cerr);
}
